#include "campaignmap/mygraphicsscene.h"

void MyGraphicsScene::dragMoveEvent(QGraphicsSceneDragDropEvent *) {}
