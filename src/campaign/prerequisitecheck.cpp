// The campaign check of the prerequisite graph: the game makes a scenario available once every
// scenario it requires is won, so a circle, a scenario without map among the requirements or a
// campaign without a scenario to begin with leaves scenarios that can never be played.

#include "campaign/campaigncheckrun.h"

#include <QCoreApplication>
#include <QStringList>
#include <QVector>

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CampaignCheck)
};

// The scenarios that `index` requires directly, among the campaign's scenarios.
QList<int> directPrerequisites(const CampaignCheckRun &run, int index) {
    QList<int> result;
    const QBitArray &bits = run.playedGraph().scenarios.at(index).prerequisites;
    const int limit = qMin(bits.size(), run.scenarioCount());
    for (int other = 0; other < limit; ++other)
        if (bits.testBit(other))
            result.append(other);
    return result;
}

void reportCycles(CampaignCheckRun &run, const QVector<bool> &onCycle) {
    QVector<bool> reported(run.scenarioCount(), false);
    for (int first = 0; first < run.scenarioCount(); ++first) {
        if (!onCycle[first] || reported[first])
            continue;
        QStringList members{run.label(first)};
        for (int other = first + 1; other < run.scenarioCount(); ++other) {
            if (onCycle[other] && run.needs(first, other) && run.needs(other, first)) {
                reported[other] = true;
                members.append(run.label(other));
            }
        }
        run.add(CheckId::PrerequisiteCycle, first, CheckPage::General,
                members.size() == 1
                    ? Texts::tr("The scenario requires itself, so it can never be played.")
                    : Texts::tr("These scenarios require each other in a circle, so none of them "
                                "can be played: %1.")
                          .arg(members.join(QStringLiteral("; "))));
    }
}

// Scenarios the game makes available one after another from those that require nothing.
QVector<bool> reachableScenarios(const CampaignCheckRun &run) {
    QVector<bool> reachable(run.scenarioCount(), false);
    for (bool changed = true; changed;) {
        changed = false;
        for (int index = 0; index < run.scenarioCount(); ++index) {
            if (reachable[index] || !run.isPlayed(index))
                continue;
            bool open = true;
            for (int other : directPrerequisites(run, index))
                open = open && reachable[other];
            if (open) {
                reachable[index] = true;
                changed = true;
            }
        }
    }
    return reachable;
}

} // namespace

void checkPrerequisites(CampaignCheckRun &run) {
    bool anyPlayed = false;
    bool anyStart = false;
    for (int index = 0; index < run.scenarioCount(); ++index) {
        if (!run.isPlayed(index))
            continue;
        anyPlayed = true;
        anyStart = anyStart || directPrerequisites(run, index).isEmpty();
    }
    if (!anyPlayed)
        run.add(CheckId::NoStartingScenario, -1, CheckPage::Campaign,
                Texts::tr("No scenario of the campaign has a map."));
    else if (!anyStart)
        run.add(CheckId::NoStartingScenario, -1, CheckPage::Campaign,
                Texts::tr("Every scenario requires another one, so no scenario can be played "
                          "first."));
    // The chain of a campaign without map is made when it is saved and cannot go wrong.
    if (!run.campaign.withMap)
        return;

    QVector<bool> onCycle(run.scenarioCount(), false);
    for (int index = 0; index < run.scenarioCount(); ++index)
        onCycle[index] = run.isPlayed(index) && run.needs(index, index);
    reportCycles(run, onCycle);

    const QVector<bool> reachable = reachableScenarios(run);
    for (int index = 0; index < run.scenarioCount(); ++index) {
        if (!run.isPlayed(index))
            continue;
        bool causeReported = onCycle[index];
        int blocker = -1;
        for (int other : directPrerequisites(run, index)) {
            if (!run.isPlayed(other)) {
                run.add(CheckId::PrerequisiteWithoutMap, index, CheckPage::General,
                        Texts::tr("The scenario requires %1, which has no map and can never be "
                                  "won.")
                            .arg(run.label(other)));
                causeReported = true;
            } else if (!reachable[other] && blocker < 0) {
                blocker = other;
            }
        }
        if (!reachable[index] && !causeReported && blocker >= 0)
            run.add(CheckId::UnreachableScenario, index, CheckPage::General,
                    Texts::tr("The scenario can never be reached: it requires %1, which can "
                              "never be played.")
                        .arg(run.label(blocker)));
    }
}
