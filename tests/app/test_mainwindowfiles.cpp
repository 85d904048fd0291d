#include "app/editorresources.h"
#include "campaign/campaigncheck.h"
#include "campaign/campaigncompare.h"
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
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <algorithm>

namespace {

const QString titleEnd = QStringLiteral(" - Veldmark: Tarq Campaign Editor");
const QString textFilter = QStringLiteral("Text files (*.txt);;All Files (*)");

const QString upgradeQuestion = QStringLiteral(
    "Campaign version will be updated and it will be impossible to open the campaign in older "
    "versions of Tarq campaign editor. Do you really want to save the campaign?");

// What the conversion dialog's list offers: the background or campaign map of each row.
QStringList offeredChoices(QDialog *dialog) {
    QStringList offered;
    auto *list = widget<QListWidget>(dialog, "listWidget");
    for (int row = 0; row < list->count(); ++row)
        offered << list->item(row)->data(Qt::UserRole).toString();
    return offered;
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
    void refusalKeepsCampaign_data();
    void refusalKeepsCampaign();
    void recentFiles();
    void exportAndRefreshMaps();
    void editorOpensCommandLineCampaign();
    void exportAndImportTexts();
    void convertBothWays();
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
    QCOMPARE(recorder.lines().last(),
             QStringLiteral("warning|Veldmark: Tarq Campaign Editor|Save changes to copy?"));

    // Close asks the same and leaves the empty untitled campaign.
    window.loadFile(copy);
    markChanged(window);
    recorder.queueAnswer(Messages::No);
    widget<QAction>(window, "actionClose")->trigger();
    QCOMPARE(recorder.lines().last(),
             QStringLiteral("warning|Veldmark: Tarq Campaign Editor|Save changes to copy?"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Untitled.y6c") + titleEnd);
}

// A Yes in the save question of an old-version campaign saves it without the upgrade question,
// once: the next save of an old campaign asks again, and only that.
void TestMainWindowFiles::versionQuestion() {
    MainWindow window;
    MessageRecorder recorder;
    const QString sub1 = sample(QStringLiteral("Format10Sub1.y6c"));
    const QString old = sample(QStringLiteral("Format10Sub0.y6c"));
    window.loadFile(sub1);
    markChanged(window);
    recorder.queueAnswer(Messages::Yes);
    window.loadFile(old);
    QCOMPARE(recorder.lines(),
             QStringList{QStringLiteral("warning|Veldmark: Tarq Campaign Editor|Campaign version "
                                        "will be updated and it will be impossible to open the "
                                        "campaign in older versions of Tarq campaign editor. Do "
                                        "you really want to save the Format10Sub1?")});
    QCOMPARE(splitCampaignFile(readWholeFile(sub1)).content.mid(4, 4),
             QByteArray("\x02\x00\x00\x00", 4));
    QCOMPARE(window.currentFile(), old);
    QCOMPARE(campaignFileVersion, CmpVersion{});
    const QByteArray original = readWholeFile(old);

    markChanged(window);
    recorder.clear();
    recorder.queueAnswer(Messages::No);
    window.save();
    QCOMPARE(recorder.lines(),
             QStringList{"question|Veldmark: Tarq Campaign Editor|" + upgradeQuestion});
    QCOMPARE(recorder.messages[0].buttons, Messages::Buttons(Messages::Yes | Messages::No));
    QCOMPARE(readWholeFile(old), original); // declined: nothing written
    QCOMPARE(window.windowTitle(), QStringLiteral("Format10Sub0.y6c*") + titleEnd);

    recorder.clear();
    recorder.queueAnswer(Messages::Yes);
    window.save();
    QCOMPARE(recorder.messages.size(), 1);
    QCOMPARE(campaignFileVersion, editorVersion);
    QCOMPARE(window.windowTitle(), QStringLiteral("Format10Sub0.y6c") + titleEnd);
    // Now format 10, subversion 2.
    QCOMPARE(splitCampaignFile(readWholeFile(old)).content.left(8),
             QByteArray("\x0a\x00\x00\x00\x02\x00\x00\x00", 8));
    recorder.clear();
    window.save(); // the campaign is of this version now
    QVERIFY(recorder.messages.isEmpty());
}

void TestMainWindowFiles::refusalKeepsCampaign_data() {
    QTest::addColumn<QString>("file"); // loaded; saved as when it lies in a missing folder
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("messages");
    QTest::addColumn<QString>("last"); // the start of the last message
    const QString question = QStringLiteral("warning|Veldmark: Tarq Campaign Editor|Save changes "
                                            "to Chain?");
    QTest::newRow("unknown version") << "bad.y6c" << QByteArray("\x63\x00\x00\x00", 4) << 2
                                     << "critical|Error|Invalid campaign file version!\\n\\nFile "
                                        "version = 99\\nCurrent version = 10";
    QTest::newRow("cut short") << "bad.y6c" << QByteArray("\x0a\x00", 2) << 1 << question;
    QTest::newRow("empty") << "bad.y6c" << QByteArray("") << 1 << question;
    QTest::newRow("missing") << "missing.y6c" << QByteArray() << 2
                             << "warning|Error|Cannot read file %1:\\nNo such file or directory.";
    QTest::newRow("save as into a missing folder")
        << "no/such/folder/x.y6c" << QByteArray() << 1 << "warning|Error|Cannot write file %1:\\n";
}

// A file that cannot be loaded, or saved, leaves the changed campaign as it was.
void TestMainWindowFiles::refusalKeepsCampaign() {
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(int, messages);
    QFETCH(QString, last);
    FileChooserRecorder files;
    MainWindow window;
    MessageRecorder recorder;
    const QString chain = sample(QStringLiteral("Chain.y6c"));
    window.loadFile(chain);
    markChanged(window);
    const QString path = work->filePath(file);
    if (file.contains(QLatin1Char('/'))) {
        files.answers = QStringList{path};
        window.saveAs();
    } else {
        if (!bytes.isNull()) // a null byte array: no file at all
            writeWholeFile(path, bytes);
        recorder.queueAnswer(Messages::No); // do not save the changes first
        window.loadFile(path);
    }
    QCOMPARE(recorder.lines().size(), messages);
    QVERIFY(recorder.lines().last().startsWith(last.replace(QStringLiteral("%1"), path)));
    QCOMPARE(window.currentFile(), chain);
    QCOMPARE(window.campaign().name, QStringLiteral("The Long Road"));
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
    QCOMPARE(storedRecentFiles(), QStringList({files[5], files[4], files[3], files[2], files[1]}));

    // An entry opens its file, which moves to the top.
    const auto entries = [](MainWindow &shown) {
        QList<QAction *> found;
        for (QAction *action : shown.findChild<QMenu *>(QStringLiteral("menuFile"))->actions())
            if (action->isVisible() && action->data().isValid())
                found.append(action);
        return found;
    };
    QAction *fourth = entries(other).value(2);
    QCOMPARE(fourth->data().toString(), files[3]);
    QCOMPARE(fourth->toolTip(), QStringLiteral("hint 9"));
    fourth->trigger();
    QCOMPARE(other.currentFile(), files[3]);
    QCOMPARE(storedRecentFiles(), QStringList({files[3], files[5], files[4], files[2], files[1]}));
    QCOMPARE(recorder.lines(), QStringList());

    // Both windows show the list, most recent first; two entries of the same name show their
    // folders.
    const auto texts = [&entries](MainWindow &shown) {
        QStringList found;
        for (QAction *action : entries(shown))
            found.append(action->text());
        return found;
    };
    const QStringList shown{"&1 c4.y6c", "&2 c6.y6c", "&3 c5.y6c", "&4 c3.y6c", "&5 c2.y6c"};
    QCOMPARE(texts(window), shown);
    QCOMPARE(texts(other), shown);
    QVERIFY(QDir(work->path()).mkdir(QStringLiteral("sub")));
    window.loadFile(sample(QStringLiteral("Chain.y6c"), QStringLiteral("sub/c4.y6c")));
    QCOMPARE(
        texts(window).mid(0, 3),
        QStringList({"&1 c4.y6c (" + QDir::toNativeSeparators(work->filePath("sub")) + ")",
                     "&2 c4.y6c (" + QDir::toNativeSeparators(work->path()) + ")", "&3 c6.y6c"}));
}

// Export writes each embedded map to its own file, byte for byte; refresh reads them back: no
// files change nothing, the same maps change nothing, a damaged one is refused.
void TestMainWindowFiles::exportAndRefreshMaps() {
    MainWindow window;
    MessageRecorder recorder;
    const QString chain = sample(QStringLiteral("Chain.y6c"));
    window.loadFile(chain);
    const CmpCampaign loaded = window.campaign();
    const QString clean = QStringLiteral("Chain.y6c") + titleEnd;
    window.refreshMaps();
    QVERIFY(sameSavedCampaign(window.campaign(), loaded, gameCatalogue()));

    window.exportMaps();
    QByteArray allMaps;
    QString last;
    for (const CmpScenario &scenario : loaded.scenarios) {
        if (scenario.mapName.isEmpty())
            continue;
        last = work->filePath(scenario.mapName);
        QCOMPARE(readWholeFile(last), scenario.mapData);
        allMaps += scenario.mapData;
    }
    QCOMPARE(allMaps, splitCampaignFile(readWholeFile(chain)).maps);
    window.refreshMaps();
    QVERIFY(sameSavedCampaign(window.campaign(), loaded, gameCatalogue()));
    QCOMPARE(recorder.lines(), QStringList());
    QCOMPARE(window.windowTitle(), clean);

    writeWholeFile(last, QByteArray("not a map at all"));
    window.refreshMaps();
    QCOMPARE(recorder.messages.size(), 1);
    QCOMPARE(recorder.messages[0].title, QStringLiteral("Error"));
    QCOMPARE(window.windowTitle(), clean);
}

// The whole program: the campaign named on the command line is opened, and so lands at the top
// of the recent-file list of the per-user settings store.
void TestMainWindowFiles::editorOpensCommandLineCampaign() {
    const QString marches = sample(QStringLiteral("Marches.y6c"));
    const QString config = work->filePath(QStringLiteral("config"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
    const ProcessResult result = runEditor({QStringLiteral("--game"), demo.path(), marches});
    qunsetenv("XDG_CONFIG_HOME");
    QVERIFY(!result.crashed);
    QCOMPARE(result.exitCode, 0);
    const QSettings stored(config + QStringLiteral("/vadoz_info.conf"), QSettings::IniFormat);
    QCOMPARE(stored.value(QStringLiteral("recentFileList")).toStringList(), QStringList{marches});
}

// Export proposes the base name alone and leaves the folder setting; import starts in the Maps
// folder of the game or the stored folder, stores the chosen file's folder, and changes nothing
// when it refuses the file.
void TestMainWindowFiles::exportAndImportTexts() {
    FileChooserRecorder files;
    MainWindow window;
    MessageRecorder recorder;
    window.loadFile(sample(QStringLiteral("Marches.y6c")));
    const QString text = work->filePath(QStringLiteral("texts.txt"));
    const auto storedFolder = [] {
        return QString::fromUtf8(sharedSettings().getText("Campaign Editor", "Path"));
    };
    files.answers = QStringList{text};
    widget<QAction>(window, "actionExport_Texts")->trigger();
    QCOMPARE(files.requests.last().caption, QStringLiteral("Save As"));
    QCOMPARE(files.requests.last().folder, QStringLiteral("Marches"));
    QCOMPARE(files.requests.last().filter, textFilter);
    const QByteArray exported = exportCampaignTexts(window.campaign());
    QCOMPARE(readWholeFile(text), exported);
    QVERIFY(storedFolder().isEmpty());

    // A file whose last page of the second block is missing is refused as a whole.
    QByteArray refused = exported;
    refused.replace("The Marches", "Changed").replace("Homeward.\r\n\r\n", "");
    writeWholeFile(text, refused);
    files.answers = QStringList{text};
    widget<QAction>(window, "actionImport_Texts")->trigger();
    QCOMPARE(files.requests.last().caption, QStringLiteral("Open"));
    QCOMPARE(files.requests.last().folder, gamePath(QStringLiteral("Maps")));
    QCOMPARE(files.requests.last().filter, textFilter);
    QCOMPARE(storedFolder(), work->path());
    QCOMPARE(recorder.lines(),
             QStringList{QStringLiteral("warning|Error|Cannot read file %1 - incorrect "
                                        "campaign text:\\nUnknown error.\\nline 41: expected "
                                        "\"Brannock Hills \u2014 Region 2\"")
                             .arg(text)});
    QCOMPARE(exportCampaignTexts(window.campaign()), exported);

    // A file that cannot be opened: its own message, and the folder is stored already.
    recorder.clear();
    const QString missing = work->filePath(QStringLiteral("sub/missing.txt"));
    files.answers = QStringList{missing};
    window.importTexts();
    QCOMPARE(recorder.lines().size(), 1);
    QVERIFY(recorder.lines()[0].startsWith("warning|Error|Cannot read file " + missing + ":\\n"));
    QCOMPARE(storedFolder(), work->filePath(QStringLiteral("sub")));

    // Cancelling asks nothing further and keeps the setting.
    recorder.clear();
    window.importTexts();
    window.exportTexts();
    QCOMPARE(recorder.lines(), QStringList());
    QCOMPARE(storedFolder(), work->filePath(QStringLiteral("sub")));
    QVERIFY(!window.isModified());

    // The edited file: the texts change and the campaign is marked modified.
    QByteArray edited = exported;
    edited.replace("The fens are ours.", "Die S\xfcmpfe\tsind unser.");
    writeWholeFile(text, edited);
    files.answers = QStringList{text};
    window.importTexts();
    QCOMPARE(files.requests.last().folder, work->filePath(QStringLiteral("sub")));
    QCOMPARE(recorder.lines(), QStringList());
    QCOMPARE(window.campaign().scenarios[0].epilogues[0]->text,
             QStringLiteral("Die S\u00fcmpfe\nsind unser."));
    QCOMPARE(window.windowTitle(), QStringLiteral("Marches.y6c*") + titleEnd);

    // An untitled campaign proposes "Untitled"; a file that cannot be created is reported.
    recorder.queueAnswer(Messages::No);
    whenShown<QDialog>("newcampaign", [](QDialog *dialog) { dialog->accept(); });
    window.newFile();
    recorder.clear();
    const QString unwritable = work->filePath(QStringLiteral("no/such/folder/x.txt"));
    files.answers = QStringList{unwritable};
    window.exportTexts();
    QCOMPARE(files.requests.last().folder, QStringLiteral("Untitled"));
    QCOMPARE(recorder.lines().size(), 1);
    QVERIFY(
        recorder.lines()[0].startsWith("warning|Error|Cannot write file " + unwritable + ":\\n"));
}

// Chain, a campaign without map, to a campaign map and back through the real dialog: what it
// shows, the question before the change, and the map and region shown after it.
void TestMainWindowFiles::convertBothWays() {
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
    whenShown<QDialog>("ConvertCampaign", [](QDialog *dialog) {
        QCOMPARE(widget<QLabel>(dialog, "convertLabel")->text(),
                 QStringLiteral("Convert to campaign with map"));
        QCOMPARE(widget<QLabel>(dialog, "bgLabel")->text(), QStringLiteral("Map"));
        QCOMPARE(widget<QLabel>(dialog, "scCountLabel")->text(), QStringLiteral("3"));
        const QStringList offered = offeredChoices(dialog);
        QCOMPARE(offered, (QStringList{"24", "2", "3", "25", "26"}));
        auto *list = widget<QListWidget>(dialog, "listWidget");
        auto *regions = widget<QLabel>(dialog, "regCountLabel");
        auto *warning = widget<QLabel>(dialog, "warningLabel");
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
    QCOMPARE(recorder.lines(),
             QStringList{"question|Save changes|Do you really want to convert the campaign "
                         "to different type? Some scenarios will be deleted!"});
    QCOMPARE(recorder.messages[0].defaultButton, Messages::No);
    QVERIFY(!window.campaign().withMap);
    QVERIFY(!window.isModified());

    // Cancelled: no question at all.
    recorder.clear();
    whenShown<QDialog>("ConvertCampaign", [](QDialog *dialog) { dialog->reject(); });
    window.openConvertCampaign();
    QCOMPARE(recorder.lines(), QStringList());
    QVERIFY(!window.isModified());

    // Yes, on the map of twelve regions.
    recorder.queueAnswer(Messages::Yes);
    whenShown<QDialog>("ConvertCampaign", [](QDialog *dialog) {
        widget<QListWidget>(dialog, "listWidget")->setCurrentRow(3);
        dialog->accept();
    });
    window.openConvertCampaign();
    QCOMPARE(int(window.campaign().campaignMap), 25);
    QCOMPARE(window.campaign().scenarios.size(), 12);
    QCOMPARE(window.shownCampaignMap, 25);
    QCOMPARE(currentCampaignMap, 25);
    QVERIFY(window.isModified());

    // Back without map, from region 3, on the second background.
    selectedRegion = 3;
    window.shownRegion = 3;
    recorder.clear();
    recorder.queueAnswer(Messages::Yes);
    QStringList offered;
    whenShown<QDialog>("ConvertCampaign", [&offered](QDialog *dialog) {
        QCOMPARE(widget<QLabel>(dialog, "convertLabel")->text(),
                 QStringLiteral("Convert to campaign without map"));
        QCOMPARE(widget<QLabel>(dialog, "bgLabel")->text(), QStringLiteral("Background"));
        QCOMPARE(widget<QLabel>(dialog, "scCountLabel")->text(), QStringLiteral("3"));
        QVERIFY(widget<QLabel>(dialog, "regCountLabel")->isHidden());
        offered = offeredChoices(dialog);
        auto *list = widget<QListWidget>(dialog, "listWidget");
        QCOMPARE(list->currentRow(), 0);
        list->setCurrentRow(1);
        QTest::mouseClick(
            widget<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok),
            Qt::LeftButton);
    });
    widget<QAction>(window, "actionConvertCmp")->trigger();
    QStringList backgrounds;
    for (int index : gameCatalogue().campaignBackgrounds.keys())
        backgrounds << QString::number(index);
    QCOMPARE(offered, backgrounds);
    QCOMPARE(recorder.lines(),
             QStringList{"question|Save changes|Do you really want to convert the campaign "
                         "to different type?"});
    QVERIFY(!window.campaign().withMap);
    QCOMPARE(window.campaign().background, offered.value(1).toInt());
    QCOMPARE(window.windowTitle(), QStringLiteral("Chain.y6c*") + titleEnd);
    QCOMPARE(window.shownCampaignMap, 0);
    QCOMPARE(window.shownRegion, 0);
    QCOMPARE(currentCampaignMap, 0);
    QCOMPARE(selectedRegion, 0);
    QVERIFY(widget<QLabel>(window, "regionLabel")->text().isEmpty());
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
        widget<QAction>(window, "campaignProperties")->trigger();
    } else if (command == QLatin1String("Scenario Properties")) {
        whenShown<QWidget>("ScenarioInfo", [clickOk](QWidget *dialog) {
            widget<QComboBox>(dialog, "difficultyCombobox")->setCurrentIndex(4);
            clickOk(dialog);
        });
        widget<QAction>(window, "scenarioProperties")->trigger();
    } else if (command == QLatin1String("Convert Campaign")) {
        recorder.queueAnswer(Messages::Yes);
        whenShown<QDialog>("ConvertCampaign", [](QDialog *dialog) { dialog->accept(); });
        widget<QAction>(window, "actionConvertCmp")->trigger();
    } else if (command == QLatin1String("Import Texts")) {
        const QString text = work->filePath(QStringLiteral("texts.txt"));
        writeWholeFile(text, exportCampaignTexts(before).replace("The Long Road", "Short Road"));
        files.answers = QStringList{text};
        widget<QAction>(window, "actionImport_Texts")->trigger();
    } else {
        window.exportMaps();
        const CmpScenario &first = *std::find_if(before.scenarios.begin(), before.scenarios.end(),
                                                 [](const CmpScenario &s) { return s.hasMap(); });
        const QString other = demo.filePath(QStringLiteral("Maps/TarqCrossing.y6m"));
        QVERIFY(readWholeFile(other) != first.mapData);
        writeWholeFile(work->filePath(first.mapName), readWholeFile(other));
        widget<QAction>(window, "actionRefresh_Scenario_Maps")->trigger();
    }
    QCOMPARE(recorder.lines().filter(QStringLiteral("|Error|")), QStringList());
    const CmpCampaign after = window.campaign();
    QVERIFY(!sameSavedCampaign(before, after, gameCatalogue()));
    // The step shares the maps it did not change instead of copying them.
    for (int i = 0; i < qMin(before.scenarios.size(), after.scenarios.size()); ++i)
        if (before.scenarios[i].mapData == after.scenarios[i].mapData)
            QVERIFY(after.scenarios[i].mapData.isSharedWith(before.scenarios[i].mapData));

    QAction *undo = widget<QAction>(window, "actionUndo");
    QAction *redo = widget<QAction>(window, "actionRedo");
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

    QAction *check = widget<QAction>(window, "actionCheckCampaign");
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
