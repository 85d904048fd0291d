#include "campaignmap/campaignregionlookup.h"

const CampaignMapDef &campaignMapDefinition(int campaignMap) {
    static const CampaignMapDef unknown;
    const QMap<int, CampaignMapDef> &maps = gameCatalogue().campaignMaps;
    const auto found = maps.constFind(campaignMap);
    return found == maps.constEnd() ? unknown : *found;
}

const CampaignRegionDef &campaignRegionDefinition(int campaignMap, int region) {
    static const CampaignRegionDef unknown;
    const QList<CampaignRegionDef> &regions = campaignMapDefinition(campaignMap).regions;
    return region >= 0 && region < regions.size() ? regions.at(region) : unknown;
}
