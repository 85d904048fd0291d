#include "dialogs/bonus/bonusdialog.h"

#include "campaign/optiontexts.h"
#include "dialogs/bonus/bonus_multibox_dlg.h"
#include "dialogs/bonus/bonus_value_dlg.h"
#include "dialogs/bonus/bonuscreaturedlg.h"
#include "dialogs/bonus/bonusitem.h"
#include "ui_bonusdialog.h"
#include "widgets/chosenentries.h"

#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidgetItem>

namespace {

// Each page carries its bonus type under this property.
const char *const bonusProperty = "Bonus";
constexpr uint8_t noTownType = 255;

bool canHaveBuilding(const CmpScenario &scenario, int player) {
    if (!scenario.mapHeader || player < 0 || player >= 8)
        return false;
    const MapPlayer &owner = scenario.mapHeader->players[size_t(player)];
    return owner.ownsMainTown() && owner.mainTownType < noTownType;
}

} // namespace

BonusDialog::BonusDialog(QWidget *parent, const CmpScenario &scenario, int campaignMap, int player,
                         QTableWidgetItem *item)
    : QDialog(parent), ui(std::make_unique<Ui::BonusDialog>()), scenario(scenario),
      campaignMap(campaignMap), player(player) {
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setFixedSize(size());
    ui->buildingBtn->setEnabled(canHaveBuilding(scenario, player));

    CmpBonus edited;
    if (item)
        edited = bonusOfItem(item);
    createPages(item ? &edited : nullptr);

    const int shownType = item && edited.type < BonusTypeCount ? int(edited.type) : int(SpellBonus);
    showPage(shownType);
    typeButton(shownType)->setChecked(true);
    checkPrimSkillOkStatus();

    connect(ui->spellBtn, &QAbstractButton::pressed, this, &BonusDialog::clickSpell);
    connect(ui->buildingBtn, &QAbstractButton::pressed, this, &BonusDialog::clickBuilding);
    connect(ui->creatureBtn, &QAbstractButton::pressed, this, &BonusDialog::clickCreature);
    connect(ui->artifactBtn, &QAbstractButton::pressed, this, &BonusDialog::clickArtifacts);
    connect(ui->scrollBtn, &QAbstractButton::pressed, this, &BonusDialog::clickScroll);
    connect(ui->primSkillBtn, &QAbstractButton::pressed, this, &BonusDialog::clickPrimSkills);
    connect(ui->secSkillBtn, &QAbstractButton::pressed, this, &BonusDialog::clickSecSkills);
    connect(ui->resourceBtn, &QAbstractButton::pressed, this, &BonusDialog::clickResources);
    for (QSpinBox *box : primarySkillPage->valueBoxes())
        connect(box, QOverload<int>::of(&QSpinBox::valueChanged), this,
                &BonusDialog::checkPrimSkillOkStatus);
    for (QComboBox *box : ui->stackedWidget->findChildren<QComboBox *>())
        connect(box, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                &BonusDialog::checkPrimSkillOkStatus);
}

BonusDialog::~BonusDialog() = default;

void BonusDialog::createPages(const CmpBonus *edited) {
    auto *spellPage = new bonus_multibox_dlg;
    spellPage->setUpSpellPage(scenario, player, edited);
    creaturePage = new BonusCreatureDlg;
    creaturePage->setUp(scenario, player, edited);
    auto *buildingPage = new bonus_multibox_dlg;
    buildingPage->setUpBuildingPage(scenario, player, edited);
    auto *artifactPage = new bonus_multibox_dlg;
    artifactPage->setUpArtifactPage(scenario, player, edited);
    auto *scrollPage = new bonus_multibox_dlg;
    scrollPage->setUpSpellPage(scenario, player, edited);
    primarySkillPage = new bonus_value_dlg;
    primarySkillPage->setUpPrimarySkillPage(scenario, player, edited);
    auto *secondarySkillPage = new bonus_multibox_dlg;
    secondarySkillPage->setUpSecondarySkillPage(scenario, player, edited);
    auto *resourcePage = new bonus_value_dlg;
    resourcePage->setUpResourcePage(edited);

    pages = {spellPage,  creaturePage,     buildingPage,       artifactPage,
             scrollPage, primarySkillPage, secondarySkillPage, resourcePage};
    for (int type = 0; type < BonusTypeCount; ++type) {
        pages[size_t(type)]->setProperty(bonusProperty, type);
        ui->stackedWidget->addWidget(pages[size_t(type)]);
    }
}

QAbstractButton *BonusDialog::typeButton(int type) const {
    QAbstractButton *const buttons[] = {ui->spellBtn,    ui->creatureBtn, ui->buildingBtn,
                                        ui->artifactBtn, ui->scrollBtn,   ui->primSkillBtn,
                                        ui->secSkillBtn, ui->resourceBtn};
    return buttons[type];
}

void BonusDialog::showPage(int type) {
    ui->stackedWidget->setCurrentWidget(pages[size_t(type)]);
}

void BonusDialog::setOkEnabled(bool enabled) {
    ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(enabled);
}

void BonusDialog::clickSpell() {
    showPage(SpellBonus);
    checkPrimSkillOkStatus();
}

void BonusDialog::clickCreature() {
    showPage(CreatureBonus);
    checkPrimSkillOkStatus();
}

void BonusDialog::clickBuilding() {
    showPage(BuildingBonus);
    checkPrimSkillOkStatus();
}

void BonusDialog::clickArtifacts() {
    showPage(ArtifactBonus);
    checkPrimSkillOkStatus();
}

void BonusDialog::clickScroll() {
    showPage(ScrollBonus);
    checkPrimSkillOkStatus();
}

void BonusDialog::clickPrimSkills() {
    showPage(PrimarySkillBonus);
    checkPrimSkillOkStatus();
}

void BonusDialog::clickSecSkills() {
    showPage(SecondarySkillBonus);
    checkPrimSkillOkStatus();
}

void BonusDialog::clickResources() {
    showPage(ResourceBonus);
    checkPrimSkillOkStatus();
}

// OK needs an entry in every box the shown page offers; and a primary-skill bonus that raises
// nothing is no bonus.
void BonusDialog::checkPrimSkillOkStatus() {
    QWidget *page = ui->stackedWidget->currentWidget();
    bool raisesSomething = page != primarySkillPage;
    for (const QSpinBox *box : primarySkillPage->valueBoxes())
        raisesSomething = raisesSomething || box->value() > 0;
    setOkEnabled(raisesSomething && everyShownChoiceMade(page));
}

CmpBonus BonusDialog::bonus() const {
    QWidget *page = ui->stackedWidget->currentWidget();
    const auto type = uint8_t(page->property(bonusProperty).toInt());
    switch (type) {
    case CreatureBonus:
        return creaturePage->bonus();
    case PrimarySkillBonus:
    case ResourceBonus:
        return static_cast<bonus_value_dlg *>(page)->bonus(type);
    default:
        return static_cast<bonus_multibox_dlg *>(page)->bonus(type);
    }
}

void BonusDialog::writeItem(QTableWidgetItem *item) const {
    const CmpBonus written = bonus();
    storeBonusInItem(item, written, bonusText(scenario, player, written));
}
