#include "dialogs/crossover/herocrossoverdialog.h"

#include "campaign/cmpcampaign.h"
#include "campaign/optiontexts.h"
#include "dialogs/crossover/crossoverrow.h"
#include "ui_herocrossoverdialog.h"

#include <QTableWidget>

HeroCrossoverDialog::HeroCrossoverDialog(QWidget *parent, const CmpCampaign &campaign,
                                         const CmpScenario &scenario, int campaignMap,
                                         const QTableWidget *table,
                                         const QTableWidgetItem *editedItem)
    : QDialog(parent), ui(std::make_unique<Ui::HeroCrossoverDialog>()), campaign(campaign),
      campaignMap(campaignMap) {
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    const int editedRow = editedItem ? editedItem->row() : -1;
    QList<int> usedSources;
    for (int row = 0; row < table->rowCount(); ++row)
        if (row != editedRow && table->item(row, 0))
            usedSources.append(crossoverOfRow(table, row).scenario);

    for (int source = 0; source < scenario.prerequisites.size(); ++source)
        if (scenario.prerequisites.testBit(source) && !usedSources.contains(source))
            ui->scenarioCombobox->addItem(scenarioRefText(campaign, campaignMap, source), source);
    if (scenario.mapHeader) {
        const QStringList &colours = gameCatalogue().playerColorNames;
        for (int player = 0; player < 8; ++player)
            if (scenario.mapHeader->players[size_t(player)].canHumanPlay)
                ui->playerCombobox->addItem(colours.value(player), player);
    }

    if (editedItem) {
        const CmpHeroCrossover edited = editedItem->data(Qt::UserRole).value<CmpHeroCrossover>();
        ui->scenarioCombobox->setCurrentIndex(ui->scenarioCombobox->findData(edited.scenario));
        ui->playerCombobox->setCurrentIndex(ui->playerCombobox->findData(edited.player));
    }
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

HeroCrossoverDialog::~HeroCrossoverDialog() = default;

void HeroCrossoverDialog::writeRow(QTableWidgetItem *item) const {
    const CmpHeroCrossover crossover{uint8_t(ui->playerCombobox->currentData().toInt()),
                                     uint8_t(ui->scenarioCombobox->currentData().toInt())};
    fillCrossoverRow(item->tableWidget(), item->row(), crossover, campaign, campaignMap);
}
