#include "widgets/optiontable.h"

#include <QFont>
#include <QHeaderView>
#include <QTableWidget>

void OptionTable::setUp(QTableWidget *table) {
    table->horizontalHeader()->setFont(QFont(QStringLiteral("MS Shell Dlg"), 8));
    table->verticalHeader()->setMinimumSectionSize(rowHeight);
}
