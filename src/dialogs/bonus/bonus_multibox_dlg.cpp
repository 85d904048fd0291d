#include "dialogs/bonus/bonus_multibox_dlg.h"

#include "campaign/cmpscenario.h"
#include "dialogs/bonus/choicebox.h"
#include "ui_bonus_multibox_dlg.h"

bonus_multibox_dlg::bonus_multibox_dlg(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::bonus_multibox_dlg>()) {
    ui->setupUi(this);
}

bonus_multibox_dlg::~bonus_multibox_dlg() = default;

void bonus_multibox_dlg::hideItem2() {
    ui->item2label->hide();
    ui->item2combobox->hide();
}

void bonus_multibox_dlg::setUpSpellPage(const CmpScenario &scenario, int player,
                                        const CmpBonus *edited) {
    ui->recipientLabel->setText(tr("Recipient:"));
    fillRecipients(ui->recipientCombobox, scenario, player);
    ui->item1label->setText(tr("Spell:"));
    fillChoices(ui->item1combobox, spellChoices());
    hideItem2();
    if (!edited)
        return;
    // A spell and a spell scroll name the same fields, so either preselects both pages.
    if (edited->type == SpellBonus) {
        const auto spell = edited->record<BonusSpell>();
        selectChoice(ui->recipientCombobox, spell.hero);
        selectChoice(ui->item1combobox, spell.spell);
    } else if (edited->type == ScrollBonus) {
        const auto scroll = edited->record<BonusScroll>();
        selectChoice(ui->recipientCombobox, scroll.hero);
        selectChoice(ui->item1combobox, scroll.spell);
    }
}

void bonus_multibox_dlg::setUpBuildingPage(const CmpScenario &scenario, int player,
                                           const CmpBonus *edited) {
    ui->recipientLabel->setText(tr("Building:"));
    int townType = 255;
    if (scenario.mapHeader && player >= 0 && player < 8)
        townType = scenario.mapHeader->players[size_t(player)].mainTownType;
    fillChoices(ui->recipientCombobox, buildingChoices(townType));
    ui->item1label->hide();
    ui->item1combobox->hide();
    hideItem2();
    if (edited && edited->type == BuildingBonus)
        selectChoice(ui->recipientCombobox, edited->record<BonusBuilding>().building);
}

void bonus_multibox_dlg::setUpArtifactPage(const CmpScenario &scenario, int player,
                                           const CmpBonus *edited) {
    ui->recipientLabel->setText(tr("Recipient:"));
    fillRecipients(ui->recipientCombobox, scenario, player);
    ui->item1label->setText(tr("Artifact:"));
    fillChoices(ui->item1combobox, artifactChoices());
    hideItem2();
    if (edited && edited->type == ArtifactBonus) {
        const auto artifact = edited->record<BonusArtifact>();
        selectChoice(ui->recipientCombobox, artifact.hero);
        selectChoice(ui->item1combobox, artifact.artifact);
    }
}

void bonus_multibox_dlg::setUpSecondarySkillPage(const CmpScenario &scenario, int player,
                                                 const CmpBonus *edited) {
    ui->recipientLabel->setText(tr("Recipient:"));
    fillRecipients(ui->recipientCombobox, scenario, player);
    ui->item1label->setText(tr("Skill:"));
    fillChoices(ui->item1combobox, secondarySkillChoices());
    ui->item2label->setText(tr("Skill level:"));
    fillChoices(ui->item2combobox, skillLevelChoices());
    if (edited && edited->type == SecondarySkillBonus) {
        const auto skill = edited->record<BonusSecondarySkill>();
        selectChoice(ui->recipientCombobox, skill.hero);
        selectChoice(ui->item1combobox, skill.skill);
        selectChoice(ui->item2combobox, skill.level);
    }
}

CmpBonus bonus_multibox_dlg::bonus(uint8_t type) const {
    const auto hero = uint16_t(currentChoice(ui->recipientCombobox));
    const int item1 = currentChoice(ui->item1combobox);
    switch (type) {
    case SpellBonus:
        return CmpBonus::make(type, BonusSpell{hero, uint8_t(item1)});
    case ScrollBonus:
        return CmpBonus::make(type, BonusScroll{hero, uint8_t(item1)});
    case BuildingBonus:
        return CmpBonus::make(type, BonusBuilding{uint8_t(currentChoice(ui->recipientCombobox))});
    case ArtifactBonus:
        return CmpBonus::make(type, BonusArtifact{hero, uint16_t(item1)});
    case SecondarySkillBonus:
        return CmpBonus::make(type, BonusSecondarySkill{hero, uint8_t(item1),
                                                        uint8_t(currentChoice(ui->item2combobox))});
    default:
        return CmpBonus{type, QVariant()};
    }
}
