#include "dialogs/startoptions/startingbonus.h"
#include "widgets/optiontable.h"

#include "campaign/cmpscenario.h"
#include "campaign/optiontexts.h"
#include "dialogs/bonus/bonusdialog.h"
#include "dialogs/bonus/bonusitem.h"
#include "dialogs/startoptions/startoptiontablechecks.h"
#include "ui_startingbonus.h"
#include "widgets/rightclickfilter.h"

#include <QAbstractItemView>
#include <QHeaderView>

namespace {
using OptionTable::maxRows;
} // namespace

StartingBonus::StartingBonus(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::StartingBonus>()) {
    ui->setupUi(this);
    OptionTable::setUp(ui->tableWidget);
    ui->tableWidget->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    connect(ui->tableWidget, &QTableWidget::cellClicked, this, &StartingBonus::itemChanged);
    connect(ui->tableWidget, &QTableWidget::cellDoubleClicked, this,
            &StartingBonus::itemDoubleclicked);
    connect(ui->addButton, &QAbstractButton::pressed, this, &StartingBonus::addItem);
    connect(ui->editButton, &QAbstractButton::pressed, this, &StartingBonus::editItem);
    connect(ui->removeButton, &QAbstractButton::pressed, this, &StartingBonus::deleteItem);
    connect(ui->playerCombobox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &StartingBonus::playerChanged);

    ignoreRightClicks({ui->playerCombobox}, this);
}

StartingBonus::~StartingBonus() = default;

QTableWidget *StartingBonus::table() const {
    return ui->tableWidget;
}

QComboBox *StartingBonus::playerBox() const {
    return ui->playerCombobox;
}

void StartingBonus::clear() {
    ready = false;
    ui->playerCombobox->clear();
    OptionTable::reset(ui->tableWidget, 1, {ui->addButton, ui->editButton, ui->removeButton});
}

void StartingBonus::load(const CmpScenario *loadedScenario, int loadedCampaignMap) {
    scenario = loadedScenario;
    campaignMap = loadedCampaignMap;
    storedPlayer = 0;
    clear();
    if (!scenario || !scenario->mapHeader)
        return;
    fillPlayers();

    if (scenario->startOptions && scenario->startOptions->kind == BonusChoice) {
        const StartingBonusSet set = scenario->startOptions->bonusSet();
        storedPlayer = set.player;
        const int shown = ui->playerCombobox->findData(int(set.player));
        ui->playerCombobox->setCurrentIndex(qMax(shown, 0));
        for (const CmpBonus &bonus : set.bonuses) {
            const int row = OptionTable::appendRow(ui->tableWidget, 1);
            storeBonusInItem(ui->tableWidget->item(row, 0), bonus,
                             bonusText(*scenario, set.player, bonus));
        }
        // A player the map no longer lets a human play gives way to the first one it does: the
        // player shown is the player saved, and the bonuses are checked for it.
        if (shown < 0 && ui->playerCombobox->currentIndex() >= 0)
            checkBonuses(ui->tableWidget, *scenario, currentPlayer());
    }
    ui->addButton->setEnabled(ui->tableWidget->rowCount() < maxRows);
    ready = true;
}

int StartingBonus::currentPlayer() const {
    return ui->playerCombobox->currentData().toInt();
}

StartingBonusSet StartingBonus::collect() const {
    StartingBonusSet set;
    // Without a human-playable player to show, the stored one stays.
    set.player = ui->playerCombobox->currentIndex() >= 0 ? uint8_t(currentPlayer()) : storedPlayer;
    for (int row = 0; row < ui->tableWidget->rowCount(); ++row)
        if (const QTableWidgetItem *item = ui->tableWidget->item(row, 0))
            set.bonuses.append(bonusOfItem(item));
    return set;
}

void StartingBonus::fillPlayers() {
    const QStringList &colours = gameCatalogue().playerColorNames;
    for (int player = 0; player < 8; ++player)
        if (scenario->mapHeader->players[size_t(player)].canHumanPlay)
            ui->playerCombobox->addItem(colours.value(player), player);
}

void StartingBonus::refillPlayers() {
    ready = false;
    const QVariant chosen = ui->playerCombobox->currentData();
    ui->playerCombobox->clear();
    if (scenario && scenario->mapHeader) {
        fillPlayers();
        const int index = chosen.isValid() ? ui->playerCombobox->findData(chosen) : -1;
        ui->playerCombobox->setCurrentIndex(index >= 0 ? index : 0);
    }
    ui->addButton->setEnabled(ui->tableWidget->rowCount() < maxRows);
    ui->editButton->setEnabled(false);
    ui->removeButton->setEnabled(false);
    ready = true;
}

void StartingBonus::revalidate() {
    refillPlayers();
    if (scenario)
        checkBonuses(ui->tableWidget, *scenario, currentPlayer());
    ui->addButton->setEnabled(ui->tableWidget->rowCount() < maxRows);
}

void StartingBonus::itemChanged(int, int) {
    ui->editButton->setEnabled(true);
    ui->removeButton->setEnabled(true);
}

void StartingBonus::itemDoubleclicked(int, int) {
    editItem();
}

void StartingBonus::addItem() {
    if (!scenario)
        return;
    ready = false;
    BonusDialog dialog(this, *scenario, campaignMap, currentPlayer(), nullptr);
    if (dialog.exec() == QDialog::Accepted) {
        const int row = OptionTable::appendRow(ui->tableWidget, 1);
        dialog.writeItem(ui->tableWidget->item(row, 0));
        if (ui->tableWidget->rowCount() >= maxRows)
            ui->addButton->setEnabled(false);
    }
    ready = true;
}

void StartingBonus::editItem() {
    if (!scenario)
        return;
    for (QTableWidgetItem *item : ui->tableWidget->selectedItems()) {
        BonusDialog dialog(this, *scenario, campaignMap, currentPlayer(), item);
        if (dialog.exec() == QDialog::Accepted)
            dialog.writeItem(item);
    }
}

void StartingBonus::deleteItem() {
    OptionTable::removeSelectedRow(ui->tableWidget,
                                   {ui->addButton, ui->editButton, ui->removeButton});
}

// Bonuses that name the previous player's heroes or buildings may not fit the new one.
void StartingBonus::playerChanged(int index) {
    if (!ready || index < 0 || !scenario)
        return;
    checkBonuses(ui->tableWidget, *scenario, currentPlayer());
    ui->addButton->setEnabled(ui->tableWidget->rowCount() < maxRows);
    if (!ui->tableWidget->currentItem()) {
        ui->removeButton->setEnabled(false);
        ui->editButton->setEnabled(false);
    }
}
