// Conversion between the campaign types: which scenarios survive, their prerequisites, the
// region count of the target map, and every converted campaign saved and read back. The sample
// campaigns are converted both ways in test_campaigntool.

#include "campaignfilefixture.h"
#include "messagerecorder.h"

#include "campaign/campaignconversion.h"
#include "campaign/campaignfile.h"
#include "campaign/cmpcampaign.h"
#include "campaign/editorvalues.h"

namespace {

// A scenario with a map summary named after it, or one without map whose region text says so
// (constructed scenarios have an empty region text).
CmpScenario scenario(const GameCatalogue &catalogue, const QString &mapName, int prerequisites,
                     QList<int> needs = {}) {
    CmpScenario result(catalogue);
    result.prerequisites.resize(prerequisites);
    for (int need : needs)
        result.prerequisites.setBit(need);
    result.regionText = mapName.isEmpty() ? QStringLiteral("empty") : mapName;
    if (!mapName.isEmpty()) {
        MapHeader header;
        header.name = mapName;
        result.mapHeader = MapHeaderRef(new MapHeader(header));
        result.mapName = mapName + QStringLiteral(".y6m");
    }
    return result;
}

QStringList regionTexts(const CmpCampaign &campaign) {
    QStringList texts;
    for (const CmpScenario &s : campaign.scenarios)
        texts << s.regionText;
    return texts;
}

// Each scenario's prerequisites as "size:bits".
QStringList prerequisites(const CmpCampaign &campaign) {
    QStringList result;
    for (const CmpScenario &s : campaign.scenarios) {
        result << QStringLiteral("%1:").arg(s.prerequisites.size());
        for (int i = 0; i < s.prerequisites.size(); ++i)
            result.last() += s.prerequisites.testBit(i) ? QString::number(i) : QString();
    }
    return result;
}

} // namespace

Q_DECLARE_METATYPE(QList<CmpScenario>)

class TestCampaignConversion : public QObject, protected SampleCampaigns {
    Q_OBJECT

private slots:
    void initTestCase() {
        setUpSamples();
        catalogue.campaignMaps[24].regionCount = 6;
        catalogue.campaignMaps[2].regionCount = 2;
        catalogue.campaignMaps[8].regionCount = 8;
        catalogue.campaignMaps[2].regions = catalogue.campaignMaps[24].regions.mid(0, 2);
        while (catalogue.campaignMaps[8].regions.size() < 8)
            catalogue.campaignMaps[8].regions.append(CampaignRegionDef());
    }

    void convert_data() {
        QTest::addColumn<bool>("toWithMap");
        QTest::addColumn<int>("target");
        QTest::addColumn<QList<CmpScenario>>("scenarios");
        QTest::addColumn<bool>("dropsScenarios");
        QTest::addColumn<QStringList>("expectedTexts");
        QTest::addColumn<QStringList>("expectedPrerequisites");

        const GameCatalogue &c = catalogue;
        QTest::newRow("with map, no maps at all")
            << false << 1 << QList<CmpScenario>{scenario(c, {}, 6), scenario(c, {}, 6, {0})}
            << false << QStringList{""} << QStringList{"0:"};
        QTest::newRow("with map, a hole in the middle")
            << false << 2 << QList<CmpScenario>{scenario(c, "A", 6),      scenario(c, {}, 6),
                                                scenario(c, "C", 6, {0}), scenario(c, "D", 6, {1}),
                                                scenario(c, "E", 6, {3}), scenario(c, "F", 6, {2})}
            << false << QStringList{"A", "C", "F"} << QStringList{"3:", "3:0", "3:1"};
        QTest::newRow("with map, two roots and a follower of both")
            << false << 0
            << QList<CmpScenario>{scenario(c, "A", 6), scenario(c, "B", 6),
                                  scenario(c, "C", 6, {0, 1}), scenario(c, {}, 6)}
            << false << QStringList{"A", "B", "C"} << QStringList{"3:", "3:0", "3:1"};
        QTest::newRow("with map, followers through a scenario without map")
            << false << 0
            << QList<CmpScenario>{scenario(c, "A", 6), scenario(c, {}, 6, {0}),
                                  scenario(c, "C", 6, {1}), scenario(c, {}, 6, {2})}
            << false << QStringList{"A", "C"} << QStringList{"2:", "2:0"};
        const QList<CmpScenario> chain{scenario(c, "A", 5), scenario(c, {}, 5),
                                       scenario(c, "C", 5, {1, 4}), scenario(c, {}, 5),
                                       scenario(c, "E", 5, {0})};
        QTest::newRow("without map, to fewer regions")
            << true << 2 << chain << true << QStringList{"A", "C"} << QStringList{"2:", "2:0"};
        QTest::newRow("without map, to more regions")
            << true << 8 << chain << false << QStringList{"A", "C", "E", "", "", "", "", ""}
            << QStringList{"8:", "8:0", "8:1", "8:", "8:", "8:", "8:", "8:"};
        QTest::newRow("without map, no maps at all")
            << true << 24 << QList<CmpScenario>{scenario(c, {}, 1)} << false
            << QStringList{"", "", "", "", "", ""}
            << QStringList{"6:", "6:", "6:", "6:", "6:", "6:"};
    }

    void convert() {
        QFETCH(bool, toWithMap);
        QFETCH(int, target);
        QFETCH(QList<CmpScenario>, scenarios);
        QFETCH(bool, dropsScenarios);
        QFETCH(QStringList, expectedTexts);
        QFETCH(QStringList, expectedPrerequisites);

        CmpCampaign converted;
        converted.withMap = !toWithMap;
        converted.campaignMap = toWithMap ? 0 : 24;
        converted.scenarioCount = toWithMap ? scenarios.size() : 0;
        converted.scenarios = scenarios;
        converted.name = QStringLiteral("kept");
        if (toWithMap) {
            QCOMPARE(conversionDropsScenarios(converted, target, catalogue), dropsScenarios);
            convertToCampaignWithMap(converted, target, catalogue);
            QVERIFY(converted.withMap);
            QCOMPARE(int(converted.campaignMap), target);
            QCOMPARE(converted.scenarioCount, catalogue.campaignMaps[target].regionCount);
        } else {
            convertToCampaignWithoutMap(converted, target, catalogue);
            QVERIFY(!converted.withMap);
            QCOMPARE(int(converted.campaignMap), 0);
            QCOMPARE(converted.background, target);
            QCOMPARE(converted.scenarioCount, expectedTexts.size());
        }
        QCOMPARE(converted.name, QStringLiteral("kept"));
        QCOMPARE(regionTexts(converted), expectedTexts);
        QCOMPARE(prerequisites(converted), expectedPrerequisites);

        // The converted campaign saves and reads back with the same scenarios.
        MessageRecorder messages;
        currentCampaignMap = converted.campaignMap;
        const QString path = scratch.filePath(QStringLiteral("converted.y6c"));
        QVERIFY(CampaignFile::save(converted, path, catalogue));
        CmpCampaign reloaded;
        QVERIFY(CampaignFile::load(path, reloaded, catalogue));
        QCOMPARE(reloaded.withMap, converted.withMap);
        QCOMPARE(regionTexts(reloaded), expectedTexts);
        QCOMPARE(messages.lines(), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestCampaignConversion)
#include "test_campaignconversion.moc"
