#pragma once

#include <QGraphicsScene>

// The campaign map scene. A drag moving over it keeps the action accepted when it entered, so
// that a dropped file reaches the drop handler instead of being refused by the items. It tells
// whoever shows the map which region the user selected.
class MyGraphicsScene : public QGraphicsScene {
    Q_OBJECT

public:
    using QGraphicsScene::QGraphicsScene;

    // Called by a region item the user pressed, or moved the pointer onto (-1: off).
    void reportRegionSelected(int region) { emit regionSelected(region); }
    void reportRegionHovered(int region) { emit regionHovered(region); }

signals:
    void regionSelected(int region);
    void regionHovered(int region);

protected:
    void dragMoveEvent(QGraphicsSceneDragDropEvent *event) override;
};
