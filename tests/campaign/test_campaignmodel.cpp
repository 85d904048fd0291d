#include "campaign/bonusrecords.h"
#include "campaign/campaignjson.h"
#include "campaign/cmpcampaign.h"
#include "campaign/editorvalues.h"
#include "campaign/herocrossoverset.h"
#include "campaign/startingbonusset.h"
#include "campaign/startingheroset.h"
#include "gamedata/gamecatalogue.h"

#include <QJsonArray>
#include <QtTest>

namespace {

QJsonValue json(const CmpScenario &scenario) {
    CmpCampaign campaign;
    campaign.scenarios = {scenario};
    return campaignJson(campaign).value("scenarios").toArray().first();
}

} // namespace

class TestCampaignModel : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        GameCatalogue catalogue;
        catalogue.artifactCount = 20;
        catalogue.creatureCount = 30;
        catalogue.campaignMaps[24].regionCount = 7;
        catalogue.campaignMaps[3].regionCount = 3;
        setGameCatalogue(catalogue);
    }

    // A new scenario's bit sets follow the catalogue, and one reset to it keeps only its
    // difficulty.
    void newAndResetScenarios() {
        CmpScenario scenario;
        QCOMPARE(scenario.artifactsKept, QBitArray(20));
        QCOMPARE(scenario.creaturesKept, QBitArray(30));
        QJsonValue fresh = json(scenario);
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
        QVERIFY(scenario.mapData.isEmpty());
        QJsonObject expected = fresh.toObject();
        expected["difficulty"] = 4;
        QCOMPARE(json(scenario), QJsonValue(expected));
    }

    // A variant or bonus of another type reads as a zero-filled record.
    void wrongRecordReadsAsZeros() {
        QCOMPARE(QVariant::fromValue(BonusSpell{3, 4}).value<StartingHero>(), StartingHero{});
        const auto bonus = CmpBonus::make(CreatureBonus, BonusCreature{5, 6, 7});
        QCOMPARE(bonus.record<BonusPrimarySkill>().attack, uint8_t(0));
        const CmpScenarioStartOptions options{CrossoverChoice,
                                              QVariant::fromValue(HeroCrossoverSet{{{1, 2}}})};
        QVERIFY(options.heroSet().heroes.isEmpty());
        QCOMPARE(options.crossoverSet().crossovers.size(), 1);
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
        campaign.name = campaign.description = QStringLiteral("old");
        campaign.difficultySelectable = campaign.forbidNewerVersions = true;
        campaign.music = 3;
        campaign.background = 77;
        campaign.scenarios.append(CmpScenario());
        selectedRegion = 5;
        currentCampaignMap = 0;

        ::resetCampaign(campaign, uint8_t(campaignMap), withMap, background, count);
        QCOMPARE(campaign.version, 10);
        QCOMPARE(int(campaign.campaignMap), campaignMap);
        QVERIFY(campaign.name.isEmpty() && campaign.description.isEmpty());
        QVERIFY(!campaign.difficultySelectable && !campaign.forbidNewerVersions);
        QCOMPARE(campaign.music, uint8_t(34));
        QCOMPARE(campaign.withMap, withMap);
        QCOMPARE(campaign.background, withMap ? 77 : background);
        QCOMPARE(campaign.scenarioCount, expectedScenarioCount);
        QCOMPARE(campaign.scenarios.size(), expectedScenarios);
        for (const CmpScenario &scenario : campaign.scenarios)
            QCOMPARE(scenario.prerequisites, QBitArray(expectedScenarios));
        QCOMPARE(currentCampaignMap, campaignMap);
        QCOMPARE(selectedRegion, 0);
        QCOMPARE(campaignScenarioCount(campaign), expectedScenarios);
        // The count of a campaign with map follows the current campaign map.
        currentCampaignMap = 24;
        QCOMPARE(campaignScenarioCount(campaign), withMap ? 7 : expectedScenarios);
    }

    void bonusEquality_data() {
        QTest::addColumn<CmpBonus>("a");
        QTest::addColumn<CmpBonus>("b");
        QTest::addColumn<bool>("equal");
        // Two bonuses of one type with these records.
        const auto row = [](const char *name, uint8_t type, auto a, auto b, bool equal) {
            QTest::newRow(name) << CmpBonus::make(type, a) << CmpBonus::make(type, b) << equal;
        };
        row("same spell", SpellBonus, BonusSpell{4, 9}, BonusSpell{4, 9}, true);
        row("other spell", SpellBonus, BonusSpell{4, 9}, BonusSpell{4, 8}, false);
        row("creature count", CreatureBonus, BonusCreature{1, 2, 3}, BonusCreature{1, 2, 4}, false);
        row("artifact hero", ArtifactBonus, BonusArtifact{1, 2}, BonusArtifact{2, 2}, false);
        row("primary knowledge", PrimarySkillBonus, BonusPrimarySkill{1, 2, 3, 4, 5},
            BonusPrimarySkill{1, 2, 3, 4, 6}, false);
        row("secondary level", SecondarySkillBonus, BonusSecondarySkill{1, 2, 3},
            BonusSecondarySkill{1, 2, 2}, false);
        row("resource amount", ResourceBonus, BonusResource{6, -1}, BonusResource{6, -1}, true);
        row("type holding another record", ResourceBonus, BonusSpell{0, 0}, BonusResource{0, 0},
            true);
        QTest::newRow("same fields, other type")
            << CmpBonus::make(SpellBonus, BonusSpell{4, 9})
            << CmpBonus::make(ScrollBonus, BonusScroll{4, 9}) << false;
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
};

QTEST_GUILESS_MAIN(TestCampaignModel)
#include "test_campaignmodel.moc"
