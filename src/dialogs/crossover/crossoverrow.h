#pragma once

#include "campaign/cmpherocrossover.h"

class QTableWidget;
struct CmpCampaign;

// A row of the crossover table: both items carry the crossover under the first user role;
// column 0 names the source scenario, column 1 the receiving player.
CmpHeroCrossover crossoverOfRow(const QTableWidget *table, int row);
// Fills the row's two items, creating missing ones as not editable.
void fillCrossoverRow(QTableWidget *table, int row, const CmpHeroCrossover &crossover,
                      const CmpCampaign &campaign, int campaignMap);
