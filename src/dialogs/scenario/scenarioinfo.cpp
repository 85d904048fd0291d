#include "dialogs/scenario/scenarioinfo.h"

#include "campaign/optiontexts.h"
#include "campaign/scenarionumbers.h"
#include "dialogs/crossover/scenariocrossoverpage.h"
#include "dialogs/prologue/scenarioprologue.h"
#include "dialogs/scenario/scenariogeneral.h"
#include "dialogs/scenario/scenarioplaceholderpage.h"
#include "dialogs/startoptions/scenariostartoptions.h"
#include "gamedata/messages.h"
#include "ui_scenarioinfo.h"

#include <QSignalBlocker>

#include <numeric>

namespace {

// Every scenario keeps its number, until the caller changes some.
QVector<int> identityNumbers(int count) {
    QVector<int> numbers(count);
    std::iota(numbers.begin(), numbers.end(), 0);
    return numbers;
}

} // namespace

ScenarioInfo::ScenarioInfo(QWidget *parent, const CmpCampaign &campaign, int campaignMap,
                           int selectedIndex)
    : QDialog(parent), copy(campaign), campaignMapIndex(campaignMap),
      ui(std::make_unique<Ui::ScenarioInfo>()) {
    ui->setupUi(this);
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(size());
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    {
        const QSignalBlocker listBlocker(ui->listWidget);
        const QSignalBlocker tabBlocker(ui->tabWidget);
        for (int i = 0; i < copy.scenarios.size(); ++i) {
            auto *item =
                new QListWidgetItem(scenarioListText(copy, campaignMapIndex, i), ui->listWidget);
            item->setData(Qt::UserRole, i);
        }
        // A selection outside the list opens the first scenario.
        initialIndex =
            selectedIndex >= 0 && selectedIndex < copy.scenarios.size() ? selectedIndex : 0;
        ui->listWidget->setCurrentRow(initialIndex);
        createPages();
        ui->tabWidget->setCurrentIndex(GeneralTab);
        if (!copy.scenarios.isEmpty()) {
            pointPagesAt(initialIndex);
            loadPages();
        } else {
            ui->tabWidget->setEnabled(false);
        }
    }
    // The campaign map fixes the number of scenarios of a campaign with map.
    if (copy.withMap) {
        ui->addBtn->setEnabled(false);
        ui->deleteBtn->setEnabled(false);
        ui->deleteAllBtn->setEnabled(false);
    }
    updateButtonStates();
    previousTab = ui->tabWidget->currentIndex();

    connect(ui->listWidget, &QListWidget::currentItemChanged, this,
            &ScenarioInfo::selectListboxItem);
    connect(ui->upBtn, &QPushButton::pressed, this, &ScenarioInfo::buttonUp);
    connect(ui->downBtn, &QPushButton::pressed, this, &ScenarioInfo::buttonDown);
    connect(ui->addBtn, &QPushButton::pressed, this, &ScenarioInfo::buttonAdd);
    connect(ui->deleteBtn, &QPushButton::pressed, this, &ScenarioInfo::buttonDelete);
    connect(ui->deleteAllBtn, &QPushButton::pressed, this, &ScenarioInfo::buttonDeleteAll);
    connect(ui->tabWidget, &QTabWidget::currentChanged, this, &ScenarioInfo::tabChanged);
}

ScenarioInfo::~ScenarioInfo() = default;

// The pages join the editor one by one; a tab whose page is not part of it yet holds a disabled
// place.
void ScenarioInfo::createPages() {
    auto *general = new ScenarioGeneral(ui->tabWidget);
    connect(general, &ScenarioGeneral::mapImported, this, [this](bool hadMap, bool bytesChanged) {
        relabelCurrentScenario();
        if (!hadMap)
            setMapDependentPagesEnabled(true);
        if (bytesChanged)
            markScenariosModified();
        checkPagesAgainstMap();
    });
    connect(general, &ScenarioGeneral::mapRemoved, this, [this] {
        markScenariosModified();
        relabelCurrentScenario();
        setMapDependentPagesEnabled(false);
        checkPagesAgainstMap();
    });
    connect(general, &ScenarioGeneral::prerequisitesChanged, this, [this] {
        markScenariosModified();
        for (ScenarioPage *page : pages)
            page->prerequisitesEdited();
    });
    pages[GeneralTab] = general;
    for (int tab : {PrologueTab, EpilogueTab}) {
        auto *prologue = new ScenarioPrologue(ui->tabWidget, tab == PrologueTab);
        connect(prologue, &ScenarioPrologue::scenarioModified, this,
                &ScenarioInfo::markScenariosModified);
        pages[tab] = prologue;
    }
    pages[CrossoverTab] = new ScenarioCrossoverPage(ui->tabWidget);
    auto *startOptions = new ScenarioStartOptions(ui->tabWidget);
    pages[StartingOptionsTab] = startOptions;
    // The prologue and epilogue offer one page per choice of the starting options as edited.
    for (int tab : {PrologueTab, EpilogueTab})
        static_cast<ScenarioPrologue *>(pages[tab])->setOptionCountSource([startOptions] {
            return startOptions->optionKind() == NoStartOptions ? 1 : startOptions->optionCount();
        });

    const char *const titles[TabCount] = {QT_TR_NOOP("General"), QT_TR_NOOP("Prologue"),
                                          QT_TR_NOOP("Epilogue"), QT_TR_NOOP("Crossover Options"),
                                          QT_TR_NOOP("Starting Options")};
    for (int tab = 0; tab < TabCount; ++tab) {
        ui->tabWidget->addTab(pages[tab], tr(titles[tab]));
        if (qobject_cast<ScenarioPlaceholderPage *>(pages[tab]))
            ui->tabWidget->setTabEnabled(tab, false);
    }
}

void ScenarioInfo::pointPagesAt(int index) {
    for (ScenarioPage *page : pages)
        page->setScenario(&copy, campaignMapIndex, index);
}

// The starting options come first: the prologue pages ask them for their number of choices.
void ScenarioInfo::loadPages() {
    pages[StartingOptionsTab]->load();
    for (int tab = 0; tab < TabCount; ++tab)
        if (tab != StartingOptionsTab)
            pages[tab]->load();
}

bool ScenarioInfo::commitPages() {
    if (copy.scenarios.isEmpty())
        return false;
    bool changed = false;
    for (ScenarioPage *page : pages)
        changed |= page->commit();
    return changed;
}

bool ScenarioInfo::commitAll() {
    return commitPages();
}

int ScenarioInfo::currentScenarioIndex() const {
    const QListWidgetItem *item = ui->listWidget->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : 0;
}

void ScenarioInfo::showTab(Tab tab) {
    ui->tabWidget->setCurrentIndex(tab);
}

void ScenarioInfo::markScenariosModified() {
    modified = true;
}

// Item rows and scenario indices always coincide; this gives every item its index and label.
void ScenarioInfo::refreshItems() {
    for (int row = 0; row < ui->listWidget->count(); ++row) {
        QListWidgetItem *item = ui->listWidget->item(row);
        item->setData(Qt::UserRole, row);
        item->setText(scenarioListText(copy, campaignMapIndex, row));
    }
}

void ScenarioInfo::relabelCurrentScenario() {
    if (QListWidgetItem *item = ui->listWidget->currentItem())
        item->setText(scenarioListText(copy, campaignMapIndex, ui->listWidget->row(item)));
}

void ScenarioInfo::setMapDependentPagesEnabled(bool enabled) {
    for (int tab = PrologueTab; tab < TabCount; ++tab)
        pages[tab]->setMapPresent(enabled);
}

void ScenarioInfo::checkPagesAgainstMap() {
    for (int tab = PrologueTab; tab < TabCount; ++tab)
        pages[tab]->revalidate();
}

void ScenarioInfo::updateButtonStates() {
    const int count = ui->listWidget->count();
    const int row = ui->listWidget->currentRow();
    ui->upBtn->setEnabled(row > 0);
    ui->downBtn->setEnabled(row >= 0 && row < count - 1);
    if (!copy.withMap) {
        ui->deleteBtn->setEnabled(count > 1);
        ui->deleteAllBtn->setEnabled(count >= 2);
        ui->addBtn->setEnabled(count < maxScenarioCount);
    }
}

void ScenarioInfo::selectListboxItem(QListWidgetItem *current, QListWidgetItem *previous) {
    Q_UNUSED(previous)
    // The pages still show the scenario the selection leaves.
    modified |= commitPages();
    for (int tab : {PrologueTab, EpilogueTab})
        pages[tab]->synchronisePageChoice();
    if (current) {
        pointPagesAt(ui->listWidget->row(current));
        loadPages();
    }
    updateButtonStates();
}

// Up and Down: the current scenario changes places with its neighbour and stays current, with
// the edits its pages show. In a campaign with map it moves to the neighbour's region; the
// scenario numbers of prerequisites and crossovers follow both scenarios.
void ScenarioInfo::moveCurrentScenario(int step) {
    const int row = ui->listWidget->currentRow();
    const int target = row + step;
    if (row < 0 || target < 0 || target >= ui->listWidget->count())
        return;
    const QSignalBlocker blocker(ui->listWidget);
    commitPages(); // the pages' edits stay with their scenario
    modified = true;
    copy.scenarios.swapItemsAt(row, target);
    QVector<int> newIndexOf = identityNumbers(copy.scenarios.size());
    std::swap(newIndexOf[row], newIndexOf[target]);
    renumberScenarios(copy, newIndexOf);
    ui->listWidget->setCurrentRow(target);
    pointPagesAt(target);
    for (ScenarioPage *page : pages)
        page->scenarioMoved();
    refreshItems();
    updateButtonStates();
}

void ScenarioInfo::buttonUp() {
    moveCurrentScenario(-1);
}

void ScenarioInfo::buttonDown() {
    moveCurrentScenario(1);
}

void ScenarioInfo::buttonAdd() {
    if (copy.withMap || ui->listWidget->count() >= maxScenarioCount)
        return;
    const QSignalBlocker blocker(ui->listWidget);
    commitPages(); // the pages' edits stay with their scenario
    modified = true;
    copy.scenarios.append(CmpScenario());
    const int count = copy.scenarios.size();
    for (CmpScenario &scenario : copy.scenarios)
        scenario.prerequisites.resize(count);
    copy.scenarioCount = count;
    new QListWidgetItem(ui->listWidget);
    pointPagesAt(ui->listWidget->currentRow());
    refreshItems();
    updateButtonStates();
}

// The current scenario goes, with the edits its pages showed; the one before it becomes
// current, or the new first one when the first went.
void ScenarioInfo::buttonDelete() {
    const int count = ui->listWidget->count();
    if (copy.withMap || count <= 1)
        return;
    const QSignalBlocker blocker(ui->listWidget);
    modified = true;
    const int removed = ui->listWidget->currentRow();
    delete ui->listWidget->takeItem(removed);
    QVector<int> newIndexOf = identityNumbers(copy.scenarios.size());
    newIndexOf[removed] = -1;
    for (int later = removed + 1; later < newIndexOf.size(); ++later)
        --newIndexOf[later];
    copy.scenarios.removeAt(removed);
    renumberScenarios(copy, newIndexOf);
    copy.scenarioCount = copy.scenarios.size();
    const int current = removed > 0 ? removed - 1 : 0;
    ui->listWidget->setCurrentRow(current);
    refreshItems();
    pointPagesAt(current);
    loadPages();
    updateButtonStates();
}

// Every scenario but the current one goes; the current one keeps its edits and becomes the
// first.
void ScenarioInfo::buttonDeleteAll() {
    if (copy.withMap)
        return;
    if (Messages::question(tr("Delete all"), tr("Do you really want to delete all scenarios?"),
                           Messages::Yes | Messages::No, Messages::No) != Messages::Yes)
        return;
    if (ui->listWidget->count() <= 1)
        return;
    const QSignalBlocker blocker(ui->listWidget);
    commitPages(); // the pages' edits stay with their scenario
    modified = true;
    const int kept = ui->listWidget->currentRow();
    QVector<int> newIndexOf(copy.scenarios.size(), -1);
    newIndexOf[kept] = 0;
    for (int row = ui->listWidget->count() - 1; row > kept; --row) {
        delete ui->listWidget->takeItem(row);
        copy.scenarios.removeAt(row);
    }
    for (int row = kept - 1; row >= 0; --row) {
        delete ui->listWidget->takeItem(row);
        copy.scenarios.removeAt(row);
    }
    renumberScenarios(copy, newIndexOf);
    copy.scenarioCount = copy.scenarios.size();
    ui->listWidget->setCurrentRow(0);
    pointPagesAt(0);
    loadPages();
    refreshItems();
    updateButtonStates();
}

// Leaving a tab commits its page, so that the page shown next (the prologue and epilogue share
// their page choice) starts from what the user entered.
void ScenarioInfo::tabChanged(int index) {
    for (ScenarioPage *page : pages)
        page->stopMusic();
    if (previousTab != index && previousTab >= 0 && previousTab < TabCount &&
        !copy.scenarios.isEmpty())
        modified |= pages[previousTab]->commit();
    if (index == PrologueTab || index == EpilogueTab) {
        for (int tab : {PrologueTab, EpilogueTab})
            pages[tab]->synchronisePageChoice();
    }
    previousTab = index;
}
