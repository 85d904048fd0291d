// Campaign files: byte-exact round trips of every sample campaign, older formats saved as
// format 10, the saving rules (chain rule, empty starting-hero lists, counts, bit-set lengths),
// and the files that must be refused, with the few odd ones that load: version rules, data cut
// short at many points, text lengths beyond the file, corrupted embedded maps. A refused load
// leaves the open campaign and the editor-wide values as they were. A save that fails leaves the
// previous file intact and says so.

#include "campaignfilefixture.h"
#include "craftedmapmembers.h"
#include "demogame/bytewriter.h"
#include "messagerecorder.h"
#include "versiontext.h"

#include "campaign/campaignfile.h"
#include "campaign/campaignjson.h"
#include "campaign/cmpcampaign.h"
#include "campaign/editorvalues.h"

#include <QJsonArray>
#include <QtEndian>

#include <csignal>
#include <sys/resource.h>

namespace {

QString line(Messages::Kind kind, const QString &title, const QString &text) {
    return Messages::formatLine({kind, title, text});
}

QString critical(const QString &text) {
    return line(Messages::Kind::Critical, QStringLiteral("Error"), text);
}

const QString corruptedMaps = critical(QStringLiteral(
    "Maps in this campaign contain corrupted data, and campaign can't be opened.\n"));

QString newerVersion(const QString &version) {
    return critical(QStringLiteral("This campaign was made for a newer version of Tarq %1. It is "
                                   "impossible to open it in older version.\n")
                        .arg(version));
}

QString olderVersion(const QString &version) {
    return line(Messages::Kind::Warning, "Warning",
                QStringLiteral("This campaign was made for an older version of Tarq %1, and the "
                               "author of the campaign restricted its launch in newer versions of "
                               "Tarq. You can edit this campaign, but its Tarq version will be "
                               "updated to 1.7.3, and in this version the map may become "
                               "unplayable.")
                    .arg(version));
}

QByteArray withNumber(QByteArray bytes, int offset, uint32_t value) {
    qToLittleEndian(value, bytes.data() + offset);
    return bytes;
}

QByteArray withByte(QByteArray bytes, int offset, uint8_t value) {
    bytes[offset] = char(value);
    return bytes;
}

// The mod version of campaign data changed to major.minor.patch.
QByteArray withVersion(const QByteArray &bytes, uint32_t major, uint32_t minor, uint32_t patch) {
    return withNumber(withNumber(withNumber(bytes, 8, major), 12, minor), 16, patch);
}

// Offsets in the campaign data of a format 10 subversion 2 file.
constexpr int subversionAt = 4;
constexpr int forbidAt = 20;
constexpr int campaignMapAt = 30;
constexpr int nameLengthAt = 31;

} // namespace

class TestCampaignFile : public QObject, protected SampleCampaigns {
    Q_OBJECT

private:
    CampaignFileParts marches;
    CampaignFileParts chain;
    int joined = 0;

    // A file with the given campaign data and map part, as the gzip file routines write it.
    QByteArray file(const QByteArray &content, const QByteArray &maps) {
        return joinCampaignFile(scratch.filePath(QStringLiteral("join%1").arg(joined++)), content,
                                maps);
    }
    QByteArray marchesWith(const QByteArray &content) { return file(content, marches.maps); }

    // Marches.y6c with its first embedded map replaced by `member`, and that map's size in the
    // campaign data changed to match; with no member, the first map as it is.
    QByteArray marchesWithFirstMap(const QByteArray &member = QByteArray()) {
        for (const CmpScenario &scenario : loaded("Marches.y6c").scenarios) {
            if (scenario.mapSize == 0)
                continue;
            if (member.isEmpty())
                return marches.maps.left(int(scenario.mapSize));
            const QByteArray record =
                ByteWriter().string(scenario.mapName.toLatin1()).u32(scenario.mapSize).data();
            const int sizeAt = marches.content.indexOf(record) + record.size() - 4;
            return file(withNumber(marches.content, sizeAt, uint32_t(member.size())),
                        member + marches.maps.mid(int(scenario.mapSize)));
        }
        return QByteArray();
    }

    // The case's file; none for null bytes.
    QString writeCase(const QByteArray &bytes) {
        const QString path = scratch.filePath(QStringLiteral("case.y6c"));
        QFile::remove(path);
        if (!bytes.isNull())
            writeWholeFile(path, bytes);
        return path;
    }

    // The campaign saved into the scratch folder; the file's bytes.
    QByteArray saved(const CmpCampaign &campaign, const QString &name = "saved.y6c") {
        if (!CampaignFile::save(campaign, scratch.filePath(name), catalogue))
            return QByteArray();
        return readWholeFile(scratch.filePath(name));
    }
    QByteArray savedContent(const CmpCampaign &campaign) {
        return splitCampaignFile(saved(campaign)).content;
    }

private slots:
    void initTestCase() {
        setUpSamples();
        QVERIFY(sampleCampaignFiles(mapsFolder).size() >= 8);
        marches = splitCampaignFile(readWholeFile(mapsFolder + "/Marches.y6c"));
        chain = splitCampaignFile(readWholeFile(mapsFolder + "/Chain.y6c"));
        QVERIFY(marches.content.size() > 100 && marches.maps.size() > 100);
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
        const bool newest = original.content.startsWith(QByteArray("\x0a\0\0\0\x02\0\0\0", 8));
        const CampaignFileParts expected =
            newest ? original : splitCampaignFile(readWholeFile(mapsFolder + "/Format10Sub2.y6c"));
        const QByteArray bytes = saved(loaded(path));
        const CampaignFileParts parts = splitCampaignFile(bytes);
        QCOMPARE(parts.content.toHex(), expected.content.toHex());
        QCOMPARE(parts.maps, expected.maps);
        QVERIFY(messages.lines().isEmpty());
        // The bytes are those the gzip file routines write for the same content and maps.
        QCOMPARE(bytes,
                 joinCampaignFile(scratch.filePath("joined.y6c"), parts.content, parts.maps));
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
    // Older formats load as the same campaign (the round trip saves them as Format10Sub2.y6c)
    // and set the editor-wide format and mod versions.
    void olderFormatsHoldTheSameCampaign() {
        QFETCH(QString, name);
        QFETCH(int, version);
        QFETCH(QString, fileVersion);
        campaignFileVersion = CmpVersion{9, 9, 9};
        QCOMPARE(loaded(name).version, version);
        QCOMPARE(loadedFormatVersion, version);
        QCOMPARE(versionText(campaignFileVersion), fileVersion);
    }

    // A campaign without map is saved with each scenario that has a map requiring the nearest
    // earlier scenario with a map; prerequisites held in memory are ignored.
    void chainRuleForCampaignsWithoutMap() {
        const CmpCampaign source = loaded("Marches.y6c");
        CmpCampaign campaign;
        resetCampaign(campaign, 24, false, 2, 5, catalogue);
        campaign.scenarios[0] = source.scenarios[0];
        campaign.scenarios[2] = source.scenarios[1];
        campaign.scenarios[4] = source.scenarios[2];
        for (CmpScenario &scenario : campaign.scenarios) {
            scenario.prerequisites = QBitArray(5, true);
            scenario.startOptions.reset();
        }
        saved(campaign);
        const QJsonObject back = campaignJson(loaded(scratch.filePath("saved.y6c")));
        QCOMPARE(back.value("background").toInt(), 2);
        QCOMPARE(back.value("scenarioCount").toInt(), 5);
        QJsonArray prerequisites;
        for (const QJsonValue &scenario : back.value("scenarios").toArray())
            prerequisites.append(scenario.toObject().value("prerequisites"));
        QCOMPARE(prerequisites, QJsonArray({QJsonArray(), QJsonArray(), QJsonArray({0}),
                                            QJsonArray(), QJsonArray({2})}));
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
        CmpCampaign campaign = loaded("Marches.y6c");
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
        saved(campaign);
        const CmpStartOptionsRef options =
            loaded(scratch.filePath("saved.y6c")).scenarios[0].startOptions;
        QCOMPARE(int(options->kind), int(BonusChoice));
        QCOMPARE(int(options->bonusSet().player), expectedPlayer);
        QVERIFY(options->bonusSet().bonuses.isEmpty());
    }

    // Lists longer than a byte can count are written with the count modulo 256.
    void countsAreWrittenModulo256() {
        CmpCampaign campaign = loaded("Marches.y6c");
        HeroCrossoverSet set;
        for (int i = 0; i < 258; ++i)
            set.crossovers.append(CmpHeroCrossover{uint8_t(i % 8), uint8_t(i)});
        campaign.scenarios[5].startOptions = makeStartOptions(set);
        QVERIFY(savedContent(campaign).endsWith(QByteArray::fromHex("020200000101")));
    }

    // Bit sets are written with the catalogue's lengths, whatever lengths the scenario holds.
    void bitSetLengthsFollowTheCatalogue() {
        CmpCampaign campaign = loaded("Marches.y6c");
        const QByteArray before = savedContent(campaign);
        for (CmpScenario &scenario : campaign.scenarios) {
            for (auto *bits :
                 {&scenario.creaturesKept, &scenario.artifactsKept, &scenario.prerequisites}) {
                bits->resize(bits->size() + 100);
                bits->setBit(bits->size() - 1);
            }
        }
        QCOMPARE(savedContent(campaign), before);
    }

    void refusedFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("messages");
        const QByteArray &content = marches.content;
        QTest::newRow("missing file")
            << QByteArray() << QStringList{critical("Can't open file " + writeCase({}))};
        for (int version : {7, -1, 0, 9, 11, 0x7fffffff})
            QTest::addRow("format version %d", version)
                << marchesWith(withNumber(content, 0, uint32_t(version)))
                << QStringList{critical(QStringLiteral("Invalid campaign file version!\n\nFile "
                                                       "version = %1\nCurrent version = 10")
                                            .arg(version))};
        for (uint32_t subversion : {3u, 100u, 0xffffffffu})
            QTest::addRow("subversion %u", subversion)
                << marchesWith(withNumber(content, subversionAt, subversion))
                << QStringList{critical(QStringLiteral("Invalid campaign file subversion!\n\nFile "
                                                       "subversion = %1\nCurrent subversion = 2")
                                            .arg(subversion))};
        for (const CmpVersion &newer : {CmpVersion{1, 7, 4}, CmpVersion{1, 8, 0},
                                        CmpVersion{2, 0, 0}, CmpVersion{1, 7, 0xffffffff}}) {
            const QString text = versionText(newer);
            const QByteArray changed = withVersion(content, newer.major, newer.minor, newer.patch);
            QTest::addRow("mod version %s", qPrintable(text))
                << marchesWith(changed) << QStringList{newerVersion(text)};
            QTest::addRow("mod version %s, forbidding newer versions", qPrintable(text))
                << marchesWith(withByte(changed, forbidAt, 1)) << QStringList{newerVersion(text)};
        }

        // Campaign data cut short anywhere fails without a message.
        for (int cut = 0; cut < content.size(); ++cut)
            QTest::addRow("campaign data cut at %d", cut)
                << marchesWith(content.left(cut)) << QStringList();
        // So does a text whose length runs past the end of the data.
        const int nameLength = qFromLittleEndian<uint32_t>(content.constData() + nameLengthAt);
        const int rest = content.size() - nameLengthAt - 4;
        for (uint32_t length :
             {uint32_t(rest + 1), uint32_t(rest + 1000), 0x7fffffffu, 0x80000000u, 0xffffffffu}) {
            QTest::addRow("name length %u", length)
                << marchesWith(withNumber(content, nameLengthAt, length)) << QStringList();
            QTest::addRow("description length %u", length)
                << marchesWith(withNumber(content, nameLengthAt + 4 + nameLength, length))
                << QStringList();
        }

        // The raw file cut inside the gzip member, or with a wrong check sum or length.
        const QByteArray whole = file(content, marches.maps);
        const int memberSize = whole.size() - marches.maps.size();
        for (int cut = 0; cut < memberSize; cut += 3)
            QTest::addRow("file cut at %d of the compressed part", cut)
                << whole.left(cut) << QStringList();
        QTest::newRow("check sum of the campaign data")
            << withByte(whole, memberSize - 8, uint8_t(whole[memberSize - 8] ^ 0x55))
            << QStringList();
        QTest::newRow("length of the campaign data")
            << withByte(whole, memberSize - 4, uint8_t(whole[memberSize - 4] + 1)) << QStringList();

        // The map part cut short, or damaged.
        for (int cut = 0; cut < marches.maps.size(); cut += 37)
            QTest::addRow("map part cut at %d", cut)
                << whole.left(memberSize + cut) << QStringList{corruptedMaps};
        QTest::newRow("map part one byte short")
            << whole.left(whole.size() - 1) << QStringList{corruptedMaps};
        for (int at : {12, 40, 100})
            QTest::addRow("compressed map damaged at %d", at)
                << withByte(whole, memberSize + at, uint8_t(whole[memberSize + at] ^ 0xff))
                << QStringList{corruptedMaps};
        // An uncompressed embedded map of an unknown format (Chain.y6c: the map of scenario 2
        // follows the compressed map of scenario 0).
        const int plainMapAt = int(loaded("Chain.y6c").scenarios[0].mapSize);
        QCOMPARE(chain.maps.mid(plainMapAt, 4), QByteArray("\x20\0\0\0", 4));
        QTest::newRow("uncompressed map of an unknown format")
            << file(chain.content, withNumber(chain.maps, plainMapAt, 99))
            << QStringList{corruptedMaps};
        QTest::newRow("uncompressed map of format 32, subversion 9")
            << file(chain.content,
                    withNumber(withNumber(chain.maps, plainMapAt, 32), plainMapAt + 4, 9))
            << QStringList{corruptedMaps};

        // Embedded maps zlib refuses, most of which a whole-buffer inflater would accept.
        const QByteArray firstMap = splitCampaignFile(marchesWithFirstMap()).content;
        for (const CraftedMember &crafted : refusedMapMembers(firstMap))
            QTest::newRow(crafted.name)
                << marchesWithFirstMap(crafted.member) << QStringList{corruptedMaps};
    }

    // A refused file leaves the open campaign and the editor-wide values untouched.
    void refusedFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, messages);
        const QString path = writeCase(bytes);
        CmpCampaign campaign = loaded("Baronies.y6c");
        const QJsonObject before = campaignJson(campaign);
        const CmpVersion fileVersion = campaignFileVersion;
        const CmpVersion mapVersion = mapFileVersion;
        selectedRegion = 7;
        MessageRecorder recorder;
        QVERIFY(!CampaignFile::load(path, campaign, catalogue));
        QCOMPARE(recorder.lines(), messages);
        QCOMPARE(campaignJson(campaign), before);
        QCOMPARE(currentCampaignMap, 25);
        QCOMPARE(loadedFormatVersion, 10);
        QCOMPARE(selectedRegion, 7);
        QCOMPARE(campaignFileVersion, fileVersion);
        QCOMPARE(mapFileVersion, mapVersion);
    }

    void oddFilesThatLoad_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("scenarios");
        QTest::addColumn<QString>("fileVersion");
        const QByteArray &content = marches.content;
        const QByteArray older = withVersion(content, 1, 7, 2);
        QTest::newRow("1.7.2 forbidding newer versions")
            << marchesWith(withByte(older, forbidAt, 1)) << QStringList{olderVersion("1.7.2")} << 6
            << "1.7.2";
        QTest::newRow("1.7.2 without the flag")
            << marchesWith(older) << QStringList() << 6 << "1.7.2";
        QTest::newRow("1.7.3 forbidding newer versions")
            << marchesWith(withByte(content, forbidAt, 1)) << QStringList() << 6 << "1.7.3";
        QTest::newRow("0.0.3 forbidding newer versions")
            << marchesWith(withByte(withVersion(content, 0, 0, 3), forbidAt, 1))
            << QStringList{olderVersion("0.0.3")} << 6 << "0.0.3";
        // Campaign map byte 0 reads as map 255, which the catalogue lacks: no scenario, and
        // the map part is not read at all.
        QTest::newRow("campaign map 255")
            << file(withByte(content, campaignMapAt, 0), QByteArray("junk")) << QStringList() << 0
            << "1.7.3";
        QTest::newRow("not gzip-compressed")
            << content + marches.maps << QStringList() << 6 << "1.7.3";
        // Bytes after the campaign data inside the gzip member, and after the maps, are ignored.
        QTest::newRow("trailing bytes")
            << file(content + "more", marches.maps + "tail") << QStringList() << 6 << "1.7.3";

        // Embedded maps zlib reads only the first gzip member of.
        for (const CraftedMember &crafted : acceptedMapMembers(marchesWithFirstMap()))
            QTest::newRow(crafted.name)
                << marchesWithFirstMap(crafted.member) << QStringList() << 6 << "1.7.3";
    }
    void oddFilesThatLoad() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, messages);
        QFETCH(int, scenarios);
        QFETCH(QString, fileVersion);
        MessageRecorder recorder;
        CmpCampaign campaign;
        QVERIFY(CampaignFile::load(writeCase(bytes), campaign, catalogue));
        QCOMPARE(recorder.lines(), messages);
        QCOMPARE(campaign.scenarios.size(), scenarios);
        QCOMPARE(versionText(campaignFileVersion), fileVersion);
    }

    // Bonus types 8 to 255 in a file: kept with their type and written back as the type byte
    // alone, the bytes around them unchanged.
    void unknownBonusTypesInAFile_data() {
        QTest::addColumn<QByteArray>("bonuses"); // count, then the bonuses
        QTest::addColumn<QList<int>>("types");
        QByteArray every(1, char(248));
        QList<int> everyType;
        for (int type = 8; type < 256; ++type) {
            every.append(char(type));
            everyType.append(type);
        }
        QTest::newRow("type 8") << QByteArray::fromHex("0108") << QList<int>{8};
        QTest::newRow("every unknown type") << every << everyType;
        QTest::newRow("between known types") << QByteArray::fromHex("05"
                                                                    "0705e8030000"
                                                                    "09"
                                                                    "00050010"
                                                                    "c8"
                                                                    "020b")
                                             << QList<int>{7, 9, 0, 200, 2};
    }
    void unknownBonusTypesInAFile() {
        QFETCH(QByteArray, bonuses);
        QFETCH(QList<int>, types);
        // Scenario 5 is the last record, and its last byte is its start options kind (0).
        QByteArray content = marches.content;
        QCOMPARE(content.right(1), QByteArray(1, '\0'));
        content.chop(1);
        content += QByteArray::fromHex("0106") + bonuses;
        CmpCampaign campaign;
        QVERIFY(CampaignFile::load(writeCase(marchesWith(content)), campaign, catalogue));
        const StartingBonusSet set = campaign.scenarios[5].startOptions->bonusSet();
        QCOMPARE(int(set.player), 6);
        QList<int> read;
        for (const CmpBonus &bonus : set.bonuses)
            read.append(bonus.type);
        QCOMPARE(read, types);
        QCOMPARE(CampaignFile::campaignData(campaign, catalogue).toHex(), content.toHex());
    }

    // A page slot flag other than 0 and 1 is an empty slot; so is a start options kind above 3.
    void oddFlagsReadAsEmpty() {
        // Scenario 5 (no map, no start options) is the last record: its last byte is the start
        // options kind, and its first prologue slot holds the page "To be written.".
        const QByteArray page = QByteArray("\x01\x00\x00\x0e\0\0\0To be written.", 21);
        const int pageAt = marches.content.lastIndexOf(page);
        QVERIFY(pageAt > 0);
        QByteArray changed = withByte(marches.content, pageAt, 2);
        changed = withByte(changed, changed.size() - 1, 4);
        CmpCampaign odd;
        QVERIFY(CampaignFile::load(writeCase(marchesWith(changed)), odd, catalogue));
        QVERIFY(odd.scenarios[5].prologues[0].isNull());
        QVERIFY(odd.scenarios[5].startOptions.isNull());
        QCOMPARE(odd.scenarios[4].startOptions->heroSet().heroes.size(), 3);
    }

    // A save replaces the file and makes the editor-wide versions the editor's own; a save that
    // fails keeps the previous file and the versions.
    void saveReplacesOrKeepsThePreviousFile_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("nothing wrong") << "";
        QTest::newRow("file size limit") << "limit";
        QTest::newRow("missing folder") << "missing";
    }
    void saveReplacesOrKeepsThePreviousFile() {
        QFETCH(QString, how);
        const CmpCampaign campaign = loaded("Marches.y6c");
        const QString folder = scratch.filePath("save" + how);
        QDir().mkpath(folder);
        QString target = folder + "/Old.y6c";
        const QByteArray previous("the previous campaign file");
        writeWholeFile(target, previous);
        campaignFileVersion = mapFileVersion = CmpVersion{0, 0, 0};
        MessageRecorder recorder;
        bool saved = true;
        if (how == "limit") {
            // Writes beyond a few bytes fail, as on a full disk.
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit old;
            getrlimit(RLIMIT_FSIZE, &old);
            rlimit small = old;
            small.rlim_cur = 200;
            setrlimit(RLIMIT_FSIZE, &small);
            saved = CampaignFile::save(campaign, target, catalogue);
            setrlimit(RLIMIT_FSIZE, &old);
        } else {
            if (how == "missing")
                target = folder + "/no such folder/New.y6c";
            saved = CampaignFile::save(campaign, target, catalogue);
        }
        // Nothing else is left behind in the folder.
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"Old.y6c"});
        if (how.isEmpty()) {
            QVERIFY(saved && recorder.messages.isEmpty());
            QCOMPARE(splitCampaignFile(readWholeFile(target)).content, marches.content);
            QCOMPARE(campaignFileVersion, editorVersion);
            QCOMPARE(mapFileVersion, editorVersion);
            return;
        }
        QVERIFY(!saved);
        QCOMPARE(recorder.lines().size(), 1);
        const QString text = recorder.lines().first();
        QVERIFY2(text.startsWith("warning|Error|Cannot write file " + target + ":\\n"),
                 qPrintable(text));
        QVERIFY(text.endsWith('.') && !text.contains("Unknown error"));
        if (how != "missing")
            QCOMPARE(readWholeFile(target), previous);
        QCOMPARE(campaignFileVersion, (CmpVersion{0, 0, 0}));
    }
};

QTEST_GUILESS_MAIN(TestCampaignFile)
#include "test_campaignfile.moc"
