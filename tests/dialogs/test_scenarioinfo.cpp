// The scenario properties window: its form, the list operations under the rules of both
// campaign types, the commits around them, and the hand-back to the main window.
#include "app/editorresources.h"
#include "app/mainwindow.h"
#include "campaign/campaignfile.h"
#include "dialogs/scenario/scenarioinfo.h"
#include "messagerecorder.h"
#include "scenariowindowfixture.h"
#include "widgets/customlistwidget.h"
#include "widgets/rightclickfilter.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QUndoStack>

namespace {

// The labels of the list, one per row.
QStringList listTexts(QWidget *window) {
    QStringList texts;
    auto *list = widget<QListWidget>(window, "listWidget");
    for (int row = 0; row < list->count(); ++row) {
        texts.append(list->item(row)->text());
        if (list->item(row)->data(Qt::UserRole).toInt() != row)
            texts.last() +=
                QStringLiteral(" (data %1)").arg(list->item(row)->data(Qt::UserRole).toInt());
    }
    return texts;
}

QStringList mapNames(const CmpCampaign &campaign) {
    QStringList names;
    for (const CmpScenario &scenario : campaign.scenarios)
        names.append(scenario.mapName);
    return names;
}

void press(QWidget *window, const char *button) {
    QTest::mousePress(widget<QPushButton>(window, button), Qt::LeftButton);
    QTest::mouseRelease(widget<QPushButton>(window, button), Qt::LeftButton);
}

// "U D A X Z": which of Up, Down, Add, Delete and Delete all are enabled, as a word of 0 and 1.
QString buttonStates(QWidget *window) {
    QString states;
    for (const char *name : {"upBtn", "downBtn", "addBtn", "deleteBtn", "deleteAllBtn"})
        states += widget<QPushButton>(window, name)->isEnabled() ? '1' : '0';
    return states;
}

// Counts the mouse events that reach it.
class MouseCounter : public QWidget {
public:
    int presses = 0;
    int releases = 0;
    int doubleClicks = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { ++presses; }
    void mouseReleaseEvent(QMouseEvent *) override { ++releases; }
    void mouseDoubleClickEvent(QMouseEvent *) override { ++doubleClicks; }
};

} // namespace

class TestScenarioInfo : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { registerEditorResources(); }

    void init() { setGameCatalogue(scenarioWindowCatalogue()); }

    void listStartsOnTheSelectedScenario() {
        const CmpCampaign campaign = campaignWithMap();
        ScenarioInfo window(nullptr, campaign, testCampaignMap, 2);
        // The list starts on the selected scenario, labelled by region and map file.
        QCOMPARE(listTexts(&window),
                 QStringList({"Region 0 — M0.y6m", "Region 1 — M1.y6m", "Region 2 — M2.y6m",
                              "Region 3 — M3.y6m", "Region 4 — M4.y6m", "Region 5 — M5.y6m"}));
        QCOMPARE(window.currentScenarioIndex(), 2);
        QCOMPARE(widget<QLabel>(&window, "regionNameLabel")->text(), QStringLiteral("Region 2"));
        QVERIFY(!window.scenariosModified());

        // A selection outside the list opens the first scenario.
        ScenarioInfo outside(nullptr, campaign, testCampaignMap, 17);
        QCOMPARE(outside.currentScenarioIndex(), 0);
    }

    void buttonStates_data() {
        QTest::addColumn<bool>("withMap");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("states");
        QTest::newRow("with map, first") << true << 6 << 0 << "01000";
        QTest::newRow("with map, middle") << true << 6 << 3 << "11000";
        QTest::newRow("with map, last") << true << 6 << 5 << "10000";
        QTest::newRow("without map, one scenario") << false << 1 << 0 << "00100";
        QTest::newRow("without map, two, second") << false << 2 << 1 << "10111";
        QTest::newRow("without map, five, middle") << false << 5 << 2 << "11111";
    }

    void buttonStates() {
        QFETCH(bool, withMap);
        QFETCH(int, count);
        QFETCH(int, row);
        QFETCH(QString, states);
        const CmpCampaign campaign = withMap ? campaignWithMap() : campaignWithoutMap(count);
        ScenarioInfo window(nullptr, campaign, testCampaignMap, row);
        QCOMPARE(::buttonStates(&window), states);
        if (!withMap)
            return;
        // In a campaign with map nothing adds or deletes scenarios, even through the slots.
        QMetaObject::invokeMethod(&window, "buttonAdd");
        QMetaObject::invokeMethod(&window, "buttonDelete");
        QCOMPARE(window.campaign().scenarios.size(), testRegionCount);
    }

    void addAppendsWithoutSelecting() {
        CmpCampaign campaign = campaignWithoutMap(2);
        ScenarioInfo window(nullptr, campaign, testCampaignMap, 1);
        press(&window, "addBtn");
        QCOMPARE(listTexts(&window), QStringList({"1. S1.y6m", "2. S2.y6m", "3. Empty"}));
        QCOMPARE(window.currentScenarioIndex(), 1);
        QCOMPARE(window.campaign().scenarioCount, 3);
        for (const CmpScenario &scenario : window.campaign().scenarios)
            QCOMPARE(scenario.prerequisites.size(), 3);
        QVERIFY(window.scenariosModified());
    }

    void deleteKeepsNeighbourCurrent_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<int>("current");
        QTest::newRow("first") << 0 << QStringList{"S2.y6m", "S3.y6m", "S4.y6m"} << 0;
        QTest::newRow("second") << 1 << QStringList{"S1.y6m", "S3.y6m", "S4.y6m"} << 0;
        QTest::newRow("last") << 3 << QStringList{"S1.y6m", "S2.y6m", "S3.y6m"} << 2;
    }

    void deleteKeepsNeighbourCurrent() {
        QFETCH(int, row);
        QFETCH(QStringList, left);
        QFETCH(int, current);
        CmpCampaign campaign = campaignWithoutMap(4);
        campaign.scenarios[0].prerequisites.setBit(row);
        ScenarioInfo window(nullptr, campaign, testCampaignMap, row);
        press(&window, "deleteBtn");
        QCOMPARE(mapNames(window.campaign()), left);
        QCOMPARE(window.currentScenarioIndex(), current);
        QCOMPARE(widget<QListWidget>(&window, "listWidget")->currentRow(), current);
        QCOMPARE(listTexts(&window).size(), 3);
        QCOMPARE(listTexts(&window).value(0), QStringLiteral("1. ") + left[0]);
        // No scenario keeps pointing at the one removed.
        for (const CmpScenario &scenario : window.campaign().scenarios)
            QVERIFY(row >= scenario.prerequisites.size() || !scenario.prerequisites.testBit(row));
        QVERIFY(window.scenariosModified());
        // The pages now show the current scenario.
        QCOMPARE(widget<QLabel>(&window, "mapFileIdentifier")->text(), QStringLiteral("(None)"));
    }

    void deleteAll() {
        CmpCampaign campaign = campaignWithoutMap(5);
        campaign.scenarios[2].difficulty = 4;
        ScenarioInfo window(nullptr, campaign, testCampaignMap, 2);
        MessageRecorder recorder;

        recorder.queueAnswer(Messages::No);
        press(&window, "deleteAllBtn");
        QCOMPARE(recorder.lines(),
                 QStringList({"question|Delete all|Do you really want to delete all scenarios?"}));
        QCOMPARE(window.campaign().scenarios.size(), 5);
        QVERIFY(!window.scenariosModified());

        // An edit of the kept scenario survives.
        widget<QComboBox>(&window, "difficultyCombobox")->setCurrentIndex(0);
        recorder.queueAnswer(Messages::Yes);
        press(&window, "deleteAllBtn");
        QCOMPARE(mapNames(window.campaign()), QStringList({"S3.y6m"}));
        QCOMPARE(listTexts(&window), QStringList({"1. S3.y6m"}));
        QCOMPARE(window.currentScenarioIndex(), 0);
        QCOMPARE(window.campaign().scenarios[0].difficulty, uint8_t(0));
        QCOMPARE(widget<QComboBox>(&window, "difficultyCombobox")->currentIndex(), 0);
        QVERIFY(window.scenariosModified());
        QCOMPARE(::buttonStates(&window), QStringLiteral("00100"));

        // With one scenario left nothing more is deleted, even after Yes.
        recorder.queueAnswer(Messages::Yes);
        QMetaObject::invokeMethod(&window, "buttonDeleteAll");
        QCOMPARE(window.campaign().scenarios.size(), 1);
    }

    // Up after an edit of scenario 2: the edit stays with the scenario, now scenario 1, and a
    // campaign with map keeps its prerequisites pointing at the same scenarios.
    void upKeepsEditWithMovedScenario() {
        CmpCampaign campaign = campaignWithMap();
        setPrerequisiteEdges(campaign, "1>0 2>3 4>2");
        campaign.scenarios[2].regionText = QStringLiteral("old text");
        ScenarioInfo window(nullptr, campaign, testCampaignMap, 2);
        widget<QTextEdit>(&window, "regionTextEdit")->setPlainText(QStringLiteral("new text"));
        widget<QComboBox>(&window, "regionColorCombobox")->setCurrentIndex(6);
        press(&window, "upBtn");

        QCOMPARE(window.currentScenarioIndex(), 1);
        QCOMPARE(mapNames(window.campaign()).mid(0, 3),
                 QStringList({"M0.y6m", "M2.y6m", "M1.y6m"}));
        QCOMPARE(listTexts(&window).mid(0, 3),
                 QStringList({"Region 0 — M0.y6m", "Region 1 — M2.y6m", "Region 2 — M1.y6m"}));
        QCOMPARE(prerequisiteEdges(window.campaign()), QStringLiteral("1>3 2>0 4>1"));
        QCOMPARE(widget<QTextEdit>(&window, "regionTextEdit")->toPlainText(),
                 QStringLiteral("new text"));
        QCOMPARE(widget<QLabel>(&window, "regionNameLabel")->text(), QStringLiteral("Region 1"));
        // The prerequisite items name scenarios by their new indices.
        QCOMPARE(prerequisiteListState(widget<QListWidget>(&window, "prereqListWidget")),
                 QStringLiteral("0- 2- 3+ 5-"));
        window.commitAll();
        QCOMPARE(window.campaign().scenarios[1].regionText, QStringLiteral("new text"));
        QCOMPARE(window.campaign().scenarios[1].regionColor, uint8_t(6));
        QCOMPARE(window.campaign().scenarios[2].regionText, QString());
        QVERIFY(window.scenariosModified());

        // Down on the last row and Up on the first change nothing.
        widget<QListWidget>(&window, "listWidget")->setCurrentRow(0);
        QMetaObject::invokeMethod(&window, "buttonUp");
        QCOMPARE(mapNames(window.campaign()).first(), QStringLiteral("M0.y6m"));
    }

    // A campaign without map moves scenarios; their prerequisites become the chain its file
    // stores, here none (no scenario has a map).
    void downWithoutMap() {
        CmpCampaign campaign = campaignWithoutMap(3);
        campaign.scenarios[0].prerequisites.setBit(1);
        ScenarioInfo window(nullptr, campaign, testCampaignMap, 0);
        press(&window, "downBtn");
        QCOMPARE(mapNames(window.campaign()), QStringList({"S2.y6m", "S1.y6m", "S3.y6m"}));
        QCOMPARE(listTexts(&window), QStringList({"1. S2.y6m", "2. S1.y6m", "3. S3.y6m"}));
        QCOMPARE(window.currentScenarioIndex(), 1);
        QCOMPARE(prerequisiteEdges(window.campaign()), QString());
    }

    // Moving the selection commits the pages into the scenario left and shows the next one;
    // leaving the tab commits as well.
    void selectionAndTabChangeCommit() {
        ScenarioInfo window(nullptr, campaignWithMap(), testCampaignMap, 0);
        auto *difficulty = widget<QComboBox>(&window, "difficultyCombobox");
        difficulty->setCurrentIndex(3);
        QVERIFY(!window.scenariosModified());
        widget<QListWidget>(&window, "listWidget")->setCurrentRow(4);
        QCOMPARE(window.campaign().scenarios[0].difficulty, uint8_t(3));
        QVERIFY(window.scenariosModified());
        QCOMPARE(difficulty->currentIndex(), 1); // scenario 4's own difficulty
        QCOMPARE(widget<QLabel>(&window, "regionNameLabel")->text(), QStringLiteral("Region 4"));
        QCOMPARE(::buttonStates(&window), QStringLiteral("11000"));
        difficulty->setCurrentIndex(4);
        widget<QTabWidget>(&window, "tabWidget")->setCurrentIndex(3);
        QCOMPARE(window.campaign().scenarios[4].difficulty, uint8_t(4));
    }

    void customListIgnoresRightButton() {
        ScenarioInfo window(nullptr, campaignWithMap(), testCampaignMap, 0);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *list = widget<QListWidget>(&window, "listWidget");
        const QPoint third = list->visualItemRect(list->item(2)).center();
        QTest::mousePress(list->viewport(), Qt::RightButton, {}, third);
        QTest::mouseRelease(list->viewport(), Qt::RightButton, {}, third);
        QTest::mouseDClick(list->viewport(), Qt::RightButton, {}, third);
        QCOMPARE(list->currentRow(), 0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third);
        QCOMPARE(list->currentRow(), 2);
        QCOMPARE(window.currentScenarioIndex(), 2);
    }

    void rightClickFilterSwallowsRightButtonOnly() {
        MouseCounter target;
        RightClickFilter filter;
        target.installEventFilter(&filter);
        target.show();
        QVERIFY(QTest::qWaitForWindowExposed(&target));
        QTest::mousePress(&target, Qt::RightButton);
        QTest::mouseRelease(&target, Qt::RightButton);
        QCOMPARE(target.presses + target.releases, 0);
        QTest::mousePress(&target, Qt::LeftButton);
        QTest::mouseRelease(&target, Qt::LeftButton);
        QTest::mouseDClick(&target, Qt::RightButton);
        QCOMPARE(target.presses, 1);
        QCOMPARE(target.releases, 1);
        QCOMPARE(target.doubleClicks, 1); // only presses and releases are swallowed
    }

    // The main window opens the window on the selected region by "Return" and by its action;
    // Cancel after list operations changes nothing, OK hands the copy back and marks the
    // campaign.
    void mainWindowHandBack() {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("Chain.y6c"));
        CmpCampaign campaign = campaignWithoutMap(3);
        for (int i = 0; i < 3; ++i) {
            campaign.scenarios[i].mapName.clear();
            campaign.scenarios[i].difficulty = uint8_t(i);
        }
        QVERIFY(CampaignFile::save(campaign, file));
        MessageRecorder recorder;
        MainWindow mainWindow;
        mainWindow.loadFile(file);
        QCOMPARE(mainWindow.campaign().scenarios.size(), 3);
        selectedRegion = 1;
        mainWindow.show();
        QApplication::setActiveWindow(&mainWindow);
        QVERIFY(QTest::qWaitForWindowActive(&mainWindow));
        auto difficulties = [&mainWindow] {
            QList<int> levels;
            for (const CmpScenario &scenario : mainWindow.campaign().scenarios)
                levels.append(scenario.difficulty);
            return levels;
        };

        int openedOn = -1;
        whenShown<ScenarioInfo>("ScenarioInfo", [&openedOn](ScenarioInfo *window) {
            openedOn = window->currentScenarioIndex();
            press(window, "downBtn");
            press(window, "addBtn");
            widget<QListWidget>(window, "listWidget")->setCurrentRow(0);
            press(window, "deleteBtn");
            widget<QComboBox>(window, "difficultyCombobox")->setCurrentIndex(4);
            widget<QDialogButtonBox>(window, "buttonBox")
                ->button(QDialogButtonBox::Cancel)
                ->click();
        });
        QTest::keyClick(&mainWindow, Qt::Key_Return);
        QCOMPARE(openedOn, 1);
        QCOMPARE(difficulties(), QList<int>({0, 1, 2}));
        QVERIFY(!mainWindow.isModified());
        QCOMPARE(selectedRegion, 1);

        whenShown<QWidget>("ScenarioInfo", [](QWidget *modal) {
            press(modal, "upBtn");
            widget<QComboBox>(modal, "difficultyCombobox")->setCurrentIndex(4);
            widget<QDialogButtonBox>(modal, "buttonBox")->button(QDialogButtonBox::Ok)->click();
        });
        mainWindow.findChild<QAction *>(QStringLiteral("scenarioProperties"))->trigger();
        QCOMPARE(difficulties(), QList<int>({4, 0, 2}));
        QVERIFY(mainWindow.isModified());
        QCOMPARE(selectedRegion, 0);

        // OK without any change is no step: Undo takes back the edit above and no more.
        whenShown<QWidget>("ScenarioInfo", [](QWidget *modal) {
            widget<QDialogButtonBox>(modal, "buttonBox")->button(QDialogButtonBox::Ok)->click();
        });
        mainWindow.openScenarioProperties();
        QCOMPARE(mainWindow.history()->count(), 1);
        QCOMPARE(difficulties(), QList<int>({4, 0, 2}));
        QCOMPARE(mainWindow.campaign().scenarioCount, 3);
        mainWindow.history()->undo();
        QCOMPARE(difficulties(), QList<int>({0, 1, 2}));
        QVERIFY(!mainWindow.isModified());
    }
};

QTEST_MAIN(TestScenarioInfo)
#include "test_scenarioinfo.moc"
