// The crossover pages: what crossover heroes keep, and the crossover options with their dialog.
#include "campaign/cmpcampaign.h"
#include "dialogs/crossover/herocrossover.h"
#include "dialogs/crossover/herocrossoverdialog.h"
#include "dialogs/crossover/scenariocrossover.h"
#include "gamedata/gamecatalogue.h"
#include "widgetlookup.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QToolTip>
#include <QtTest>

namespace {

GameCatalogue smallCatalogue() {
    GameCatalogue catalogue;
    const char *artifacts[] = {"Spellbook",    "Spell Scroll", "Grail",    "Catapult",
                               "Zephyr Boots", "Amber Ring",   "Oak Staff"};
    for (int artifact = 0; artifact < 7; ++artifact)
        catalogue.artifactNames.insert(artifact, QString::fromLatin1(artifacts[artifact]));
    catalogue.artifactCount = 7;
    catalogue.creatureNames = {{0, "Footman"}, {1, "Archer"}, {2, "Wolf"}, {3, "Drake"}};
    catalogue.creatureOrder = {2, 0, 3, 1};
    catalogue.creatureCount = 4;
    catalogue.playerColorNames =
        QStringList{"Crimson", "Azure", "Tan", "Jade", "Amber", "Violet", "Teal", "Rose"};
    return catalogue;
}

QList<int> checkedNumbers(const QListWidget *list) {
    QList<int> numbers;
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->checkState() == Qt::Checked)
            numbers.append(list->item(row)->data(Qt::UserRole).toInt());
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

QBitArray bits(int size, const QList<int> &set) {
    QBitArray array(size);
    for (int bit : set)
        array.setBit(bit);
    return array;
}

QSharedPointer<MapHeader> humanPlayers(const QList<int> &players) {
    QSharedPointer<MapHeader> header(new MapHeader);
    for (int player : players)
        header->players[size_t(player)].canHumanPlay = true;
    return header;
}

// A campaign without map of four scenarios; scenario 3 has a map with human players 0 and 2
// and the prerequisites 0 and 2.
CmpCampaign crossoverCampaign() {
    CmpCampaign campaign;
    campaign.withMap = false;
    for (int index = 0; index < 4; ++index) {
        CmpScenario scenario;
        QSharedPointer<MapHeader> header = humanPlayers({0, 2});
        header->name = QStringLiteral("Map %1").arg(index);
        scenario.mapHeader = header;
        campaign.scenarios.append(scenario);
    }
    campaign.scenarios[3].prerequisites = bits(4, {0, 2});
    return campaign;
}

// Answers the crossover dialog the next click opens: notes "sources | players | choice" as it
// shows them, chooses the player at `player` and presses OK.
void answerDialog(QString *shown, int player) {
    whenShown<HeroCrossoverDialog>("HeroCrossoverDialog", [shown, player](QDialog *dialog) {
        auto *sources = widget<QComboBox>(dialog, "scenarioCombobox");
        auto *players = widget<QComboBox>(dialog, "playerCombobox");
        *shown = comboTexts(sources).join(',') + " | " + comboTexts(players).join(',') + " | " +
                 sources->currentText() + ", " + players->currentText();
        players->setCurrentIndex(player);
        widget<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok)->click();
    });
}

void clickCell(QTableWidget *table, int row) {
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                      table->visualRect(table->model()->index(row, 0)).center());
}

} // namespace

class TestCrossoverPages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setGameCatalogue(smallCatalogue()); }

    void scenarioWithoutMap() {
        CmpScenario scenario;
        scenario.heroKeeps = bits(5, {4});
        scenario.artifactsKept = bits(7, {2, 5});
        scenario.creaturesKept = bits(4, {1});
        ScenarioCrossover page;
        page.load(&scenario);
        for (const char *name : {"experienceComboBox", "primarySkillsCombobox", "secSkillsCombobox",
                                 "spellsCombobox"}) {
            QVERIFY(page.findChild<QCheckBox *>(name)->isChecked());
            QVERIFY(!page.findChild<QCheckBox *>(name)->isEnabled());
        }
        QVERIFY(!page.findChild<QCheckBox *>("artifactsCombobox")->isChecked());
        QVERIFY(!page.findChild<QPushButton *>("allButton")->isEnabled());
        QVERIFY(page.commit());
        QCOMPARE(scenario.heroKeeps, bits(5, {0, 1, 2, 3}));
        QCOMPARE(scenario.artifactsKept, bits(7, {}));
        QCOMPARE(scenario.creaturesKept, bits(4, {}));
        QVERIFY(!page.commit());
    }

    void scenarioWithMap() {
        CmpScenario scenario;
        scenario.mapHeader = humanPlayers({0});
        scenario.heroKeeps = bits(5, {1, 4});
        scenario.artifactsKept = bits(7, {1, 2, 5});
        scenario.creaturesKept = bits(3, {0, 2}); // creature 3 lies beyond the stored bits
        ScenarioCrossover page;
        page.load(&scenario);
        QVERIFY(page.findChild<QCheckBox *>("artifactsCombobox")->isChecked());
        QVERIFY(!page.findChild<QCheckBox *>("experienceComboBox")->isChecked());
        auto *artifacts = page.findChild<QListWidget *>("crosssoverArtsListWidget");
        auto *creatures = page.findChild<QListWidget *>("creaturesListWidget");
        // Artifacts above 3 by name, creatures in the catalogue's order.
        QCOMPARE(listTexts(artifacts),
                 (QStringList{"Amber Ring", "Grail", "Oak Staff", "Zephyr Boots"}));
        QCOMPARE(listTexts(creatures), (QStringList{"Wolf", "Footman", "Drake", "Archer"}));
        QCOMPARE(checkedNumbers(artifacts), (QList<int>{2, 5}));
        QCOMPARE(checkedNumbers(creatures), (QList<int>{0, 2}));
        QVERIFY(!page.commit());

        // "All" under the creatures leaves the artifacts alone.
        QTest::mouseClick(page.findChild<QPushButton *>("allButton"), Qt::LeftButton);
        QCOMPARE(checkedNumbers(creatures), (QList<int>{0, 1, 2, 3}));
        QCOMPARE(checkedNumbers(artifacts), (QList<int>{2, 5}));
        QTest::mouseClick(page.findChild<QPushButton *>("noneButtonArts"), Qt::LeftButton);
        QVERIFY(checkedNumbers(artifacts).isEmpty());
        QVERIFY(page.commit());
        QCOMPARE(scenario.creaturesKept, bits(4, {0, 1, 2, 3}));
        // Artifact 1 is not on the page and keeps its bit.
        QCOMPARE(scenario.artifactsKept, bits(7, {1}));

        page.setMapDependentEnabled(false);
        QVERIFY(checkedNumbers(creatures).isEmpty());
        QVERIFY(!creatures->isEnabled());
    }

    void crossoverRows() {
        const CmpCampaign campaign = crossoverCampaign();
        HeroCrossover page;
        page.show();
        page.load(&campaign, &campaign.scenarios[3], 24);
        auto *add = page.findChild<QPushButton *>("addButton");
        QTableWidget *table = page.table();
        QVERIFY(add->isEnabled());
        QCOMPARE(table->rowCount(), 0);

        // The player box shows bare colour names; the table shows player texts.
        QString shown;
        answerDialog(&shown, 1);
        QTest::mouseClick(add, Qt::LeftButton);
        QCOMPARE(shown, QStringLiteral("0. Map 0,2. Map 2 | Crimson,Tan | 0. Map 0, Crimson"));
        QCOMPARE(table->item(0, 0)->text(), QString("0. Map 0"));
        QCOMPARE(table->item(0, 1)->text(), QString("Player 3 (Tan)"));
        QVERIFY(add->isEnabled());

        // The second source is the last prerequisite: Add goes off below three rows.
        answerDialog(&shown, 0);
        QTest::mouseClick(add, Qt::LeftButton);
        QCOMPARE(shown, QStringLiteral("2. Map 2 | Crimson,Tan | 2. Map 2, Crimson"));
        QVERIFY(!add->isEnabled());
        QCOMPARE(page.collect().crossovers, (QList<CmpHeroCrossover>{{2, 0}, {0, 2}}));
        QVERIFY(!page.findChild<QPushButton *>("editButton")->isEnabled());

        // Editing a row offers its own source again, but not the other row's.
        clickCell(table, 1);
        answerDialog(&shown, 1);
        QTest::mouseClick(page.findChild<QPushButton *>("editButton"), Qt::LeftButton);
        QCOMPARE(shown, QStringLiteral("2. Map 2 | Crimson,Tan | 2. Map 2, Crimson"));
        QCOMPARE(page.collect().crossovers, (QList<CmpHeroCrossover>{{2, 0}, {2, 2}}));
        QCOMPARE(table->item(1, 1)->text(), QString("Player 3 (Tan)"));

        clickCell(table, 0);
        QTest::mouseClick(page.findChild<QPushButton *>("removeButton"), Qt::LeftButton);
        QCOMPARE(page.collect().crossovers, (QList<CmpHeroCrossover>{{2, 2}}));
        QVERIFY(add->isEnabled());
    }

    // Stored rows are shown as they are; the right button neither selects a row nor opens the
    // editor on it.
    void storedRowsAndTheRightButton() {
        CmpCampaign campaign = crossoverCampaign();
        campaign.scenarios[3].startOptions = makeStartOptions(HeroCrossoverSet{{{0, 0}, {2, 2}}});
        HeroCrossover page;
        page.load(&campaign, &campaign.scenarios[3], 24);
        QTableWidget *table = page.table();
        QCOMPARE(table->rowCount(), 2);
        QVERIFY(!page.findChild<QPushButton *>("addButton")->isEnabled());
        QVERIFY(!page.findChild<QPushButton *>("editButton")->isEnabled());
        QVERIFY(!(table->item(0, 0)->flags() & Qt::ItemIsEditable));
        QCOMPARE(page.collect().crossovers, (QList<CmpHeroCrossover>{{0, 0}, {2, 2}}));

        page.show();
        const QPoint second = table->visualRect(table->model()->index(1, 0)).center();
        QTest::mouseClick(table->viewport(), Qt::RightButton, {}, second);
        QTest::mouseDClick(table->viewport(), Qt::RightButton, {}, second);
        QVERIFY(table->selectedItems().isEmpty());
        QVERIFY(!page.findChild<QPushButton *>("editButton")->isEnabled());
        clickCell(table, 1);
        QCOMPARE(table->currentRow(), 1);
    }

    // A source scenario's text that its column cuts shows whole in the cell's tool tip.
    void cutTextInToolTip_data() {
        QTest::addColumn<QString>("mapName");
        QTest::addColumn<bool>("cut");
        QTest::newRow("fits") << "Map" << false;
        QTest::newRow("cut") << "The Long and Winding Road to the Greywater Fens" << true;
    }

    void cutTextInToolTip() {
        QFETCH(QString, mapName);
        QFETCH(bool, cut);
        CmpCampaign campaign = crossoverCampaign();
        QSharedPointer<MapHeader> header(new MapHeader(*campaign.scenarios[0].mapHeader));
        header->name = mapName;
        campaign.scenarios[0].mapHeader = header;
        campaign.scenarios[3].startOptions = makeStartOptions(HeroCrossoverSet{{{0, 0}}});
        HeroCrossover page;
        page.load(&campaign, &campaign.scenarios[3], 24);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QApplication::setEffectEnabled(Qt::UI_AnimateTooltip, false); // shown at once
        QToolTip::hideText();
        QTRY_VERIFY(!QToolTip::isVisible());

        QTableWidget *table = page.table();
        const QPoint cell = table->visualRect(table->model()->index(0, 0)).center();
        QHelpEvent hover(QEvent::ToolTip, cell, table->viewport()->mapToGlobal(cell));
        QApplication::sendEvent(table->viewport(), &hover);
        QCOMPARE(QToolTip::isVisible(), cut);
        if (cut)
            QCOMPARE(QToolTip::text(), QStringLiteral("0. ") + mapName);
    }
};

QTEST_MAIN(TestCrossoverPages)
#include "test_crossoverpages.moc"
