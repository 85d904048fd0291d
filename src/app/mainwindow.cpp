#include "app/mainwindow.h"

#include "app/campaignstep.h"
#include "app/draganddrophandler.h"
#include "app/filebasename.h"
#include "campaign/campaigncompare.h"
#include "campaign/campaignfile.h"
#include "campaign/campaigntextfile.h"
#include "campaign/editorvalues.h"
#include "campaign/mapimport.h"
#include "campaignmap/campaignmapscene.h"
#include "campaignmap/campaignregionitem.h"
#include "campaignmap/mapbrowser.h"
#include "campaignmap/mygraphicsscene.h"
#include "campaignmap/myqgraphicsview.h"
#include "dialogs/about/aboutvadoz.h"
#include "dialogs/campaign/editcampaign.h"
#include "dialogs/campaign/newcampaign.h"
#include "dialogs/convert/convertcampaign.h"
#include "dialogs/scenario/scenarioinfo.h"
#include "gamedata/filechooser.h"
#include "gamedata/gamecatalogue.h"
#include "gamedata/gamefolder.h"
#include "gamedata/messages.h"
#include "gamedata/regularfile.h"
#include "gamedata/settingsfile.h"
#include "ui_mainwindow.h"

#include "campaign/optiontexts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QSettings>
#include <QShortcut>
#include <QToolTip>
#include <QUndoStack>

namespace {

// Rows of the command hint table.
enum HintRow {
    HintIdle = 0,
    HintNew = 1,
    HintOpen = 2,
    HintSave = 3,
    HintSaveAs = 4,
    HintAbout = 5,
    HintExit = 6,
    HintRecentFile = 9,
    HintRefreshMaps = 16,
    HintExportMaps = 17,
    HintCampaignProperties = 18,
    HintScenarioProperties = 19,
    HintExportTexts = 20,
    HintImportTexts = 21,
};

// Steps kept for Undo.
constexpr int undoLimit = 100;

// The map view's full size; a larger window leaves it at this size.
const QSize fullMapSize(456, 600);

// The recent-file list lives in the per-user settings store, under the organisation alone.
const QString recentFilesOrganisation = QStringLiteral("vadoz_info");
const QString recentFilesKey = QStringLiteral("recentFileList");

// The usual keys first, on every platform, then whatever else the platform binds to the command.
void setUsualShortcuts(QAction *action, QKeySequence::StandardKey command,
                       std::initializer_list<int> usual) {
    QList<QKeySequence> keys;
    for (int key : usual)
        keys.append(QKeySequence(key));
    for (const QKeySequence &key : QKeySequence::keyBindings(command))
        if (!keys.contains(key))
            keys.append(key);
    action->setShortcuts(keys);
}

QString hintText(int row) {
    return gameCatalogue().commandHintTable.value(row).value(0);
}

QFont statusBarFont() {
    return QFont(QStringLiteral("MS Shell Dlg"), 8);
}

QStringList storedRecentFiles() {
    return QSettings(recentFilesOrganisation, QString()).value(recentFilesKey).toStringList();
}

// One side of the map view: the full length, less what the window lost against its first
// size. A result below zero counts as too large and gives the full length as well.
int mapViewLength(int full, int current, int initial) {
    const int length = full + current - initial;
    return length < 0 || length > full ? full : length;
}

// The scenario's map file in folder. Only the name part of the stored map name counts, so that a
// campaign file cannot make the editor reach outside the folder.
QString scenarioMapPath(const QString &folder, const CmpScenario &scenario) {
    const QString name = QFileInfo(scenario.mapName).fileName();
    return name.isEmpty() ? QString() : folder + QLatin1Char('/') + name;
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), ui(new Ui::MainWindow), steps(new QUndoStack(this)) {
    ui->setupUi(this);
    initialWindowSize = size();
    setAcceptDrops(true);
    dropHandler = new DragAndDropHandler(this, this);
    qApp->installEventFilter(dropHandler);
    connect(dropHandler, &DragAndDropHandler::fileDropped, this, &MainWindow::loadFile);

    createRecentFileActions();
    createStatusBar();
    createMapPage();
    hintLabel->setText(hintText(HintIdle));
    showSelectedRegionName();
    updateWindowTitle();
    setToolTipsFromHintTable();
    createKeyShortcuts();
    connectActions();
    createUndoActions();
    createCheckAction();
    rebuildCampaignMap();
    updateRecentFileActions();
    resetCampaign(openCampaign, defaultCampaignMap, true, 0, 0);
}

// The undo stack clears itself as it is destroyed and announces that it is clean again; the map
// scene may report its last selection. By then the window that listened is half gone.
MainWindow::~MainWindow() {
    steps->disconnect();
    mapBrowser->view()->mapScene()->disconnect(this);
}

QString MainWindow::applicationTitle() {
    return tr("Veldmark: Tarq Campaign Editor");
}

void MainWindow::createRecentFileActions() {
    for (QAction *&action : recentFileActions) {
        action = new QAction(this);
        action->setVisible(false);
        action->setToolTip(hintText(HintRecentFile));
        connect(action, &QAction::hovered, this, &MainWindow::setTooltipToHintBar);
        connect(action, &QAction::hovered, action, [action] {
            QToolTip::showText(QCursor::pos(), QDir::toNativeSeparators(action->data().toString()));
        });
        connect(action, &QAction::triggered, this, &MainWindow::openRecentFile);
        ui->menuFile->insertAction(ui->actionExit, action);
    }
    ui->menuFile->insertSeparator(ui->actionExit);
}

void MainWindow::createStatusBar() {
    hintLabel = new QLabel(this);
    hintLabel->setObjectName(QStringLiteral("hintLabel"));
    hintLabel->setFont(statusBarFont());
    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    regionLabel = new QLabel(this);
    regionLabel->setObjectName(QStringLiteral("regionLabel"));
    regionLabel->setFont(statusBarFont());
    ui->statusBar->addWidget(hintLabel, 1);
    ui->statusBar->addWidget(line);
    ui->statusBar->addWidget(regionLabel, 1);
}

void MainWindow::createMapPage() {
    mapBrowser = new MapBrowser(ui->stackedWidget, hintLabel);
    ui->stackedWidget->addWidget(mapBrowser);
    ui->stackedWidget->setCurrentWidget(mapBrowser);
    MyQGraphicsView *view = mapBrowser->view();
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(view, &MyQGraphicsView::scenarioPropertiesRequested, this,
            &MainWindow::openScenarioProperties);
    connect(view->mapScene(), &MyGraphicsScene::regionSelected, this, [this](int region) {
        shownRegion = region;
        showSelectedRegionName();
    });
    // The region under the pointer is named in the hint bar without being selected.
    connect(view->mapScene(), &MyGraphicsScene::regionHovered, this, [this](int region) {
        hintLabel->setText(
            region < 0 ? hintText(HintIdle)
                       : scenarioListText(openCampaign, shownCampaignMap, region, gameCatalogue()));
    });
    mapView = view;
    dropHandler->setMapScene(view->scene());
}

void MainWindow::setToolTipsFromHintTable() {
    const std::pair<QAction *, int> rows[] = {
        {ui->actionNew, HintNew},
        {ui->actionOpen, HintOpen},
        {ui->actionSave, HintSave},
        {ui->actionSave_As, HintSaveAs},
        {ui->actionExport_Texts, HintExportTexts},
        {ui->actionImport_Texts, HintImportTexts},
        {ui->actionRefresh_Scenario_Maps, HintRefreshMaps},
        {ui->actionExport_Scenario_Maps, HintExportMaps},
        {ui->actionExit, HintExit},
        {ui->campaignProperties, HintCampaignProperties},
        {ui->scenarioProperties, HintScenarioProperties},
        {ui->actionAbout, HintAbout},
    };
    for (const auto &row : rows)
        row.first->setToolTip(hintText(row.second));
}

// "Enter" and "Ctrl+Enter" of the actions are the keypad keys; these cover the main keys.
void MainWindow::createKeyShortcuts() {
    auto *scenarioKey = new QShortcut(QKeySequence(QStringLiteral("Return")), this);
    connect(scenarioKey, &QShortcut::activated, ui->scenarioProperties, &QAction::trigger);
    auto *campaignKey = new QShortcut(QKeySequence(QStringLiteral("Ctrl+Return")), this);
    connect(campaignKey, &QShortcut::activated, ui->campaignProperties, &QAction::trigger);
}

void MainWindow::connectActions() {
    const std::pair<QAction *, void (MainWindow::*)()> commands[] = {
        {ui->actionNew, &MainWindow::newFile},
        {ui->actionOpen, &MainWindow::open},
        {ui->actionSave, &MainWindow::save},
        {ui->actionSave_As, &MainWindow::saveAs},
        {ui->actionClose, &MainWindow::closeCampaign},
        {ui->actionExport_Texts, &MainWindow::exportTexts},
        {ui->actionImport_Texts, &MainWindow::importTexts},
        {ui->actionRefresh_Scenario_Maps, &MainWindow::refreshMaps},
        {ui->actionExport_Scenario_Maps, &MainWindow::exportMaps},
        {ui->actionExit, &MainWindow::quit},
        {ui->campaignProperties, &MainWindow::openCampaignProperties},
        {ui->scenarioProperties, &MainWindow::openScenarioProperties},
        {ui->actionConvertCmp, &MainWindow::openConvertCampaign},
        {ui->actionAbout, &MainWindow::about},
    };
    for (const auto &entry : commands) {
        connect(entry.first, &QAction::triggered, this, entry.second);
        connect(entry.first, &QAction::hovered, this, &MainWindow::setTooltipToHintBar);
    }
    setUsualShortcuts(ui->actionSave_As, QKeySequence::SaveAs, {Qt::CTRL | Qt::SHIFT | Qt::Key_S});
    setUsualShortcuts(ui->actionClose, QKeySequence::Close, {Qt::CTRL | Qt::Key_W});
    // The game's hint table has no row for Close.
    ui->actionClose->setToolTip(tr("Close the campaign and start an empty one"));
}

void MainWindow::createUndoActions() {
    steps->setUndoLimit(undoLimit);
    auto *undo = new QAction(QIcon(QStringLiteral(":/icons/undo.svg")), tr("Undo"), this);
    undo->setObjectName(QStringLiteral("actionUndo"));
    setUsualShortcuts(undo, QKeySequence::Undo, {Qt::CTRL | Qt::Key_Z});
    undo->setToolTip(tr("Undo the last change to the campaign"));
    auto *redo = new QAction(QIcon(QStringLiteral(":/icons/redo.svg")), tr("Redo"), this);
    redo->setObjectName(QStringLiteral("actionRedo"));
    setUsualShortcuts(redo, QKeySequence::Redo,
                      {Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z});
    redo->setToolTip(tr("Redo the change that was undone"));
    for (QAction *action : {undo, redo}) {
        action->setEnabled(false);
        connect(action, &QAction::hovered, this, &MainWindow::setTooltipToHintBar);
    }
    connect(undo, &QAction::triggered, steps, &QUndoStack::undo);
    connect(redo, &QAction::triggered, steps, &QUndoStack::redo);
    connect(steps, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(steps, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    connect(steps, &QUndoStack::undoTextChanged, undo, [this, undo](const QString &step) {
        undo->setText(step.isEmpty() ? tr("Undo") : tr("Undo %1").arg(step));
    });
    connect(steps, &QUndoStack::redoTextChanged, redo, [this, redo](const QString &step) {
        redo->setText(step.isEmpty() ? tr("Redo") : tr("Redo %1").arg(step));
    });
    connect(steps, &QUndoStack::cleanChanged, this, &MainWindow::updateWindowTitle);

    QAction *firstEditAction = ui->menuEdit->actions().value(0);
    ui->menuEdit->insertActions(firstEditAction, {undo, redo});
    ui->menuEdit->insertSeparator(firstEditAction);
    QAction *beforeEdit = ui->scenarioProperties;
    ui->toolBar->insertActions(beforeEdit, {undo, redo});
    ui->toolBar->insertSeparator(beforeEdit);
}

bool MainWindow::isModified() const {
    return !steps->isClean();
}

void MainWindow::startHistory() {
    steps->clear();
    updateWindowTitle();
    refreshFindings(); // a new or opened campaign
}

void MainWindow::openFromCommandLine(const QStringList &arguments) {
    if (!arguments.isEmpty())
        loadFile(arguments.first());
}

void MainWindow::updateWindowTitle() {
    const QString name =
        currentFilePath.isEmpty() ? tr("Untitled.y6c") : QFileInfo(currentFilePath).fileName();
    setWindowTitle(
        tr("%1%3 - %2")
            .arg(name, applicationTitle(), isModified() ? QStringLiteral("*") : QString()));
}

void MainWindow::showSelectedRegionName() {
    if (!openCampaign.withMap) {
        regionLabel->clear();
        return;
    }
    regionLabel->setText(
        gameCatalogue().campaignMaps.value(shownCampaignMap).regions.value(shownRegion).name);
}

void MainWindow::rebuildCampaignMap() {
    regionItems = buildCampaignMapScene(mapBrowser->view()->scene(), openCampaign, shownCampaignMap,
                                        shownRegion);
}

void MainWindow::updateRegionItems(const CmpCampaign &edited) {
    if (!edited.withMap)
        return;
    for (CampaignRegionItem *item : qAsConst(regionItems)) {
        if (item->region < edited.scenarios.size())
            updateRegionItem(item, edited.scenarios.at(item->region));
        item->setToolTip(scenarioListText(edited, shownCampaignMap, item->region, gameCatalogue()));
    }
}

void MainWindow::selectRegion(int region) {
    shownRegion = region;
    for (CampaignRegionItem *item : qAsConst(regionItems)) {
        if (item->selected != (item->region == region)) {
            item->selected = item->region == region;
            item->updatePicture();
        }
    }
    showSelectedRegionName();
}

void MainWindow::updateRecentFileActions() {
    const QStringList files = storedRecentFiles();
    const int shown = qMin(int(MaxRecentFiles), files.size());
    QStringList names;
    for (int i = 0; i < shown; ++i)
        names.append(QFileInfo(files[i]).fileName());
    for (int i = 0; i < MaxRecentFiles; ++i) {
        QAction *action = recentFileActions[i];
        if (i < shown) {
            // Two entries of the same name are told apart by their folders.
            const QString folder = QDir::toNativeSeparators(QFileInfo(files[i]).absolutePath());
            action->setText(names.count(names[i]) > 1
                                ? tr("&%1 %2 (%3)").arg(i + 1).arg(names[i], folder)
                                : tr("&%1 %2").arg(i + 1).arg(names[i]));
            action->setData(files[i]);
        }
        action->setVisible(i < shown);
    }
}

// The file is kept with its absolute path, so that the recent list works from any folder.
void MainWindow::setCurrentFile(const QString &fileName) {
    currentFilePath = QFileInfo(fileName).absoluteFilePath();
    setWindowFilePath(currentFilePath);
    QSettings settings(recentFilesOrganisation, QString());
    QStringList files = settings.value(recentFilesKey).toStringList();
    files.removeAll(currentFilePath);
    files.prepend(currentFilePath);
    while (files.size() > MaxRecentFiles)
        files.removeLast();
    settings.setValue(recentFilesKey, files);
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<MainWindow *>(widget))
            window->updateRecentFileActions();
}

void MainWindow::loadFile(const QString &fileName) {
    if (QFileInfo(fileName).suffix().compare(QLatin1String("y6m"), Qt::CaseInsensitive) == 0) {
        Messages::warning(tr("Error"), tr("%1 is a map, not a campaign. Maps are imported into a "
                                          "scenario in Scenario Properties.")
                                           .arg(fileName));
        return;
    }
    if (isModified() && maybeSave() == Messages::Cancel)
        return;
    {
        QFile file(fileName);
        QString reason;
        if (!openRegularFile(file, &reason)) {
            Messages::warning(tr("Error"), tr("Cannot read file %1:\n%2.").arg(fileName, reason));
            return;
        }
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    CmpCampaign loaded;
    if (!CampaignFile::load(fileName, loaded)) {
        QApplication::restoreOverrideCursor();
        return;
    }
    openCampaign = std::move(loaded);
    shownCampaignMap = openCampaign.campaignMap;
    shownRegion = 0;
    rebuildCampaignMap();
    QApplication::restoreOverrideCursor();
    setCurrentFile(fileName);
    startHistory();
    showSelectedRegionName();
}

void MainWindow::newFile() {
    if (isModified() && maybeSave() == Messages::Cancel)
        return;
    NewCampaign dialog(this);
    // A catalogue without campaign maps or backgrounds leaves nothing to choose.
    if (dialog.exec() != QDialog::Accepted || dialog.selectedId() < 0)
        return;
    campaignFileVersion = editorVersion;
    if (dialog.isWithMap()) {
        resetCampaign(openCampaign, uint8_t(dialog.selectedId()), true, 0, 0);
        shownCampaignMap = openCampaign.campaignMap;
        ui->stackedWidget->setCurrentWidget(mapBrowser);
    } else {
        resetCampaign(openCampaign, defaultCampaignMap, false, dialog.selectedId(), 1);
        shownCampaignMap = defaultCampaignMap;
    }
    shownRegion = 0;
    currentFilePath.clear();
    setWindowFilePath(QString());
    rebuildCampaignMap();
    startHistory();
    showSelectedRegionName();
}

// Leaves the editor as it starts: an untitled empty campaign on the default campaign map.
void MainWindow::closeCampaign() {
    if (isModified() && maybeSave() == Messages::Cancel)
        return;
    campaignFileVersion = editorVersion;
    resetCampaign(openCampaign, defaultCampaignMap, true, 0, 0);
    shownCampaignMap = defaultCampaignMap;
    shownRegion = 0;
    currentFilePath.clear();
    setWindowFilePath(QString());
    ui->stackedWidget->setCurrentWidget(mapBrowser);
    rebuildCampaignMap();
    startHistory();
    showSelectedRegionName();
}

QString MainWindow::lastFolderSetting() const {
    return QString::fromUtf8(sharedSettings().getText("Campaign Editor", "Path"));
}

void MainWindow::storeLastFolder(const QString &chosenFile) {
    sharedSettings().setText("Campaign Editor", "Path",
                             QFileInfo(chosenFile).absolutePath().toUtf8());
}

void MainWindow::open() {
    QString folder = lastFolderSetting();
    if (folder.isEmpty()) {
        folder = QFileInfo(gamePath(QStringLiteral("Maps"))).canonicalFilePath();
        if (folder.isEmpty())
            folder = QFileInfo(gameFolder()).canonicalFilePath();
    }
    const QString fileName = FileChooser::openFileName(
        tr("Open Map File"), folder, tr("Veldmark campaign (*.y6c);;All Files (*)"));
    if (fileName.isEmpty())
        return;
    storeLastFolder(fileName);
    loadFile(fileName);
}

void MainWindow::saveAs() {
    saveToChosenFile();
}

// A name typed without a suffix gets the campaign suffix, as the file type offered says.
bool MainWindow::saveToChosenFile() {
    QString folder = lastFolderSetting();
    if (folder.isEmpty())
        folder = gamePath(QStringLiteral("Maps"));
    const QString proposedName =
        folder + QLatin1Char('/') +
        (currentFilePath.isEmpty() ? QStringLiteral("Untitled") : fileBaseName(currentFilePath));
    const QString fileName = FileChooser::saveFileName(
        tr("Save As"), proposedName, tr("Veldmark campaign (*.y6c);;All Files (*)"));
    if (fileName.isEmpty())
        return false;
    storeLastFolder(fileName);
    const bool typedSuffix = !QFileInfo(fileName).suffix().isEmpty();
    return saveFile(typedSuffix ? fileName : fileName + QStringLiteral(".y6c"));
}

void MainWindow::save() {
    if (currentFilePath.isEmpty())
        saveAs();
    else
        saveFile(currentFilePath);
}

bool MainWindow::confirmVersionUpgrade() {
    if (skipVersionQuestion) {
        skipVersionQuestion = false;
        return true;
    }
    if (!(campaignFileVersion < editorVersion))
        return true;
    return Messages::question(applicationTitle(),
                              tr("Campaign version will be updated and it will be impossible to "
                                 "open the campaign in older versions of Tarq campaign editor. Do "
                                 "you really want to save the campaign?"),
                              Messages::Yes | Messages::No, Messages::Yes) == Messages::Yes;
}

bool MainWindow::saveFile(const QString &fileName) {
    if (!confirmSaveWithErrors() || !confirmVersionUpgrade())
        return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool written = CampaignFile::save(openCampaign, fileName); // reports its failure
    QApplication::restoreOverrideCursor();
    if (!written)
        return false;
    setCurrentFile(fileName);
    steps->setClean();
    updateWindowTitle();
    return true;
}

int MainWindow::maybeSave() {
    const QString name = currentFilePath.isEmpty() ? tr("Untitled") : fileBaseName(currentFilePath);
    Messages::Message question;
    question.kind = Messages::Kind::Warning;
    question.title = applicationTitle();
    question.text = campaignFileVersion < editorVersion
                        ? tr("Campaign version will be updated and it will be impossible to open "
                             "the campaign in older versions of Tarq campaign editor. Do you "
                             "really want to save the %1?")
                              .arg(name)
                        : tr("Save changes to %1?").arg(name);
    question.buttons = Messages::Yes | Messages::No | Messages::Cancel;
    question.defaultButton = Messages::Yes;
    const Messages::Button answer = Messages::show(question);
    if (answer != Messages::Yes)
        return answer;
    // The question above already warned about the upgrade. A save that failed or was
    // cancelled keeps the changes, and the command that asked goes no further.
    skipVersionQuestion = true;
    const bool saved = currentFilePath.isEmpty() ? saveToChosenFile() : saveFile(currentFilePath);
    skipVersionQuestion = false;
    return saved ? answer : Messages::Cancel;
}

void MainWindow::closeEvent(QCloseEvent *event) {
    if (isModified() && maybeSave() == Messages::Cancel)
        event->ignore();
    else
        event->accept();
}

// Closing the window asks about unsaved changes; the last window closed ends the program.
void MainWindow::quit() {
    close();
}

void MainWindow::openRecentFile() {
    if (auto *action = qobject_cast<QAction *>(sender()))
        loadFile(action->data().toString());
}

void MainWindow::openCampaignProperties() {
    EditCampaign dialog(this, &openCampaign);
    if (dialog.exec() != QDialog::Accepted)
        return;
    CmpCampaign edited = openCampaign;
    dialog.applyTo(edited);
    changeCampaign(std::move(edited), tr("Campaign Properties"));
    showChangedCampaignMap();
}

// After the campaign properties or a conversion changed the campaign: its map is shown anew.
void MainWindow::showChangedCampaignMap() {
    shownCampaignMap = openCampaign.campaignMap;
    shownRegion = 0;
    currentCampaignMap = shownCampaignMap;
    selectedRegion = 0;
    rebuildCampaignMap();
    showSelectedRegionName();
    updateWindowTitle();
}

// The window edits a copy; only OK hands it back, and only reported changes mark the campaign.
void MainWindow::openScenarioProperties() {
    openScenarioPropertiesOn(selectedRegion, ScenarioInfo::GeneralTab);
}

void MainWindow::openScenarioPropertiesOn(int scenario, int tab) {
    if (openCampaign.scenarios.isEmpty())
        return;
    ScenarioInfo window(this, openCampaign, currentCampaignMap, scenario);
    window.showTab(ScenarioInfo::Tab(tab));
    if (window.exec() != QDialog::Accepted)
        return;
    window.commitAll();
    selectedRegion = window.currentScenarioIndex();
    CmpCampaign edited = window.campaign();
    edited.scenarioCount = edited.scenarios.size();
    changeCampaign(std::move(edited), tr("Scenario Properties"));
    if (openCampaign.withMap)
        selectRegion(selectedRegion);
}

// The text file goes wherever the user says; the last campaign folder is neither offered nor
// changed.
void MainWindow::exportTexts() {
    const QString proposedName =
        currentFilePath.isEmpty() ? QStringLiteral("Untitled") : fileBaseName(currentFilePath);
    const QString fileName = FileChooser::saveFileName(tr("Save As"), proposedName,
                                                       tr("Text files (*.txt);;All Files (*)"));
    if (fileName.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    writeCampaignTextFile(openCampaign, fileName); // reports a file it cannot create
    QApplication::restoreOverrideCursor();
}

void MainWindow::importTexts() {
    QString folder = lastFolderSetting();
    if (folder.isEmpty()) {
        folder = gamePath(QStringLiteral("Maps"));
        if (!QFileInfo(folder).isDir())
            folder = gameFolder();
    }
    const QString fileName =
        FileChooser::openFileName(tr("Open"), folder, tr("Text files (*.txt);;All Files (*)"));
    if (fileName.isEmpty())
        return;
    storeLastFolder(fileName);
    CmpCampaign imported = openCampaign;
    if (readCampaignTextFile(imported, fileName)) // reports a file that does not fit
        changeCampaign(std::move(imported), tr("Import Texts"));
}

void MainWindow::openConvertCampaign() {
    CmpCampaign converted = openCampaign;
    {
        ConvertCampaign dialog(converted, this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        if (dialog.convert())
            changeCampaign(std::move(converted), tr("Convert Campaign"));
    }
    showChangedCampaignMap();
}

void MainWindow::about() {
    AboutVadOz box(this);
    box.exec();
}

void MainWindow::changeCampaign(CmpCampaign changed, const QString &stepName) {
    if (sameSavedCampaign(openCampaign, changed, gameCatalogue()))
        return;
    steps->push(new CampaignStep(stepName, openCampaign, std::move(changed),
                                 [this](const CmpCampaign &campaign) { showCampaign(campaign); }));
}

// The map is built anew only when the campaign map or background changed; otherwise the
// region items take the scenarios' colours and map states, and the selection stays.
void MainWindow::showCampaign(const CmpCampaign &campaign) {
    const bool sameMap = campaign.withMap == openCampaign.withMap &&
                         campaign.campaignMap == openCampaign.campaignMap &&
                         (campaign.withMap || campaign.background == openCampaign.background);
    openCampaign = campaign;
    if (sameMap)
        updateRegionItems(openCampaign);
    else
        showChangedCampaignMap();
    showSelectedRegionName();
}

QString MainWindow::scenarioMapsFolder() const {
    return currentFilePath.isEmpty() ? QDir::currentPath()
                                     : QFileInfo(currentFilePath).absolutePath();
}

void MainWindow::exportMaps() {
    const QString folder = scenarioMapsFolder();
    for (const CmpScenario &scenario : openCampaign.scenarios) {
        const QString path = scenarioMapPath(folder, scenario);
        if (path.isEmpty())
            continue;
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(scenario.mapData); // failures are skipped without a message
    }
}

// Re-imports every scenario's map from the campaign's folder. A missing file ends the command
// quietly, a refused one with its message; the maps refreshed before stay, and like any other
// change they are one step that marks the campaign.
void MainWindow::refreshMaps() {
    const QString folder = scenarioMapsFolder();
    CmpCampaign refreshed = openCampaign;
    for (CmpScenario &scenario : refreshed.scenarios) {
        const QString path = scenarioMapPath(folder, scenario);
        if (path.isEmpty())
            continue;
        QFile file(path);
        if (!isRegularFile(path))
            break;
        file.open(QIODevice::ReadOnly);
        // A map whose bytes did not change keeps the bytes it had, which the undo history
        // shares with the campaign instead of holding a second copy.
        CmpScenario imported = scenario;
        const int result = importMap(imported, file);
        if (result >= 1) {
            if (imported.mapData != scenario.mapData)
                scenario = imported;
            continue;
        }
        if (result == 0)
            Messages::warning(tr("Error"),
                              tr("Cannot read file %1:\n%2.").arg(path, file.errorString()));
        else
            Messages::warning(tr("Error"), mapErrorMessage(result, path));
        break;
    }
    changeCampaign(std::move(refreshed), tr("Refresh Scenario Maps"));
}

void MainWindow::setTooltipToHintBar() {
    if (auto *action = qobject_cast<QAction *>(sender()))
        hintLabel->setText(action->toolTip());
}

void MainWindow::resizeEvent(QResizeEvent *event) {
    QMainWindow::resizeEvent(event);
    const QSize mapSize(mapViewLength(fullMapSize.width(), width(), initialWindowSize.width()),
                        mapViewLength(fullMapSize.height(), height(), initialWindowSize.height()));
    ui->stackedWidget->resize(mapSize);
    mapView->resize(mapSize);
    const bool fullSize =
        width() >= initialWindowSize.width() && height() >= initialWindowSize.height();
    const Qt::ScrollBarPolicy policy = fullSize ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded;
    mapView->setHorizontalScrollBarPolicy(policy);
    mapView->setVerticalScrollBarPolicy(policy);
}

void MainWindow::changeEvent(QEvent *event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && windowState() == Qt::WindowNoState)
        resize(initialWindowSize);
}
