#include "campaign/scenarionumbers.h"

#include "campaign/campaignwriter.h"
#include "campaign/cmpcampaign.h"

namespace {

// The new number of scenario `index`; -1 when it is gone.
int renumbered(const QVector<int> &newIndexOf, int index) {
    return index < newIndexOf.size() ? newIndexOf[index] : index;
}

QBitArray renumberedBits(const QBitArray &bits, const QVector<int> &newIndexOf) {
    QBitArray moved(bits.size());
    for (int bit = 0; bit < bits.size(); ++bit) {
        const int to = renumbered(newIndexOf, bit);
        if (!bits.testBit(bit) || to < 0)
            continue;
        if (to >= moved.size())
            moved.resize(to + 1);
        moved.setBit(to);
    }
    return moved;
}

void renumberCrossovers(CmpScenario &scenario, const QVector<int> &newIndexOf) {
    if (!scenario.startOptions || scenario.startOptions->kind != CrossoverChoice)
        return;
    const HeroCrossoverSet old = scenario.startOptions->crossoverSet();
    HeroCrossoverSet set;
    for (CmpHeroCrossover crossover : old.crossovers) {
        const int to = renumbered(newIndexOf, crossover.scenario);
        if (to < 0 || to > UINT8_MAX)
            continue;
        crossover.scenario = uint8_t(to);
        set.crossovers.append(crossover);
    }
    if (set.crossovers != old.crossovers)
        scenario.startOptions = makeStartOptions(set);
}

} // namespace

void renumberScenarios(CmpCampaign &campaign, const QVector<int> &newIndexOf) {
    const int count = campaign.scenarios.size();
    for (CmpScenario &scenario : campaign.scenarios) {
        if (campaign.withMap)
            scenario.prerequisites = renumberedBits(scenario.prerequisites, newIndexOf);
        renumberCrossovers(scenario, newIndexOf);
    }
    if (!campaign.withMap) {
        for (int i = 0; i < count; ++i)
            campaign.scenarios[i].prerequisites = chainPrerequisites(campaign, i, count);
    }
}
