#include "campaign/campaignconversion.h"

#include "campaign/cmpcampaign.h"
#include "campaign/scenarionumbers.h"
#include "gamedata/messages.h"

#include <QCoreApplication>

#include <QVector>

namespace {

// Visits `index` and, depth-first in list order, every scenario whose prerequisites include a
// visited one. The walk passes through scenarios without a map, but only those with a map are
// kept: a conversion keeps no scenario without a map.
void keepWithFollowers(const QList<CmpScenario> &scenarios, int index, QVector<bool> &visited) {
    if (visited[index])
        return;
    visited[index] = true;
    for (int follower = 0; follower < scenarios.size(); ++follower) {
        const QBitArray &needs = scenarios[follower].prerequisites;
        if (index < needs.size() && needs.testBit(index))
            keepWithFollowers(scenarios, follower, visited);
    }
}

} // namespace

int scenariosWithMapCount(const CmpCampaign &campaign) {
    int count = 0;
    for (const CmpScenario &scenario : campaign.scenarios)
        count += scenario.hasMap() ? 1 : 0;
    return count;
}

bool conversionDropsScenarios(const CmpCampaign &campaign, int campaignMap,
                              const GameCatalogue &catalogue) {
    return scenariosWithMapCount(campaign) > campaignMapRegionCount(campaignMap, catalogue);
}

void convertToCampaignWithoutMap(CmpCampaign &campaign, int background,
                                 const GameCatalogue &catalogue) {
    campaign.campaignMap = 0;
    campaign.withMap = false;
    campaign.background = background;

    const QList<CmpScenario> &scenarios = campaign.scenarios;
    QVector<bool> reached(scenarios.size(), false);
    for (int i = 0; i < scenarios.size(); ++i)
        if (scenarios[i].hasMap() && scenarios[i].prerequisites.count(true) == 0)
            keepWithFollowers(scenarios, i, reached);

    QList<CmpScenario> converted;
    QVector<int> newIndexOf(scenarios.size(), -1);
    for (int i = 0; i < scenarios.size(); ++i) {
        if (reached[i] && scenarios[i].hasMap()) {
            newIndexOf[i] = converted.size();
            converted.append(scenarios[i]);
        }
    }
    campaign.scenarios = converted;
    renumberScenarios(campaign, newIndexOf);
    if (campaign.scenarios.isEmpty()) {
        campaign.scenarios.append(CmpScenario(catalogue));
        campaign.scenarios.last().prerequisites.clear();
    }
    campaign.scenarioCount = campaign.scenarios.size();
}

void convertToCampaignWithMap(CmpCampaign &campaign, int campaignMap,
                              const GameCatalogue &catalogue) {
    const int regionCount = campaignMapRegionCount(campaignMap, catalogue);
    QList<CmpScenario> converted;
    QVector<int> newIndexOf(campaign.scenarios.size(), -1);
    for (int i = 0; i < campaign.scenarios.size(); ++i) {
        if (campaign.scenarios[i].hasMap() && converted.size() < regionCount) {
            newIndexOf[i] = converted.size();
            converted.append(campaign.scenarios[i]);
        }
    }
    // Still a campaign without map: the kept scenarios become the chain it stores, each
    // requiring exactly the one before it.
    campaign.scenarios = converted;
    renumberScenarios(campaign, newIndexOf);
    while (campaign.scenarios.size() < regionCount)
        campaign.scenarios.append(CmpScenario(catalogue));
    for (CmpScenario &scenario : campaign.scenarios)
        scenario.prerequisites.resize(regionCount);

    campaign.campaignMap = uint8_t(campaignMap);
    campaign.withMap = true;
    campaign.scenarioCount = regionCount;
}

void convertToOtherType(CmpCampaign &campaign, int choice, const GameCatalogue &catalogue) {
    if (campaign.withMap)
        convertToCampaignWithoutMap(campaign, choice, catalogue);
    else
        convertToCampaignWithMap(campaign, choice, catalogue);
}

bool convertCampaign(CmpCampaign &campaign, int choice, const GameCatalogue &catalogue) {
    const bool toWithMap = !campaign.withMap;
    const char *question =
        toWithMap && conversionDropsScenarios(campaign, choice, catalogue)
            ? QT_TRANSLATE_NOOP("ConvertCampaign",
                                "Do you really want to convert the campaign to different type? "
                                "Some scenarios will be deleted!")
            : QT_TRANSLATE_NOOP("ConvertCampaign",
                                "Do you really want to convert the campaign to different type?");
    if (Messages::question(QCoreApplication::translate("ConvertCampaign", "Save changes"),
                           QCoreApplication::translate("ConvertCampaign", question),
                           Messages::Yes | Messages::No, Messages::No) != Messages::Yes)
        return false;
    convertToOtherType(campaign, choice, catalogue);
    return true;
}
