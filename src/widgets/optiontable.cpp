#include "widgets/optiontable.h"

#include "widgets/cuttexttooltipdelegate.h"

#include <QAbstractButton>
#include <QFont>
#include <QHeaderView>
#include <QTableWidget>

void OptionTable::setUp(QTableWidget *table) {
    table->horizontalHeader()->setFont(QFont(QStringLiteral("MS Shell Dlg"), 8));
    table->verticalHeader()->setMinimumSectionSize(rowHeight);
    table->setItemDelegate(new CutTextToolTipDelegate(table));
}

void OptionTable::reset(QTableWidget *table, int columns, const Buttons &buttons) {
    table->setRowCount(0);
    table->setColumnCount(columns);
    buttons.add->setEnabled(false);
    buttons.edit->setEnabled(false);
    buttons.remove->setEnabled(false);
}

bool OptionTable::removeSelectedRow(QTableWidget *table, const Buttons &buttons) {
    const int row = firstSelectedRow(table);
    if (row < 0)
        return false;
    table->removeRow(row);
    buttons.add->setEnabled(true);
    if (table->rowCount() == 0) {
        buttons.remove->setEnabled(false);
        buttons.edit->setEnabled(false);
    }
    return true;
}

int OptionTable::appendRow(QTableWidget *table, int columns) {
    const int row = table->rowCount();
    table->insertRow(row);
    table->setRowHeight(row, rowHeight);
    for (int column = 0; column < columns; ++column) {
        auto *item = new QTableWidgetItem;
        item->setFlags(item->flags() & ~Qt::ItemIsEditable);
        table->setItem(row, column, item);
    }
    return row;
}

int OptionTable::firstSelectedRow(const QTableWidget *table) {
    const QList<QTableWidgetItem *> selected = table->selectedItems();
    return selected.isEmpty() ? -1 : selected.first()->row();
}
