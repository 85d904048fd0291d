#pragma once

class QTableWidget;

// The lists of a scenario's starting options (bonuses, crossover heroes, starting heroes): at most
// three entries, shown in tables with low rows.
namespace OptionTable {

constexpr int maxRows = 3;
constexpr int rowHeight = 17;

// The header font and a row height below the style's smallest section.
void setUp(QTableWidget *table);

// Appends a low row of `columns` read-only items and returns its index.
int appendRow(QTableWidget *table, int columns);

// The row of the first selected item, or -1 when nothing is selected.
int firstSelectedRow(const QTableWidget *table);

} // namespace OptionTable
