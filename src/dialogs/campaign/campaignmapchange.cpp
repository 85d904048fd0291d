#include "dialogs/campaign/campaignmapchange.h"

#include "campaign/cmpcampaign.h"
#include "campaign/scenarionumbers.h"
#include "gamedata/gamecatalogue.h"

void moveToCampaignMap(CmpCampaign &campaign, uint8_t campaignMap, const GameCatalogue &catalogue) {
    campaign.campaignMap = campaignMap;
    const int regionCount = campaignMapRegionCount(campaignMap, catalogue);

    QList<CmpScenario> kept;
    QVector<int> newIndexOf(campaign.scenarios.size(), -1);
    for (int i = 0; i < campaign.scenarios.size(); ++i) {
        if (!campaign.scenarios[i].hasMap())
            continue;
        newIndexOf[i] = kept.size();
        kept.append(campaign.scenarios[i]);
    }

    campaign.scenarios.clear();
    campaign.scenarioCount = 0;
    const CmpScenario fresh(catalogue);
    for (int i = 0; i < regionCount; ++i)
        campaign.scenarios.append(fresh);
    // The properties dialog offers only maps with a region for every kept scenario.
    for (int k = 0; k < kept.size() && k < regionCount; ++k)
        campaign.scenarios[k] = kept[k];

    renumberScenarios(campaign, newIndexOf);
    for (CmpScenario &scenario : campaign.scenarios)
        scenario.prerequisites.resize(regionCount);
}
