#include "campaign/prerequisitegraph.h"

#include "campaign/cmpcampaign.h"

#include <QVector>

bool hasPrerequisite(const CmpScenario &scenario, int other) {
    return other >= 0 && other < scenario.prerequisites.size() &&
           scenario.prerequisites.testBit(other);
}

void setPrerequisite(CmpScenario &scenario, int other, bool required) {
    if (other < 0)
        return;
    if (other >= scenario.prerequisites.size()) {
        if (!required)
            return;
        scenario.prerequisites.resize(other + 1);
    }
    scenario.prerequisites.setBit(other, required);
}

QList<int> requiredScenarios(const CmpCampaign &campaign, int from) {
    QList<int> order;
    const int count = campaign.scenarios.size();
    if (from < 0 || from >= count)
        return order;
    QVector<bool> seen(count, false);
    // Each stack entry is a scenario whose bits are still being walked, and the next bit to try.
    QVector<QPair<int, int>> stack{{from, 0}};
    while (!stack.isEmpty()) {
        QPair<int, int> &top = stack.last();
        const CmpScenario &scenario = campaign.scenarios.at(top.first);
        const int limit = qMin(count, scenario.prerequisites.size());
        int next = top.second;
        while (next < limit && !(scenario.prerequisites.testBit(next) && !seen[next]))
            ++next;
        if (next >= limit) {
            stack.removeLast();
            continue;
        }
        top.second = next + 1;
        seen[next] = true;
        order.append(next);
        stack.append({next, 0});
    }
    return order;
}

bool requiresScenario(const CmpCampaign &campaign, int from, int to) {
    return requiredScenarios(campaign, from).contains(to);
}

PrerequisiteOffer prerequisiteOffer(const CmpCampaign &campaign, int edited, int candidate) {
    if (hasPrerequisite(campaign.scenarios.at(edited), candidate))
        return PrerequisiteOffer::Direct;
    if (requiresScenario(campaign, edited, candidate))
        return PrerequisiteOffer::Indirect;
    if (requiresScenario(campaign, candidate, edited))
        return PrerequisiteOffer::Cycle;
    return PrerequisiteOffer::Free;
}

QList<int> addPrerequisite(CmpCampaign &campaign, int edited, int added) {
    CmpScenario &scenario = campaign.scenarios[edited];
    setPrerequisite(scenario, added, true);
    const QList<int> implied = requiredScenarios(campaign, added);
    for (int k : implied)
        setPrerequisite(scenario, k, false);
    for (int j = 0; j < campaign.scenarios.size(); ++j) {
        CmpScenario &other = campaign.scenarios[j];
        if (j != edited && hasPrerequisite(other, edited) && hasPrerequisite(other, added))
            setPrerequisite(other, added, false);
    }
    return implied;
}

QList<int> dropPrerequisite(CmpCampaign &campaign, int edited, int dropped) {
    CmpScenario &scenario = campaign.scenarios[edited];
    setPrerequisite(scenario, dropped, false);
    const QList<int> kept = requiredScenarios(campaign, dropped);
    for (int k : kept) {
        if (k != edited)
            setPrerequisite(scenario, k, true);
    }
    for (int j = 0; j < campaign.scenarios.size(); ++j) {
        CmpScenario &other = campaign.scenarios[j];
        if (j != edited && j != dropped && hasPrerequisite(other, edited) &&
            !hasPrerequisite(other, dropped))
            setPrerequisite(other, dropped, true);
    }
    return kept;
}

void bypassScenario(CmpCampaign &campaign, int removed) {
    const CmpScenario bypassed = campaign.scenarios.at(removed);
    for (int j = 0; j < campaign.scenarios.size(); ++j) {
        if (j == removed || !hasPrerequisite(campaign.scenarios.at(j), removed))
            continue;
        CmpScenario &other = campaign.scenarios[j];
        for (int bit = 0; bit < bypassed.prerequisites.size(); ++bit) {
            // A scenario never comes to require itself, even through a damaged graph.
            if (bit != j && bypassed.prerequisites.testBit(bit))
                setPrerequisite(other, bit, true);
        }
        setPrerequisite(other, removed, false);
    }
}
