#pragma once

class QTableWidget;

// The lists of a scenario's starting options (bonuses, crossover heroes, starting heroes): at most
// three entries, shown in tables with low rows.
namespace OptionTable {

constexpr int maxRows = 3;
constexpr int rowHeight = 17;

// The header font and a row height below the style's smallest section.
void setUp(QTableWidget *table);

} // namespace OptionTable
