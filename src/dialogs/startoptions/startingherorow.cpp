#include "dialogs/startoptions/startingherorow.h"

#include "campaign/cmpscenario.h"
#include "campaign/optiontexts.h"
#include "campaign/startoptionrules.h"

#include <QTableWidget>

StartingHero startingHeroOfRow(const QTableWidget *table, int row) {
    const QTableWidgetItem *item = table->item(row, 0);
    return item ? item->data(Qt::UserRole).value<StartingHero>() : StartingHero{};
}

void fillStartingHeroRow(QTableWidget *table, int row, const CmpScenario &scenario,
                         const StartingHero &entry) {
    const QString texts[2] = {heroText(scenario, entry.player, entry.hero, true),
                              playerText(entry.player)};
    for (int column = 0; column < 2; ++column) {
        QTableWidgetItem *item = table->item(row, column);
        if (!item) {
            item = new QTableWidgetItem;
            item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            table->setItem(row, column, item);
        }
        item->setText(texts[column]);
        item->setData(Qt::UserRole, QVariant::fromValue(entry));
    }
}

bool isPlayerFreeForStartingHero(const CmpScenario &scenario, const QTableWidget *table,
                                 const QTableWidgetItem *editedItem, int player) {
    QList<uint16_t> taken;
    const int editedRow = editedItem ? editedItem->row() : -1;
    if (table)
        for (int row = 0; row < table->rowCount(); ++row)
            if (row != editedRow && table->item(row, 0))
                taken.append(startingHeroOfRow(table, row).hero);
    return isPlayerFreeForStartingHero(scenario, taken, player);
}
