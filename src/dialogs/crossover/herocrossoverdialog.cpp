#include "dialogs/crossover/herocrossoverdialog.h"

#include "campaign/cmpcampaign.h"
#include "campaign/optiontexts.h"
#include "dialogs/crossover/crossoverrow.h"
#include "ui_herocrossoverdialog.h"
#include "widgets/chosenentries.h"
#include "widgets/rightclickfilter.h"

#include <QTableWidget>

HeroCrossoverDialog::HeroCrossoverDialog(QWidget *parent, const CmpCampaign &campaign,
                                         const CmpScenario &scenario, int campaignMap,
                                         const QTableWidget *table,
                                         const QTableWidgetItem *editedItem)
    : QDialog(parent), ui(std::make_unique<Ui::HeroCrossoverDialog>()), campaign(campaign),
      campaignMap(campaignMap) {
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    ignoreRightClicks({ui->scenarioCombobox, ui->playerCombobox}, this);

    const int editedRow = editedItem ? editedItem->row() : -1;
    const CmpHeroCrossover edited =
        editedItem ? editedItem->data(Qt::UserRole).value<CmpHeroCrossover>() : CmpHeroCrossover();
    QList<int> usedSources;
    for (int row = 0; row < table->rowCount(); ++row)
        if (row != editedRow && table->item(row, 0))
            usedSources.append(crossoverOfRow(table, row).scenario);

    // The edited row's own source is always offered, so that the box shows what the row holds
    // even when a file gave another row the same source.
    const QBitArray &required = scenario.prerequisites;
    for (int source = 0; source < qMax(required.size(), edited.scenario + 1); ++source) {
        const bool free =
            source < required.size() && required.testBit(source) && !usedSources.contains(source);
        if (free || (editedItem && source == edited.scenario))
            ui->scenarioCombobox->addItem(scenarioRefText(campaign, campaignMap, source), source);
    }
    if (scenario.mapHeader) {
        const QStringList &colours = gameCatalogue().playerColorNames;
        for (int player = 0; player < 8; ++player)
            if (scenario.mapHeader->players[size_t(player)].canHumanPlay)
                ui->playerCombobox->addItem(colours.value(player), player);
    }

    if (editedItem) {
        ui->scenarioCombobox->setCurrentIndex(ui->scenarioCombobox->findData(edited.scenario));
        ui->playerCombobox->setCurrentIndex(ui->playerCombobox->findData(edited.player));
    }
    enableOkWhileChosen(ui->buttonBox, this);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

HeroCrossoverDialog::~HeroCrossoverDialog() = default;

void HeroCrossoverDialog::writeRow(QTableWidgetItem *item) const {
    const CmpHeroCrossover crossover{uint8_t(ui->playerCombobox->currentData().toInt()),
                                     uint8_t(ui->scenarioCombobox->currentData().toInt())};
    fillCrossoverRow(item->tableWidget(), item->row(), crossover, campaign, campaignMap);
}
