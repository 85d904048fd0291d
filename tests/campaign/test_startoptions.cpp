// Starting options against a scenario's map, on one hand-built map summary and a small
// catalogue: which bonuses, starting heroes and crossovers the map allows, the list checks built
// on those rules, the one-line texts of the options, and the entries the bonus editors offer.
#include "campaign/bonuschoices.h"
#include "campaign/cmpcampaign.h"
#include "campaign/heroids.h"
#include "campaign/optiontexts.h"
#include "campaign/startoptionchecks.h"
#include "campaign/startoptionrules.h"
#include "gamedata/gamecatalogue.h"

#include <QtTest>

namespace {

GameCatalogue namesCatalogue() {
    GameCatalogue catalogue;
    for (int hero = 0; hero < 12; ++hero)
        catalogue.heroNames.insert(hero, QStringLiteral("Hero%1").arg(hero));
    catalogue.spellNames = {{3, "Haste"}, {9, "Bless"}};
    catalogue.creatureNames = {{14, "Pikemen"}};
    catalogue.artifactNames = {{40, "Lantern"}};
    catalogue.secondarySkillNames = {{6, "Logistics"}};
    catalogue.primarySkillNames = {
        {0, "Attack"}, {1, "Defense"}, {2, "Spell Power"}, {3, "Knowledge"}};
    catalogue.skillLevelNames = {{1, "Basic"}, {3, "Expert"}};
    catalogue.resourceNames = {{0, "Wood"}, {6, "Gold"}};
    catalogue.generalTexts = {{27, "random resource"}, {28, "rare resource"}};
    catalogue.playerColorNames = QStringList{"Red", "Blue", "Tan"};
    catalogue.townBuildingNames[5][10] = QStringLiteral("Capitol");
    CampaignMapDef map;
    map.regionCount = 3;
    for (const char *name : {"Fens", "Hills", "Coast"}) {
        map.regions.append(CampaignRegionDef());
        map.regions.last().name = QString::fromLatin1(name);
    }
    catalogue.campaignMaps.insert(24, map);
    return catalogue;
}

// Player 0: human, main town of type 5 generating a hero, owns hero 1 and hero 2 twice, the
//           second time named "Named".
// Player 1: human, main town of type 3 without a generated hero, owns hero 3.
// Player 2: computer only, generating main town, owns hero 4.
// Player 3: human, no main town, no heroes.
// Player 4: human, main town of random type generating a hero, no heroes.
// Player 5: human, town byte 2 (no town fields), owns hero 6.
// Heroes 8 and 15 (beyond the catalogue) are enabled; 9 and 200 are custom heroes.
QSharedPointer<MapHeader> header(const QString &name = QStringLiteral("Fen Map")) {
    QSharedPointer<MapHeader> header(new MapHeader);
    header->name = name;
    auto &p = header->players;
    for (int player : {0, 1, 3, 4, 5})
        p[player].canHumanPlay = true;
    p[2].canComputerPlay = true;
    for (int player : {0, 1, 2, 4})
        p[player].hasMainTown = 1;
    p[5].hasMainTown = 2;
    p[0].mainTownType = 5;
    p[1].mainTownType = 3;
    p[4].mainTownType = 255;
    for (int player : {0, 2, 4})
        p[player].generateHeroAtMainTown = true;
    p[0].heroes = {MapHero{1, QString()}, MapHero{2, QString()}, MapHero{2, "Named"}};
    p[1].heroes = {MapHero{3, QString()}};
    p[2].heroes = {MapHero{4, QString()}};
    p[5].heroes = {MapHero{6, QString()}};
    header->allowedHeroes = QBitArray(16);
    header->allowedHeroes.setBit(8);
    header->allowedHeroes.setBit(15);
    header->customHeroes = {MapCustomHero{9, 9, "Custom", 0xff}, MapCustomHero{200, 0, "D", 0xff}};
    return header;
}

CmpScenario scenario(const QSharedPointer<MapHeader> &map = header()) {
    CmpScenario scenario;
    scenario.mapHeader = map;
    scenario.mapName = QStringLiteral("fens.y6m");
    return scenario;
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

QList<int> valuesOf(const ChoiceList &list) {
    QList<int> values;
    for (const ChoiceEntry &entry : list)
        values.append(entry.value);
    return values;
}

using BonusList = QList<CmpBonus>;
using Values = QList<int>;

} // namespace

Q_DECLARE_METATYPE(BonusList)

class TestStartOptions : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setGameCatalogue(namesCatalogue()); }

    void bonusRule_data() {
        QTest::addColumn<int>("player");
        QTest::addColumn<CmpBonus>("bonus");
        QTest::addColumn<bool>("valid");
        QTest::newRow("most powerful, no town") << 3 << spell(MostPowerfulHero) << true;
        QTest::newRow("generated, generating town") << 0 << spell(GeneratedHero) << true;
        QTest::newRow("generated, town without hero") << 1 << spell(GeneratedHero) << false;
        QTest::newRow("generated, town byte 2") << 5 << spell(GeneratedHero) << false;
        QTest::newRow("random hero never") << 0 << spell(RandomHero) << false;
        QTest::newRow("own hero") << 0 << spell(2) << true;
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
        QTest::newRow("building 10, town 5") << 0 << building(10) << true;
        QTest::newRow("building 10, town 3") << 1 << building(10) << false;
        QTest::newRow("building 14, town 5") << 0 << building(14) << true;
        QTest::newRow("building 15, town 3") << 1 << building(15) << true;
        QTest::newRow("building, no town") << 3 << building(1) << false;
        QTest::newRow("building, town byte 2 of type 0") << 5 << building(1) << true;
        QTest::newRow("building 16 anywhere") << 0 << building(16) << false;
        QTest::newRow("resource always") << 3 << resource() << true;
    }
    void bonusRule() {
        QFETCH(int, player);
        QFETCH(CmpBonus, bonus);
        QFETCH(bool, valid);
        QCOMPARE(bonusFault(scenario(), player, bonus) == StartOptionFault::None, valid);
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
        QCOMPARE(startingHeroFault(scenario(), StartingHero{uint8_t(player), uint16_t(hero)}) ==
                     StartOptionFault::None,
                 valid);
    }

    void freePlayerRule() {
        const CmpScenario s = scenario();
        QList<bool> free;
        for (int player : {0, 1, 2, 3, 4, 5, 8})
            free << isPlayerFreeForStartingHero(s, player);
        QCOMPARE(free, (QList<bool>{true, true, false, false, true, true, false}));
        // Heroes given in other rows are taken; a generating town still offers one.
        QVERIFY(isPlayerFreeForStartingHero(s, {1, 2}, 0));
        QVERIFY(isPlayerFreeForStartingHero(s, {1}, 1));
        QVERIFY(!isPlayerFreeForStartingHero(s, {3}, 1));
        QVERIFY(!isPlayerFreeForStartingHero(s, {6}, 5));
    }

    void checkedBonuses_data() {
        QTest::addColumn<int>("player");
        QTest::addColumn<BonusList>("bonuses");
        QTest::addColumn<Values>("removed");
        QTest::newRow("generated hero without a generating town goes, most powerful stays")
            << 1 << BonusList{spell(GeneratedHero), spell(MostPowerfulHero), spell(3)} << Values{0};
        QTest::newRow("heroes of another player and the random hero go, in a row")
            << 0 << BonusList{spell(3), spell(RandomHero), spell(1)} << Values{0, 1};
        QTest::newRow("buildings go without a main town")
            << 3 << BonusList{building(1), resource(), building(2)} << Values{0, 2};
        QTest::newRow("nothing goes") << 0 << BonusList{building(10), spell(2)} << Values{};
    }
    void checkedBonuses() {
        QFETCH(int, player);
        QFETCH(BonusList, bonuses);
        QFETCH(Values, removed);
        const CheckedList<CmpBonus> checked = checkBonuses(scenario(), player, bonuses);
        QCOMPARE(checked.removed, removed);
        BonusList kept;
        for (int row = 0; row < bonuses.size(); ++row)
            if (!removed.contains(row))
                kept.append(bonuses[row]);
        QCOMPARE(checked.kept, kept);
    }

    void checkedStartingHeroesAndCrossovers() {
        // Player 2 is not human, so both of its rows go; the generating town keeps the
        // random hero.
        const QList<StartingHero> heroes = {
            {0, 1}, {2, 4}, {2, RandomHero}, {0, 7}, {0, RandomHero}};
        const CheckedList<StartingHero> checkedHeroes = checkStartingHeroes(scenario(), heroes);
        QCOMPARE(checkedHeroes.removed, (Values{1, 2, 3}));
        QCOMPARE(checkedHeroes.kept, (QList<StartingHero>{heroes[0], heroes[4]}));

        auto townless = header();
        townless->players[0].hasMainTown = 0;
        QCOMPARE(checkStartingHeroes(scenario(townless), {{0, RandomHero}, {0, 2}}).removed,
                 Values{0});

        const QList<CmpHeroCrossover> crossovers = {{2, 0}, {2, 1}, {0, 2}, {7, 3}, {9, 4}};
        const CheckedList<CmpHeroCrossover> checked = checkCrossovers(scenario(), crossovers);
        QCOMPARE(checked.removed, (Values{0, 1, 3, 4}));
        QCOMPARE(checked.kept, QList<CmpHeroCrossover>{crossovers[2]});

        const CmpScenario noMap;
        QVERIFY(checkBonuses(noMap, 0, {spell(RandomHero), building(16)}).removed.isEmpty());
        QVERIFY(checkStartingHeroes(noMap, {{5, 5}}).removed.isEmpty());
        QVERIFY(checkCrossovers(noMap, {{7, 0}}).removed.isEmpty());
        QVERIFY(bonusFault(noMap, 0, spell(RandomHero)) == StartOptionFault::None);
        QVERIFY(!isPlayerFreeForStartingHero(noMap, 0));
    }

    void heroTexts_data() {
        QTest::addColumn<bool>("withMap");
        QTest::addColumn<int>("player");
        QTest::addColumn<int>("hero");
        QTest::addColumn<bool>("mark");
        QTest::addColumn<QString>("text");
        QTest::newRow("most powerful, no map")
            << false << 0 << int(MostPowerfulHero) << true << "Most powerful hero";
        QTest::newRow("generated, no map")
            << false << 0 << int(GeneratedHero) << false << "Generated hero (in town)";
        QTest::newRow("random, map")
            << true << 1 << int(RandomHero) << true << "Random hero (in town)";
        QTest::newRow("custom name marked") << true << 0 << 2 << true << "Named (on map)";
        QTest::newRow("custom name in a bonus") << true << 0 << 2 << false << "Named";
        QTest::newRow("on map marked") << true << 0 << 1 << true << "Hero1 (on map)";
        QTest::newRow("on map unmarked") << true << 0 << 1 << false << "Hero1";
        QTest::newRow("no map") << false << 0 << 2 << true << "Hero2 (in town)";
        QTest::newRow("unknown hero") << true << 0 << 300 << false << " (in town)";
    }
    void heroTexts() {
        QFETCH(bool, withMap);
        QFETCH(int, player);
        QFETCH(int, hero);
        QFETCH(bool, mark);
        QFETCH(QString, text);
        QCOMPARE(heroText(withMap ? scenario() : CmpScenario(), player, uint16_t(hero), mark),
                 text);
    }

    void bonusTexts_data() {
        QTest::addColumn<int>("player");
        QTest::addColumn<CmpBonus>("bonus");
        QTest::addColumn<QString>("text");
        const auto primary = [](uint8_t a, uint8_t d, uint8_t p, uint8_t k) {
            return CmpBonus::make(PrimarySkillBonus, BonusPrimarySkill{1, a, d, p, k});
        };
        const auto gain = [](uint8_t type, int32_t amount) {
            return CmpBonus::make(ResourceBonus, BonusResource{type, amount});
        };
        QTest::newRow("spell") << 0 << spell(2) << "Give Haste spell to Named";
        QTest::newRow("creature") << 0
                                  << CmpBonus::make(CreatureBonus,
                                                    BonusCreature{MostPowerfulHero, 14, 65535})
                                  << "Give 65535 Pikemen to Most powerful hero";
        QTest::newRow("building, town 5") << 0 << building(10) << "Build Capitol at Main Town";
        QTest::newRow("artifact") << 0 << CmpBonus::make(ArtifactBonus, BonusArtifact{1, 40})
                                  << "Give Lantern to Hero1";
        QTest::newRow("scroll") << 0 << CmpBonus::make(ScrollBonus, BonusScroll{GeneratedHero, 9})
                                << "Give Bless Spell Scroll to Generated hero (in town)";
        QTest::newRow("primary, two parts")
            << 0 << primary(2, 0, 0, 1) << "Give +2 Attack, +1 Knowledge to Hero1";
        QTest::newRow("primary, all four up to 255")
            << 0 << primary(255, 1, 200, 3)
            << "Give +255 Attack, +1 Defense, +200 Spell Power, +3 Knowledge to Hero1";
        QTest::newRow("primary, none") << 0 << primary(0, 0, 0, 0) << "Give  to Hero1";
        QTest::newRow("secondary")
            << 1 << CmpBonus::make(SecondarySkillBonus, BonusSecondarySkill{RandomHero, 6, 3})
            << "Give Expert Logistics to Random hero (in town)";
        QTest::newRow("resource") << 0 << gain(6, 2500) << "Receive 2500 Gold";
        QTest::newRow("resource 253") << 0 << gain(253, 1000) << "Receive 1000 random resource";
        QTest::newRow("negative amount unsigned") << 0 << gain(0, -1) << "Receive 4294967295 Wood";
    }
    void bonusTexts() {
        QFETCH(int, player);
        QFETCH(CmpBonus, bonus);
        QFETCH(QString, text);
        QCOMPARE(bonusText(scenario(), player, bonus), text);
    }

    void otherTexts() {
        for (int type = 8; type < 256; ++type)
            QVERIFY(!bonusText(scenario(), 0, CmpBonus{uint8_t(type), QVariant()}).isEmpty());
        // A building of a scenario without map names no building but does not fail.
        QCOMPARE(bonusText(CmpScenario(), 0, building(10)), QStringLiteral("Build  at Main Town"));
        // The lists and references the windows show are checked there; these are the texts
        // they do not reach.
        QCOMPARE(playerText(7), QStringLiteral("Player 8 ()"));
        CmpCampaign withMap;
        resetCampaign(withMap, 24, true, 0, 0);
        QCOMPARE(scenarioRefText(withMap, 24, 0), QStringLiteral("No scenario — Fens"));
        QCOMPARE(scenarioRefText(withMap, 99, 2), QStringLiteral("No scenario — "));
        CmpCampaign chain;
        resetCampaign(chain, 24, false, 0, 3);
        QCOMPARE(scenarioRefText(chain, 24, 2), QStringLiteral("2. No scenario"));
        // Placeholders inside names are not substituted again.
        chain.scenarios[1] = scenario(header("%1 and %2"));
        chain.scenarios[1].mapName = QStringLiteral("%2.y6m");
        QCOMPARE(scenarioRefText(chain, 24, 1), QStringLiteral("1. %1 and %2"));
        QCOMPARE(scenarioListText(chain, 24, 1), QStringLiteral("2. %2.y6m"));
    }

    void unavailableHeroSet() {
        const QBitArray unavailable = unavailableHeroes(scenario());
        QCOMPARE(unavailable.size(), 12);
        for (int hero = 0; hero < 12; ++hero)
            QCOMPARE(isHeroUnavailable(unavailable, uint16_t(hero)), hero != 8 && hero != 9);
        QVERIFY(isHeroUnavailable(unavailable, 65532) &&
                !isHeroUnavailable(unavailable, RandomHero));
        QCOMPARE(unavailableHeroes(CmpScenario()).count(true), 12);
    }

    void buildingChoices_data() {
        QTest::addColumn<int>("townType");
        QTest::addColumn<Values>("inTable");
        QTest::addColumn<Values>("offered");
        QTest::newRow("plain town") << 4 << Values{30, 19, 20, 1} << Values{1, 19, 20, 30};
        QTest::newRow("town 10") << 10 << Values{18, 19, 20, 21, 29} << Values{18, 21, 29, 19, 20};
        QTest::newRow("town 10 without 19") << 10 << Values{18, 20, 21} << Values{18, 21, 20};
        QTest::newRow("town 9") << 9 << Values{19, 20, 21, 29, 30} << Values{19, 21, 29, 20, 30};
        QTest::newRow("town 9 without 29") << 9 << Values{19, 20, 21, 30} << Values{19, 21, 30, 20};
        QTest::newRow("unknown town") << 11 << Values{} << Values{};
    }
    void buildingChoices() {
        QFETCH(int, townType);
        QFETCH(Values, inTable);
        QFETCH(Values, offered);
        GameCatalogue catalogue;
        for (int number : inTable)
            catalogue.townBuildingNames[townType].insert(number, QStringLiteral("B%1").arg(number));
        const ChoiceList list = ::buildingChoices(townType, catalogue);
        QCOMPARE(valuesOf(list), offered);
        for (const ChoiceEntry &entry : list)
            QCOMPARE(entry.text, QStringLiteral("B%1").arg(entry.value));
    }

    void namedChoices() {
        GameCatalogue catalogue;
        catalogue.spellNames = {{0, "Slow"}, {1, "Bless"}, {2, "Haste"}, {3, "Bless"}};
        catalogue.artifactNames = {{0, "Book"}, {2, "Ash"}, {3, "Cart"}, {4, "Zeal"}, {9, "Band"}};
        catalogue.resourceNames = {{0, "Wood"}, {6, "Gold"}};
        catalogue.generalTexts = {{27, "Timber and Ore"}, {28, "Rare Goods"}};
        QCOMPARE(valuesOf(spellChoices(catalogue)), (Values{1, 3, 2, 0}));
        QCOMPARE(valuesOf(artifactChoices(catalogue)), (Values{9, 4}));
        const ChoiceList resources = resourceChoices(catalogue);
        QCOMPARE(valuesOf(resources), (Values{0, 6, 253, 254}));
        QCOMPARE(resources[3].text, QString("Rare Goods"));
        // The bonus dialog's test checks the recipients of the players on a map; a player
        // beyond the map's eight is offered the most powerful hero alone.
        QCOMPARE(valuesOf(recipientChoices(scenario(), 8, catalogue)), Values{MostPowerfulHero});
    }
};

QTEST_GUILESS_MAIN(TestStartOptions)
#include "test_startoptions.moc"
