// The general page of the scenario window: the fields a campaign type shows, the prerequisite
// graph rules, map import with its refusals, byte-exact export, map removal and the text limit.
#include "app/editorresources.h"
#include "demogamefixture.h"
#include "dialogs/scenario/scenarioinfo.h"
#include "filebytes.h"
#include "filechooserrecorder.h"
#include "gamedata/gamefolder.h"
#include "gamedata/settingsfile.h"
#include "gamedata/textcodec.h"
#include "messagerecorder.h"
#include "scenariowindowfixture.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QTextEdit>

namespace {

// Other tabs reuse some names ("mapFileGroup", "removeButton"): the General tab is searched
// first.
template <typename T> T *widget(QWidget *window, const char *name) {
    auto *tabs = window->findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    QWidget *general = tabs ? tabs->QTabWidget::widget(0) : nullptr;
    T *found = general ? general->findChild<T *>(QLatin1String(name)) : nullptr;
    if (!found)
        found = window->findChild<T *>(QLatin1String(name));
    if (!found)
        qWarning("no widget %s", name);
    return found;
}

void press(QWidget *window, const char *button) {
    QTest::mousePress(widget<QPushButton>(window, button), Qt::LeftButton);
    QTest::mouseRelease(widget<QPushButton>(window, button), Qt::LeftButton);
}

QListWidget *prereqList(QWidget *window) {
    return widget<QListWidget>(window, "prereqListWidget");
}

QListWidgetItem *prerequisiteItem(QWidget *window, int scenario) {
    QListWidget *list = prereqList(window);
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->data(Qt::UserRole).toInt() == scenario)
            return list->item(row);
    }
    return nullptr;
}

} // namespace

class TestScenarioGeneral : public QObject {
    Q_OBJECT

    QTemporaryDir game;
    QString mapsFolder;

private slots:
    void initTestCase() {
        registerEditorResources();
        QString error;
        QVERIFY2(makeDemoGame(game.path(), {}, &error), qPrintable(error));
        mapsFolder = game.filePath(QStringLiteral("Maps"));
        setTextCodec(QTextCodec::codecForName("Windows-1252"));
    }

    void init() {
        setGameCatalogue(scenarioWindowCatalogue());
        sharedSettings() = SettingsFile();
        sharedSettings().setText("Campaign Editor", "Path", mapsFolder.toUtf8());
    }

    void fieldsOfEachCampaignType_data() {
        QTest::addColumn<bool>("withMap");
        QTest::newRow("with map") << true;
        QTest::newRow("without map") << false;
    }

    // The fields a campaign type shows, filled from the scenario; nothing touched, nothing
    // changed.
    void fieldsOfEachCampaignType() {
        QFETCH(bool, withMap);
        CmpCampaign campaign = withMap ? campaignWithMap() : campaignWithoutMap(2);
        campaign.scenarios[1].regionColor = 5;
        campaign.scenarios[1].difficulty = 3;
        // A scenario with a map and without start options receives a record when committed.
        campaign.scenarios[1].startOptions = makeStartOptions(StartingBonusSet{});
        ScenarioInfo window(nullptr, campaign, testCampaignMap, 1);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (const char *name :
             {"regionNameLabel", "regionNameLabelMain", "regionTextEdit", "regionRightClickLabel",
              "prereqLabel", "prereqListWidget", "regionColorCombobox", "regionColorLabel"})
            QCOMPARE(widget<QWidget>(&window, name)->isVisible(), withMap);
        for (const char *name : {"scenarioNameLabel", "scenarioNameLabelMain", "mapFileGroup",
                                 "defaultDifficultyLabel", "difficultyCombobox"})
            QVERIFY(widget<QWidget>(&window, name)->isVisible());
        if (withMap)
            QCOMPARE(widget<QComboBox>(&window, "regionColorCombobox")->currentData().toInt(), 5);
        QCOMPARE(widget<QComboBox>(&window, "difficultyCombobox")->currentData().toInt(), 3);
        // Only a scenario with a map summary is named (the names here have none).
        QCOMPARE(widget<QLabel>(&window, "scenarioNameLabel")->text(),
                 QString(withMap ? "M1" : "(None)"));
        QCOMPARE(widget<QLabel>(&window, "mapFileIdentifier")->text(),
                 QString(withMap ? "M1.y6m" : "(None)"));
        QVERIFY(!window.commitAll());
    }

    void prerequisiteList_data() {
        QTest::addColumn<QString>("edges");
        QTest::addColumn<QList<int>>("withoutMap");
        QTest::addColumn<int>("edited");
        QTest::addColumn<QString>("list");
        QTest::newRow("no prerequisites") << "" << QList<int>{} << 0 << "1- 2- 3- 4- 5-";
        QTest::newRow("a scenario requiring the edited one is not offered")
            << "1>2" << QList<int>{} << 2 << "0- 3- 4- 5-";
        QTest::newRow("direct checked, indirect checked and disabled")
            << "1>2 2>3" << QList<int>{} << 1 << "0- 2+ 3= 4- 5-";
        QTest::newRow("indirect through two steps, cycle through two steps")
            << "0>1 1>2 2>3 4>0" << QList<int>{} << 0 << "1+ 2= 3= 5-";
        QTest::newRow("scenarios without map are not offered")
            << "" << QList<int>{2, 4} << 0 << "1- 3- 5-";
        QTest::newRow("an edited scenario without map offers nothing")
            << "" << QList<int>{0} << 0 << "";
        QTest::newRow("a damaged file's cycle does not hang the walk")
            << "0>1 1>0" << QList<int>{} << 0 << "1+ 2- 3- 4- 5-";
    }

    void prerequisiteList() {
        QFETCH(QString, edges);
        QFETCH(QList<int>, withoutMap);
        QFETCH(int, edited);
        QFETCH(QString, list);
        CmpCampaign campaign = campaignWithMap(withoutMap);
        setPrerequisiteEdges(campaign, edges);
        ScenarioInfo window(nullptr, campaign, testCampaignMap, edited);
        QCOMPARE(prerequisiteListState(prereqList(&window)), list);
        if (prereqList(&window)->count() > 0)
            QCOMPARE(prereqList(&window)->item(0)->text(),
                     QStringLiteral("M%1 — Region %1")
                         .arg(prereqList(&window)->item(0)->data(Qt::UserRole).toInt()));
    }

    void prerequisiteEdits_data() {
        QTest::addColumn<QString>("edges");
        QTest::addColumn<int>("edited");
        QTest::addColumn<int>("toggled");
        QTest::addColumn<QString>("edgesAfter");
        QTest::addColumn<QString>("listAfter");
        QTest::newRow("check a free scenario") << "" << 0 << 3 << "0>3"
                                               << "1- 2- 3+ 4- 5-";
        QTest::newRow("checking one that others need makes them implied")
            << "1>3 2>3" << 1 << 2 << "1>2 2>3"
            << "0- 2+ 3= 4- 5-";
        QTest::newRow("a scenario requiring the edited one drops its implied entry")
            << "2>1 2>3" << 1 << 3 << "1>3 2>1"
            << "0- 3+ 4- 5-";
        QTest::newRow("unchecking keeps what the dropped one required, directly")
            << "1>2 2>3" << 1 << 2 << "1>3 2>3"
            << "0- 2- 3+ 4- 5-";
        QTest::newRow("unchecking keeps the dropped one for those requiring the edited one")
            << "0>1 1>2 2>3" << 1 << 2 << "0>1 0>2 1>3 2>3"
            << "2- 3+ 4- 5-";
    }

    void prerequisiteEdits() {
        QFETCH(QString, edges);
        QFETCH(int, edited);
        QFETCH(int, toggled);
        QFETCH(QString, edgesAfter);
        QFETCH(QString, listAfter);
        CmpCampaign campaign = campaignWithMap();
        setPrerequisiteEdges(campaign, edges);
        ScenarioInfo window(nullptr, campaign, testCampaignMap, edited);
        QListWidgetItem *item = prerequisiteItem(&window, toggled);
        QVERIFY(item);
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        QCOMPARE(prerequisiteEdges(window.campaign()), edgesAfter);
        QCOMPARE(prerequisiteListState(prereqList(&window)), listAfter);
        QVERIFY(window.scenariosModified());
        // Changing an item's text is not a check.
        item->setText(QStringLiteral("renamed"));
        QCOMPARE(prerequisiteEdges(window.campaign()), edgesAfter);
    }

    // Removing the map of scenario 2, which requires 3, while 1 requires 2: 1 now requires 3,
    // and 2 requires nothing.
    void removeMapRewiresPrerequisites() {
        CmpCampaign campaign = campaignWithMap();
        setPrerequisiteEdges(campaign, "1>2 2>3 2>4 4>3");
        ScenarioInfo window(nullptr, campaign, testCampaignMap, 2);
        press(&window, "removeButton");
        QCOMPARE(prerequisiteEdges(window.campaign()), QStringLiteral("1>3 1>4 4>3"));
        const CmpScenario &removed = window.campaign().scenarios[2];
        QVERIFY(!removed.hasMap());
        QVERIFY(removed.mapName.isEmpty() && removed.mapData.isEmpty());
        QCOMPARE(removed.mapSize, 0u);
        QCOMPARE(removed.prerequisites.size(), testRegionCount);
        QCOMPARE(prereqList(&window)->count(), 0);
        QCOMPARE(widget<QLabel>(&window, "scenarioNameLabel")->text(), QStringLiteral("(None)"));
        QCOMPARE(widget<QLabel>(&window, "mapFileIdentifier")->text(), QStringLiteral("(None)"));
        QVERIFY(!widget<QPushButton>(&window, "exportButton")->isEnabled());
        QVERIFY(!widget<QPushButton>(&window, "removeButton")->isEnabled());
        QCOMPARE(widget<QListWidget>(&window, "listWidget")->item(2)->text(),
                 QStringLiteral("Region 2 — Empty"));
        QVERIFY(window.scenariosModified());
        // Other scenarios no longer offer it.
        widget<QListWidget>(&window, "listWidget")->setCurrentRow(1);
        QCOMPARE(prerequisiteListState(prereqList(&window)), QStringLiteral("0- 3+ 4+ 5-"));
    }

    void regionTextLimit() {
        CmpCampaign campaign = campaignWithMap();
        const QString stored(700, QLatin1Char('s'));
        campaign.scenarios[0].regionText = stored;
        // A scenario with a map and without start options receives a record when committed.
        campaign.scenarios[0].startOptions = makeStartOptions(StartingBonusSet{});
        ScenarioInfo window(nullptr, campaign, testCampaignMap, 0);
        auto *edit = widget<QTextEdit>(&window, "regionTextEdit");
        // A longer text from a file is shown whole and kept while nobody edits it.
        QCOMPARE(edit->toPlainText(), stored);
        QVERIFY(!window.commitAll());
        QCOMPARE(window.campaign().scenarios[0].regionText, stored);

        edit->clear();
        QApplication::clipboard()->setText(QString(700, QLatin1Char('p')));
        edit->paste();
        QCOMPARE(edit->toPlainText(), QString(600, QLatin1Char('p')));
        QCOMPARE(edit->textCursor().position(), 600);
        QTest::keyClicks(edit, QStringLiteral("xyz"));
        QCOMPARE(edit->toPlainText().size(), 600);
        QVERIFY(window.commitAll());
        QCOMPARE(window.campaign().scenarios[0].regionText, QString(600, QLatin1Char('p')));

        // Line breaks count as characters.
        edit->setPlainText(QString(300, QLatin1Char('a')) + QStringLiteral("\n") +
                           QString(400, QLatin1Char('b')));
        QCOMPARE(edit->toPlainText().size(), 600);
        QCOMPARE(edit->toPlainText().at(300), QLatin1Char('\n'));
    }

    void importRefusals_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("contents"); // written when not empty; else a demo map
        QTest::addColumn<QString>("message"); // line breaks escaped, as the recorder writes them
        QTest::newRow("newer version")
            << "FutureFrontier.y6m" << QByteArray()
            << "This map was made for an newer version of Tarq 1.7.4. This map cannot be added "
               "to campaign in version 1.7.3.";
        QTest::newRow("no players")
            << "EmptyWastes.y6m" << QByteArray() << "Cannot read file %1. Map has errors.";
        QTest::newRow("damaged: not a map")
            << "damaged.y6m" << QByteArray("\x63\x00\x00\x00garbage", 11)
            << "Unknown map format - probably of newer Tarq versions.";
        QTest::newRow("empty file") << "empty.y6m" << QByteArray(1, '\0').left(0)
                                    << "Cannot read file %1:\\nUnknown error.";
    }

    // A refused map leaves the scenario and the window as they were. The map reader's tests
    // hold the other refusals and the text of the one the map's author asked for.
    void importRefusals() {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, contents);
        QFETCH(QString, message);
        QTemporaryDir scratch;
        QString path = mapsFolder + QLatin1Char('/') + fileName;
        if (!QFile::exists(path)) {
            path = scratch.filePath(fileName);
            writeWholeFile(path, contents);
        }
        const CmpCampaign campaign = campaignWithMap();
        ScenarioInfo window(nullptr, campaign, testCampaignMap, 1);
        MessageRecorder recorder;
        FileChooserRecorder files;
        files.answers = QStringList{path};
        press(&window, "refreshButton");
        QCOMPARE(recorder.lines(), QStringList{"warning|Error|" + message.replace("%1", path)});
        const CmpScenario &scenario = window.campaign().scenarios[1];
        QCOMPARE(scenario.mapName, QStringLiteral("M1.y6m"));
        QCOMPARE(scenario.mapData, campaign.scenarios[1].mapData);
        QCOMPARE(scenario.mapHeader, campaign.scenarios[1].mapHeader);
        QVERIFY(!window.scenariosModified());
        QCOMPARE(widget<QLabel>(&window, "scenarioNameLabel")->text(), QStringLiteral("M1"));
        // The folder of the chosen file is remembered even so.
        QCOMPARE(sharedSettings().getText("Campaign Editor", "Path"),
                 QFileInfo(path).absolutePath().toUtf8());
    }

    // A map imported into a scenario without one: the bytes as stored on disk, its labels,
    // the list label, the prerequisite list, and the change reported.
    void importIntoEmptyScenario() {
        const QString path = mapsFolder + QStringLiteral("/AshenReach.y6m");
        CmpCampaign campaign = campaignWithMap({3});
        setPrerequisiteEdges(campaign, "0>3");
        ScenarioInfo window(nullptr, campaign, testCampaignMap, 3);
        QCOMPARE(prereqList(&window)->count(), 0);
        MessageRecorder recorder;
        FileChooserRecorder files;
        files.answers = QStringList{path};
        press(&window, "refreshButton");
        QVERIFY(recorder.messages.isEmpty());

        const CmpScenario &scenario = window.campaign().scenarios[3];
        QCOMPARE(scenario.mapData, readWholeFile(path));
        QCOMPARE(scenario.mapSize, uint32_t(readWholeFile(path).size()));
        QCOMPARE(scenario.mapName, QStringLiteral("AshenReach.y6m"));
        QVERIFY(scenario.hasMap());
        QCOMPARE(widget<QLabel>(&window, "scenarioNameLabel")->text(),
                 QStringLiteral("The Ashen Reach"));
        QCOMPARE(widget<QLabel>(&window, "mapFileIdentifier")->text(),
                 QStringLiteral("AshenReach.y6m"));
        QVERIFY(widget<QPushButton>(&window, "exportButton")->isEnabled());
        QCOMPARE(widget<QListWidget>(&window, "listWidget")->item(3)->text(),
                 QStringLiteral("Region 3 — AshenReach.y6m"));
        QCOMPARE(prerequisiteListState(prereqList(&window)), QStringLiteral("1- 2- 4- 5-"));
        QVERIFY(window.scenariosModified());

        // The same bytes again change nothing; the dialog proposes the map's own file.
        ScenarioInfo again(nullptr, window.campaign(), testCampaignMap, 3);
        files.answers = QStringList{path};
        press(&again, "refreshButton");
        QCOMPARE(QFileInfo(files.requests.last().folder).fileName(),
                 QStringLiteral("AshenReach.y6m"));
        QVERIFY(!again.scenariosModified());

        // Cancelling the dialog leaves everything as it was.
        press(&again, "refreshButton");
        QVERIFY(recorder.messages.isEmpty());
        QVERIFY(!again.scenariosModified());
    }

    // Export writes the stored bytes unchanged: a compressed map and a plain one.
    void exportIsByteExact_data() {
        QTest::addColumn<QString>("map");
        QTest::newRow("compressed") << "TarqCrossing.y6m";
        QTest::newRow("plain") << "Saltmarrow.y6m";
    }

    void exportIsByteExact() {
        QFETCH(QString, map);
        const QString source = mapsFolder + QLatin1Char('/') + map;
        QTemporaryDir target;
        const QString exported = target.filePath(QStringLiteral("copy.y6m"));
        CmpCampaign campaign = campaignWithMap();
        ScenarioInfo window(nullptr, campaign, testCampaignMap, 0);
        FileChooserRecorder files;
        files.answers = QStringList{source, exported};
        press(&window, "refreshButton");
        QCOMPARE(window.campaign().scenarios[0].mapName, map);

        press(&window, "exportButton");
        QCOMPARE(QFileInfo(files.requests.last().folder).fileName(), map);
        QCOMPARE(readWholeFile(exported), readWholeFile(source));
        QCOMPARE(sharedSettings().getText("Campaign Editor", "Path"), target.path().toUtf8());

        // A cancelled export writes nothing and keeps the folder.
        press(&window, "exportButton");
        QCOMPARE(QDir(target.path()).entryList(QDir::Files), QStringList({"copy.y6m"}));
    }

    // Without a "Path" setting the dialogs start in the game's Maps folder.
    void startFolderWithoutSetting() {
        sharedSettings() = SettingsFile();
        setGameFolder(game.path());
        CmpCampaign campaign = campaignWithMap();
        ScenarioInfo window(nullptr, campaign, testCampaignMap, 2);
        FileChooserRecorder files;
        press(&window, "exportButton");
        const QFileInfo proposed(files.requests.last().folder);
        QCOMPARE(proposed.absolutePath(), QFileInfo(mapsFolder).absoluteFilePath());
        QCOMPARE(proposed.fileName(), QStringLiteral("M2.y6m"));
        QVERIFY(sharedSettings().getText("Campaign Editor", "Path").isEmpty());
    }
};

QTEST_MAIN(TestScenarioGeneral)
#include "test_scenariogeneral.moc"
