#include "campaign/cmpscenario.h"
#include "campaign/heroids.h"
#include "campaign/startoptionchecks.h"
#include "campaign/startoptionrules.h"
#include "gamedata/gamecatalogue.h"

#include <QtTest>

// The start-option rules (which bonus, starting hero and crossover a scenario's map allows) and
// the list checks built on them that keep starting options consistent with the map, on small
// hand-built map summaries.

namespace {

// Player 0: human, main town of type 5 generating a hero, owns heroes 1 and 2.
// Player 1: human, main town of type 3 without a generated hero, owns hero 3.
// Player 2: computer only, generating main town, owns hero 4.
// Player 3: human, no main town, no heroes.
// Player 4: human, main town of random type generating a hero, no heroes.
// Player 5: human, town byte 2 (no town fields), owns hero 6.
CmpScenario ruleScenario() {
    CmpScenario scenario;
    QSharedPointer<MapHeader> header(new MapHeader);
    auto &p = header->players;
    p[0].canHumanPlay = true;
    p[0].hasMainTown = 1;
    p[0].mainTownType = 5;
    p[0].generateHeroAtMainTown = true;
    p[0].heroes = {MapHero{1, QString()}, MapHero{2, QStringLiteral("Named")}};
    p[1].canHumanPlay = true;
    p[1].hasMainTown = 1;
    p[1].mainTownType = 3;
    p[1].heroes = {MapHero{3, QString()}};
    p[2].canComputerPlay = true;
    p[2].hasMainTown = 1;
    p[2].generateHeroAtMainTown = true;
    p[2].heroes = {MapHero{4, QString()}};
    p[3].canHumanPlay = true;
    p[4].canHumanPlay = true;
    p[4].hasMainTown = 1;
    p[4].mainTownType = 255;
    p[4].generateHeroAtMainTown = true;
    p[5].canHumanPlay = true;
    p[5].hasMainTown = 2;
    p[5].heroes = {MapHero{6, QString()}};
    header->allowedHeroes = QBitArray(10);
    header->allowedHeroes.setBit(8);
    header->customHeroes = {MapCustomHero{9, 9, QStringLiteral("Custom"), 0xff}};
    scenario.mapHeader = header;
    return scenario;
}

// The forbidden town types of each building, written out as a list.
bool forbidden(int building, int townType) {
    const QList<int> never = {16, 18, 19, 20, 21, 24, 27, 30, 33, 36};
    if (never.contains(building))
        return true;
    if (building == 10)
        return !QList<int>{2, 5, 8, 10}.contains(townType);
    if (building == 14)
        return QList<int>{6, 7}.contains(townType);
    if (building == 15)
        return QList<int>{0, 6, 7, 9}.contains(townType);
    return false;
}

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

class TestStartOptionRules : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        GameCatalogue catalogue;
        for (int hero = 0; hero < 10; ++hero)
            catalogue.heroNames.insert(hero, QStringLiteral("H%1").arg(hero));
        setGameCatalogue(catalogue);
    }

    void buildingTable() {
        for (int building = 0; building < 256; ++building)
            for (int townType = 0; townType < 256; ++townType)
                QCOMPARE(isBuildingAllowed(uint8_t(building), uint8_t(townType)),
                         !forbidden(building, townType));
    }

    void bonusRule_data() {
        QTest::addColumn<int>("player");
        QTest::addColumn<CmpBonus>("bonus");
        QTest::addColumn<bool>("valid");
        const auto spell = [](uint16_t hero) {
            return CmpBonus::make(SpellBonus, BonusSpell{hero, 1});
        };
        QTest::newRow("most powerful, no town") << 3 << spell(MostPowerfulHero) << true;
        QTest::newRow("most powerful, computer") << 2 << spell(MostPowerfulHero) << true;
        QTest::newRow("generated, generating town") << 0 << spell(GeneratedHero) << true;
        QTest::newRow("generated, town without hero") << 1 << spell(GeneratedHero) << false;
        QTest::newRow("generated, town byte 2") << 5 << spell(GeneratedHero) << false;
        QTest::newRow("random hero never") << 0 << spell(RandomHero) << false;
        QTest::newRow("own hero") << 0 << spell(2) << true;
        QTest::newRow("own hero of player 5") << 5 << spell(6) << true;
        QTest::newRow("another player's hero") << 1 << spell(2) << false;
        QTest::newRow("hero not on map") << 0 << spell(7) << false;
        QTest::newRow("creature") << 1 << CmpBonus::make(CreatureBonus, BonusCreature{3, 5, 10})
                                  << true;
        QTest::newRow("artifact") << 1 << CmpBonus::make(ArtifactBonus, BonusArtifact{1, 5})
                                  << false;
        QTest::newRow("scroll") << 0 << CmpBonus::make(ScrollBonus, BonusScroll{GeneratedHero, 5})
                                << true;
        QTest::newRow("primary") << 4
                                 << CmpBonus::make(PrimarySkillBonus,
                                                   BonusPrimarySkill{GeneratedHero, 1, 0, 0, 0})
                                 << true;
        QTest::newRow("secondary")
            << 3 << CmpBonus::make(SecondarySkillBonus, BonusSecondarySkill{GeneratedHero, 1, 1})
            << false;
        const auto building = [](uint8_t number) {
            return CmpBonus::make(BuildingBonus, BonusBuilding{number});
        };
        QTest::newRow("building 10, town 5") << 0 << building(10) << true;
        QTest::newRow("building 10, town 3") << 1 << building(10) << false;
        QTest::newRow("building 15, town 3") << 1 << building(15) << true;
        QTest::newRow("building, no town") << 3 << building(1) << false;
        QTest::newRow("building, random town") << 4 << building(1) << false;
        QTest::newRow("building, town byte 2 of type 0") << 5 << building(1) << true;
        QTest::newRow("building 16 anywhere") << 0 << building(16) << false;
        QTest::newRow("resource always")
            << 3 << CmpBonus::make(ResourceBonus, BonusResource{6, 100}) << true;
        QTest::newRow("unknown type kept") << 3 << CmpBonus{42, QVariant()} << true;
    }

    void bonusRule() {
        QFETCH(int, player);
        QFETCH(CmpBonus, bonus);
        QFETCH(bool, valid);
        QCOMPARE(isBonusValid(ruleScenario(), player, bonus), valid);
    }

    void startingHeroRule_data() {
        QTest::addColumn<int>("player");
        QTest::addColumn<int>("hero");
        QTest::addColumn<bool>("valid");
        QTest::newRow("own hero") << 1 << 3 << true;
        QTest::newRow("own hero, not allowed on map") << 5 << 6 << true;
        QTest::newRow("not human") << 2 << 4 << false;
        QTest::newRow("allowed hero, generating town") << 0 << 8 << true;
        QTest::newRow("custom hero not in allowed set") << 4 << 9 << true;
        QTest::newRow("unavailable hero, generating town") << 0 << 7 << false;
        QTest::newRow("allowed hero, no generating town") << 1 << 8 << false;
        QTest::newRow("random hero, generating town") << 4 << int(RandomHero) << true;
        QTest::newRow("random hero, no main town") << 3 << int(RandomHero) << false;
        QTest::newRow("hero outside the catalogue") << 0 << 200 << false;
    }

    void startingHeroRule() {
        QFETCH(int, player);
        QFETCH(int, hero);
        QFETCH(bool, valid);
        QCOMPARE(isStartingHeroValid(ruleScenario(), StartingHero{uint8_t(player), uint16_t(hero)}),
                 valid);
    }

    void crossoverRule() {
        const CmpScenario scenario = ruleScenario();
        QVERIFY(isCrossoverValid(scenario, CmpHeroCrossover{0, 3}));
        QVERIFY(isCrossoverValid(scenario, CmpHeroCrossover{3, 0}));
        QVERIFY(!isCrossoverValid(scenario, CmpHeroCrossover{2, 0}));
        QVERIFY(!isCrossoverValid(scenario, CmpHeroCrossover{7, 0}));
        QVERIFY(!isCrossoverValid(scenario, CmpHeroCrossover{200, 0}));
    }

    void playerFreeForStartingHero() {
        const CmpScenario scenario = ruleScenario();
        QVERIFY(isPlayerFreeForStartingHero(scenario, 0));
        QVERIFY(isPlayerFreeForStartingHero(scenario, 1));
        QVERIFY(!isPlayerFreeForStartingHero(scenario, 2)); // not human
        QVERIFY(!isPlayerFreeForStartingHero(scenario, 3)); // nothing to offer
        QVERIFY(isPlayerFreeForStartingHero(scenario, 4));  // generates a hero
        QVERIFY(isPlayerFreeForStartingHero(scenario, 5));
        QVERIFY(!isPlayerFreeForStartingHero(scenario, 8));
        // Heroes given in other rows are taken; a generating town still offers one.
        QVERIFY(isPlayerFreeForStartingHero(scenario, {1, 2}, 0));
        QVERIFY(isPlayerFreeForStartingHero(scenario, {1}, 1));
        QVERIFY(!isPlayerFreeForStartingHero(scenario, {3}, 1));
        QVERIFY(!isPlayerFreeForStartingHero(scenario, {1, 3}, 1));
        QVERIFY(isPlayerFreeForStartingHero(scenario, {GeneratedHero, RandomHero}, 4));
        QVERIFY(!isPlayerFreeForStartingHero(scenario, {6}, 5));
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
        QVERIFY(isBonusValid(scenario, 0, CmpBonus::make(SpellBonus, BonusSpell{RandomHero, 1})));
        QVERIFY(isStartingHeroValid(scenario, StartingHero{0, 5}));
        QVERIFY(isCrossoverValid(scenario, CmpHeroCrossover{0, 0}));
        QVERIFY(!isPlayerFreeForStartingHero(scenario, 0));
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
};

QTEST_GUILESS_MAIN(TestStartOptionRules)
#include "test_startoptionrules.moc"
