#pragma once

#include <QVector>

struct CmpCampaign;

// Scenarios name each other by index: a prerequisite bit and a crossover source are scenario
// numbers. Whatever renumbers the scenarios (moving or deleting one, a conversion, another
// campaign map) rearranges the list and then lets the numbers follow here, in one place.

// The list already stands in its new order; `newIndexOf[i]` is the new index of the scenario
// that had index i, or -1 when it is gone (numbers beyond the vector are left as they are).
// Prerequisite bits and crossover sources move with their scenarios; a bit of a scenario that is
// gone is cleared and a crossover from it dropped. A campaign without map then holds the
// prerequisites its file stores: each scenario with a map requires the one with a map before.
void renumberScenarios(CmpCampaign &campaign, const QVector<int> &newIndexOf);
