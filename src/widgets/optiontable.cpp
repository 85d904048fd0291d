#include "widgets/optiontable.h"

#include <QFont>
#include <QHeaderView>
#include <QTableWidget>

void OptionTable::setUp(QTableWidget *table) {
    table->horizontalHeader()->setFont(QFont(QStringLiteral("MS Shell Dlg"), 8));
    table->verticalHeader()->setMinimumSectionSize(rowHeight);
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
