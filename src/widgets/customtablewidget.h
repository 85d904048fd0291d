#pragma once

#include <QTableWidget>

// A table whose right mouse button neither selects nor activates: a right press or double click
// is left unaccepted and passed on to the parent, every other press behaves as usual.
class CustomTableWidget : public QTableWidget {
    Q_OBJECT

public:
    explicit CustomTableWidget(QWidget *parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};
