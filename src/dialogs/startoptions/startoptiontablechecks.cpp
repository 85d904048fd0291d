#include "dialogs/startoptions/startoptiontablechecks.h"

#include "campaign/optiontexts.h"
#include "campaign/startoptionchecks.h"
#include "dialogs/bonus/bonusitem.h"
#include "dialogs/startoptions/startingherorow.h"

#include <QTableWidget>

namespace {

constexpr int crossoverRowHeight = 17;

// The entries of the rows' column-0 items; a row without one reads as a default entry.
template <typename Entry> QList<Entry> columnEntries(const QTableWidget *table) {
    QList<Entry> entries;
    for (int row = 0; row < table->rowCount(); ++row) {
        const QTableWidgetItem *item = table->item(row, 0);
        entries.append(item ? item->data(Qt::UserRole).value<Entry>() : Entry());
    }
    return entries;
}

void removeRows(QTableWidget *table, const QList<int> &rows) {
    for (int i = rows.size() - 1; i >= 0; --i)
        table->removeRow(rows[i]);
}

} // namespace

void checkBonuses(QTableWidget *table, const CmpScenario &scenario, int player) {
    QList<CmpBonus> bonuses;
    for (int row = 0; row < table->rowCount(); ++row) {
        const QTableWidgetItem *item = table->item(row, 0);
        bonuses.append(item ? bonusOfItem(item) : CmpBonus{BonusTypeCount, QVariant()});
    }
    removeRows(table, checkBonuses(scenario, player, bonuses).removed);
    for (int row = 0; row < table->rowCount(); ++row) {
        QTableWidgetItem *item = table->item(row, 0);
        if (!item)
            continue;
        // Every text is rebuilt: a hero or building a row names may have changed with the map.
        item->setText(bonusText(scenario, player, bonusOfItem(item)));
    }
}

void checkStartingHeroes(QTableWidget *table, const CmpScenario &scenario) {
    removeRows(table, checkStartingHeroes(scenario, columnEntries<StartingHero>(table)).removed);
    // A hero that stays may have left the map or changed its name there.
    for (int row = 0; row < table->rowCount(); ++row)
        if (table->item(row, 0))
            fillStartingHeroRow(table, row, scenario, startingHeroOfRow(table, row));
}

void checkCrossovers(QTableWidget *table, const CmpScenario &scenario, const QList<int> &sources) {
    for (int row = 0; row < table->rowCount(); ++row)
        table->setRowHeight(row, crossoverRowHeight);
    removeRows(table,
               checkCrossovers(scenario, columnEntries<CmpHeroCrossover>(table), sources).removed);
}
