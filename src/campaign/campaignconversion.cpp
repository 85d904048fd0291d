#include "campaign/campaignconversion.h"

#include "campaign/cmpcampaign.h"
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
    for (int i = 0; i < scenarios.size(); ++i)
        if (reached[i] && scenarios[i].hasMap())
            converted.append(scenarios[i]);
    if (converted.isEmpty()) {
        converted.append(CmpScenario(catalogue));
        converted.last().prerequisites.clear();
    }
    campaign.scenarioCount = converted.size();
    campaign.scenarios = converted;
}

void convertToCampaignWithMap(CmpCampaign &campaign, int campaignMap,
                              const GameCatalogue &catalogue) {
    const int regionCount = campaignMapRegionCount(campaignMap, catalogue);
    QList<CmpScenario> converted;
    for (const CmpScenario &scenario : campaign.scenarios) {
        if (!scenario.hasMap())
            continue;
        converted.append(scenario);
        // A chain: each kept scenario requires exactly the one before it.
        QBitArray &needs = converted.last().prerequisites;
        needs.fill(false);
        if (converted.size() > 1) {
            needs.resize(qMax(needs.size(), converted.size() - 1));
            needs.setBit(converted.size() - 2);
        }
    }
    while (converted.size() > regionCount)
        converted.removeLast();
    while (converted.size() < regionCount)
        converted.append(CmpScenario(catalogue));
    for (CmpScenario &scenario : converted)
        scenario.prerequisites.resize(regionCount);

    campaign.campaignMap = uint8_t(campaignMap);
    campaign.withMap = true;
    campaign.scenarioCount = regionCount;
    campaign.scenarios = converted;
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
                           Messages::Yes | Messages::No, Messages::Yes) != Messages::Yes)
        return false;
    if (toWithMap)
        convertToCampaignWithMap(campaign, choice, catalogue);
    else
        convertToCampaignWithoutMap(campaign, choice, catalogue);
    return true;
}
