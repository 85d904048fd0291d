#include "campaign/bonusrecords.h"
#include "campaign/cmpcampaign.h"
#include "campaign/editorvalues.h"
#include "campaign/herocrossoverset.h"
#include "campaign/startingbonusset.h"
#include "campaign/startingheroset.h"
#include "gamedata/gamecatalogue.h"

#include <QtTest>

namespace {

GameCatalogue smallCatalogue() {
    GameCatalogue catalogue;
    catalogue.artifactCount = 20;
    catalogue.creatureCount = 30;
    CampaignMapDef seven;
    seven.regionCount = 7;
    catalogue.campaignMaps.insert(24, seven);
    CampaignMapDef three;
    three.regionCount = 3;
    catalogue.campaignMaps.insert(3, three);
    return catalogue;
}

} // namespace

class TestCampaignModel : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setGameCatalogue(smallCatalogue()); }

    void newScenarioDefaults() {
        const CmpScenario scenario;
        QVERIFY(scenario.mapName.isEmpty());
        QCOMPARE(scenario.mapSize, 0u);
        QVERIFY(!scenario.hasMap());
        QVERIFY(scenario.startOptions.isNull());
        QCOMPARE(scenario.regionColor, uint8_t(2));
        QCOMPARE(scenario.difficulty, uint8_t(1));
        QCOMPARE(scenario.prerequisites, QBitArray(12));
        QBitArray keeps(5, true);
        keeps.clearBit(KeepArtifacts);
        QCOMPARE(scenario.heroKeeps, keeps);
        QCOMPARE(scenario.artifactsKept, QBitArray(20));
        QCOMPARE(scenario.creaturesKept, QBitArray(30));
        for (int slot = 0; slot < pageSlotCount; ++slot) {
            QVERIFY(scenario.prologues[size_t(slot)].isNull());
            QVERIFY(scenario.epilogues[size_t(slot)].isNull());
        }
    }

    // Item data of the editing pages carries these records under exactly these type names.
    void variantTypeNames() {
        const QList<QPair<QVariant, const char *>> values = {
            {QVariant::fromValue(BonusSpell{}), "BonusSpell"},
            {QVariant::fromValue(BonusCreature{}), "BonusCreature"},
            {QVariant::fromValue(BonusBuilding{}), "BonusBuilding"},
            {QVariant::fromValue(BonusArtifact{}), "BonusArtifact"},
            {QVariant::fromValue(BonusScroll{}), "BonusScroll"},
            {QVariant::fromValue(BonusPrimarySkill{}), "BonusPrimarySkill"},
            {QVariant::fromValue(BonusSecondarySkill{}), "BonusSecondarySkill"},
            {QVariant::fromValue(BonusResource{}), "BonusResource"},
            {QVariant::fromValue(StartingBonusSet{}), "StartingBonusSet"},
            {QVariant::fromValue(HeroCrossoverSet{}), "HeroCrossoverSet"},
            {QVariant::fromValue(StartingHeroSet{}), "StartingHeroSet"},
            {QVariant::fromValue(CmpHeroCrossover{}), "CmpHeroCrossover"},
            {QVariant::fromValue(StartingHero{}), "StartingHero"}};
        for (const auto &value : values)
            QCOMPARE(value.first.typeName(), value.second);
        // A variant of another type reads as a zero-filled record.
        QCOMPARE(QVariant::fromValue(BonusSpell{3, 4}).value<StartingHero>(), StartingHero{});
    }

    void resetScenarioKeepsOnlyDifficulty() {
        CmpScenario scenario;
        scenario.mapName = QStringLiteral("a.y6m");
        scenario.mapData = QByteArray("map");
        scenario.mapSize = 3;
        scenario.mapHeader.reset(new MapHeader);
        scenario.difficulty = 4;
        scenario.regionColor = 6;
        scenario.regionText = QStringLiteral("text");
        scenario.prerequisites = QBitArray(3, true);
        scenario.heroKeeps.fill(true);
        scenario.artifactsKept = QBitArray(5, true);
        scenario.prologues[1] = makePrologue(1, 2, QStringLiteral("page"));
        scenario.epilogues[2] = makePrologue(1, 2, QStringLiteral("page"));
        scenario.startOptions = makeStartOptions(StartingHeroSet{{StartingHero{1, 7}}});
        resetScenario(scenario);

        CmpScenario expected;
        expected.difficulty = 4;
        QCOMPARE(scenario.difficulty, uint8_t(4));
        QCOMPARE(scenario.regionColor, expected.regionColor);
        QVERIFY(scenario.mapName.isEmpty() && scenario.regionText.isEmpty());
        QVERIFY(scenario.mapData.isEmpty() && scenario.mapSize == 0 && !scenario.hasMap());
        QCOMPARE(scenario.prerequisites, expected.prerequisites);
        QCOMPARE(scenario.heroKeeps, expected.heroKeeps);
        QCOMPARE(scenario.artifactsKept, expected.artifactsKept);
        QVERIFY(scenario.prologues[1].isNull() && scenario.epilogues[2].isNull());
        QVERIFY(scenario.startOptions.isNull());
    }

    void resetCampaign_data() {
        QTest::addColumn<int>("campaignMap");
        QTest::addColumn<bool>("withMap");
        QTest::addColumn<int>("background");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("expectedScenarios");
        QTest::addColumn<int>("expectedScenarioCount");
        QTest::newRow("with map of seven regions") << 24 << true << 5 << 9 << 7 << 0;
        QTest::newRow("with map of three regions") << 3 << true << 0 << 0 << 3 << 0;
        QTest::newRow("with an unknown map") << 200 << true << 0 << 0 << 0 << 0;
        QTest::newRow("without map, one") << 24 << false << 4 << 1 << 1 << 1;
        QTest::newRow("without map, none") << 24 << false << 2 << 0 << 0 << 0;
        QTest::newRow("without map, five") << 24 << false << 1 << 5 << 5 << 5;
    }

    void resetCampaign() {
        QFETCH(int, campaignMap);
        QFETCH(bool, withMap);
        QFETCH(int, background);
        QFETCH(int, count);
        QFETCH(int, expectedScenarios);
        QFETCH(int, expectedScenarioCount);
        CmpCampaign campaign;
        campaign.version = 6;
        campaign.name = QStringLiteral("old");
        campaign.description = QStringLiteral("old");
        campaign.difficultySelectable = true;
        campaign.music = 3;
        campaign.background = 77;
        campaign.forbidNewerVersions = true;
        campaign.scenarios.append(CmpScenario());
        selectedRegion = 5;
        currentCampaignMap = 0;

        ::resetCampaign(campaign, uint8_t(campaignMap), withMap, background, count);
        QCOMPARE(campaign.version, 10);
        QCOMPARE(int(campaign.campaignMap), campaignMap);
        QVERIFY(campaign.name.isEmpty() && campaign.description.isEmpty());
        QVERIFY(!campaign.difficultySelectable);
        QCOMPARE(campaign.music, uint8_t(34));
        QCOMPARE(campaign.withMap, withMap);
        QCOMPARE(campaign.background, withMap ? 77 : background);
        QCOMPARE(campaign.scenarioCount, expectedScenarioCount);
        QVERIFY(!campaign.forbidNewerVersions);
        QCOMPARE(campaign.scenarios.size(), expectedScenarios);
        for (const CmpScenario &scenario : campaign.scenarios)
            QCOMPARE(scenario.prerequisites, QBitArray(expectedScenarios));
        QCOMPARE(currentCampaignMap, campaignMap);
        QCOMPARE(selectedRegion, 0);
        QCOMPARE(campaignScenarioCount(campaign), expectedScenarios);
    }

    void scenarioCountFollowsTheCurrentCampaignMap() {
        CmpCampaign campaign;
        ::resetCampaign(campaign, 3, true, 0, 0);
        QCOMPARE(campaignScenarioCount(campaign), 3);
        currentCampaignMap = 24;
        QCOMPARE(campaignScenarioCount(campaign), 7);
        campaign.withMap = false;
        campaign.scenarioCount = 11;
        QCOMPARE(campaignScenarioCount(campaign), 11);
    }

    void bonusEquality_data() {
        QTest::addColumn<CmpBonus>("a");
        QTest::addColumn<CmpBonus>("b");
        QTest::addColumn<bool>("equal");
        const auto spell = CmpBonus::make(SpellBonus, BonusSpell{4, 9});
        QTest::newRow("same spell")
            << spell << CmpBonus::make(SpellBonus, BonusSpell{4, 9}) << true;
        QTest::newRow("other spell")
            << spell << CmpBonus::make(SpellBonus, BonusSpell{4, 8}) << false;
        QTest::newRow("same fields, other type")
            << spell << CmpBonus::make(ScrollBonus, BonusScroll{4, 9}) << false;
        QTest::newRow("creature count")
            << CmpBonus::make(CreatureBonus, BonusCreature{1, 2, 3})
            << CmpBonus::make(CreatureBonus, BonusCreature{1, 2, 4}) << false;
        QTest::newRow("building") << CmpBonus::make(BuildingBonus, BonusBuilding{10})
                                  << CmpBonus::make(BuildingBonus, BonusBuilding{10}) << true;
        QTest::newRow("artifact") << CmpBonus::make(ArtifactBonus, BonusArtifact{1, 2})
                                  << CmpBonus::make(ArtifactBonus, BonusArtifact{2, 2}) << false;
        QTest::newRow("primary knowledge")
            << CmpBonus::make(PrimarySkillBonus, BonusPrimarySkill{1, 2, 3, 4, 5})
            << CmpBonus::make(PrimarySkillBonus, BonusPrimarySkill{1, 2, 3, 4, 6}) << false;
        QTest::newRow("primary same")
            << CmpBonus::make(PrimarySkillBonus, BonusPrimarySkill{1, 2, 3, 4, 5})
            << CmpBonus::make(PrimarySkillBonus, BonusPrimarySkill{1, 2, 3, 4, 5}) << true;
        QTest::newRow("secondary level")
            << CmpBonus::make(SecondarySkillBonus, BonusSecondarySkill{1, 2, 3})
            << CmpBonus::make(SecondarySkillBonus, BonusSecondarySkill{1, 2, 2}) << false;
        QTest::newRow("resource amount")
            << CmpBonus::make(ResourceBonus, BonusResource{6, -1})
            << CmpBonus::make(ResourceBonus, BonusResource{6, -1}) << true;
        QTest::newRow("type holding another record")
            << CmpBonus::make(ResourceBonus, BonusSpell{0, 0})
            << CmpBonus::make(ResourceBonus, BonusResource{0, 0}) << true;
        QTest::newRow("unknown type with itself")
            << CmpBonus{8, QVariant()} << CmpBonus{8, QVariant()} << false;
        QTest::newRow("type 255") << CmpBonus{255, QVariant()} << CmpBonus{255, QVariant()}
                                  << false;
    }

    void bonusEquality() {
        QFETCH(CmpBonus, a);
        QFETCH(CmpBonus, b);
        QFETCH(bool, equal);
        QCOMPARE(a == b, equal);
        QCOMPARE(b == a, equal);
        QCOMPARE(a != b, !equal);
    }

    void wrongRecordReadsAsZeros() {
        const auto bonus = CmpBonus::make(CreatureBonus, BonusCreature{5, 6, 7});
        const auto skills = bonus.record<BonusPrimarySkill>();
        QCOMPARE(skills.hero, uint16_t(0));
        QCOMPARE(skills.attack + skills.defence + skills.spellPower + skills.knowledge, 0);
        QCOMPARE(bonus.record<BonusResource>().amount, 0);
        QCOMPARE(bonus.record<BonusCreature>().count, uint16_t(7));
        const CmpScenarioStartOptions options{CrossoverChoice,
                                              QVariant::fromValue(HeroCrossoverSet{{{1, 2}}})};
        QVERIFY(options.heroSet().heroes.isEmpty());
        QCOMPARE(options.crossoverSet().crossovers.size(), 1);
    }

    void versionsCompareMajorFirst() {
        QVERIFY((CmpVersion{1, 7, 4}) > editorVersion);
        QVERIFY((CmpVersion{1, 8, 0}) > editorVersion);
        QVERIFY((CmpVersion{2, 0, 0}) > editorVersion);
        QVERIFY((CmpVersion{1, 7, 2}) < editorVersion);
        QVERIFY((CmpVersion{0, 99, 99}) < editorVersion);
        QVERIFY((CmpVersion{1, 7, 3}) == editorVersion);
    }
};

QTEST_GUILESS_MAIN(TestCampaignModel)
#include "test_campaignmodel.moc"
