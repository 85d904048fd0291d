#pragma once

#include <QList>

class QTableWidget;
struct CmpScenario;

// The start-option checks run over the tables of the starting-options and crossover pages:
// rows whose entry no longer fits the scenario's map are removed, first row to last. The
// decisions are those of campaign/startoptionchecks.h.

// A starting-bonus table (bonus items, see dialogs/bonus/bonusitem.h) given to `player`. A
// row that stays is renamed after what it names on the map now (the building of `player`'s
// main town, the hero's name on the map).
void checkBonuses(QTableWidget *table, const CmpScenario &scenario, int player);

// A starting-hero table: column 0 carries a StartingHero under the first user role. Rows that
// stay are renamed as the map names their heroes now.
void checkStartingHeroes(QTableWidget *table, const CmpScenario &scenario);

// A crossover table: column 0 carries a CmpHeroCrossover under the first user role; `sources`
// are the scenarios the scenario requires. Every row is set to 17 pixels on the way.
void checkCrossovers(QTableWidget *table, const CmpScenario &scenario, const QList<int> &sources);
