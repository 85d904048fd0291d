#pragma once

#include "campaign/campaignlimits.h"

class QAbstractButton;
class QTableWidget;

// The lists of a scenario's starting options (bonuses, crossover heroes, starting heroes): at most
// three entries, shown in tables with low rows.
namespace OptionTable {

constexpr int maxRows = maxStartOptions;
constexpr int rowHeight = 17;

// The header font, a row height below the style's smallest section, and tool tips that show
// the whole text of a cell too narrow for it.
void setUp(QTableWidget *table);

// The Add, Edit and Remove buttons under an option table.
struct Buttons {
    QAbstractButton *add;
    QAbstractButton *edit;
    QAbstractButton *remove;
};

// Empties the table down to `columns` columns and disables all three buttons.
void reset(QTableWidget *table, int columns, const Buttons &buttons);

// Removes the row of the first selected item and enables Add; emptying the table disables Edit
// and Remove. False when nothing is selected.
bool removeSelectedRow(QTableWidget *table, const Buttons &buttons);

// Appends a low row of `columns` read-only items and returns its index.
int appendRow(QTableWidget *table, int columns);

// The row of the first selected item, or -1 when nothing is selected.
int firstSelectedRow(const QTableWidget *table);

} // namespace OptionTable
