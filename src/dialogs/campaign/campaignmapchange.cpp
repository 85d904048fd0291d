#include "dialogs/campaign/campaignmapchange.h"

#include "campaign/cmpcampaign.h"
#include "gamedata/gamecatalogue.h"

#include <QHash>

void moveToCampaignMap(CmpCampaign &campaign, uint8_t campaignMap, const GameCatalogue &catalogue) {
    campaign.campaignMap = campaignMap;
    const int regionCount = campaignMapRegionCount(campaignMap, catalogue);

    QList<CmpScenario> kept;
    QHash<int, int> newIndexOf; // old scenario index -> its index on the new map
    for (int i = 0; i < campaign.scenarios.size(); ++i) {
        if (!campaign.scenarios[i].hasMap())
            continue;
        newIndexOf.insert(i, kept.size());
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

    // Walking upwards is safe: a moved bit only goes down, to a place already walked.
    for (CmpScenario &scenario : campaign.scenarios) {
        QBitArray &prerequisites = scenario.prerequisites;
        for (int bit = 0; bit < prerequisites.size(); ++bit) {
            const auto moved = newIndexOf.constFind(bit);
            if (!prerequisites.testBit(bit) || moved == newIndexOf.constEnd())
                continue;
            prerequisites.clearBit(bit);
            prerequisites.setBit(*moved);
        }
        prerequisites.resize(regionCount);
    }
}
