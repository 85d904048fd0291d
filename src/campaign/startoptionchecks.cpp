#include "campaign/startoptionchecks.h"

#include "campaign/cmpscenario.h"
#include "campaign/heroids.h"
#include "campaign/startoptionrules.h"
#include "gamedata/logging.h"

namespace {

// Why a bonus breaks its rule, for the trace.
const char *bonusFault(const CmpScenario &scenario, int player, const CmpBonus &bonus) {
    const MapPlayer *owner = scenarioPlayer(scenario, player);
    if (!owner)
        return "Bad (no such player), remove";
    if (bonus.type == BuildingBonus)
        return owner->ownsMainTown() ? "Bad (building not allowed in this town), remove"
                                     : "Bad (no main city), remove";
    if (bonusHero(bonus) == GeneratedHero)
        return "Bad (no generated hero or no main city)";
    return "Bad (not on map), remove";
}

const char *startingHeroFault(const CmpScenario &scenario, const StartingHero &entry) {
    if (!isHumanPlayable(scenario, entry.player))
        return "Bad (not human), remove";
    if (entry.hero == RandomHero)
        return "Bad (no generated hero)";
    return "Bad (disabled or no main city, not on map), remove";
}

template <typename Entry, typename Rule, typename Fault>
CheckedList<Entry> checkList(const char *what, const QList<Entry> &entries, Rule isValid,
                             Fault fault) {
    CheckedList<Entry> result;
    for (int row = 0; row < entries.size(); ++row) {
        if (isValid(entries[row])) {
            qCDebug(logStartOptions).nospace() << what << " " << row << ": Good";
            result.kept.append(entries[row]);
        } else {
            qCDebug(logStartOptions).nospace() << what << " " << row << ": " << fault(entries[row]);
            result.removed.append(row);
        }
    }
    return result;
}

int firstHumanPlayer(const CmpScenario &scenario) {
    for (int player = 0; player < MapHeader::playerCount; ++player)
        if (isHumanPlayable(scenario, player))
            return player;
    return -1;
}

} // namespace

CheckedList<CmpBonus> checkBonuses(const CmpScenario &scenario, int player,
                                   const QList<CmpBonus> &bonuses) {
    return checkList(
        "Bonus", bonuses,
        [&](const CmpBonus &bonus) { return isBonusValid(scenario, player, bonus); },
        [&](const CmpBonus &bonus) { return bonusFault(scenario, player, bonus); });
}

CheckedList<StartingHero> checkStartingHeroes(const CmpScenario &scenario,
                                              const QList<StartingHero> &heroes) {
    return checkList(
        "Starting hero", heroes,
        [&](const StartingHero &entry) { return isStartingHeroValid(scenario, entry); },
        [&](const StartingHero &entry) { return startingHeroFault(scenario, entry); });
}

CheckedList<CmpHeroCrossover> checkCrossovers(const CmpScenario &scenario,
                                              const QList<CmpHeroCrossover> &crossovers) {
    return checkList(
        "Crossover", crossovers,
        [&](const CmpHeroCrossover &entry) { return isCrossoverValid(scenario, entry); },
        [](const CmpHeroCrossover &) { return "Bad (not human), remove"; });
}

CheckedList<CmpHeroCrossover> checkCrossovers(const CmpScenario &scenario,
                                              const QList<CmpHeroCrossover> &crossovers,
                                              const QList<int> &sources) {
    return checkList(
        "Crossover", crossovers,
        [&](const CmpHeroCrossover &entry) {
            return sources.contains(entry.scenario) && isCrossoverValid(scenario, entry);
        },
        [&](const CmpHeroCrossover &entry) {
            return sources.contains(entry.scenario) ? "Bad (not human), remove"
                                                    : "Bad (source not required), remove";
        });
}

bool isStartingHeroKindAllowed(const CmpScenario &scenario) {
    const MapPlayer *first = scenarioPlayer(scenario, firstHumanPlayer(scenario));
    if (!first || (!first->generateHeroAtMainTown && first->heroes.isEmpty()))
        return false;
    for (int player = 0; player < MapHeader::playerCount; ++player)
        if (isPlayerFreeForStartingHero(scenario, player))
            return true;
    return false;
}

bool isCrossoverKindAllowed(const CmpScenario &scenario) {
    return scenario.prerequisites.count(true) > 0;
}
