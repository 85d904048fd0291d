#include "campaign/cmpcampaign.h"
#include "campaign/heroids.h"
#include "campaign/optiontexts.h"
#include "gamedata/gamecatalogue.h"

#include <QtTest>

namespace {

GameCatalogue namesCatalogue() {
    GameCatalogue catalogue;
    for (int hero = 0; hero < 12; ++hero)
        catalogue.heroNames.insert(hero, QStringLiteral("Hero%1").arg(hero));
    catalogue.spellNames = {{3, QStringLiteral("Haste")}, {9, QStringLiteral("Bless")}};
    catalogue.creatureNames = {{14, QStringLiteral("Pikemen")}};
    catalogue.artifactNames = {{40, QStringLiteral("Lantern")}};
    catalogue.secondarySkillNames = {{6, QStringLiteral("Logistics")}};
    catalogue.primarySkillNames = {{0, QStringLiteral("Attack")},
                                   {1, QStringLiteral("Defense")},
                                   {2, QStringLiteral("Spell Power")},
                                   {3, QStringLiteral("Knowledge")}};
    catalogue.skillLevelNames = {{1, QStringLiteral("Basic")}, {3, QStringLiteral("Expert")}};
    catalogue.resourceNames = {{0, QStringLiteral("Wood")}, {6, QStringLiteral("Gold")}};
    catalogue.generalTexts = {{27, QStringLiteral("random resource")},
                              {28, QStringLiteral("rare resource")}};
    catalogue.playerColorNames =
        QStringList{QStringLiteral("Red"), QStringLiteral("Blue"), QStringLiteral("Tan")};
    catalogue.townBuildingNames[5][10] = QStringLiteral("Capitol");
    catalogue.townBuildingNames[3][10] = QStringLiteral("Citadel");
    CampaignMapDef map;
    map.regionCount = 3;
    for (const char *name : {"Fens", "Hills", "Coast"}) {
        CampaignRegionDef region;
        region.name = QString::fromLatin1(name);
        map.regions.append(region);
    }
    catalogue.campaignMaps.insert(24, map);
    return catalogue;
}

// A scenario whose player 1 owns hero 4 twice (unnamed, then "Sir X") and hero 6 unnamed, and
// whose player 2 has a main town of type 5.
CmpScenario scenarioWithMap(const QString &mapName = QStringLiteral("Fen Map")) {
    CmpScenario scenario;
    QSharedPointer<MapHeader> header(new MapHeader);
    header->name = mapName;
    header->players[1].heroes = {MapHero{4, QString()}, MapHero{4, QStringLiteral("Sir X")},
                                 MapHero{6, QString()}};
    header->players[2].hasMainTown = 1;
    header->players[2].mainTownType = 5;
    header->players[3].hasMainTown = 1;
    header->players[3].mainTownType = 3;
    header->allowedHeroes = QBitArray(16);
    header->allowedHeroes.setBit(1);
    header->allowedHeroes.setBit(11);
    header->allowedHeroes.setBit(15); // beyond the catalogue
    header->customHeroes = {MapCustomHero{7, 7, QStringLiteral("C"), 0xff},
                            MapCustomHero{200, 0, QStringLiteral("D"), 0xff}};
    scenario.mapHeader = header;
    scenario.mapName = QStringLiteral("fens.y6m");
    return scenario;
}

} // namespace

class TestOptionTexts : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setGameCatalogue(namesCatalogue()); }

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
        QTest::newRow("custom name marked") << true << 1 << 4 << true << "Sir X (on map)";
        QTest::newRow("custom name in a bonus") << true << 1 << 4 << false << "Sir X";
        QTest::newRow("on map marked") << true << 1 << 6 << true << "Hero6 (on map)";
        QTest::newRow("on map unmarked") << true << 1 << 6 << false << "Hero6";
        QTest::newRow("other player's hero") << true << 2 << 4 << true << "Hero4 (in town)";
        QTest::newRow("not on map unmarked") << true << 1 << 5 << false << "Hero5 (in town)";
        QTest::newRow("no map") << false << 1 << 4 << true << "Hero4 (in town)";
        QTest::newRow("unknown hero") << true << 1 << 300 << false << " (in town)";
        QTest::newRow("player out of range") << true << 9 << 4 << true << "Hero4 (in town)";
    }

    void heroTexts() {
        QFETCH(bool, withMap);
        QFETCH(int, player);
        QFETCH(int, hero);
        QFETCH(bool, mark);
        QFETCH(QString, text);
        const CmpScenario scenario = withMap ? scenarioWithMap() : CmpScenario();
        QCOMPARE(heroText(scenario, player, uint16_t(hero), mark), text);
    }

    void bonusTexts_data() {
        QTest::addColumn<int>("player");
        QTest::addColumn<CmpBonus>("bonus");
        QTest::addColumn<QString>("text");
        QTest::newRow("spell") << 1 << CmpBonus::make(SpellBonus, BonusSpell{4, 3})
                               << "Give Haste spell to Sir X";
        QTest::newRow("creature") << 1
                                  << CmpBonus::make(CreatureBonus,
                                                    BonusCreature{MostPowerfulHero, 14, 65535})
                                  << "Give 65535 Pikemen to Most powerful hero";
        QTest::newRow("building, town 5") << 2 << CmpBonus::make(BuildingBonus, BonusBuilding{10})
                                          << "Build Capitol at Main Town";
        QTest::newRow("building, town 3") << 3 << CmpBonus::make(BuildingBonus, BonusBuilding{10})
                                          << "Build Citadel at Main Town";
        QTest::newRow("artifact") << 1 << CmpBonus::make(ArtifactBonus, BonusArtifact{6, 40})
                                  << "Give Lantern to Hero6";
        QTest::newRow("scroll") << 0 << CmpBonus::make(ScrollBonus, BonusScroll{GeneratedHero, 9})
                                << "Give Bless Spell Scroll to Generated hero (in town)";
        QTest::newRow("primary, two parts")
            << 1 << CmpBonus::make(PrimarySkillBonus, BonusPrimarySkill{6, 2, 0, 0, 1})
            << "Give +2 Attack, +1 Knowledge to Hero6";
        QTest::newRow("primary, all four up to 255")
            << 1 << CmpBonus::make(PrimarySkillBonus, BonusPrimarySkill{6, 255, 1, 200, 3})
            << "Give +255 Attack, +1 Defense, +200 Spell Power, +3 Knowledge to Hero6";
        QTest::newRow("primary, none")
            << 1 << CmpBonus::make(PrimarySkillBonus, BonusPrimarySkill{6, 0, 0, 0, 0})
            << "Give  to Hero6";
        QTest::newRow("secondary")
            << 1 << CmpBonus::make(SecondarySkillBonus, BonusSecondarySkill{RandomHero, 6, 3})
            << "Give Expert Logistics to Random hero (in town)";
        QTest::newRow("resource") << 0 << CmpBonus::make(ResourceBonus, BonusResource{6, 2500})
                                  << "Receive 2500 Gold";
        QTest::newRow("resource 253")
            << 0 << CmpBonus::make(ResourceBonus, BonusResource{253, 1000})
            << "Receive 1000 random resource";
        QTest::newRow("resource 254") << 0 << CmpBonus::make(ResourceBonus, BonusResource{254, 1})
                                      << "Receive 1 rare resource";
        QTest::newRow("negative amount unsigned")
            << 0 << CmpBonus::make(ResourceBonus, BonusResource{0, -1})
            << "Receive 4294967295 Wood";
        QTest::newRow("record of another type")
            << 0 << CmpBonus::make(ResourceBonus, BonusSpell{1, 1}) << "Receive 0 Wood";
    }

    void bonusTexts() {
        QFETCH(int, player);
        QFETCH(CmpBonus, bonus);
        QFETCH(QString, text);
        QCOMPARE(bonusText(scenarioWithMap(), player, bonus), text);
    }

    void unknownBonusTypesStillHaveAText() {
        for (int type = 8; type < 256; ++type)
            QVERIFY(
                !bonusText(scenarioWithMap(), 0, CmpBonus{uint8_t(type), QVariant()}).isEmpty());
        // A building of a scenario without map names no building but does not fail.
        QCOMPARE(bonusText(CmpScenario(), 0, CmpBonus::make(BuildingBonus, BonusBuilding{10})),
                 QStringLiteral("Build  at Main Town"));
    }

    void playerTexts() {
        QCOMPARE(playerText(0), QStringLiteral("Player 1 (Red)"));
        QCOMPARE(playerText(2), QStringLiteral("Player 3 (Tan)"));
        QCOMPARE(playerText(7), QStringLiteral("Player 8 ()"));
    }

    void scenarioTexts() {
        CmpCampaign withMap;
        resetCampaign(withMap, 24, true, 0, 0);
        withMap.scenarios[1] = scenarioWithMap();
        QCOMPARE(scenarioListText(withMap, 24, 0), QStringLiteral("Fens — Empty"));
        QCOMPARE(scenarioListText(withMap, 24, 1), QStringLiteral("Hills — fens.y6m"));
        QCOMPARE(scenarioRefText(withMap, 24, 0), QStringLiteral("No scenario — Fens"));
        QCOMPARE(scenarioRefText(withMap, 24, 1), QStringLiteral("Fen Map — Hills"));
        QCOMPARE(scenarioRefText(withMap, 99, 2), QStringLiteral("No scenario — "));

        CmpCampaign chain;
        resetCampaign(chain, 24, false, 0, 3);
        chain.scenarios[0] = scenarioWithMap(QStringLiteral("First"));
        QCOMPARE(scenarioListText(chain, 24, 0), QStringLiteral("1. fens.y6m"));
        QCOMPARE(scenarioListText(chain, 24, 2), QStringLiteral("3. Empty"));
        QCOMPARE(scenarioRefText(chain, 24, 0), QStringLiteral("0. First"));
        QCOMPARE(scenarioRefText(chain, 24, 2), QStringLiteral("2. No scenario"));
        // Placeholders inside names are not substituted again.
        chain.scenarios[1] = scenarioWithMap(QStringLiteral("%1 and %2"));
        chain.scenarios[1].mapName = QStringLiteral("%2.y6m");
        QCOMPARE(scenarioRefText(chain, 24, 1), QStringLiteral("1. %1 and %2"));
        QCOMPARE(scenarioListText(chain, 24, 1), QStringLiteral("2. %2.y6m"));
    }

    void unavailableHeroSet() {
        const QBitArray unavailable = unavailableHeroes(scenarioWithMap());
        QCOMPARE(unavailable.size(), 12);
        for (int hero = 0; hero < 12; ++hero)
            QCOMPARE(unavailable.testBit(hero), hero != 1 && hero != 11 && hero != 7);
        QVERIFY(!isHeroUnavailable(unavailable, 7));
        QVERIFY(isHeroUnavailable(unavailable, 2));
        QVERIFY(isHeroUnavailable(unavailable, 12));
        QVERIFY(isHeroUnavailable(unavailable, 65532));
        for (uint16_t reserved : {MostPowerfulHero, GeneratedHero, RandomHero})
            QVERIFY(!isHeroUnavailable(unavailable, reserved));
        QCOMPARE(unavailableHeroes(CmpScenario()).count(true), 12);
    }
};

QTEST_GUILESS_MAIN(TestOptionTexts)
#include "test_optiontexts.moc"
