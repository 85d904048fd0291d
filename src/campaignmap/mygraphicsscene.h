#pragma once

#include <QGraphicsScene>

// The campaign map scene. A drag moving over it keeps the action accepted when it entered, so
// that a dropped file reaches the drop handler instead of being refused by the items.
class MyGraphicsScene : public QGraphicsScene {
    Q_OBJECT

public:
    using QGraphicsScene::QGraphicsScene;

protected:
    void dragMoveEvent(QGraphicsSceneDragDropEvent *event) override;
};
