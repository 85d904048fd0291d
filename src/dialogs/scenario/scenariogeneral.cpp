#include "dialogs/scenario/scenariogeneral.h"

#include "campaign/campaignlimits.h"
#include "campaign/cmpcampaign.h"
#include "campaign/mapimport.h"
#include "campaign/optiontexts.h"
#include "campaign/prerequisitegraph.h"
#include "gamedata/filechooser.h"
#include "gamedata/gamecatalogue.h"
#include "gamedata/gamefolder.h"
#include "gamedata/messages.h"
#include "gamedata/regularfile.h"
#include "gamedata/settingsfile.h"
#include "ui_scenariogeneral.h"
#include "widgets/rightclickfilter.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QTextCursor>

namespace {

// The colour combo box offers the eight region colours.
constexpr int regionColorCount = 8;
// Rows of the editor text table that name the five difficulties.
constexpr int firstDifficultyRow = 25;
constexpr int difficultyCount = 5;

QString mapFileFilter() {
    return ScenarioGeneral::tr("Veldmark map (*.y6m);;All Files (*)");
}

void storeLastFolder(const QString &chosenFile) {
    sharedSettings().setText("Campaign Editor", "Path",
                             QFileInfo(chosenFile).absolutePath().toUtf8());
}

} // namespace

ScenarioGeneral::ScenarioGeneral(QWidget *parent)
    : ScenarioPage(parent), ui(std::make_unique<Ui::ScenarioGeneral>()) {
    ui->setupUi(this);
    fillComboBoxes();
    ignoreRightClicks({ui->regionColorCombobox, ui->difficultyCombobox}, this);
    connect(ui->refreshButton, &QPushButton::pressed, this, &ScenarioGeneral::refreshMap);
    connect(ui->exportButton, &QPushButton::pressed, this, &ScenarioGeneral::exportMap);
    connect(ui->removeButton, &QPushButton::pressed, this, &ScenarioGeneral::removeMap);
    connect(ui->prereqListWidget, &QListWidget::itemChanged, this, &ScenarioGeneral::checkPrereq);
    connect(ui->regionTextEdit, &QTextEdit::textChanged, this, &ScenarioGeneral::regionTextChanged);
}

ScenarioGeneral::~ScenarioGeneral() = default;

void ScenarioGeneral::fillComboBoxes() {
    const GameCatalogue &catalogue = gameCatalogue();
    const QStringList colors = catalogue.playerColorNames.mid(0, regionColorCount);
    for (int color = 0; color < colors.size(); ++color)
        ui->regionColorCombobox->addItem(colors[color], color);
    for (int level = 0; level < difficultyCount; ++level)
        ui->difficultyCombobox->addItem(
            catalogue.editorTextTable.value(firstDifficultyRow + level).value(0), level);
}

void ScenarioGeneral::load() {
    filled = false;
    const CmpScenario &edited = scenario();
    const bool withMap = campaign().withMap;
    for (QWidget *widget :
         {static_cast<QWidget *>(ui->regionNameLabel),
          static_cast<QWidget *>(ui->regionNameLabelMain),
          static_cast<QWidget *>(ui->regionTextEdit),
          static_cast<QWidget *>(ui->regionRightClickLabel),
          static_cast<QWidget *>(ui->prereqLabel), static_cast<QWidget *>(ui->prereqListWidget),
          static_cast<QWidget *>(ui->regionColorCombobox),
          static_cast<QWidget *>(ui->regionColorLabel)})
        widget->setVisible(withMap);
    if (withMap) {
        showRegionName();
        // The stored text is shown as it is, even when a file brought a longer one; only an
        // edit is held to the limit.
        const QSignalBlocker blocker(ui->regionTextEdit);
        ui->regionTextEdit->setPlainText(edited.regionText);
        shownRegionText = ui->regionTextEdit->toPlainText();
    }
    ui->regionColorCombobox->setCurrentIndex(
        ui->regionColorCombobox->findData(int(edited.regionColor)));
    ui->difficultyCombobox->setCurrentIndex(
        ui->difficultyCombobox->findData(int(edited.difficulty)));
    buildPrerequisiteList();
    updateMapLabels();
    filled = true;
}

bool ScenarioGeneral::commit() {
    CmpScenario &edited = scenario();
    bool changed = false;
    if (campaign().withMap) {
        // Only an edit is read back: the text edit gives line breaks its own form, which alone
        // must not count as a change.
        const QString text = ui->regionTextEdit->toPlainText();
        if (text != shownRegionText && text != edited.regionText) {
            edited.regionText = text;
            changed = true;
        }
        const QVariant color = ui->regionColorCombobox->currentData();
        if (color.isValid() && color.toInt() != edited.regionColor) {
            edited.regionColor = uint8_t(color.toInt());
            changed = true;
        }
    }
    const QVariant difficulty = ui->difficultyCombobox->currentData();
    if (difficulty.isValid() && difficulty.toInt() != edited.difficulty) {
        edited.difficulty = uint8_t(difficulty.toInt());
        changed = true;
    }
    return changed;
}

// The scenario keeps the edits in the widgets but now stands at another index, in a campaign
// with map on another region: the region name and the prerequisite items, which name scenarios
// by index, follow it.
void ScenarioGeneral::scenarioMoved() {
    if (!campaign().withMap)
        return;
    const bool wasFilled = filled;
    filled = false;
    showRegionName();
    buildPrerequisiteList();
    filled = wasFilled;
}

void ScenarioGeneral::showRegionName() {
    ui->regionNameLabel->setText(
        gameCatalogue().campaignMaps.value(campaignMap()).regions.value(scenarioIndex()).name);
}

void ScenarioGeneral::buildPrerequisiteList() {
    ui->prereqListWidget->clear();
    const CmpCampaign &edited = campaign();
    const int self = scenarioIndex();
    if (!edited.withMap || !scenario().hasMap())
        return;
    for (int i = 0; i < edited.scenarios.size(); ++i) {
        if (i == self || !edited.scenarios.at(i).hasMap())
            continue;
        const PrerequisiteOffer offer = prerequisiteOffer(edited, self, i);
        if (offer == PrerequisiteOffer::Cycle)
            continue;
        auto *item = new QListWidgetItem(scenarioRefText(edited, campaignMap(), i));
        item->setData(Qt::UserRole, i);
        Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled;
        if (offer == PrerequisiteOffer::Indirect)
            flags &= ~Qt::ItemIsEnabled;
        item->setFlags(flags);
        item->setCheckState(offer == PrerequisiteOffer::Free ? Qt::Unchecked : Qt::Checked);
        ui->prereqListWidget->addItem(item);
    }
}

QListWidgetItem *ScenarioGeneral::prerequisiteItem(int scenarioIndex) const {
    for (int row = 0; row < ui->prereqListWidget->count(); ++row) {
        QListWidgetItem *item = ui->prereqListWidget->item(row);
        if (item->data(Qt::UserRole).toInt() == scenarioIndex)
            return item;
    }
    return nullptr;
}

void ScenarioGeneral::checkPrereq(QListWidgetItem *item) {
    if (!filled)
        return;
    const int other = item->data(Qt::UserRole).toInt();
    const bool checked = item->checkState() == Qt::Checked;
    // Item changes other than the check mark leave the prerequisites as they are.
    if (checked == hasPrerequisite(scenario(), other))
        return;
    filled = false;
    if (checked) {
        for (int implied : addPrerequisite(campaign(), scenarioIndex(), other)) {
            if (QListWidgetItem *shown = prerequisiteItem(implied)) {
                shown->setCheckState(Qt::Checked);
                shown->setFlags(shown->flags() & ~Qt::ItemIsEnabled);
            }
        }
    } else {
        for (int kept : dropPrerequisite(campaign(), scenarioIndex(), other)) {
            if (QListWidgetItem *shown = prerequisiteItem(kept)) {
                shown->setCheckState(Qt::Checked);
                shown->setFlags(shown->flags() | Qt::ItemIsEnabled);
            }
        }
    }
    filled = true;
    emit prerequisitesChanged();
}

void ScenarioGeneral::updateMapLabels() {
    const CmpScenario &edited = scenario();
    const bool hasMap = edited.hasMap();
    ui->scenarioNameLabel->setText(hasMap ? edited.mapHeader->name : tr("(None)"));
    ui->mapFileIdentifier->setText(hasMap && !edited.mapName.isEmpty() ? edited.mapName
                                                                       : tr("(None)"));
    ui->exportButton->setEnabled(hasMap);
    ui->removeButton->setEnabled(hasMap);
}

QString ScenarioGeneral::startFolder() const {
    const QString folder = QString::fromUtf8(sharedSettings().getText("Campaign Editor", "Path"));
    return folder.isEmpty() ? gamePath(QStringLiteral("Maps")) : folder;
}

void ScenarioGeneral::refreshMap() {
    const bool wasFilled = filled;
    filled = false;
    const auto restoreGuard = qScopeGuard([&] { filled = wasFilled; });

    QString proposed = startFolder();
    if (scenario().hasMap())
        proposed += QLatin1Char('/') + scenario().mapName;
    const QString fileName = FileChooser::openFileName(tr("Open"), proposed, mapFileFilter());
    if (fileName.isEmpty())
        return;
    storeLastFolder(fileName);

    QFile file(fileName);
    QString reason;
    if (!openRegularFile(file, &reason)) {
        Messages::warning(tr("Error"), tr("Cannot read file %1:\n%2.").arg(fileName, reason));
        return;
    }
    // The map is read into a copy, so that a refused map leaves the scenario as it was.
    CmpScenario imported = scenario();
    const bool hadMap = imported.hasMap();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const int result = importMap(imported, file);
    QApplication::restoreOverrideCursor();
    if (result < 0) {
        Messages::warning(tr("Error"), mapErrorMessage(result, fileName));
        return;
    }
    if (result == 0) {
        Messages::warning(tr("Error"),
                          tr("Cannot read file %1:\n%2.").arg(fileName, file.errorString()));
        return;
    }
    const bool bytesChanged = imported.mapData != scenario().mapData;
    scenario() = imported;
    updateMapLabels();
    if (!hadMap)
        buildPrerequisiteList();
    emit mapImported(hadMap, bytesChanged);
}

void ScenarioGeneral::exportMap() {
    const QString proposed = startFolder() + QLatin1Char('/') + scenario().mapName;
    const QString fileName = FileChooser::saveFileName(tr("Save"), proposed, mapFileFilter());
    if (fileName.isEmpty())
        return;
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    storeLastFolder(fileName);
    file.write(scenario().mapData);
}

void ScenarioGeneral::removeMap() {
    bypassScenario(campaign(), scenarioIndex());
    CmpScenario &edited = scenario();
    edited.mapName.clear();
    edited.mapData.clear();
    edited.mapHeader.reset();
    edited.mapSize = 0;
    edited.prerequisites = QBitArray(campaignScenarioCount(campaign()));
    ui->prereqListWidget->clear();
    updateMapLabels();
    emit mapRemoved();
}

void ScenarioGeneral::regionTextChanged() {
    QTextEdit *edit = ui->regionTextEdit;
    if (edit->toPlainText().size() <= maxRegionTextLength)
        return;
    // Cut through the document rather than replacing its text, so that the edit stays one
    // the user can undo.
    QTextCursor cut(edit->document());
    cut.setPosition(maxRegionTextLength);
    cut.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cut.removeSelectedText();
    QTextCursor end = edit->textCursor();
    end.movePosition(QTextCursor::End);
    edit->setTextCursor(end);
}
