#include "campaignmap/campaignmapscene.h"

#include "campaign/cmpcampaign.h"
#include "campaign/optiontexts.h"
#include "campaignmap/campaignmapsize.h"
#include "campaignmap/campaignregionitem.h"
#include "campaignmap/campaignregionlookup.h"
#include "campaignmap/regioncolors.h"
#include "gamedata/gamepictures.h"

#include <QGraphicsPixmapItem>
#include <QGraphicsScene>

namespace {

QString backgroundName(const CmpCampaign &campaign, int shownCampaignMap) {
    if (campaign.withMap)
        return campaignMapDefinition(shownCampaignMap).backgroundPicture;
    return gameCatalogue().campaignBackgrounds.value(campaign.background);
}

CampaignRegionItem *newRegionItem(const CmpCampaign &campaign, int campaignMap, int region,
                                  bool selected) {
    auto *item = new CampaignRegionItem;
    const bool hasScenario = region < campaign.scenarios.size();
    item->campaignMap = campaignMap;
    item->region = region;
    item->selected = selected;
    item->colour = hasScenario ? campaign.scenarios.at(region).regionColor : defaultRegionColor;
    item->hasMap = hasScenario && campaign.scenarios.at(region).hasMap();
    item->setData(mapItemKindKey, RegionItem);
    const CampaignRegionDef &definition = campaignRegionDefinition(campaignMap, region);
    item->setPos(definition.x, definition.y);
    item->setFlag(QGraphicsItem::ItemIsSelectable);
    item->setToolTip(scenarioListText(campaign, campaignMap, region, gameCatalogue()));
    item->updatePicture();
    return item;
}

} // namespace

QList<CampaignRegionItem *> buildCampaignMapScene(QGraphicsScene *scene,
                                                  const CmpCampaign &campaign, int shownCampaignMap,
                                                  int shownRegion) {
    scene->clear();
    QList<CampaignRegionItem *> regionItems;
    std::optional<QByteArray> bytes = fetchPictureEntry(backgroundName(campaign, shownCampaignMap));
    if (!bytes)
        return regionItems;
    QImage background = campaignMapPart(decodeTrueColorPicture(*bytes));
    bytes.reset();
    QGraphicsPixmapItem *backgroundItem =
        scene->addPixmap(QPixmap::fromImage(std::move(background)));
    backgroundItem->setPos(0, 0);
    backgroundItem->setData(mapItemKindKey, BackgroundItem);
    backgroundItem->setFlag(QGraphicsItem::ItemIsSelectable, false);

    if (!campaign.withMap)
        return regionItems;
    const int regionCount = campaignMapDefinition(shownCampaignMap).regions.size();
    for (int region = 0; region < regionCount; ++region) {
        CampaignRegionItem *item =
            newRegionItem(campaign, shownCampaignMap, region, region == shownRegion);
        item->mapScene = scene;
        scene->addItem(item);
        regionItems.append(item);
    }
    return regionItems;
}
