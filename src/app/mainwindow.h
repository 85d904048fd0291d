#pragma once

#include <QMainWindow>

// The editor's only top-level window.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);

    // Opens the campaign named by the first command-line argument, if any.
    void openFromCommandLine(const QStringList &arguments);
};
