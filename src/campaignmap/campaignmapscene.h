#pragma once

#include <QList>

class CampaignRegionItem;
class QGraphicsScene;
struct CmpCampaign;

// Empties scene and fills it from the campaign: the background picture of campaign map
// `shownCampaignMap` (or, without map, the campaign's background) and, with map, one region item
// per region, `shownRegion` drawn selected. A background missing from the archives leaves the
// scene empty. Returns the region items in region order. A pressed region item tells a
// MyGraphicsScene through its regionSelected signal.
QList<CampaignRegionItem *> buildCampaignMapScene(QGraphicsScene *scene,
                                                  const CmpCampaign &campaign, int shownCampaignMap,
                                                  int shownRegion);
