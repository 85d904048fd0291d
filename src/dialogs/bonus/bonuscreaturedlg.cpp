#include "dialogs/bonus/bonuscreaturedlg.h"

#include "dialogs/bonus/choicebox.h"
#include "ui_bonuscreaturedlg.h"
#include "widgets/storedvalue.h"

BonusCreatureDlg::BonusCreatureDlg(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::BonusCreatureDlg>()) {
    ui->setupUi(this);
}

BonusCreatureDlg::~BonusCreatureDlg() = default;

void BonusCreatureDlg::setUp(const CmpScenario &scenario, int player, const CmpBonus *edited) {
    fillRecipients(ui->recipientCombobox, scenario, player);
    fillChoices(ui->creatureCombobox, creatureChoices());
    if (edited && edited->type == CreatureBonus) {
        const auto creature = edited->record<BonusCreature>();
        selectChoice(ui->recipientCombobox, creature.hero);
        selectChoice(ui->creatureCombobox, creature.creature);
        setStoredValue(ui->quantitySpinbox, creature.count);
    }
}

CmpBonus BonusCreatureDlg::bonus() const {
    return CmpBonus::make(CreatureBonus,
                          BonusCreature{uint16_t(currentChoice(ui->recipientCombobox)),
                                        uint16_t(currentChoice(ui->creatureCombobox)),
                                        uint16_t(storedOrEditedValue(ui->quantitySpinbox))});
}
