#include "dialogs/startoptions/startingherooptions.h"
#include "widgets/optiontable.h"

#include "campaign/cmpscenario.h"
#include "dialogs/startoptions/startingherodialog.h"
#include "dialogs/startoptions/startingherorow.h"
#include "ui_startingherooptions.h"

#include <QHeaderView>

namespace {
using OptionTable::maxRows;
} // namespace

StartingHeroOptions::StartingHeroOptions(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::StartingHeroOptions>()) {
    ui->setupUi(this);
    OptionTable::setUp(ui->tableWidget);
    connect(ui->tableWidget, &QTableWidget::cellClicked, this, &StartingHeroOptions::itemChanged);
    connect(ui->tableWidget, &QTableWidget::cellDoubleClicked, this,
            &StartingHeroOptions::itemDoubleclicked);
    connect(ui->addButton, &QAbstractButton::pressed, this, &StartingHeroOptions::addItem);
    connect(ui->editButton, &QAbstractButton::pressed, this, &StartingHeroOptions::editItem);
    connect(ui->removeButton, &QAbstractButton::pressed, this, &StartingHeroOptions::deleteItem);
}

StartingHeroOptions::~StartingHeroOptions() = default;

QTableWidget *StartingHeroOptions::table() const {
    return ui->tableWidget;
}

void StartingHeroOptions::load(const CmpScenario *loadedScenario, int loadedCampaignMap) {
    scenario = loadedScenario;
    campaignMap = loadedCampaignMap;
    OptionTable::reset(ui->tableWidget, 2, {ui->addButton, ui->editButton, ui->removeButton});
    if (!scenario)
        return;
    if (scenario->startOptions && scenario->startOptions->kind == StartingHeroChoice) {
        for (const StartingHero &entry : scenario->startOptions->heroSet().heroes) {
            const int row = OptionTable::appendRow(ui->tableWidget, 2);
            fillStartingHeroRow(ui->tableWidget, row, *scenario, entry);
        }
    }
    updateAddButton();
}

StartingHeroSet StartingHeroOptions::collect() const {
    StartingHeroSet set;
    for (int row = 0; row < ui->tableWidget->rowCount(); ++row)
        if (ui->tableWidget->item(row, 0))
            set.heroes.append(startingHeroOfRow(ui->tableWidget, row));
    return set;
}

void StartingHeroOptions::updateAddButton() {
    bool enabled = false;
    if (scenario && ui->tableWidget->rowCount() < maxRows)
        for (int player = 0; player < 8 && !enabled; ++player)
            enabled = isPlayerFreeForStartingHero(*scenario, ui->tableWidget, nullptr, player);
    ui->addButton->setEnabled(enabled);
}

void StartingHeroOptions::itemChanged(int, int) {
    ui->editButton->setEnabled(true);
    ui->removeButton->setEnabled(true);
}

void StartingHeroOptions::itemDoubleclicked(int, int) {
    editItem();
}

void StartingHeroOptions::addItem() {
    if (!scenario)
        return;
    StartingHeroDialog dialog(this, *scenario, campaignMap, ui->tableWidget, nullptr);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const int row = OptionTable::appendRow(ui->tableWidget, 2);
    if (ui->tableWidget->rowCount() >= maxRows)
        ui->addButton->setEnabled(false);
    dialog.writeRow(ui->tableWidget->item(row, 0));
    updateAddButton();
}

void StartingHeroOptions::editItem() {
    const int row = OptionTable::firstSelectedRow(ui->tableWidget);
    QTableWidgetItem *item = row >= 0 ? ui->tableWidget->item(row, 0) : nullptr;
    if (!item || !scenario)
        return;
    StartingHeroDialog dialog(this, *scenario, campaignMap, ui->tableWidget, item);
    if (dialog.exec() == QDialog::Accepted)
        dialog.writeRow(item);
}

void StartingHeroOptions::deleteItem() {
    OptionTable::removeSelectedRow(ui->tableWidget,
                                   {ui->addButton, ui->editButton, ui->removeButton});
}
