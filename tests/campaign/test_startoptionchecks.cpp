// The list checks that keep starting options consistent with a scenario's map, on small
// hand-built map summaries.
#include "campaign/cmpscenario.h"
#include "campaign/heroids.h"
#include "campaign/startoptionchecks.h"
#include "gamedata/gamecatalogue.h"

#include <QtTest>

namespace {

// Player 0: human, main town of type 5 that generates a hero, owns heroes 1 and 2.
// Player 1: human, main town of type 3 without a generated hero, owns hero 3.
// Player 2: human, no main town, owns hero 4 (made computer-only by `withoutHumanPlayer2`).
// Player 3: computer, main town generating a hero.
// Hero 8 is enabled on the map; hero 9 is only a custom hero.
QSharedPointer<MapHeader> baseHeader() {
    QSharedPointer<MapHeader> header(new MapHeader);
    auto &p = header->players;
    p[0].canHumanPlay = true;
    p[0].hasMainTown = 1;
    p[0].mainTownType = 5;
    p[0].generateHeroAtMainTown = true;
    p[0].heroes = {MapHero{1, QString()}, MapHero{2, QString()}};
    p[1].canHumanPlay = true;
    p[1].hasMainTown = 1;
    p[1].mainTownType = 3;
    p[1].heroes = {MapHero{3, QString()}};
    p[2].canHumanPlay = true;
    p[2].mainTownType = 255;
    p[2].heroes = {MapHero{4, QString()}};
    p[3].canComputerPlay = true;
    p[3].hasMainTown = 1;
    p[3].generateHeroAtMainTown = true;
    header->allowedHeroes = QBitArray(10);
    header->allowedHeroes.setBit(8);
    header->customHeroes = {MapCustomHero{9, 9, QStringLiteral("Custom"), 0xff}};
    return header;
}

CmpScenario scenarioWith(const QSharedPointer<MapHeader> &header) {
    CmpScenario scenario;
    scenario.mapHeader = header;
    return scenario;
}

CmpScenario withoutHumanPlayer2() {
    auto header = baseHeader();
    header->players[2].canHumanPlay = false;
    return scenarioWith(header);
}

CmpBonus spell(uint16_t hero) {
    return CmpBonus::make(SpellBonus, BonusSpell{hero, 3});
}
CmpBonus building(uint8_t number) {
    return CmpBonus::make(BuildingBonus, BonusBuilding{number});
}
CmpBonus resource() {
    return CmpBonus::make(ResourceBonus, BonusResource{6, 500});
}

using BonusList = QList<CmpBonus>;
using Positions = QList<int>;

} // namespace

Q_DECLARE_METATYPE(BonusList)

class TestStartOptionChecks : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        GameCatalogue catalogue;
        for (int hero = 0; hero < 10; ++hero)
            catalogue.heroNames.insert(hero, QStringLiteral("H%1").arg(hero));
        setGameCatalogue(catalogue);
    }

    void bonuses_data() {
        QTest::addColumn<int>("player");
        QTest::addColumn<BonusList>("bonuses");
        QTest::addColumn<Positions>("removed");

        QTest::newRow("generated hero without a generating town goes, most powerful stays")
            << 1 << BonusList{spell(GeneratedHero), spell(MostPowerfulHero), spell(3)}
            << Positions{0};
        QTest::newRow("generated hero of a generating town stays")
            << 0 << BonusList{spell(GeneratedHero), spell(2)} << Positions{};
        QTest::newRow("heroes of another player and the random hero go, in a row")
            << 0 << BonusList{spell(3), spell(RandomHero), spell(1)} << Positions{0, 1};
        QTest::newRow("building 10 stays for town type 5")
            << 0 << BonusList{building(10), building(1)} << Positions{};
        QTest::newRow("building 10 goes for town type 3")
            << 1 << BonusList{building(10), building(1)} << Positions{0};
        QTest::newRow("buildings go without a main town")
            << 2 << BonusList{building(1), resource(), building(2)} << Positions{0, 2};
        QTest::newRow("a resource never goes")
            << 7 << BonusList{resource(), spell(1)} << Positions{1};
    }

    void bonuses() {
        QFETCH(int, player);
        QFETCH(BonusList, bonuses);
        QFETCH(Positions, removed);
        const CheckedList<CmpBonus> checked =
            checkBonuses(scenarioWith(baseHeader()), player, bonuses);
        QCOMPARE(checked.removed, removed);
        BonusList kept;
        for (int row = 0; row < bonuses.size(); ++row)
            if (!removed.contains(row))
                kept.append(bonuses[row]);
        QCOMPARE(checked.kept, kept);
    }

    void startingHeroesAndCrossovers() {
        const CmpScenario scenario = withoutHumanPlayer2();
        const QList<StartingHero> heroes = {
            {0, 1},          // own hero
            {2, 4},          // player 2 no longer human
            {2, RandomHero}, // the same, in the next row
            {0, 9},          // custom hero, not enabled, generating town
            {1, 8},          // enabled hero, but no generating town
            {0, 7},          // neither enabled nor custom
            {0, RandomHero}, // generating town
        };
        const CheckedList<StartingHero> checkedHeroes = checkStartingHeroes(scenario, heroes);
        QCOMPARE(checkedHeroes.removed, (Positions{1, 2, 4, 5}));
        QCOMPARE(checkedHeroes.kept, (QList<StartingHero>{heroes[0], heroes[3], heroes[6]}));

        auto header = baseHeader();
        header->players[0].hasMainTown = 0;
        const CheckedList<StartingHero> townless =
            checkStartingHeroes(scenarioWith(header), {{0, RandomHero}, {0, 2}});
        QCOMPARE(townless.removed, Positions{0});

        const QList<CmpHeroCrossover> crossovers = {{2, 0}, {2, 1}, {0, 2}, {3, 3}, {9, 4}};
        const CheckedList<CmpHeroCrossover> checkedCrossovers =
            checkCrossovers(scenario, crossovers);
        QCOMPARE(checkedCrossovers.removed, (Positions{0, 1, 3, 4}));
        QCOMPARE(checkedCrossovers.kept, QList<CmpHeroCrossover>{crossovers[2]});
    }

    void nothingIsCheckedWithoutMap() {
        const CmpScenario scenario;
        QVERIFY(checkBonuses(scenario, 0, {spell(RandomHero), building(16)}).removed.isEmpty());
        QVERIFY(checkStartingHeroes(scenario, {{5, 5}}).removed.isEmpty());
        QVERIFY(checkCrossovers(scenario, {{7, 0}}).removed.isEmpty());

        CmpScenario withOptions;
        withOptions.startOptions = makeStartOptions(HeroCrossoverSet{{{5, 0}}});
        const StartOptionsCheck check = checkStartOptions(withOptions);
        QVERIFY(!check.changed);
        QCOMPARE(check.options, withOptions.startOptions);
        QVERIFY(checkStartOptions(scenarioWith(baseHeader())).options.isNull());
    }

    void kindsAllowed() {
        CmpScenario scenario = scenarioWith(baseHeader());
        QVERIFY(isStartingHeroKindAllowed(scenario));
        QVERIFY(!isCrossoverKindAllowed(scenario));
        scenario.prerequisites.setBit(3);
        QVERIFY(isCrossoverKindAllowed(scenario));

        // Only the first human-playable player counts for the kind, even when a later one
        // would qualify.
        auto header = baseHeader();
        header->players[0].generateHeroAtMainTown = false;
        header->players[0].heroes.clear();
        QVERIFY(!isStartingHeroKindAllowed(scenarioWith(header)));
        header->players[0].canHumanPlay = false;
        QVERIFY(isStartingHeroKindAllowed(scenarioWith(header)));
    }

    void startOptionsAfterMapChange() {
        // A bonus list whose player is no longer human-playable passes to the first
        // human-playable player and is checked for that player.
        auto header = baseHeader();
        header->players[0].canHumanPlay = false;
        CmpScenario scenario = scenarioWith(header);
        scenario.startOptions = makeStartOptions(
            StartingBonusSet{0, {spell(1), building(10), spell(MostPowerfulHero), resource()}});
        StartOptionsCheck check = checkStartOptions(scenario);
        QVERIFY(check.changed);
        QCOMPARE(check.options->kind, uint8_t(BonusChoice));
        QCOMPARE(int(check.options->bonusSet().player), 1);
        QCOMPARE(check.options->bonusSet().bonuses,
                 (BonusList{spell(MostPowerfulHero), resource()}));

        // An unchanged list keeps its record.
        scenario.startOptions = makeStartOptions(StartingBonusSet{1, {spell(3), resource()}});
        check = checkStartOptions(scenario);
        QVERIFY(!check.changed);
        QCOMPARE(check.options, scenario.startOptions);

        // Crossovers without a prerequisite fall back to an empty bonus list.
        scenario.startOptions = makeStartOptions(HeroCrossoverSet{{{1, 0}}});
        check = checkStartOptions(scenario);
        QVERIFY(check.changed);
        QCOMPARE(check.options->kind, uint8_t(BonusChoice));
        QCOMPARE(int(check.options->bonusSet().player), 1);
        QVERIFY(check.options->bonusSet().bonuses.isEmpty());

        scenario.prerequisites = QBitArray(4);
        scenario.prerequisites.setBit(0);
        scenario.startOptions = makeStartOptions(HeroCrossoverSet{{{0, 0}, {1, 2}}});
        check = checkStartOptions(scenario);
        QVERIFY(check.changed);
        QCOMPARE(check.options->crossoverSet().crossovers, (QList<CmpHeroCrossover>{{1, 2}}));

        scenario.startOptions = makeStartOptions(StartingHeroSet{{{1, 3}, {0, 1}}});
        check = checkStartOptions(scenario);
        QVERIFY(check.changed);
        QCOMPARE(check.options->heroSet().heroes, (QList<StartingHero>{{1, 3}}));

        // Starting heroes on a map whose first human player has nothing to offer fall back.
        header = baseHeader();
        header->players[0].generateHeroAtMainTown = false;
        header->players[0].heroes.clear();
        scenario.mapHeader = header;
        scenario.startOptions = makeStartOptions(StartingHeroSet{{{1, 3}}});
        check = checkStartOptions(scenario);
        QCOMPARE(check.options->kind, uint8_t(BonusChoice));
        QCOMPARE(int(check.options->bonusSet().player), 0);
    }
};

QTEST_GUILESS_MAIN(TestStartOptionChecks)
#include "test_startoptionchecks.moc"
