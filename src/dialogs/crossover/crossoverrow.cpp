#include "dialogs/crossover/crossoverrow.h"

#include "campaign/cmpcampaign.h"
#include "campaign/optiontexts.h"

#include <QTableWidget>

CmpHeroCrossover crossoverOfRow(const QTableWidget *table, int row) {
    const QTableWidgetItem *item = table->item(row, 0);
    return item ? item->data(Qt::UserRole).value<CmpHeroCrossover>() : CmpHeroCrossover();
}

void fillCrossoverRow(QTableWidget *table, int row, const CmpHeroCrossover &crossover,
                      const CmpCampaign &campaign, int campaignMap) {
    const QString texts[] = {scenarioRefText(campaign, campaignMap, crossover.scenario),
                             playerText(crossover.player)};
    for (int column = 0; column < 2; ++column) {
        QTableWidgetItem *item = table->item(row, column);
        item->setData(Qt::UserRole, QVariant::fromValue(crossover));
        item->setText(texts[column]);
    }
}
