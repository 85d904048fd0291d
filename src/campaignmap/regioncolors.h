#pragma once

#include <QColor>

// Number of region colours a scenario can choose from.
constexpr int regionColorCount = 8;
// The colour of new scenarios and of the campaign map previews.
constexpr int defaultRegionColor = 2;

// The region colour with index `colour`. An index outside 0..7 gives an invalid colour, whose
// channels read as 0 (black).
QColor regionColors(int colour);
