#pragma once

#include <QListWidget>

// A list whose right mouse button neither selects nor activates: a right press or double click
// is left unaccepted and passed on to the parent, every other press behaves as usual.
class CustomListWidget : public QListWidget {
    Q_OBJECT

public:
    explicit CustomListWidget(QWidget *parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};
