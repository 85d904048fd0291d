#pragma once

#include "campaign/startinghero.h"

class QTableWidget;
class QTableWidgetItem;
struct CmpScenario;

// A row of the starting-hero table: both items carry the StartingHero under the first user
// role; column 0 names the hero, column 1 the player.
StartingHero startingHeroOfRow(const QTableWidget *table, int row);
// Fills the row's two items, creating missing ones as not editable.
void fillStartingHeroRow(QTableWidget *table, int row, const CmpScenario &scenario,
                         const StartingHero &entry);

// Whether `player` may still receive a starting hero besides the heroes of the rows of `table`
// other than the row of `editedItem` (either may be null).
bool isPlayerFreeForStartingHero(const CmpScenario &scenario, const QTableWidget *table,
                                 const QTableWidgetItem *editedItem, int player);
