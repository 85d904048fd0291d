#pragma once

#include <QObject>

class QWidget;

// Turns a file dragged onto the main window or onto the campaign map's scene into a
// fileDropped signal. Installed on the whole application; every other event passes on.
class DragAndDropHandler : public QObject {
    Q_OBJECT

public:
    explicit DragAndDropHandler(QWidget *mainWindow, QObject *parent = nullptr);

signals:
    void fileDropped(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isMapScene(QObject *watched) const;

    QWidget *window;
};
