#include "dialogs/bonus/bonus_value_dlg.h"

#include "dialogs/bonus/choicebox.h"
#include "ui_bonus_value_dlg.h"
#include "widgets/storedvalue.h"

namespace {
constexpr int maxSkillAmount = 99;
constexpr int maxResourceAmount = 99999;
} // namespace

bonus_value_dlg::bonus_value_dlg(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::bonus_value_dlg>()) {
    ui->setupUi(this);
}

bonus_value_dlg::~bonus_value_dlg() = default;

QList<QSpinBox *> bonus_value_dlg::valueBoxes() const {
    return {ui->spinBox, ui->spinBox_2, ui->spinBox_3, ui->spinBox_4};
}

void bonus_value_dlg::setUpPrimarySkillPage(const CmpScenario &scenario, int player,
                                            const CmpBonus *edited) {
    ui->datatypeLabel->setText(tr("Recipient:"));
    fillRecipients(ui->datatypeBox, scenario, player);
    ui->valueLabel1->setText(tr("Attack skill:"));
    ui->valueLabel2->setText(tr("Defense skill:"));
    ui->valueLabel3->setText(tr("Spell power:"));
    ui->valueLabel4->setText(tr("Knowledge:"));
    for (QSpinBox *box : valueBoxes())
        box->setRange(0, maxSkillAmount);
    if (edited && edited->type == PrimarySkillBonus) {
        const auto skills = edited->record<BonusPrimarySkill>();
        selectChoice(ui->datatypeBox, skills.hero);
        setStoredValue(ui->spinBox, skills.attack);
        setStoredValue(ui->spinBox_2, skills.defence);
        setStoredValue(ui->spinBox_3, skills.spellPower);
        setStoredValue(ui->spinBox_4, skills.knowledge);
    }
}

void bonus_value_dlg::setUpResourcePage(const CmpBonus *edited) {
    ui->datatypeLabel->setText(tr("Resource type:"));
    fillChoices(ui->datatypeBox, resourceChoices());
    ui->valueLabel1->setText(tr("Quantity"));
    ui->spinBox->setRange(1, maxResourceAmount);
    ui->spinBox->setValue(1);
    ui->valueLabel2->hide();
    ui->spinBox_2->hide();
    ui->valueLabel3->hide();
    ui->spinBox_3->hide();
    ui->valueLabel4->hide();
    ui->spinBox_4->hide();
    if (edited && edited->type == ResourceBonus) {
        const auto resource = edited->record<BonusResource>();
        selectChoice(ui->datatypeBox, resource.resource);
        setStoredValue(ui->spinBox, resource.amount);
    }
}

CmpBonus bonus_value_dlg::bonus(uint8_t type) const {
    if (type == PrimarySkillBonus)
        return CmpBonus::make(type, BonusPrimarySkill{uint16_t(currentChoice(ui->datatypeBox)),
                                                      uint8_t(storedOrEditedValue(ui->spinBox)),
                                                      uint8_t(storedOrEditedValue(ui->spinBox_2)),
                                                      uint8_t(storedOrEditedValue(ui->spinBox_3)),
                                                      uint8_t(storedOrEditedValue(ui->spinBox_4))});
    if (type == ResourceBonus)
        return CmpBonus::make(type, BonusResource{uint8_t(currentChoice(ui->datatypeBox)),
                                                  int32_t(storedOrEditedValue(ui->spinBox))});
    return CmpBonus{type, QVariant()};
}
