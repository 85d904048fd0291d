// The starting-options page: the kinds a scenario can offer, the lists of each kind and what
// the page writes back, and the starting-hero dialog's offers.
#include "campaign/cmpcampaign.h"
#include "campaign/heroids.h"
#include "dialogs/startoptions/scenariostartoptions.h"
#include "dialogs/startoptions/startingherodialog.h"
#include "gamedata/gamecatalogue.h"
#include "widgetlookup.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QtTest>

namespace {

GameCatalogue heroCatalogue() {
    GameCatalogue catalogue;
    catalogue.heroNames = {{0, "Ann"}, {1, "Bo"}, {2, "Cy"}, {3, "Di"}, {4, "Ed"}, {5, "Fay"}};
    catalogue.playerColorNames =
        QStringList{"Red", "Blue", "Tan", "Green", "Orange", "Purple", "Teal", "Pink"};
    return catalogue;
}

// A player of the test maps: human-playable or not, its main town (generating a hero or not)
// and the heroes it owns on the map.
struct PlayerSetup {
    bool human = true;
    bool generates = false;
    QList<uint8_t> heroes;
};
using Players = QMap<int, PlayerSetup>;

MapHeaderRef mapOf(const Players &players) {
    QSharedPointer<MapHeader> header(new MapHeader);
    header->hasPlayers = true;
    header->allowedHeroes = QBitArray(6, true);
    header->allowedHeroes.clearBit(3); // Di is kept out of the game
    for (auto it = players.cbegin(); it != players.cend(); ++it) {
        MapPlayer &player = header->players[size_t(it.key())];
        player.canHumanPlay = it->human;
        player.hasMainTown = it->generates ? 1 : 0;
        player.generateHeroAtMainTown = it->generates;
        player.mainTownType = it->generates ? 0 : 255;
        for (uint8_t hero : it->heroes)
            player.heroes.append(MapHero{hero, QString()});
    }
    return header;
}

// Two scenarios; scenario 1 is the edited one, with the given map (null: none).
CmpCampaign campaignOf(const MapHeaderRef &map, CmpStartOptionsRef options = {},
                       bool prerequisite = false) {
    CmpCampaign campaign;
    campaign.withMap = false;
    for (int index = 0; index < 2; ++index)
        campaign.scenarios.append(CmpScenario());
    campaign.scenarios[0].mapHeader = mapOf({{0, {}}});
    CmpScenario &edited = campaign.scenarios[1];
    edited.mapHeader = map;
    edited.startOptions = options;
    edited.prerequisites = QBitArray(2);
    if (prerequisite)
        edited.prerequisites.setBit(0);
    return campaign;
}

CmpBonus gold(int amount) {
    return CmpBonus::make(ResourceBonus, BonusResource{6, amount});
}

// Players 0 and 2 play by humans, generate a hero and may take part in a crossover.
const Players twoHumans{{0, {true, true, {}}}, {2, {true, true, {}}}};

constexpr int bonusStack = 2, crossoverStack = 3, heroStack = 4;

int stackOf(int kind) {
    return kind == BonusChoice ? bonusStack : kind == CrossoverChoice ? crossoverStack : heroStack;
}

QTableWidget *tableOf(ScenarioStartOptions &page, int stackIndex) {
    auto *stack = widget<QStackedWidget>(&page, "stackedWidget");
    return stack->widget(stackIndex)->findChild<QTableWidget *>(QStringLiteral("tableWidget"));
}

// The named child of the sub-page of the given stack index.
template <typename T> T *onSubPage(ScenarioStartOptions &page, int stackIndex, const char *name) {
    return widget<T>(tableOf(page, stackIndex)->parentWidget(), name);
}

void open(ScenarioStartOptions &page, CmpCampaign &campaign) {
    page.setScenario(&campaign, 0, 1);
    page.load();
}

} // namespace

Q_DECLARE_METATYPE(MapHeaderRef)
Q_DECLARE_METATYPE(CmpStartOptionsRef)

class TestStartOptions : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setGameCatalogue(heroCatalogue()); }

    // The kind stored with the scenario is shown when the map and the prerequisites allow it;
    // otherwise the page falls back to the bonus kind and empties the unavailable list. Without
    // a map only the disabled, empty bonus kind shows, and nothing is written.
    void kindFallbacks_data() {
        QTest::addColumn<MapHeaderRef>("map");
        QTest::addColumn<bool>("prerequisite");
        QTest::addColumn<CmpStartOptionsRef>("stored");
        QTest::addColumn<int>("shownKind");
        QTest::addColumn<bool>("heroKind");
        QTest::addColumn<bool>("crossoverKind");

        const MapHeaderRef generating = mapOf({{0, {true, true, {}}}});
        const CmpStartOptionsRef bonus = makeStartOptions(StartingBonusSet{0, {gold(5)}});
        const CmpStartOptionsRef crossover = makeStartOptions(HeroCrossoverSet{{{0, 0}}});
        const CmpStartOptionsRef hero = makeStartOptions(StartingHeroSet{{{0, RandomHero}}});
        QTest::newRow("crossover kept") << generating << true << crossover << 2 << true << true;
        QTest::newRow("crossover without prerequisite")
            << generating << false << crossover << 1 << true << false;
        QTest::newRow("starting hero kept") << generating << false << hero << 3 << true << false;
        QTest::newRow("first human player qualifies for none")
            << mapOf({{0, {true, false, {}}}, {2, {true, true, {1}}}}) << true << hero << 1 << false
            << true;
        QTest::newRow("no options")
            << generating << true << CmpStartOptionsRef() << 1 << true << true;
        QTest::newRow("no map") << MapHeaderRef() << true << bonus << 1 << false << false;
    }
    void kindFallbacks() {
        QFETCH(MapHeaderRef, map);
        QFETCH(bool, prerequisite);
        QFETCH(CmpStartOptionsRef, stored);
        QFETCH(int, shownKind);
        QFETCH(bool, heroKind);
        QFETCH(bool, crossoverKind);

        const bool withMap = map;
        const int storedKind = stored ? stored->kind : 0;
        CmpCampaign campaign = campaignOf(map, stored, prerequisite);
        ScenarioStartOptions page;
        open(page, campaign);
        QCOMPARE(page.optionKind(), shownKind);
        for (const char *name : {"startingBonusBtn", "startingOptionsLabel", "stackedWidget"})
            QVERIFY2(widget<QWidget>(&page, name)->isEnabled() == withMap, name);
        QCOMPARE(widget<QRadioButton>(&page, "startingHeroBtn")->isEnabled(), heroKind);
        QCOMPARE(widget<QRadioButton>(&page, "heroCrosssoverBtn")->isEnabled(), crossoverKind);
        QCOMPARE(widget<QStackedWidget>(&page, "stackedWidget")->currentIndex(),
                 stackOf(shownKind));
        if (!crossoverKind)
            QCOMPARE(tableOf(page, crossoverStack)->rowCount(), 0);
        if (!heroKind)
            QCOMPARE(tableOf(page, heroStack)->rowCount(), 0);
        if (!withMap)
            QCOMPARE(tableOf(page, bonusStack)->rowCount(), 0);

        // A fallen-back kind is written as an empty bonus list; a kept one is no change.
        QCOMPARE(page.commit(), storedKind != shownKind);
        if (withMap)
            QCOMPARE(int(campaign.scenarios[1].startOptions->kind), shownKind);
        else
            QCOMPARE(campaign.scenarios[1].startOptions, stored);
    }

    // A full list disables Add; removing its first row enables Add again, and only that
    // change of the entries is reported.
    void removingFromAFullList_data() {
        QTest::addColumn<CmpStartOptionsRef>("stored");
        QTest::newRow("three bonuses")
            << makeStartOptions(StartingBonusSet{2, {gold(1), gold(2), gold(3)}});
        QTest::newRow("crossover from the only prerequisite")
            << makeStartOptions(HeroCrossoverSet{{CmpHeroCrossover{0, 0}}});
        QTest::newRow("three starting heroes") << makeStartOptions(
            StartingHeroSet{{StartingHero{0, RandomHero}, StartingHero{0, 1}, StartingHero{0, 4}}});
    }
    void removingFromAFullList() {
        QFETCH(CmpStartOptionsRef, stored);
        CmpCampaign campaign = campaignOf(mapOf(twoHumans), stored, true);
        ScenarioStartOptions page;
        open(page, campaign);
        QCOMPARE(page.optionKind(), int(stored->kind));
        const int stack = stackOf(stored->kind);
        QTableWidget *table = tableOf(page, stack);
        auto *add = onSubPage<QPushButton>(page, stack, "addButton");
        auto *remove = onSubPage<QPushButton>(page, stack, "removeButton");
        const int rows = table->rowCount();
        QVERIFY(!add->isEnabled());
        QVERIFY(!remove->isEnabled());
        QVERIFY(!page.commit());

        table->setCurrentCell(0, 0);
        emit table->cellClicked(0, 0);
        QVERIFY(remove->isEnabled());
        QTest::mouseClick(remove, Qt::LeftButton);
        QCOMPARE(page.optionCount(), rows - 1);
        QVERIFY(add->isEnabled());
        QVERIFY(page.commit());
        QCOMPARE(campaign.scenarios[1].startOptions->kind, stored->kind);
        if (stored->kind == BonusChoice) {
            const StartingBonusSet written = campaign.scenarios[1].startOptions->bonusSet();
            QCOMPARE(int(written.player), 2);
            QCOMPARE(written.bonuses, (QList<CmpBonus>{gold(2), gold(3)}));
        }
        QVERIFY(!page.commit());
    }

    // The starting-hero dialog offers each player's heroes on the map, and the random hero and
    // the catalogue heroes the map allows only to a player whose main town generates a hero;
    // no hero twice, except the edited row's own.
    void heroesOfferedPerPlayer() {
        const Players players{{0, {true, true, {5}}},
                              {1, {true, false, {2, 2}}},
                              {2, {true, false, {}}},
                              {3, {false, true, {1}}}};
        CmpCampaign campaign = campaignOf(
            mapOf(players),
            makeStartOptions(StartingHeroSet{{StartingHero{0, RandomHero}, StartingHero{0, 1}}}));
        ScenarioStartOptions page;
        open(page, campaign);
        QTableWidget *table = tableOf(page, heroStack);
        auto *add = onSubPage<QPushButton>(page, heroStack, "addButton");
        QCOMPARE(table->rowCount(), 2);
        QVERIFY(add->isEnabled());

        StartingHeroDialog added(nullptr, campaign.scenarios[1], 0, table, nullptr);
        auto *playerBox = widget<QComboBox>(&added, "playerCombobox");
        auto *heroBox = widget<QComboBox>(&added, "heroCombobox");
        QCOMPARE(comboData(playerBox), (QList<int>{0, 1}));
        QCOMPARE(playerBox->itemText(1), QStringLiteral("Player 2 (Blue)"));
        // Di (3) is kept out by the map, the random hero and Bo (1) are taken, Fay is on the map.
        QCOMPARE(comboData(heroBox), (QList<int>{5, 0, 2, 4}));
        QCOMPARE(heroBox->currentIndex(), 0);
        heroBox->setCurrentIndex(2); // Cy, who also stands on the map for player 1
        playerBox->setCurrentIndex(1);
        QCOMPARE(comboData(heroBox), (QList<int>{2}));
        QCOMPARE(heroBox->currentData().toInt(), 2);

        StartingHeroDialog edited(nullptr, campaign.scenarios[1], 0, table, table->item(0, 0));
        heroBox = widget<QComboBox>(&edited, "heroCombobox");
        QCOMPARE(comboData(heroBox), (QList<int>{5, RandomHero, 0, 2, 4}));
        QCOMPARE(heroBox->currentData().toInt(), int(RandomHero));

        // Adding through the page fills a row from the dialog.
        whenShown<StartingHeroDialog>("StartingHeroDialog", [](StartingHeroDialog *dialog) {
            widget<QComboBox>(dialog, "playerCombobox")->setCurrentIndex(1);
            dialog->accept();
        });
        QTest::mouseClick(add, Qt::LeftButton);
        QCOMPARE(table->rowCount(), 3);
        QCOMPARE(table->item(2, 1)->text(), QStringLiteral("Player 2 (Blue)"));
        QVERIFY(!add->isEnabled());
        QVERIFY(page.commit());
        QCOMPARE(campaign.scenarios[1].startOptions->heroSet().heroes.last(), (StartingHero{1, 2}));
    }

    // A new map in which player 2 can no longer be played by a human drops that player's
    // entries, consecutive rows included, and a bonus list moves to the first human player.
    void checksAfterMapReplacement_data() {
        QTest::addColumn<CmpStartOptionsRef>("stored");
        QTest::newRow("crossovers") << makeStartOptions(HeroCrossoverSet{
            {CmpHeroCrossover{2, 0}, CmpHeroCrossover{2, 1}, CmpHeroCrossover{0, 0}}});
        QTest::newRow("starting heroes") << makeStartOptions(
            StartingHeroSet{{StartingHero{2, 0}, StartingHero{2, 1}, StartingHero{0, 2}}});
        QTest::newRow("bonuses") << makeStartOptions(StartingBonusSet{2, {gold(7)}});
    }
    void checksAfterMapReplacement() {
        QFETCH(CmpStartOptionsRef, stored);
        CmpCampaign campaign = campaignOf(mapOf(twoHumans), stored);
        campaign.scenarios[1].prerequisites = QBitArray(2, true);
        ScenarioStartOptions page;
        open(page, campaign);
        const int stack = stackOf(stored->kind);
        auto *players = onSubPage<QComboBox>(page, bonusStack, "playerCombobox");

        campaign.scenarios[1].mapHeader = mapOf({{0, {true, true, {}}}, {2, {false, true, {}}}});
        page.revalidate();
        QCOMPARE(page.optionKind(), int(stored->kind));
        QCOMPARE(tableOf(page, stack)->rowCount(), 1);
        QVERIFY(onSubPage<QPushButton>(page, stack, "addButton")->isEnabled());
        QVERIFY(page.commit());
        const CmpStartOptionsRef written = campaign.scenarios[1].startOptions;
        if (stored->kind == CrossoverChoice) {
            QCOMPARE(written->crossoverSet().crossovers, (QList<CmpHeroCrossover>{{0, 0}}));
        } else if (stored->kind == StartingHeroChoice) {
            QCOMPARE(written->heroSet().heroes, (QList<StartingHero>{{0, 2}}));
        } else {
            QCOMPARE(comboTexts(players), QStringList{"Red"});
            QCOMPARE(int(written->bonusSet().player), 0);
        }
    }
};

QTEST_MAIN(TestStartOptions)
#include "test_startoptions.moc"
