#pragma once

#include <QGraphicsView>

class MyGraphicsScene;
class QLabel;

// The view of the campaign map. A double click (except with the right button) and the context
// menu's "Properties..." ask for the scenario properties of the selected region; the wheel never
// scrolls the map, and entering the view restores the idle hint.
class MyQGraphicsView : public QGraphicsView {
    Q_OBJECT

public:
    explicit MyQGraphicsView(QWidget *parent = nullptr);

    // The scene the view made for itself.
    MyGraphicsScene *mapScene() const;

    // The status bar label that shows the idle hint when the pointer enters the view.
    void setHintLabel(QLabel *label) { hintLabel = label; }

signals:
    // The main window opens the scenario properties window on it.
    void scenarioPropertiesRequested();

public slots:
    void showContextMenu(const QPoint &position);

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void enterEvent(QEvent *event) override;

private:
    QLabel *hintLabel = nullptr;
};
