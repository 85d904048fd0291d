#include "campaign/cmpcampaign.h"

#include "campaign/editorvalues.h"
#include "gamedata/gamecatalogue.h"

void resetCampaign(CmpCampaign &campaign, uint8_t campaignMap, bool withMap, int32_t background,
                   int32_t scenarioCount) {
    resetCampaign(campaign, campaignMap, withMap, background, scenarioCount, gameCatalogue());
}

void resetCampaign(CmpCampaign &campaign, uint8_t campaignMap, bool withMap, int32_t background,
                   int32_t scenarioCount, const GameCatalogue &catalogue) {
    campaign.scenarios.clear();
    campaign.version = newestCampaignFormat;
    campaign.campaignMap = campaignMap;
    campaign.name.clear();
    campaign.description.clear();
    campaign.difficultySelectable = false;
    campaign.music = defaultCampaignMusic;
    campaign.scenarioCount = 0;
    int count = 0;
    if (withMap) {
        campaign.withMap = true;
        count = campaignMapRegionCount(campaignMap, catalogue);
    } else {
        campaign.withMap = false;
        campaign.background = background;
        campaign.scenarioCount = scenarioCount;
        count = qMax(0, scenarioCount);
    }
    const CmpScenario fresh(catalogue);
    for (int i = 0; i < count; ++i) {
        campaign.scenarios.append(fresh);
        campaign.scenarios.last().prerequisites.resize(count);
    }
    currentCampaignMap = campaign.campaignMap;
    selectedRegion = 0;
    campaign.forbidNewerVersions = false;
}

int campaignScenarioCount(const CmpCampaign &campaign) {
    return campaignScenarioCount(campaign, gameCatalogue());
}

int campaignScenarioCount(const CmpCampaign &campaign, const GameCatalogue &catalogue) {
    if (campaign.withMap)
        return campaignMapRegionCount(currentCampaignMap, catalogue);
    return campaign.scenarioCount;
}

int campaignMapRegionCount(int campaignMap, const GameCatalogue &catalogue) {
    return qMax(0, catalogue.campaignMaps.value(campaignMap).regionCount);
}
