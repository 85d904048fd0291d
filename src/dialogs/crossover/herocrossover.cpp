#include "dialogs/crossover/herocrossover.h"
#include "widgets/optiontable.h"

#include "campaign/cmpcampaign.h"
#include "dialogs/crossover/crossoverrow.h"
#include "dialogs/crossover/herocrossoverdialog.h"
#include "ui_herocrossover.h"

#include <QHeaderView>

namespace {
using OptionTable::maxRows;
using OptionTable::rowHeight;
constexpr int checkedRowHeight = 18;
} // namespace

HeroCrossover::HeroCrossover(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::HeroCrossover>()) {
    ui->setupUi(this);
    OptionTable::setUp(ui->tableWidget);
    connect(ui->tableWidget, &QTableWidget::cellClicked, this, &HeroCrossover::itemChanged);
    connect(ui->tableWidget, &QTableWidget::cellDoubleClicked, this,
            &HeroCrossover::itemDoubleclicked);
    connect(ui->addButton, &QAbstractButton::pressed, this, &HeroCrossover::addItem);
    connect(ui->editButton, &QAbstractButton::pressed, this, &HeroCrossover::editItem);
    connect(ui->removeButton, &QAbstractButton::pressed, this, &HeroCrossover::deleteItem);
}

HeroCrossover::~HeroCrossover() = default;

QTableWidget *HeroCrossover::table() const {
    return ui->tableWidget;
}

void HeroCrossover::load(const CmpCampaign *loadedCampaign, const CmpScenario *loadedScenario,
                         int loadedCampaignMap) {
    campaign = loadedCampaign;
    scenario = loadedScenario;
    campaignMap = loadedCampaignMap;
    OptionTable::reset(ui->tableWidget, 2, {ui->addButton, ui->editButton, ui->removeButton});
    if (!campaign || !scenario)
        return;
    if (scenario->startOptions && scenario->startOptions->kind == CrossoverChoice) {
        for (const CmpHeroCrossover &crossover :
             scenario->startOptions->crossoverSet().crossovers) {
            const int row = OptionTable::appendRow(ui->tableWidget, 2);
            fillCrossoverRow(ui->tableWidget, row, crossover, *campaign, campaignMap);
        }
    }
    ui->addButton->setEnabled(ui->tableWidget->rowCount() < maxRows);
    updateAddButton();
}

HeroCrossoverSet HeroCrossover::collect() {
    HeroCrossoverSet set;
    for (int row = 0; row < ui->tableWidget->rowCount(); ++row) {
        ui->tableWidget->setRowHeight(row, rowHeight);
        if (ui->tableWidget->item(row, 0))
            set.crossovers.append(crossoverOfRow(ui->tableWidget, row));
    }
    return set;
}

void HeroCrossover::updateAddButton() {
    if (!scenario)
        return;
    QList<int> sources;
    for (int row = 0; row < ui->tableWidget->rowCount(); ++row) {
        ui->tableWidget->setRowHeight(row, checkedRowHeight);
        if (ui->tableWidget->item(row, 0))
            sources.append(crossoverOfRow(ui->tableWidget, row).scenario);
    }
    for (int source = 0; source < scenario->prerequisites.size(); ++source)
        if (scenario->prerequisites.testBit(source) && !sources.contains(source))
            return;
    ui->addButton->setEnabled(false);
}

void HeroCrossover::itemChanged(int, int) {
    ui->editButton->setEnabled(true);
    ui->removeButton->setEnabled(true);
}

void HeroCrossover::itemDoubleclicked(int, int) {
    editItem();
}

void HeroCrossover::addItem() {
    if (!campaign || !scenario)
        return;
    HeroCrossoverDialog dialog(this, *campaign, *scenario, campaignMap, ui->tableWidget, nullptr);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const int row = OptionTable::appendRow(ui->tableWidget, 2);
    if (ui->tableWidget->rowCount() >= maxRows)
        ui->addButton->setEnabled(false);
    dialog.writeRow(ui->tableWidget->item(row, 0));
    updateAddButton();
}

void HeroCrossover::editItem() {
    editRow(OptionTable::firstSelectedRow(ui->tableWidget));
}

void HeroCrossover::editRow(int row) {
    QTableWidgetItem *item = row >= 0 ? ui->tableWidget->item(row, 0) : nullptr;
    if (!item || !campaign || !scenario)
        return;
    HeroCrossoverDialog dialog(this, *campaign, *scenario, campaignMap, ui->tableWidget, item);
    if (dialog.exec() == QDialog::Accepted)
        dialog.writeRow(item);
}

void HeroCrossover::deleteItem() {
    if (OptionTable::removeSelectedRow(ui->tableWidget,
                                       {ui->addButton, ui->editButton, ui->removeButton}))
        updateAddButton();
}
