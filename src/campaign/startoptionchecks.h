#pragma once

#include "campaign/cmpbonus.h"
#include "campaign/cmpherocrossover.h"
#include "campaign/cmpscenariostartoptions.h"
#include "campaign/startinghero.h"

#include <QList>

struct CmpScenario;

// The checks that drop starting-option entries which no longer fit the scenario's map, after a
// map import or a change of the receiving player. They walk a list from the first entry to the
// last and drop every entry that breaks its rule; the rules themselves are in
// startoptionrules.h. A scenario without a map summary keeps every entry. Each decision is
// written to the debug trace; nothing is shown to the user.

// The outcome of checking one list: the entries that stay, in order, and the positions (in the
// list as given, ascending) of the entries dropped. A table of rows drops the rows at these
// positions, the last first.
template <typename Entry> struct CheckedList {
    QList<Entry> kept;
    QList<int> removed;
};

// The bonuses given to `player`.
CheckedList<CmpBonus> checkBonuses(const CmpScenario &scenario, int player,
                                   const QList<CmpBonus> &bonuses);
CheckedList<StartingHero> checkStartingHeroes(const CmpScenario &scenario,
                                              const QList<StartingHero> &heroes);
CheckedList<CmpHeroCrossover> checkCrossovers(const CmpScenario &scenario,
                                              const QList<CmpHeroCrossover> &crossovers);
// The same, where a crossover must also come from one of `sources`, the scenarios this scenario
// requires: a source that is no longer required cannot send a hero.
CheckedList<CmpHeroCrossover> checkCrossovers(const CmpScenario &scenario,
                                              const QList<CmpHeroCrossover> &crossovers,
                                              const QList<int> &sources);

// Whether the scenario's map allows a choice of starting heroes: its first human-playable
// player generates a hero or owns one on the map, and some player may receive a starting hero.
bool isStartingHeroKindAllowed(const CmpScenario &scenario);
// Whether the scenario allows a choice of crossover heroes: it has a prerequisite.
bool isCrossoverKindAllowed(const CmpScenario &scenario);
