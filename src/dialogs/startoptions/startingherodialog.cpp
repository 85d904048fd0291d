#include "dialogs/startoptions/startingherodialog.h"

#include "campaign/cmpscenario.h"
#include "campaign/heroids.h"
#include "campaign/optiontexts.h"
#include "dialogs/startoptions/startingherorow.h"
#include "ui_startingherodialog.h"
#include "widgets/chosenentries.h"
#include "widgets/rightclickfilter.h"

#include <QAbstractItemView>
#include <QTableWidget>

StartingHeroDialog::StartingHeroDialog(QWidget *parent, const CmpScenario &scenario, int,
                                       const QTableWidget *table,
                                       const QTableWidgetItem *editedItem)
    : QDialog(parent), ui(std::make_unique<Ui::StartingHeroDialog>()), scenario(scenario),
      table(table), editedItem(editedItem) {
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    for (int player = 0; player < 8; ++player)
        if (isPlayerFreeForStartingHero(scenario, table, editedItem, player))
            ui->playerCombobox->addItem(playerText(player), player);
    fillHeroes(true);
    connect(ui->playerCombobox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &StartingHeroDialog::playerChanged);

    ignoreRightClicks({ui->heroCombobox, ui->playerCombobox}, this);
    enableOkWhileChosen(ui->buttonBox, this);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

StartingHeroDialog::~StartingHeroDialog() = default;

void StartingHeroDialog::fillHeroes(bool keepEdited) {
    ui->heroCombobox->clear();
    const StartingHero edited =
        editedItem ? editedItem->data(Qt::UserRole).value<StartingHero>() : StartingHero{};
    if (keepEdited && editedItem)
        ui->playerCombobox->setCurrentIndex(ui->playerCombobox->findData(int(edited.player)));
    if (!scenario.mapHeader || ui->playerCombobox->currentIndex() < 0)
        return;
    const int player = ui->playerCombobox->currentData().toInt();
    const MapPlayer &mapPlayer = scenario.mapHeader->players[size_t(player)];
    const QBitArray unavailable = unavailableHeroes(scenario);

    QList<uint16_t> used;
    const int editedRow = editedItem ? editedItem->row() : -1;
    for (int row = 0; row < table->rowCount(); ++row)
        if (row != editedRow && table->item(row, 0))
            used.append(startingHeroOfRow(table, row).hero);

    const auto offer = [&](uint16_t hero) {
        ui->heroCombobox->addItem(heroText(scenario, player, hero, true), hero);
        used.append(hero);
    };
    // A hero placed twice on the map is offered once.
    for (const MapHero &hero : mapPlayer.heroes)
        if (!used.contains(hero.id))
            offer(hero.id);
    if (mapPlayer.generatesHero()) {
        if (!used.contains(RandomHero))
            offer(RandomHero);
        for (auto it = gameCatalogue().heroNames.cbegin(); it != gameCatalogue().heroNames.cend();
             ++it) {
            const uint16_t hero = uint16_t(it.key());
            if (!used.contains(hero) && !isHeroUnavailable(unavailable, hero))
                offer(hero);
        }
    }

    if (keepEdited && editedItem)
        ui->heroCombobox->setCurrentIndex(ui->heroCombobox->findData(int(edited.hero)));
    else
        ui->heroCombobox->setCurrentIndex(ui->heroCombobox->count() > 0 ? 0 : -1);
}

void StartingHeroDialog::playerChanged(int) {
    const QVariant remembered = ui->heroCombobox->currentData();
    fillHeroes(false);
    const int index = ui->heroCombobox->findData(remembered);
    if (remembered.isValid() && index >= 0)
        ui->heroCombobox->setCurrentIndex(index);
}

void StartingHeroDialog::writeRow(QTableWidgetItem *item) const {
    const StartingHero entry{uint8_t(ui->playerCombobox->currentData().toInt()),
                             uint16_t(ui->heroCombobox->currentData().toInt())};
    fillStartingHeroRow(item->tableWidget(), item->row(), scenario, entry);
}
