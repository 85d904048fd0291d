#include "app/campaignmodified.h"
#include "app/editorresources.h"
#include "campaign/campaignfile.h"
#include "campaign/editorvalues.h"
#include "gamedata/gamefolder.h"
#include "gamedata/settingsfile.h"
#include "mainwindowfixture.h"
#include "messagerecorder.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QtTest>

namespace {

const QString titleEnd = QStringLiteral(" - Veldmark: Tarq Campaign Editor");

const QString upgradeQuestion = QStringLiteral(
    "Campaign version will be updated and it will be impossible to open the campaign in older "
    "versions of Tarq campaign editor. Do you really want to save the campaign?");

} // namespace

// The file commands of the main window on the demo game's sample campaigns.
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
    setGameCatalogue(mainWindowCatalogue(demo.path()));
}

void TestMainWindowFiles::init() {
    work.reset(new QTemporaryDir);
    useSettingsFolder(work->filePath(QStringLiteral("settings")));
    storeRecentFiles({});
    campaignModified = false;
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
    AnsweredMainWindow window;
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
    QVERIFY(window.questions.isEmpty());
    const CampaignFileParts before = splitCampaignFile(original);
    const CampaignFileParts after = splitCampaignFile(readWholeFile(chain));
    QCOMPARE(after.content, before.content);
    QCOMPARE(after.maps, before.maps);

    // Save As proposes the base name in the last folder and takes the new name.
    sharedSettings().setText("Campaign Editor", "Path", work->path().toUtf8());
    const QString copy = work->filePath(QStringLiteral("copy.y6c"));
    window.answers = QStringList{copy};
    campaignModified = true;
    window.updateWindowTitle();
    QCOMPARE(window.windowTitle(), QStringLiteral("Chain.y6c*") + titleEnd);
    window.saveAs();
    QCOMPARE(window.questions.last().folderOrName, work->filePath(QStringLiteral("Chain")));
    QCOMPARE(window.currentFile(), copy);
    QVERIFY(!campaignModified);
    QCOMPARE(window.windowTitle(), QStringLiteral("copy.y6c") + titleEnd);
    QCOMPARE(storedRecentFiles(), QStringList({copy, chain}));
    QCOMPARE(splitCampaignFile(readWholeFile(copy)).content, before.content);

    // New with the dialog's first choice gives the untitled empty campaign on campaign map 24;
    // the flag stays as it was.
    campaignModified = true;
    QTimer::singleShot(0, [] {
        QWidget *dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        QCOMPARE(dialog->objectName(), QStringLiteral("newcampaign"));
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
    QVERIFY(campaignModified);
}

void TestMainWindowFiles::versionQuestion() {
    AnsweredMainWindow window;
    MessageRecorder recorder;
    const QString old = sample(QStringLiteral("Format10Sub0.y6c"));
    window.loadFile(old);
    QCOMPARE(window.currentFile(), old);
    QCOMPARE(campaignFileVersion, CmpVersion{});
    const QByteArray original = readWholeFile(old);

    campaignModified = true;
    window.updateWindowTitle();
    recorder.queueAnswer(Messages::No);
    window.save();
    QCOMPARE(recorder.messages.size(), 1);
    QCOMPARE(recorder.messages[0].kind, Messages::Kind::Question);
    QCOMPARE(recorder.messages[0].title, QStringLiteral("Veldmark: Tarq Campaign Editor"));
    QCOMPARE(recorder.messages[0].text, upgradeQuestion);
    QCOMPARE(recorder.messages[0].buttons, Messages::Buttons(Messages::Yes | Messages::No));
    QCOMPARE(readWholeFile(old), original); // declined: nothing written
    QVERIFY(campaignModified);
    QCOMPARE(window.windowTitle(), QStringLiteral("Format10Sub0.y6c*") + titleEnd);

    recorder.clear();
    recorder.queueAnswer(Messages::Yes);
    window.save();
    QCOMPARE(recorder.messages.size(), 1);
    QCOMPARE(campaignFileVersion, editorVersion);
    QVERIFY(!campaignModified);
    QCOMPARE(window.windowTitle(), QStringLiteral("Format10Sub0.y6c") + titleEnd);
    // Now format 10, subversion 2.
    QCOMPARE(splitCampaignFile(readWholeFile(old)).content.left(8),
             QByteArray("\x0a\x00\x00\x00\x02\x00\x00\x00", 8));

    recorder.clear();
    window.save(); // the campaign is of this version now
    QVERIFY(recorder.messages.isEmpty());
}

void TestMainWindowFiles::yesInSaveQuestionAsksNoSecondTime() {
    AnsweredMainWindow window;
    MessageRecorder recorder;
    const QString old = sample(QStringLiteral("Format10Sub1.y6c"));
    const QString chain = sample(QStringLiteral("Chain.y6c"));
    window.loadFile(old);
    campaignModified = true;
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
    QVERIFY(!campaignModified);

    // The next save of a loaded old campaign asks again: the skip was used up.
    window.loadFile(sample(QStringLiteral("Format10Sub0.y6c")));
    recorder.clear();
    recorder.queueAnswer(Messages::No);
    window.save();
    QCOMPARE(recorder.messages.size(), 1);
    QCOMPARE(recorder.messages[0].text, upgradeQuestion);
}

void TestMainWindowFiles::unwritableFile() {
    AnsweredMainWindow window;
    MessageRecorder recorder;
    const QString chain = sample(QStringLiteral("Chain.y6c"));
    window.loadFile(chain);
    campaignModified = true;
    window.updateWindowTitle();
    const QString unwritable = work->filePath(QStringLiteral("no/such/folder/x.y6c"));
    window.answers = QStringList{unwritable};
    window.saveAs();
    QCOMPARE(recorder.messages.size(), 1);
    QCOMPARE(recorder.messages[0].kind, Messages::Kind::Warning);
    QCOMPARE(recorder.messages[0].title, QStringLiteral("Error"));
    QVERIFY(recorder.messages[0].text.startsWith(
        QStringLiteral("Cannot write file %1:\n").arg(unwritable)));
    QCOMPARE(window.currentFile(), chain);
    QVERIFY(campaignModified);
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
    AnsweredMainWindow window;
    MessageRecorder recorder;
    const QString chain = sample(QStringLiteral("Chain.y6c"));
    window.loadFile(chain);
    campaignModified = true;
    window.updateWindowTitle();
    const QString bad = work->filePath(QStringLiteral("bad.y6c"));
    writeWholeFile(bad, bytes);
    recorder.queueAnswer(Messages::No); // do not save the changes first
    window.loadFile(bad);
    QCOMPARE(recorder.messages.size(), message.isEmpty() ? 1 : 2);
    if (!message.isEmpty())
        QCOMPARE(recorder.lines().last(), message);
    QCOMPARE(window.currentFile(), chain);
    QCOMPARE(window.campaign().name, QStringLiteral("The Long Road"));
    QVERIFY(campaignModified);
    QCOMPARE(window.windowTitle(), QStringLiteral("Chain.y6c*") + titleEnd);
    QCOMPARE(storedRecentFiles(), QStringList{chain});
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void TestMainWindowFiles::recentFiles() {
    AnsweredMainWindow window;
    AnsweredMainWindow other;
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

    // Both windows show the list, most recent first.
    for (MainWindow *shown :
         {static_cast<MainWindow *>(&window), static_cast<MainWindow *>(&other)}) {
        QStringList texts;
        for (QAction *action : shown->findChild<QMenu *>(QStringLiteral("menuFile"))->actions())
            if (action->isVisible() && action->data().isValid())
                texts.append(action->text());
        QCOMPARE(texts,
                 QStringList({"&1 c4.y6c", "&2 c6.y6c", "&3 c5.y6c", "&4 c3.y6c", "&5 c2.y6c"}));
    }
}

void TestMainWindowFiles::exportWritesEachMap() {
    AnsweredMainWindow window;
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
    QVERIFY(!campaignModified);
    QCOMPARE(window.windowTitle(), QStringLiteral("Chain.y6c") + titleEnd);
    QCOMPARE(recorder.lines(), QStringList());
}

void TestMainWindowFiles::refreshStopsAtMissingMap() {
    AnsweredMainWindow window;
    MessageRecorder recorder;
    window.loadFile(sample(QStringLiteral("Chain.y6c")));
    const QByteArray before = CampaignFile::campaignData(window.campaign(), gameCatalogue());
    window.refreshMaps(); // no map files next to the campaign
    QCOMPARE(recorder.lines(), QStringList());
    QVERIFY(!campaignModified);
    QCOMPARE(window.windowTitle(), QStringLiteral("Chain.y6c") + titleEnd);
    QCOMPARE(CampaignFile::campaignData(window.campaign(), gameCatalogue()), before);
}

void TestMainWindowFiles::refreshReimportsMaps() {
    AnsweredMainWindow window;
    MessageRecorder recorder;
    window.loadFile(sample(QStringLiteral("Chain.y6c")));
    const CmpCampaign loaded = window.campaign();
    window.exportMaps();
    window.refreshMaps();
    QCOMPARE(recorder.lines(), QStringList());
    QVERIFY(campaignModified);
    QCOMPARE(window.windowTitle(), QStringLiteral("Chain.y6c*") + titleEnd);
    for (int i = 0; i < loaded.scenarios.size(); ++i) {
        QCOMPARE(window.campaign().scenarios[i].mapData, loaded.scenarios[i].mapData);
        QCOMPARE(window.campaign().scenarios[i].hasMap(), loaded.scenarios[i].hasMap());
    }
}

void TestMainWindowFiles::refreshStopsAtRefusedMap() {
    AnsweredMainWindow window;
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
    QVERIFY(!campaignModified);
    QCOMPARE(window.windowTitle(), QStringLiteral("Chain.y6c") + titleEnd);
}

void TestMainWindowFiles::droppedCampaignOpens() {
    AnsweredMainWindow window;
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
// of the recent-file list of the per-user settings store.
void TestMainWindowFiles::editorOpensCommandLineCampaign() {
    const QString chain = sample(QStringLiteral("Chain.y6c"));
    const QString config = work->filePath(QStringLiteral("config"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
    const ProcessResult result = runEditor({QStringLiteral("--game"), demo.path(), chain});
    qunsetenv("XDG_CONFIG_HOME");
    QVERIFY(!result.crashed);
    QCOMPARE(result.exitCode, 0);
    QVERIFY2(!result.standardError.contains('|'), result.standardError.constData());
    const QSettings stored(config + QStringLiteral("/vadoz_info.conf"), QSettings::IniFormat);
    QCOMPARE(stored.value(QStringLiteral("recentFileList")).toStringList(), QStringList{chain});
}

QTEST_MAIN(TestMainWindowFiles)
#include "test_mainwindowfiles.moc"
