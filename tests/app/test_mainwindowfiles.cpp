#include "app/editorresources.h"
#include "campaign/campaigncheck.h"
#include "campaign/campaigncompare.h"
#include "campaign/campaignfile.h"
#include "campaign/campaigntexts.h"
#include "campaign/editorvalues.h"
#include "gamedata/gamefolder.h"
#include "gamedata/lodarchiveset.h"
#include "gamedata/settingsfile.h"
#include "mainwindowfixture.h"
#include "messagerecorder.h"
#include "widgetlookup.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <QtTest>

#include <algorithm>
#include <functional>

namespace {

const QString titleEnd = QStringLiteral(" - Veldmark: Tarq Campaign Editor");
const QString textFilter = QStringLiteral("Text files (*.txt);;All Files (*)");

const QString upgradeQuestion = QStringLiteral(
    "Campaign version will be updated and it will be impossible to open the campaign in older "
    "versions of Tarq campaign editor. Do you really want to save the campaign?");

QAction *action(MainWindow &window, const char *name) {
    return window.findChild<QAction *>(QLatin1String(name));
}

} // namespace

// The file, text and conversion commands of the main window on the demo game's sample
// campaigns, driven by the real actions and dialogs.
class TestMainWindowFiles : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void openAndSave();
    void versionQuestion();
    void yesInSaveQuestionAsksNoSecondTime();
    void unwritableFile();
    void failedLoadKeepsCampaign_data();
    void failedLoadKeepsCampaign();
    void recentFiles();
    void exportWritesEachMap();
    void refreshStopsAtMissingMap();
    void refreshReimportsMaps();
    void refreshStopsAtRefusedMap();
    void droppedCampaignOpens();
    void editorOpensCommandLineCampaign();
    void exportThenImport();
    void refusedImportChangesNothing();
    void convertThroughTheDialog();
    void convertBackWithTheWarning();
    void undoAndRedoEachCommand_data();
    void undoAndRedoEachCommand();
    void campaignCheck();

private:
    // A copy of a sample campaign in the test's own folder.
    QString sample(const QString &name, const QString &copyName = QString());

    QTemporaryDir demo;
    QString samples;
    QScopedPointer<QTemporaryDir> work;
};

void TestMainWindowFiles::initTestCase() {
    registerEditorResources();
    samples = sampleCampaignFolder(demo);
    setGameFolder(demo.path());
    loadLodArchives(); // the pictures Scenario Properties shows
    setGameCatalogue(mainWindowCatalogue(demo.path()));
}

void TestMainWindowFiles::init() {
    work.reset(new QTemporaryDir);
    useSettingsFolder(work->filePath(QStringLiteral("settings")));
    storeRecentFiles({});
    campaignFileVersion = editorVersion;
    sharedSettings() = SettingsFile();
}

QString TestMainWindowFiles::sample(const QString &name, const QString &copyName) {
    const QString copy = work->filePath(copyName.isEmpty() ? name : copyName);
    QFile::remove(copy);
    if (!QFile::copy(samples + QLatin1Char('/') + name, copy))
        qFatal("cannot copy %s", qPrintable(name));
    return copy;
}

void TestMainWindowFiles::openAndSave() {
    FileChooserRecorder files;
    MainWindow window;
    MessageRecorder recorder;
    const QString chain = sample(QStringLiteral("Chain.y6c"));
    const QByteArray original = readWholeFile(chain);
    window.loadFile(chain);
    QCOMPARE(recorder.lines(), QStringList());
    QCOMPARE(window.currentFile(), chain);
    QCOMPARE(window.windowTitle(), QStringLiteral("Chain.y6c") + titleEnd);
    QCOMPARE(window.campaign().name, QStringLiteral("The Long Road"));
    QCOMPARE(window.campaign().scenarios.size(), 4);
    QVERIFY(window.findChild<QLabel *>(QStringLiteral("regionLabel"))->text().isEmpty());
    QCOMPARE(storedRecentFiles(), QStringList{chain});

    // Save writes the same campaign data and the same embedded maps back.
    window.save();
    QCOMPARE(recorder.lines(), QStringList());
    QVERIFY(files.requests.isEmpty());
    const CampaignFileParts before = splitCampaignFile(original);
    const CampaignFileParts after = splitCampaignFile(readWholeFile(chain));
    QCOMPARE(after.content, before.content);
    QCOMPARE(after.maps, before.maps);

    // Save As proposes the base name in the last folder and takes the new name.
    sharedSettings().setText("Campaign Editor", "Path", work->path().toUtf8());
    const QString copy = work->filePath(QStringLiteral("copy.y6c"));
    files.answers = QStringList{copy};
    markChanged(window);
    QCOMPARE(window.windowTitle(), QStringLiteral("Chain.y6c*") + titleEnd);
    window.saveAs();
    QCOMPARE(files.requests.last().folder, work->filePath(QStringLiteral("Chain")));
    QCOMPARE(window.currentFile(), copy);
    QVERIFY(!window.isModified());
    QCOMPARE(window.windowTitle(), QStringLiteral("copy.y6c") + titleEnd);
    QCOMPARE(storedRecentFiles(), QStringList({copy, chain}));
    QCOMPARE(splitCampaignFile(readWholeFile(copy)).content, before.content);

    // New asks about unsaved changes first; with the dialog's first choice it gives the untitled,
    // unchanged empty campaign on campaign map 24.
    markChanged(window);
    recorder.queueAnswer(Messages::No);
    whenShown<QWidget>("newcampaign", [](QWidget *dialog) {
        QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);
    });
    window.newFile();
    QCOMPARE(window.currentFile(), QString());
    QCOMPARE(window.windowTitle(), QStringLiteral("Untitled.y6c") + titleEnd);
    QVERIFY(window.campaign().withMap);
    QCOMPARE(window.campaign().scenarios.size(), 6);
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("regionLabel"))->text(),
             QStringLiteral("Region 0"));
    QVERIFY(!window.isModified());
    QCOMPARE(recorder.lines().last(),
             QStringLiteral("warning|Veldmark: Tarq Campaign Editor|Save changes to copy?"));

    // Close asks the same and leaves the empty untitled campaign.
    window.loadFile(copy);
    markChanged(window);
    recorder.queueAnswer(Messages::No);
    action(window, "actionClose")->trigger();
    QCOMPARE(recorder.lines().last(),
             QStringLiteral("warning|Veldmark: Tarq Campaign Editor|Save changes to copy?"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Untitled.y6c") + titleEnd);
    QVERIFY(!window.isModified());
}

void TestMainWindowFiles::versionQuestion() {
    MainWindow window;
    MessageRecorder recorder;
    const QString old = sample(QStringLiteral("Format10Sub0.y6c"));
    window.loadFile(old);
    QCOMPARE(window.currentFile(), old);
    QCOMPARE(campaignFileVersion, CmpVersion{});
    const QByteArray original = readWholeFile(old);

    markChanged(window);
    recorder.queueAnswer(Messages::No);
    window.save();
    QCOMPARE(recorder.messages.size(), 1);
    QCOMPARE(recorder.messages[0].kind, Messages::Kind::Question);
    QCOMPARE(recorder.messages[0].title, QStringLiteral("Veldmark: Tarq Campaign Editor"));
    QCOMPARE(recorder.messages[0].text, upgradeQuestion);
    QCOMPARE(recorder.messages[0].buttons, Messages::Buttons(Messages::Yes | Messages::No));
    QCOMPARE(readWholeFile(old), original); // declined: nothing written
    QVERIFY(window.isModified());
    QCOMPARE(window.windowTitle(), QStringLiteral("Format10Sub0.y6c*") + titleEnd);

    recorder.clear();
    recorder.queueAnswer(Messages::Yes);
    window.save();
    QCOMPARE(recorder.messages.size(), 1);
    QCOMPARE(campaignFileVersion, editorVersion);
    QVERIFY(!window.isModified());
    QCOMPARE(window.windowTitle(), QStringLiteral("Format10Sub0.y6c") + titleEnd);
    // Now format 10, subversion 2.
    QCOMPARE(splitCampaignFile(readWholeFile(old)).content.left(8),
             QByteArray("\x0a\x00\x00\x00\x02\x00\x00\x00", 8));

    recorder.clear();
    window.save(); // the campaign is of this version now
    QVERIFY(recorder.messages.isEmpty());
}

void TestMainWindowFiles::yesInSaveQuestionAsksNoSecondTime() {
    MainWindow window;
    MessageRecorder recorder;
    const QString old = sample(QStringLiteral("Format10Sub1.y6c"));
    const QString chain = sample(QStringLiteral("Chain.y6c"));
    window.loadFile(old);
    markChanged(window);
    recorder.queueAnswer(Messages::Yes);
    window.loadFile(chain); // asks to save the old-version campaign first
    QCOMPARE(recorder.messages.size(), 1);
    QCOMPARE(recorder.messages[0].kind, Messages::Kind::Warning);
    QCOMPARE(recorder.messages[0].text,
             QStringLiteral("Campaign version will be updated and it will be impossible to open "
                            "the campaign in older versions of Tarq campaign editor. Do you "
                            "really want to save the Format10Sub1?"));
    QCOMPARE(splitCampaignFile(readWholeFile(old)).content.mid(4, 4),
             QByteArray("\x02\x00\x00\x00", 4)); // saved without a second question
    QCOMPARE(window.currentFile(), chain);
    QVERIFY(!window.isModified());

    // The next save of a loaded old campaign asks again: the skip was used up.
    window.loadFile(sample(QStringLiteral("Format10Sub0.y6c")));
    recorder.clear();
    recorder.queueAnswer(Messages::No);
    window.save();
    QCOMPARE(recorder.messages.size(), 1);
    QCOMPARE(recorder.messages[0].text, upgradeQuestion);
}

void TestMainWindowFiles::unwritableFile() {
    FileChooserRecorder files;
    MainWindow window;
    MessageRecorder recorder;
    const QString chain = sample(QStringLiteral("Chain.y6c"));
    window.loadFile(chain);
    markChanged(window);
    const QString unwritable = work->filePath(QStringLiteral("no/such/folder/x.y6c"));
    files.answers = QStringList{unwritable};
    window.saveAs();
    QCOMPARE(recorder.messages.size(), 1);
    QCOMPARE(recorder.messages[0].kind, Messages::Kind::Warning);
    QCOMPARE(recorder.messages[0].title, QStringLiteral("Error"));
    QVERIFY(recorder.messages[0].text.startsWith(
        QStringLiteral("Cannot write file %1:\n").arg(unwritable)));
    QCOMPARE(window.currentFile(), chain);
    QVERIFY(window.isModified());
    QCOMPARE(window.windowTitle(), QStringLiteral("Chain.y6c*") + titleEnd);
    QCOMPARE(storedRecentFiles(), QStringList{chain});
}

void TestMainWindowFiles::failedLoadKeepsCampaign_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown version") << QByteArray("\x63\x00\x00\x00", 4)
                                     << QStringLiteral("critical|Error|Invalid campaign file "
                                                       "version!\\n\\nFile version = "
                                                       "99\\nCurrent version = 10");
    QTest::newRow("cut short") << QByteArray("\x0a\x00", 2) << QString();
    QTest::newRow("empty") << QByteArray() << QString();
}

void TestMainWindowFiles::failedLoadKeepsCampaign() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    MainWindow window;
    MessageRecorder recorder;
    const QString chain = sample(QStringLiteral("Chain.y6c"));
    window.loadFile(chain);
    markChanged(window);
    const QString bad = work->filePath(QStringLiteral("bad.y6c"));
    writeWholeFile(bad, bytes);
    recorder.queueAnswer(Messages::No); // do not save the changes first
    window.loadFile(bad);
    QCOMPARE(recorder.messages.size(), message.isEmpty() ? 1 : 2);
    if (!message.isEmpty())
        QCOMPARE(recorder.lines().last(), message);
    QCOMPARE(window.currentFile(), chain);
    QCOMPARE(window.campaign().name, QStringLiteral("The Long Road"));
    QVERIFY(window.isModified());
    QCOMPARE(window.windowTitle(), QStringLiteral("Chain.y6c*") + titleEnd);
    QCOMPARE(storedRecentFiles(), QStringList{chain});
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void TestMainWindowFiles::recentFiles() {
    MainWindow window;
    MainWindow other;
    MessageRecorder recorder;
    QStringList files;
    for (int i = 1; i <= 6; ++i)
        files.append(sample(QStringLiteral("Chain.y6c"), QStringLiteral("c%1.y6c").arg(i)));
    for (const QString &file : files)
        window.loadFile(file);
    QCOMPARE(recorder.lines(), QStringList());
    QCOMPARE(storedRecentFiles(), QStringList({files[5], files[4], files[3], files[2], files[1]}));

    window.loadFile(files[3]);
    QCOMPARE(storedRecentFiles(), QStringList({files[3], files[5], files[4], files[2], files[1]}));

    const auto entries = [](MainWindow &shown) {
        QStringList texts;
        for (QAction *action : shown.findChild<QMenu *>(QStringLiteral("menuFile"))->actions())
            if (action->isVisible() && action->data().isValid())
                texts.append(action->text());
        return texts;
    };
    // Both windows show the list, most recent first.
    const QStringList shown{"&1 c4.y6c", "&2 c6.y6c", "&3 c5.y6c", "&4 c3.y6c", "&5 c2.y6c"};
    QCOMPARE(entries(window), shown);
    QCOMPARE(entries(other), shown);
    // Two entries of the same name show their folders.
    QVERIFY(QDir(work->path()).mkdir(QStringLiteral("sub")));
    window.loadFile(sample(QStringLiteral("Chain.y6c"), QStringLiteral("sub/c4.y6c")));
    QCOMPARE(
        entries(window).mid(0, 3),
        QStringList({"&1 c4.y6c (" + QDir::toNativeSeparators(work->filePath("sub")) + ")",
                     "&2 c4.y6c (" + QDir::toNativeSeparators(work->path()) + ")", "&3 c6.y6c"}));
}

void TestMainWindowFiles::exportWritesEachMap() {
    MainWindow window;
    MessageRecorder recorder;
    const QString chain = sample(QStringLiteral("Chain.y6c"));
    window.loadFile(chain);
    int exported = 0;
    window.exportMaps();
    QByteArray allMaps;
    for (const CmpScenario &scenario : window.campaign().scenarios) {
        if (scenario.mapName.isEmpty())
            continue;
        ++exported;
        const QByteArray written = readWholeFile(work->filePath(scenario.mapName));
        QCOMPARE(written.size(), int(scenario.mapSize));
        QCOMPARE(written, scenario.mapData);
        allMaps += written;
    }
    QCOMPARE(exported, 3);
    // Together the exported files are exactly the maps embedded in the campaign file.
    QCOMPARE(allMaps, splitCampaignFile(readWholeFile(chain)).maps);
    QVERIFY(!window.isModified());
    QCOMPARE(window.windowTitle(), QStringLiteral("Chain.y6c") + titleEnd);
    QCOMPARE(recorder.lines(), QStringList());
}

void TestMainWindowFiles::refreshStopsAtMissingMap() {
    MainWindow window;
    MessageRecorder recorder;
    window.loadFile(sample(QStringLiteral("Chain.y6c")));
    const QByteArray before = CampaignFile::campaignData(window.campaign(), gameCatalogue());
    window.refreshMaps(); // no map files next to the campaign
    QCOMPARE(recorder.lines(), QStringList());
    QVERIFY(!window.isModified());
    QCOMPARE(window.windowTitle(), QStringLiteral("Chain.y6c") + titleEnd);
    QCOMPARE(CampaignFile::campaignData(window.campaign(), gameCatalogue()), before);
}

void TestMainWindowFiles::refreshReimportsMaps() {
    MainWindow window;
    MessageRecorder recorder;
    window.loadFile(sample(QStringLiteral("Chain.y6c")));
    const CmpCampaign loaded = window.campaign();
    window.exportMaps();
    window.refreshMaps();
    QCOMPARE(recorder.lines(), QStringList());
    QVERIFY(!window.isModified()); // the same maps again change nothing
    QCOMPARE(window.windowTitle(), QStringLiteral("Chain.y6c") + titleEnd);
    for (int i = 0; i < loaded.scenarios.size(); ++i) {
        QCOMPARE(window.campaign().scenarios[i].mapData, loaded.scenarios[i].mapData);
        QCOMPARE(window.campaign().scenarios[i].hasMap(), loaded.scenarios[i].hasMap());
    }
}

void TestMainWindowFiles::refreshStopsAtRefusedMap() {
    MainWindow window;
    MessageRecorder recorder;
    window.loadFile(sample(QStringLiteral("Chain.y6c")));
    window.exportMaps();
    QString damaged;
    for (const CmpScenario &scenario : window.campaign().scenarios)
        if (!scenario.mapName.isEmpty())
            damaged = work->filePath(scenario.mapName); // the last map
    writeWholeFile(damaged, QByteArray("not a map at all"));
    window.refreshMaps();
    QCOMPARE(recorder.messages.size(), 1);
    QCOMPARE(recorder.messages[0].title, QStringLiteral("Error"));
    QVERIFY(!window.isModified());
    QCOMPARE(window.windowTitle(), QStringLiteral("Chain.y6c") + titleEnd);
}

void TestMainWindowFiles::droppedCampaignOpens() {
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    MessageRecorder recorder;
    const QString chain = sample(QStringLiteral("Chain.y6c"));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(chain), QUrl::fromLocalFile(QStringLiteral("/other"))});
    QDragEnterEvent enter(QPoint(20, 80), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter); // a drop reaches the widget that took the drag
    QDropEvent drop(QPointF(20, 80), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    QCOMPARE(recorder.lines(), QStringList());
    QCOMPARE(window.currentFile(), chain);
    QCOMPARE(window.campaign().name, QStringLiteral("The Long Road"));
}

// The whole program: the campaign named on the command line is opened, and so lands at the top
// of the recent-file list of the per-user settings store. Its map is drawn without a word on
// standard error: traces stay off unless QT_LOGGING_RULES turns them on.
void TestMainWindowFiles::editorOpensCommandLineCampaign() {
    const QString marches = sample(QStringLiteral("Marches.y6c"));
    const QString config = work->filePath(QStringLiteral("config"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
    const ProcessResult result = runEditor({QStringLiteral("--game"), demo.path(), marches});
    qunsetenv("XDG_CONFIG_HOME");
    QVERIFY(!result.crashed);
    QCOMPARE(result.exitCode, 0);
    // Only the test machine's own complaints remain: the offscreen screen cannot size windows
    // and a headless session may lack a runtime folder.
    QStringList errors;
    for (const QString &line : QString::fromUtf8(result.standardError).split('\n'))
        if (!line.isEmpty() && line != "This plugin does not support propagateSizeHints()" &&
            !line.startsWith("QStandardPaths: "))
            errors << line;
    QCOMPARE(errors, QStringList());
    const QSettings stored(config + QStringLiteral("/vadoz_info.conf"), QSettings::IniFormat);
    QCOMPARE(stored.value(QStringLiteral("recentFileList")).toStringList(), QStringList{marches});
}

void TestMainWindowFiles::exportThenImport() {
    FileChooserRecorder files;
    MainWindow window;
    MessageRecorder recorder;
    const QString marches = sample(QStringLiteral("Marches.y6c"));
    window.loadFile(marches);
    const QString text = work->filePath(QStringLiteral("texts.txt"));

    // Export: the base name alone is proposed, and the folder setting stays untouched.
    files.answers = QStringList{text};
    action(window, "actionExport_Texts")->trigger();
    QCOMPARE(files.requests.last().caption, QStringLiteral("Save As"));
    QCOMPARE(files.requests.last().folder, QStringLiteral("Marches"));
    QCOMPARE(files.requests.last().filter, textFilter);
    QCOMPARE(readWholeFile(text), exportCampaignTexts(window.campaign()));
    QVERIFY(sharedSettings().getText("Campaign Editor", "Path").isEmpty());
    QVERIFY(!window.isModified());
    QCOMPARE(window.windowTitle(), QStringLiteral("Marches.y6c") + titleEnd);

    // Import of the edited file: the folder offered is Maps of the game; the chosen file's
    // folder is stored; the texts change and the campaign is marked modified.
    QByteArray edited = readWholeFile(text);
    edited.replace("The fens are ours.", "Die S\xfcmpfe\tsind unser.");
    writeWholeFile(text, edited);
    files.answers = QStringList{text};
    action(window, "actionImport_Texts")->trigger();
    QCOMPARE(files.requests.last().caption, QStringLiteral("Open"));
    QCOMPARE(files.requests.last().folder, gamePath(QStringLiteral("Maps")));
    QCOMPARE(files.requests.last().filter, textFilter);
    QCOMPARE(QString::fromUtf8(sharedSettings().getText("Campaign Editor", "Path")), work->path());
    QCOMPARE(recorder.lines(), QStringList());
    QCOMPARE(window.campaign().scenarios[0].epilogues[0]->text,
             QStringLiteral("Die S\u00fcmpfe\nsind unser."));
    QVERIFY(window.isModified());
    QCOMPARE(window.windowTitle(), QStringLiteral("Marches.y6c*") + titleEnd);
}

void TestMainWindowFiles::refusedImportChangesNothing() {
    FileChooserRecorder files;
    MainWindow window;
    MessageRecorder recorder;
    window.loadFile(sample(QStringLiteral("Marches.y6c")));
    const QByteArray before = exportCampaignTexts(window.campaign());
    const QString text = work->filePath(QStringLiteral("other.txt"));
    QByteArray file = before;
    file.replace("The Marches", "Changed");
    file.replace("Homeward.\r\n\r\n", ""); // the last page of the second block is missing
    writeWholeFile(text, file);

    sharedSettings().setText("Campaign Editor", "Path", "/some/folder");
    files.answers = QStringList{text};
    window.importTexts();
    QCOMPARE(files.requests.last().folder, QStringLiteral("/some/folder"));
    QCOMPARE(recorder.lines(),
             QStringList{QStringLiteral("warning|Error|Cannot read file %1 - incorrect "
                                        "campaign text:\\nUnknown error.\\nline 41: expected "
                                        "\"Brannock Hills \u2014 Region 2\"")
                             .arg(text)});
    QCOMPARE(exportCampaignTexts(window.campaign()), before);
    QVERIFY(!window.isModified());

    // A file that cannot be opened: its own message, and the folder is stored already.
    recorder.clear();
    const QString missing = work->filePath(QStringLiteral("sub/missing.txt"));
    files.answers = QStringList{missing};
    window.importTexts();
    QCOMPARE(recorder.lines().size(), 1);
    QVERIFY(recorder.lines()[0].startsWith(
        QStringLiteral("warning|Error|Cannot read file %1:\\n").arg(missing)));
    QCOMPARE(QString::fromUtf8(sharedSettings().getText("Campaign Editor", "Path")),
             work->filePath(QStringLiteral("sub")));

    // Cancelling asks nothing further and keeps the setting.
    recorder.clear();
    window.importTexts();
    window.exportTexts();
    QCOMPARE(recorder.lines(), QStringList());
    QCOMPARE(QString::fromUtf8(sharedSettings().getText("Campaign Editor", "Path")),
             work->filePath(QStringLiteral("sub")));

    // An untitled campaign proposes "Untitled"; a file that cannot be created is reported.
    whenShown<QDialog>("newcampaign", [](QDialog *dialog) { dialog->accept(); });
    window.newFile();
    const QString unwritable = work->filePath(QStringLiteral("no/such/folder/x.txt"));
    files.answers = QStringList{unwritable};
    window.exportTexts();
    QCOMPARE(files.requests.last().folder, QStringLiteral("Untitled"));
    QCOMPARE(recorder.lines().size(), 1);
    QVERIFY(recorder.lines()[0].startsWith(
        QStringLiteral("warning|Error|Cannot write file %1:\\n").arg(unwritable)));
}

void TestMainWindowFiles::convertThroughTheDialog() {
    MainWindow window;
    MessageRecorder recorder;
    window.loadFile(sample(QStringLiteral("Marches.y6c")));
    selectedRegion = 3;
    window.shownRegion = 3;

    recorder.queueAnswer(Messages::Yes);
    QStringList offered;
    whenShown<QDialog>("ConvertCampaign", [&offered](QDialog *dialog) {
        QCOMPARE(dialog->findChild<QLabel *>("convertLabel")->text(),
                 QStringLiteral("Convert to campaign without map"));
        QCOMPARE(dialog->findChild<QLabel *>("bgLabel")->text(), QStringLiteral("Background"));
        QCOMPARE(dialog->findChild<QLabel *>("scCountLabel")->text(), QStringLiteral("5"));
        QVERIFY(dialog->findChild<QLabel *>("regCountLabel")->isHidden());
        auto *list = dialog->findChild<QListWidget *>("listWidget");
        for (int row = 0; row < list->count(); ++row)
            offered << list->item(row)->data(Qt::UserRole).toString();
        QCOMPARE(list->currentRow(), 0);
        list->setCurrentRow(1);
        QTest::mouseClick(
            dialog->findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Ok),
            Qt::LeftButton);
    });
    action(window, "actionConvertCmp")->trigger();
    QCOMPARE(offered, [] {
        QStringList all;
        for (int index : gameCatalogue().campaignBackgrounds.keys())
            all << QString::number(index);
        return all;
    }());
    QCOMPARE(recorder.lines(),
             QStringList{"question|Save changes|Do you really want to convert the campaign "
                         "to different type?"});
    QVERIFY(!window.campaign().withMap);
    QCOMPARE(window.campaign().background, offered.value(1).toInt());
    QCOMPARE(window.campaign().scenarios.size(), 5);
    QVERIFY(window.isModified());
    QCOMPARE(window.windowTitle(), QStringLiteral("Marches.y6c*") + titleEnd);
    QCOMPARE(window.shownCampaignMap, 0);
    QCOMPARE(window.shownRegion, 0);
    QCOMPARE(currentCampaignMap, 0);
    QCOMPARE(selectedRegion, 0);
    QVERIFY(window.findChild<QLabel *>("regionLabel")->text().isEmpty());
}

void TestMainWindowFiles::convertBackWithTheWarning() {
    // A campaign map of two regions, fewer than the three scenarios with maps of Chain.
    GameCatalogue catalogue = mainWindowCatalogue(demo.path());
    catalogue.campaignMaps[2] = catalogue.campaignMaps[24];
    catalogue.campaignMaps[2].regionCount = 2;
    catalogue.campaignMaps[2].regions = catalogue.campaignMaps[24].regions.mid(0, 2);
    setGameCatalogue(catalogue);
    MainWindow window;
    MessageRecorder recorder;
    window.loadFile(sample(QStringLiteral("Chain.y6c")));

    // Left at its default, No: nothing changes.
    QStringList offered;
    whenShown<QDialog>("ConvertCampaign", [&offered](QDialog *dialog) {
        QCOMPARE(dialog->findChild<QLabel *>("convertLabel")->text(),
                 QStringLiteral("Convert to campaign with map"));
        QCOMPARE(dialog->findChild<QLabel *>("bgLabel")->text(), QStringLiteral("Map"));
        QCOMPARE(dialog->findChild<QLabel *>("scCountLabel")->text(), QStringLiteral("3"));
        auto *list = dialog->findChild<QListWidget *>("listWidget");
        auto *regions = dialog->findChild<QLabel *>("regCountLabel");
        auto *warning = dialog->findChild<QLabel *>("warningLabel");
        for (int row = 0; row < list->count(); ++row)
            offered << list->item(row)->data(Qt::UserRole).toString();
        QCOMPARE(regions->text(), QStringLiteral("6"));
        QVERIFY(warning->text().isEmpty());
        list->setCurrentRow(offered.indexOf(QStringLiteral("26")));
        QCOMPARE(regions->text(), QStringLiteral("3"));
        QVERIFY(warning->text().isEmpty());
        list->setCurrentRow(offered.indexOf(QStringLiteral("2")));
        QCOMPARE(regions->text(), QStringLiteral("2"));
        QCOMPARE(warning->text(), QStringLiteral("Some scenarios will be deleted!"));
        dialog->accept();
    });
    window.openConvertCampaign();
    QCOMPARE(offered, (QStringList{"24", "2", "3", "25", "26"}));
    QCOMPARE(recorder.lines(),
             QStringList{"question|Save changes|Do you really want to convert the campaign "
                         "to different type? Some scenarios will be deleted!"});
    QCOMPARE(recorder.messages[0].defaultButton, Messages::No);
    QVERIFY(!window.campaign().withMap);
    QCOMPARE(window.campaign().scenarios.size(), 4);
    QVERIFY(!window.isModified());

    // Cancelled: no question at all.
    recorder.clear();
    whenShown<QDialog>("ConvertCampaign", [](QDialog *dialog) { dialog->reject(); });
    window.openConvertCampaign();
    QCOMPARE(recorder.lines(), QStringList());
    QVERIFY(!window.campaign().withMap);

    // Yes: the map of twelve regions gets the chain and nine empty scenarios.
    recorder.queueAnswer(Messages::Yes);
    whenShown<QDialog>("ConvertCampaign", [](QDialog *dialog) {
        dialog->findChild<QListWidget *>("listWidget")->setCurrentRow(3);
        dialog->accept();
    });
    window.openConvertCampaign();
    QVERIFY(window.campaign().withMap);
    QCOMPARE(int(window.campaign().campaignMap), 25);
    QCOMPARE(window.campaign().scenarios.size(), 12);
    QVERIFY(window.campaign().scenarios[2].prerequisites.testBit(1));
    QCOMPARE(window.shownCampaignMap, 25);
    QCOMPARE(currentCampaignMap, 25);
    QVERIFY(window.isModified());
    setGameCatalogue(mainWindowCatalogue(demo.path()));
}

void TestMainWindowFiles::undoAndRedoEachCommand_data() {
    QTest::addColumn<QString>("command");
    for (const char *command : {"Campaign Properties", "Scenario Properties", "Convert Campaign",
                                "Import Texts", "Refresh Scenario Maps"})
        QTest::newRow(command) << QString::fromLatin1(command);
}

// Each command is one step: undone it gives back the campaign before it and the saved state,
// redone the campaign after it; saving makes the state after it the clean one.
void TestMainWindowFiles::undoAndRedoEachCommand() {
    QFETCH(QString, command);
    FileChooserRecorder files;
    MainWindow window;
    MessageRecorder recorder;
    const QString chain = sample(QStringLiteral("Chain.y6c"));
    window.loadFile(chain);
    const CmpCampaign before = window.campaign();
    const auto clickOk = [](QWidget *dialog) {
        widget<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok)->click();
    };
    if (command == QLatin1String("Campaign Properties")) {
        whenShown<QWidget>("EditCampaign", [clickOk](QWidget *dialog) {
            widget<QLineEdit>(dialog, "nameEdit")->setText(QStringLiteral("Renamed"));
            clickOk(dialog);
        });
        action(window, "campaignProperties")->trigger();
    } else if (command == QLatin1String("Scenario Properties")) {
        whenShown<QWidget>("ScenarioInfo", [clickOk](QWidget *dialog) {
            widget<QComboBox>(dialog, "difficultyCombobox")->setCurrentIndex(4);
            clickOk(dialog);
        });
        action(window, "scenarioProperties")->trigger();
    } else if (command == QLatin1String("Convert Campaign")) {
        recorder.queueAnswer(Messages::Yes);
        whenShown<QDialog>("ConvertCampaign", [](QDialog *dialog) { dialog->accept(); });
        action(window, "actionConvertCmp")->trigger();
    } else if (command == QLatin1String("Import Texts")) {
        const QString text = work->filePath(QStringLiteral("texts.txt"));
        writeWholeFile(text, exportCampaignTexts(before).replace("The Long Road", "Short Road"));
        files.answers = QStringList{text};
        action(window, "actionImport_Texts")->trigger();
    } else {
        window.exportMaps();
        const CmpScenario &first = *std::find_if(before.scenarios.begin(), before.scenarios.end(),
                                                 [](const CmpScenario &s) { return s.hasMap(); });
        const QString other = demo.filePath(QStringLiteral("Maps/TarqCrossing.y6m"));
        QVERIFY(readWholeFile(other) != first.mapData);
        writeWholeFile(work->filePath(first.mapName), readWholeFile(other));
        action(window, "actionRefresh_Scenario_Maps")->trigger();
    }
    QCOMPARE(recorder.lines().filter(QStringLiteral("|Error|")), QStringList());
    const CmpCampaign after = window.campaign();
    QVERIFY(!sameSavedCampaign(before, after, gameCatalogue()));
    // The step shares the maps it did not change instead of copying them.
    for (int i = 0; i < qMin(before.scenarios.size(), after.scenarios.size()); ++i)
        if (before.scenarios[i].mapData == after.scenarios[i].mapData)
            QVERIFY(after.scenarios[i].mapData.isSharedWith(before.scenarios[i].mapData));

    QAction *undo = action(window, "actionUndo");
    QAction *redo = action(window, "actionRedo");
    const QString marked = QStringLiteral("Chain.y6c*") + titleEnd;
    const QString clean = QStringLiteral("Chain.y6c") + titleEnd;
    QCOMPARE(undo->text(), QStringLiteral("Undo ") + command);
    QVERIFY(undo->isEnabled() && !redo->isEnabled());
    QCOMPARE(window.windowTitle(), marked);
    undo->trigger();
    QVERIFY(sameSavedCampaign(window.campaign(), before, gameCatalogue()));
    QCOMPARE(window.windowTitle(), clean);
    QCOMPARE(redo->text(), QStringLiteral("Redo ") + command);
    QVERIFY(!undo->isEnabled() && redo->isEnabled());
    redo->trigger();
    QVERIFY(sameSavedCampaign(window.campaign(), after, gameCatalogue()));
    QCOMPARE(window.windowTitle(), marked);

    window.save();
    QCOMPARE(window.windowTitle(), clean);
    undo->trigger();
    QCOMPARE(window.windowTitle(), marked);
    redo->trigger();
    QCOMPARE(window.windowTitle(), clean);
}

// Saving a campaign with errors asks once, Yes by default. Check Campaign (F7) shows the findings
// of the open campaign beside the main window and follows it to another file; a double click
// opens Scenario Properties on the finding's scenario and tab.
void TestMainWindowFiles::campaignCheck() {
    FileChooserRecorder files;
    MainWindow window;
    MessageRecorder recorder;
    const int errors = errorCount(checkCampaign(window.campaign())); // no scenario has a map
    const QString question =
        QStringLiteral("question|Veldmark: Tarq Campaign Editor|The campaign has %1 errors. "
                       "Save anyway?")
            .arg(errors);
    const QString path = work->filePath(QStringLiteral("empty.y6c"));
    files.answers = QStringList{path};
    window.saveAs();
    recorder.queueAnswer(Messages::No);
    markChanged(window);
    window.save();
    QCOMPARE(recorder.lines(), (QStringList{question, question}));
    QVERIFY(QFile::exists(path) && window.isModified());

    QAction *check = action(window, "actionCheckCampaign");
    QCOMPARE(check->shortcut(), QKeySequence(Qt::Key_F7));
    check->trigger();
    auto *findings = widget<QDialog>(window, "FindingsWindow");
    QVERIFY(QTest::qWaitForWindowExposed(findings) && !findings->isModal());
    auto *list = widget<QTreeWidget>(findings, "findingsList");
    QVERIFY(list->topLevelItemCount() >= errors);
    window.history()->setClean();
    window.loadFile(sample(QStringLiteral("Marches.y6c")));
    // The same crossover source twice in scenario 3, a region without map.
    QCOMPARE(list->topLevelItemCount(), 2);
    QTreeWidgetItem *twice = list->topLevelItem(0);
    QVERIFY(!twice->icon(0).isNull() && twice->text(2).contains("offered more than once"));
    int row = -1, tab = -1;
    whenShown<QDialog>("ScenarioInfo", [&](QDialog *dialog) {
        row = widget<QListWidget>(dialog, "listWidget")->currentRow();
        tab = widget<QTabWidget>(dialog, "tabWidget")->currentIndex();
        dialog->reject();
    });
    // A double click as the system delivers it: a click, then the double click.
    const QPoint centre = list->visualItemRect(twice).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
    QCOMPARE(row, 3);
    QCOMPARE(tab, 4); // Starting Options
    QCOMPARE(recorder.lines().size(), 2);
}

QTEST_MAIN(TestMainWindowFiles)
#include "test_mainwindowfiles.moc"
