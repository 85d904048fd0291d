// Loading and saving campaign files: byte-exact round trips of every sample campaign, older
// formats saved as format 10, and the saving rules (chain rule, empty starting-hero lists,
// counts, page slots, bit-set lengths). Unknown bonus types are read and written back in
// test_campaignfilerefusals.

#include "campaignfilefixture.h"
#include "messagerecorder.h"

#include "campaign/campaignfile.h"
#include "campaign/campaignjson.h"
#include "campaign/cmpcampaign.h"
#include "campaign/editorvalues.h"

#include <QJsonArray>
#include <QJsonDocument>

class TestCampaignFile : public QObject, protected SampleCampaigns {
    Q_OBJECT

private:
    QString scratchPath(const QString &name) const { return scratch.filePath(name); }

    // Loads the file and saves it again; the saved bytes.
    QByteArray resaved(const QString &path) {
        const CmpCampaign campaign = loaded(path);
        const QString target = scratchPath(QStringLiteral("resaved.y6c"));
        if (!CampaignFile::save(campaign, target, catalogue))
            return QByteArray();
        return readWholeFile(target);
    }

    QByteArray savedContent(const CmpCampaign &campaign) {
        const QString target = scratchPath(QStringLiteral("saved.y6c"));
        if (!CampaignFile::save(campaign, target, catalogue))
            return QByteArray();
        return splitCampaignFile(readWholeFile(target)).content;
    }

    // A campaign of the catalogue's map 24 with the first sample's maps.
    CmpCampaign marches() { return loaded(mapsFolder + QStringLiteral("/Marches.y6c")); }

private slots:
    void initTestCase() {
        setUpSamples();
        QVERIFY(sampleCampaignFiles(mapsFolder).size() >= 8);
    }

    void roundTripIsByteExact_data() {
        QTest::addColumn<QString>("path");
        for (const QString &path : sampleCampaignFiles(mapsFolder))
            QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
    }

    // Format 10 subversion 2 files come back byte for byte; older ones come back as the same
    // campaign written in format 10, which the generator also wrote as Format10Sub2.y6c.
    void roundTripIsByteExact() {
        QFETCH(QString, path);
        MessageRecorder messages;
        const CampaignFileParts original = splitCampaignFile(readWholeFile(path));
        QVERIFY(!original.content.isEmpty());
        const bool newest = original.content.startsWith(QByteArray("\x0a\0\0\0\x02\0\0\0", 8));
        const CampaignFileParts expected =
            newest ? original : splitCampaignFile(readWholeFile(mapsFolder + "/Format10Sub2.y6c"));

        const QByteArray saved = resaved(path);
        const CampaignFileParts parts = splitCampaignFile(saved);
        QCOMPARE(parts.content.toHex(), expected.content.toHex());
        QCOMPARE(parts.maps, expected.maps);
        QVERIFY(messages.lines().isEmpty());

        // The bytes are those the gzip file routines write for the same content and maps.
        QCOMPARE(saved, joinCampaignFile(scratchPath("joined.y6c"), parts.content, parts.maps));
    }

    void olderFormatsHoldTheSameCampaign_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("fileVersion");
        QTest::newRow("format 5") << "Format5.y6c" << 5 << "0.0.0";
        QTest::newRow("format 6") << "Format6.y6c" << 6 << "0.0.0";
        QTest::newRow("format 10.0") << "Format10Sub0.y6c" << 10 << "0.0.0";
        QTest::newRow("format 10.1") << "Format10Sub1.y6c" << 10 << "0.0.0";
        QTest::newRow("format 10.2") << "Format10Sub2.y6c" << 10 << "1.7.3";
    }

    void olderFormatsHoldTheSameCampaign() {
        QFETCH(QString, name);
        QFETCH(int, version);
        QFETCH(QString, fileVersion);
        QJsonObject expected = campaignJson(loaded(mapsFolder + "/Format10Sub2.y6c"));
        campaignFileVersion = CmpVersion{9, 9, 9};
        QJsonObject json = campaignJson(loaded(mapsFolder + '/' + name));
        QCOMPARE(json.value("version").toInt(), version);
        QCOMPARE(loadedFormatVersion, version);
        QCOMPARE(QStringLiteral("%1.%2.%3")
                     .arg(campaignFileVersion.major)
                     .arg(campaignFileVersion.minor)
                     .arg(campaignFileVersion.patch),
                 fileVersion);
        json.remove("version");
        expected.remove("version");
        QCOMPARE(json, expected);
        // One page slot of each kind in the older formats: the others stay empty.
        const QJsonArray scenarios = json.value("scenarios").toArray();
        QCOMPARE(scenarios.size(), 3);
        QVERIFY(scenarios[0].toObject().value("prologues").toArray()[0].isObject());
        QCOMPARE(scenarios[0].toObject().value("creaturesKept").toArray(), QJsonArray({0, 144}));
        QCOMPARE(scenarios[0].toObject().value("artifactsKept").toArray(), QJsonArray({10, 128}));
    }

    // The main sample as the generator describes it, read through the model.
    void marchesHoldsEveryKindOfOption() {
        MessageRecorder messages;
        const CmpCampaign campaign = marches();
        QCOMPARE(campaign.scenarios.size(), 6);
        QCOMPARE(int(campaign.campaignMap), 24);
        QCOMPARE(currentCampaignMap, 24);
        QCOMPARE(selectedRegion, 0);
        QVERIFY(campaign.withMap && campaign.difficultySelectable);
        QCOMPARE(campaign.description.left(35),
                 QStringLiteral("Six regions of the Veldmark Marches"));
        QVERIFY(campaign.description.contains(QChar(0x2014)));
        QSet<int> bonusTypes;
        QSet<int> kinds;
        for (const CmpScenario &scenario : campaign.scenarios) {
            QCOMPARE(scenario.hasMap(), scenario.mapSize != 0);
            QCOMPARE(uint32_t(scenario.mapData.size()), scenario.mapSize);
            QCOMPARE(scenario.prerequisites.size(), 6);
            QCOMPARE(scenario.creaturesKept.size(), 157);
            QCOMPARE(scenario.artifactsKept.size(), 149);
            if (!scenario.startOptions.isNull()) {
                kinds.insert(scenario.startOptions->kind);
                for (const CmpBonus &bonus : scenario.startOptions->bonusSet().bonuses)
                    bonusTypes.insert(bonus.type);
            }
        }
        QCOMPARE(bonusTypes, QSet<int>({0, 1, 2, 3, 4, 5, 6, 7}));
        QCOMPARE(kinds, QSet<int>({1, 2, 3}));
        const CmpScenario &hollowmere = campaign.scenarios[1];
        QVERIFY(hollowmere.prerequisites.testBit(0));
        QCOMPARE(hollowmere.prologues[1]->text, QStringLiteral("Page two: Tarq rises."));
        QCOMPARE(hollowmere.prologues[2]->text, QString());
        QVERIFY(hollowmere.epilogues[2].isNull());
        QCOMPARE(hollowmere.heroKeeps.count(true), 5);
        QVERIFY(hollowmere.artifactsKept.testBit(148) && hollowmere.creaturesKept.testBit(156));
        const BonusResource loss =
            campaign.scenarios[2].startOptions->bonusSet().bonuses[2].record<BonusResource>();
        QCOMPARE(loss.amount, -500);
        QVERIFY(campaign.scenarios[5].mapHeader.isNull());
        QVERIFY(messages.lines().isEmpty());
    }

    // A campaign file that is not gzip-compressed is read as it is; its maps follow the records.
    void uncompressedCampaignFileLoads() {
        const QString path = mapsFolder + "/Marches.y6c";
        const CampaignFileParts parts = splitCampaignFile(readWholeFile(path));
        const QString plain = scratchPath("plain.y6c");
        writeWholeFile(plain, parts.content + parts.maps);
        QCOMPARE(campaignJson(loaded(plain)), campaignJson(loaded(path)));
        QCOMPARE(splitCampaignFile(resaved(plain)).content, parts.content);
    }

    void embeddedMapsKeepTheirStoredBytes() {
        const CmpCampaign chain = loaded(mapsFolder + "/Chain.y6c");
        QCOMPARE(chain.scenarios.size(), 4);
        QVERIFY(!chain.withMap);
        QCOMPARE(int(chain.campaignMap), 24);
        // Scenario 2 embeds a map stored uncompressed; it is kept uncompressed.
        QVERIFY(!chain.scenarios[2].mapData.startsWith("\x1f\x8b"));
        QVERIFY(chain.scenarios[2].hasMap());
        QVERIFY(chain.scenarios[0].mapData.startsWith("\x1f\x8b"));
        QCOMPARE(chain.scenarios[0].mapHeader->name, QStringLiteral("The Old Border"));
        QCOMPARE(chain.scenarios[2].mapHeader->name, QStringLiteral("Saltmarrow"));
        QCOMPARE(chain.scenarios[2].mapData, readWholeFile(mapsFolder + "/Saltmarrow.y6m"));
        QCOMPARE(chain.scenarios[3].mapData, readWholeFile(mapsFolder + "/GullRock.y6m"));
    }

    // A campaign without map is saved with each scenario that has a map requiring the nearest
    // earlier scenario with a map; prerequisites held in memory are ignored.
    void chainRuleForCampaignsWithoutMap() {
        const CmpCampaign source = marches();
        CmpCampaign campaign;
        resetCampaign(campaign, 24, false, 2, 5, catalogue);
        campaign.scenarios[0] = source.scenarios[0];
        campaign.scenarios[2] = source.scenarios[1];
        campaign.scenarios[4] = source.scenarios[2];
        for (CmpScenario &scenario : campaign.scenarios) {
            scenario.prerequisites = QBitArray(5, true);
            scenario.startOptions.reset();
        }
        const QString target = scratchPath("chain.y6c");
        QVERIFY(CampaignFile::save(campaign, target, catalogue));
        CmpCampaign back;
        QVERIFY(CampaignFile::load(target, back, catalogue));
        QCOMPARE(back.scenarios.size(), 5);
        const QList<QList<int>> expected = {{}, {}, {0}, {}, {2}};
        for (int i = 0; i < 5; ++i) {
            QList<int> bits;
            for (int b = 0; b < back.scenarios[i].prerequisites.size(); ++b)
                if (back.scenarios[i].prerequisites.testBit(b))
                    bits.append(b);
            QCOMPARE(bits, expected[i]);
        }
        QCOMPARE(back.background, 2);
        QCOMPARE(back.scenarioCount, 5);
    }

    // An empty starting-hero list is saved as an empty bonus choice for the first player that
    // could be offered a starting hero, and reads back as such.
    void emptyStartingHeroListIsSavedAsEmptyBonusChoice_data() {
        // Bit p of each mask is about player p.
        QTest::addColumn<int>("human");
        QTest::addColumn<int>("ownsHeroes");
        QTest::addColumn<int>("generatesHero");
        QTest::addColumn<int>("expectedPlayer");
        QTest::newRow("first player owns heroes") << 0xff << 0x01 << 0x00 << 0;
        QTest::newRow("heroes of a player that is not human") << 0xfe << 0x03 << 0x00 << 1;
        QTest::newRow("a town that generates a hero") << 0xff << 0x00 << 0x20 << 5;
        QTest::newRow("generating town of a computer player") << 0x7f << 0x00 << 0x80 << 0;
        QTest::newRow("heroes before a generating town") << 0xff << 0x40 << 0x08 << 3;
        QTest::newRow("human players without heroes") << 0xff << 0x00 << 0x00 << 0;
        QTest::newRow("no human player") << 0x00 << 0xff << 0xff << 0;
    }

    void emptyStartingHeroListIsSavedAsEmptyBonusChoice() {
        QFETCH(int, human);
        QFETCH(int, ownsHeroes);
        QFETCH(int, generatesHero);
        QFETCH(int, expectedPlayer);
        CmpCampaign campaign = marches();
        CmpScenario &scenario = campaign.scenarios[0];
        MapHeader header = *scenario.mapHeader;
        for (int p = 0; p < 8; ++p) {
            MapPlayer &player = header.players[size_t(p)];
            player.canHumanPlay = (human >> p) & 1;
            player.heroes.clear();
            if ((ownsHeroes >> p) & 1)
                player.heroes.append(MapHero{uint8_t(p), QString()});
            player.hasMainTown = 1;
            player.generateHeroAtMainTown = (generatesHero >> p) & 1;
        }
        scenario.mapHeader = MapHeaderRef(new MapHeader(header));
        scenario.startOptions = makeStartOptions(StartingHeroSet());
        const QByteArray content = savedContent(campaign);
        CmpCampaign back;
        QVERIFY(CampaignFile::load(scratchPath("saved.y6c"), back, catalogue));
        const CmpStartOptionsRef options = back.scenarios[0].startOptions;
        QVERIFY(!options.isNull());
        QCOMPARE(int(options->kind), int(BonusChoice));
        QCOMPARE(int(options->bonusSet().player), expectedPlayer);
        QVERIFY(options->bonusSet().bonuses.isEmpty());
        // The rest of the file is unchanged: only the start options block of scenario 0
        // differs from a save of the unchanged campaign.
        QVERIFY(content.size() < savedContent(marches()).size());
    }

    // Lists longer than a byte can count are written with the count modulo 256.
    void countsAreWrittenModulo256() {
        CmpCampaign campaign = marches();
        HeroCrossoverSet set;
        for (int i = 0; i < 258; ++i)
            set.crossovers.append(CmpHeroCrossover{uint8_t(i % 8), uint8_t(i)});
        campaign.scenarios[5].startOptions = makeStartOptions(set);
        const QByteArray content = savedContent(campaign);
        QVERIFY(content.endsWith(QByteArray::fromHex("02020000") + QByteArray::fromHex("0101")));
    }

    // Bit sets are written with the catalogue's lengths, whatever lengths the scenario holds.
    void bitSetLengthsFollowTheCatalogue() {
        CmpCampaign campaign = marches();
        const QByteArray before = savedContent(campaign);
        for (CmpScenario &scenario : campaign.scenarios) {
            scenario.creaturesKept.resize(400);
            scenario.creaturesKept.setBit(399);
            scenario.artifactsKept.resize(300);
            scenario.artifactsKept.setBit(299);
            scenario.prerequisites.resize(40);
            scenario.prerequisites.setBit(39);
        }
        QCOMPARE(savedContent(campaign), before);
    }

    void savingSetsTheEditorVersions() {
        CmpCampaign campaign = loaded(mapsFolder + "/Format10Sub0.y6c");
        QCOMPARE(campaignFileVersion, (CmpVersion{0, 0, 0}));
        mapFileVersion = CmpVersion{0, 0, 0};
        QVERIFY(CampaignFile::save(campaign, scratchPath("versions.y6c"), catalogue));
        QCOMPARE(campaignFileVersion, editorVersion);
        QCOMPARE(mapFileVersion, editorVersion);
    }
};

QTEST_GUILESS_MAIN(TestCampaignFile)
#include "test_campaignfile.moc"
