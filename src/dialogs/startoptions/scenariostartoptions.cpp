#include "dialogs/startoptions/scenariostartoptions.h"
#include "widgets/optiontable.h"

#include "campaign/cmpcampaign.h"
#include "campaign/prerequisitegraph.h"
#include "campaign/startoptionchecks.h"
#include "dialogs/crossover/herocrossover.h"
#include "dialogs/startoptions/startingbonus.h"
#include "dialogs/startoptions/startingherooptions.h"
#include "dialogs/startoptions/startoptiontablechecks.h"
#include "ui_scenariostartoptions.h"

#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>

namespace {
using OptionTable::maxRows;

template <typename Entry>
bool listsDiffer(const QList<Entry> &a, const QList<Entry> &b,
                 bool (*same)(const Entry &, const Entry &)) {
    if (a.size() != b.size())
        return true;
    for (int i = 0; i < a.size(); ++i)
        if (!same(a[i], b[i]))
            return true;
    return false;
}

bool entriesDiffer(const CmpScenarioStartOptions &old, const CmpScenarioStartOptions &now) {
    switch (now.kind) {
    case BonusChoice:
        // Another receiving player changes what the bonuses give, so it counts as a change.
        if (old.bonusSet().player != now.bonusSet().player)
            return true;
        return listsDiffer<CmpBonus>(old.bonusSet().bonuses, now.bonusSet().bonuses,
                                     [](const CmpBonus &a, const CmpBonus &b) { return a == b; });
    case CrossoverChoice:
        return listsDiffer<CmpHeroCrossover>(
            old.crossoverSet().crossovers, now.crossoverSet().crossovers,
            [](const CmpHeroCrossover &a, const CmpHeroCrossover &b) {
                return a.player == b.player && a.scenario == b.scenario;
            });
    case StartingHeroChoice:
        return listsDiffer<StartingHero>(
            old.heroSet().heroes, now.heroSet().heroes,
            [](const StartingHero &a, const StartingHero &b) { return a == b; });
    default:
        return false;
    }
}
} // namespace

ScenarioStartOptions::ScenarioStartOptions(QWidget *parent)
    : ScenarioPage(parent), ui(std::make_unique<Ui::ScenarioStartOptions>()) {
    ui->setupUi(this);
    bonusPage = new StartingBonus(ui->stackedWidget);
    crossoverPage = new HeroCrossover(ui->stackedWidget);
    heroPage = new StartingHeroOptions(ui->stackedWidget);
    ui->stackedWidget->addWidget(bonusPage);
    ui->stackedWidget->addWidget(crossoverPage);
    ui->stackedWidget->addWidget(heroPage);
    connect(ui->startingBonusBtn, &QAbstractButton::clicked, this,
            &ScenarioStartOptions::clickStartingBonus);
    connect(ui->startingHeroBtn, &QAbstractButton::clicked, this,
            &ScenarioStartOptions::clickStartingHero);
    connect(ui->heroCrosssoverBtn, &QAbstractButton::clicked, this,
            &ScenarioStartOptions::clickHeroCrossover);
}

ScenarioStartOptions::~ScenarioStartOptions() = default;

void ScenarioStartOptions::clickStartingBonus() {
    ui->stackedWidget->setCurrentWidget(bonusPage);
}

void ScenarioStartOptions::clickStartingHero() {
    ui->stackedWidget->setCurrentWidget(heroPage);
}

void ScenarioStartOptions::clickHeroCrossover() {
    ui->stackedWidget->setCurrentWidget(crossoverPage);
}

void ScenarioStartOptions::showBonusKind() {
    ui->startingBonusBtn->setChecked(true);
    ui->stackedWidget->setCurrentWidget(bonusPage);
}

void ScenarioStartOptions::pointSubPages() {
    const CmpScenario *shown = hasScenario() ? &scenario() : nullptr;
    bonusPage->setScenario(shown);
    heroPage->setScenario(shown);
}

void ScenarioStartOptions::showWithoutMap() {
    for (QWidget *widget : {static_cast<QWidget *>(ui->startingBonusBtn),
                            static_cast<QWidget *>(ui->heroCrosssoverBtn),
                            static_cast<QWidget *>(ui->startingHeroBtn),
                            static_cast<QWidget *>(ui->startingOptionsLabel),
                            static_cast<QWidget *>(ui->stackedWidget)})
        widget->setEnabled(false);
    showBonusKind();
    bonusPage->clear();
    crossoverPage->table()->setRowCount(0);
    heroPage->table()->setRowCount(0);
}

void ScenarioStartOptions::showWithMap() {
    for (QWidget *widget : {static_cast<QWidget *>(ui->startingBonusBtn),
                            static_cast<QWidget *>(ui->heroCrosssoverBtn),
                            static_cast<QWidget *>(ui->startingHeroBtn),
                            static_cast<QWidget *>(ui->startingOptionsLabel),
                            static_cast<QWidget *>(ui->stackedWidget)})
        widget->setEnabled(true);
    showBonusKind();
}

void ScenarioStartOptions::load() {
    if (!hasScenario() || !scenario().hasMap()) {
        pointSubPages();
        showWithoutMap();
        return;
    }
    const CmpScenario &shown = scenario();
    showWithMap();
    bonusPage->load(&shown, campaignMap());
    crossoverPage->load(&campaign(), &shown, campaignMap());
    heroPage->load(&shown, campaignMap());
    if (shown.startOptions) {
        switch (shown.startOptions->kind) {
        case BonusChoice:
            showBonusKind();
            break;
        case CrossoverChoice:
            ui->heroCrosssoverBtn->setChecked(true);
            clickHeroCrossover();
            break;
        case StartingHeroChoice:
            ui->startingHeroBtn->setChecked(true);
            clickStartingHero();
            break;
        default:
            break;
        }
    }
    refreshButtonStates();
}

void ScenarioStartOptions::refreshButtonStates() {
    if (!hasScenario())
        return;
    pointSubPages();
    const CmpScenario &shown = scenario();
    if (shown.hasMap() && isStartingHeroKindAllowed(shown)) {
        ui->startingHeroBtn->setEnabled(true);
        checkStartingHeroes(heroPage->table(), shown);
    } else {
        if (ui->startingHeroBtn->isChecked())
            showBonusKind();
        ui->startingHeroBtn->setEnabled(false);
        heroPage->table()->setRowCount(0);
    }
    if (isCrossoverKindAllowed(shown)) {
        ui->heroCrosssoverBtn->setEnabled(true);
        checkCrossoverRows();
    } else {
        if (ui->heroCrosssoverBtn->isChecked())
            showBonusKind();
        ui->heroCrosssoverBtn->setEnabled(false);
        crossoverPage->table()->setRowCount(0);
    }
}

// The window commits the pages before a move, so showing the scenario at its new place again
// keeps every edit, and the crossover rows name their sources by their new numbers.
void ScenarioStartOptions::scenarioMoved() {
    load();
}

void ScenarioStartOptions::setMapPresent(bool present) {
    pointSubPages();
    if (!present) {
        showWithoutMap();
        return;
    }
    showWithMap();
    bonusPage->refillPlayers();
}

void ScenarioStartOptions::revalidate() {
    if (!hasScenario() || !scenario().hasMap())
        return;
    refreshButtonStates();
    bonusPage->revalidate();
    checkCrossoverRows();
    checkStartingHeroes(heroPage->table(), scenario());
    heroPage->updateAddButton();
}

void ScenarioStartOptions::prerequisitesEdited() {
    if (hasScenario() && scenario().hasMap())
        refreshButtonStates();
}

void ScenarioStartOptions::checkCrossoverRows() {
    checkCrossovers(crossoverPage->table(), scenario(),
                    requiredScenarios(campaign(), scenarioIndex()));
    if (auto *add = crossoverPage->findChild<QPushButton *>(QStringLiteral("addButton")))
        add->setEnabled(crossoverPage->table()->rowCount() < maxRows);
    crossoverPage->updateAddButton();
}

int ScenarioStartOptions::optionKind() const {
    if (ui->startingBonusBtn->isChecked())
        return BonusChoice;
    if (ui->startingHeroBtn->isChecked())
        return StartingHeroChoice;
    if (ui->heroCrosssoverBtn->isChecked())
        return CrossoverChoice;
    return NoStartOptions;
}

int ScenarioStartOptions::optionCount() const {
    if (ui->startingBonusBtn->isChecked())
        return bonusPage->table()->rowCount();
    if (ui->startingHeroBtn->isChecked())
        return heroPage->table()->rowCount();
    if (ui->heroCrosssoverBtn->isChecked())
        return crossoverPage->table()->rowCount();
    return 0;
}

bool ScenarioStartOptions::commit() {
    if (!hasScenario() || !scenario().hasMap())
        return false;
    pointSubPages();
    CmpStartOptionsRef now;
    switch (optionKind()) {
    case BonusChoice:
        now = makeStartOptions(bonusPage->collect());
        break;
    case StartingHeroChoice:
        now = makeStartOptions(heroPage->collect());
        break;
    case CrossoverChoice:
        now = makeStartOptions(crossoverPage->collect());
        break;
    default:
        return false;
    }
    CmpScenario &edited = scenario();
    const bool changed = !edited.startOptions || edited.startOptions->kind != now->kind ||
                         entriesDiffer(*edited.startOptions, *now);
    edited.startOptions = now;
    return changed;
}
