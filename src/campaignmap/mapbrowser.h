#pragma once

#include <QWidget>

#include <memory>

class MyQGraphicsView;
class QLabel;

namespace Ui {
class MapBrowser;
}

// The main window's campaign map page: a 456 by 600 view of the campaign map scene.
class MapBrowser : public QWidget {
    Q_OBJECT

public:
    // hintLabel is the main window's status bar label for hints.
    MapBrowser(QWidget *parent, QLabel *hintLabel);
    ~MapBrowser() override;

    MyQGraphicsView *view() const;

private:
    std::unique_ptr<Ui::MapBrowser> ui;
};
