#include "dialogs/crossover/scenariocrossover.h"

#include "campaign/cmpscenario.h"
#include "gamedata/gamecatalogue.h"
#include "ui_scenariocrossover.h"

namespace {

// Artifacts a hero never carries from one scenario into the next.
bool isOfferedArtifact(int artifact) {
    return artifact != 0 && artifact != 1 && artifact != 3;
}

void addEntry(QListWidget *list, const QString &text, int number) {
    auto *entry = new QListWidgetItem(text, list);
    entry->setData(Qt::UserRole, number);
    entry->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    entry->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    entry->setCheckState(Qt::Unchecked);
}

void checkAll(QListWidget *list, bool checked) {
    for (int row = 0; row < list->count(); ++row)
        list->item(row)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void checkFromBits(QListWidget *list, const QBitArray &bits) {
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem *entry = list->item(row);
        const int number = entry->data(Qt::UserRole).toInt();
        const bool kept = number < bits.size() && bits.testBit(number);
        entry->setCheckState(kept ? Qt::Checked : Qt::Unchecked);
    }
}

bool testBit(const QBitArray &bits, int number) {
    return number < bits.size() && bits.testBit(number);
}

// Writes `value` into bit `number`, growing the set only for a set bit; true when it changed.
bool writeBit(QBitArray &bits, int number, bool value) {
    if (testBit(bits, number) == value)
        return false;
    if (number >= bits.size())
        bits.resize(number + 1);
    bits.setBit(number, value);
    return true;
}

bool writeFromList(const QListWidget *list, QBitArray &bits) {
    bool changed = false;
    for (int row = 0; row < list->count(); ++row) {
        const QListWidgetItem *entry = list->item(row);
        changed |=
            writeBit(bits, entry->data(Qt::UserRole).toInt(), entry->checkState() == Qt::Checked);
    }
    return changed;
}

} // namespace

ScenarioCrossover::ScenarioCrossover(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::ScenarioCrossover>()) {
    ui->setupUi(this);
    const GameCatalogue &catalogue = gameCatalogue();
    for (auto it = catalogue.artifactNames.cbegin(); it != catalogue.artifactNames.cend(); ++it)
        if (isOfferedArtifact(it.key()))
            addEntry(ui->crosssoverArtsListWidget, it.value(), it.key());
    ui->crosssoverArtsListWidget->sortItems(Qt::AscendingOrder);
    ui->crosssoverArtsListWidget->setSortingEnabled(true);
    for (int creature : catalogue.creatureOrder)
        addEntry(ui->creaturesListWidget, catalogue.creatureNames.value(creature), creature);

    connect(ui->allButton, &QAbstractButton::clicked, this, &ScenarioCrossover::clickAll);
    connect(ui->noneButton, &QAbstractButton::clicked, this, &ScenarioCrossover::clickNone);
    connect(ui->allButtonArts, &QAbstractButton::clicked, this, &ScenarioCrossover::clickAllArts);
    connect(ui->noneButtonArts, &QAbstractButton::clicked, this, &ScenarioCrossover::clickNoneArts);
}

ScenarioCrossover::~ScenarioCrossover() = default;

QCheckBox *ScenarioCrossover::keepBox(int keep) const {
    QCheckBox *const boxes[] = {ui->experienceComboBox, ui->primarySkillsCombobox,
                                ui->secSkillsCombobox, ui->spellsCombobox, ui->artifactsCombobox};
    return boxes[keep];
}

void ScenarioCrossover::load(CmpScenario *edited) {
    scenario = edited;
    for (int keep = 0; keep < HeroKeepCount; ++keep)
        keepBox(keep)->setChecked(keep != KeepArtifacts);
    if (!scenario || !scenario->hasMap()) {
        setMapDependentEnabled(false);
        return;
    }
    setMapDependentEnabled(true);
    for (int keep = 0; keep < HeroKeepCount; ++keep)
        keepBox(keep)->setChecked(testBit(scenario->heroKeeps, keep));
    checkFromBits(ui->creaturesListWidget, scenario->creaturesKept);
    checkFromBits(ui->crosssoverArtsListWidget, scenario->artifactsKept);
}

void ScenarioCrossover::setMapDependentEnabled(bool enabled) {
    for (QWidget *child : findChildren<QWidget *>())
        child->setEnabled(enabled);
    if (!enabled) {
        checkAll(ui->creaturesListWidget, false);
        checkAll(ui->crosssoverArtsListWidget, false);
    }
}

bool ScenarioCrossover::commit() {
    if (!scenario)
        return false;
    bool changed = false;
    for (int keep = 0; keep < HeroKeepCount; ++keep)
        changed |= writeBit(scenario->heroKeeps, keep, keepBox(keep)->isChecked());
    changed |= writeFromList(ui->crosssoverArtsListWidget, scenario->artifactsKept);
    changed |= writeFromList(ui->creaturesListWidget, scenario->creaturesKept);
    return changed;
}

void ScenarioCrossover::clickAll() {
    checkAll(ui->creaturesListWidget, true);
}

void ScenarioCrossover::clickNone() {
    checkAll(ui->creaturesListWidget, false);
}

void ScenarioCrossover::clickAllArts() {
    checkAll(ui->crosssoverArtsListWidget, true);
}

void ScenarioCrossover::clickNoneArts() {
    checkAll(ui->crosssoverArtsListWidget, false);
}
