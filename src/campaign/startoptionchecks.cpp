#include "campaign/startoptionchecks.h"

#include "campaign/cmpscenario.h"
#include "campaign/startoptionrules.h"
#include "gamedata/logging.h"

namespace {

// The trace line of a decision.
const char *faultTrace(StartOptionFault fault) {
    switch (fault) {
    case StartOptionFault::None:
        return "Good";
    case StartOptionFault::NoSuchPlayer:
        return "Bad (no such player), remove";
    case StartOptionFault::NotHumanPlayable:
        return "Bad (not human), remove";
    case StartOptionFault::NoMainTown:
        return "Bad (no main city), remove";
    case StartOptionFault::BuildingNotAllowed:
        return "Bad (building not allowed in this town), remove";
    case StartOptionFault::NoGeneratedHero:
        return "Bad (no generated hero or no main city)";
    case StartOptionFault::HeroNotOnMap:
        return "Bad (not on map), remove";
    case StartOptionFault::HeroUnavailable:
        return "Bad (disabled or no main city, not on map), remove";
    case StartOptionFault::SourceNotRequired:
        return "Bad (source not required), remove";
    }
    return "";
}

template <typename Entry, typename Fault>
CheckedList<Entry> checkList(const char *what, const QList<Entry> &entries, Fault faultOf) {
    CheckedList<Entry> result;
    for (int row = 0; row < entries.size(); ++row) {
        const StartOptionFault fault = faultOf(entries[row]);
        qCDebug(logStartOptions).nospace() << what << " " << row << ": " << faultTrace(fault);
        if (fault == StartOptionFault::None)
            result.kept.append(entries[row]);
        else
            result.removed.append(row);
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
    return checkList("Bonus", bonuses,
                     [&](const CmpBonus &bonus) { return bonusFault(scenario, player, bonus); });
}

CheckedList<StartingHero> checkStartingHeroes(const CmpScenario &scenario,
                                              const QList<StartingHero> &heroes) {
    return checkList("Starting hero", heroes,
                     [&](const StartingHero &entry) { return startingHeroFault(scenario, entry); });
}

CheckedList<CmpHeroCrossover> checkCrossovers(const CmpScenario &scenario,
                                              const QList<CmpHeroCrossover> &crossovers) {
    return checkList("Crossover", crossovers, [&](const CmpHeroCrossover &entry) {
        return crossoverFault(scenario, entry);
    });
}

CheckedList<CmpHeroCrossover> checkCrossovers(const CmpScenario &scenario,
                                              const QList<CmpHeroCrossover> &crossovers,
                                              const QList<int> &sources) {
    return checkList("Crossover", crossovers, [&](const CmpHeroCrossover &entry) {
        return crossoverFault(scenario, entry, &sources);
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
