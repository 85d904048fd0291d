// Campaign files that must be refused, and the few odd ones that load: version rules, data cut
// short at many points, text lengths beyond the file, corrupted embedded maps. A refused load
// leaves the open campaign and the editor-wide values as they were. A save that fails leaves the
// previous file intact and says so.

#include "campaignfilefixture.h"
#include "messagerecorder.h"

#include "campaign/campaignfile.h"
#include "campaign/campaignjson.h"
#include "campaign/cmpcampaign.h"
#include "campaign/editorvalues.h"

#include <QtEndian>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

QString line(Messages::Kind kind, const QString &title, const QString &text) {
    Messages::Message message;
    message.kind = kind;
    message.title = title;
    message.text = text;
    return Messages::formatLine(message);
}

QString critical(const QString &text) {
    return line(Messages::Kind::Critical, QStringLiteral("Error"), text);
}

const QString corruptedMaps = critical(QStringLiteral(
    "Maps in this campaign contain corrupted data, and campaign can't be opened.\n"));

QString newerVersion(const char *version) {
    return critical(QStringLiteral("This campaign was made for a newer version of Tarq %1. It is "
                                   "impossible to open it in older version.\n")
                        .arg(QLatin1String(version)));
}

QByteArray withNumber(QByteArray bytes, int offset, uint32_t value) {
    qToLittleEndian(value, bytes.data() + offset);
    return bytes;
}

QByteArray withByte(QByteArray bytes, int offset, uint8_t value) {
    bytes[offset] = char(value);
    return bytes;
}

// Offsets in the campaign data of a format 10 subversion 2 file.
constexpr int subversionAt = 4;
constexpr int modVersionAt = 8;
constexpr int forbidAt = 20;
constexpr int campaignMapAt = 30;
constexpr int nameLengthAt = 31;

} // namespace

class TestCampaignFileRefusals : public QObject, protected SampleCampaigns {
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

    QString writeCase(const QByteArray &bytes) {
        const QString path = scratch.filePath(QStringLiteral("case.y6c"));
        QFile::remove(path);
        writeWholeFile(path, bytes);
        return path;
    }

private slots:
    void initTestCase() {
        setUpSamples();
        marches = splitCampaignFile(readWholeFile(mapsFolder + "/Marches.y6c"));
        chain = splitCampaignFile(readWholeFile(mapsFolder + "/Chain.y6c"));
        QVERIFY(marches.content.size() > 100 && marches.maps.size() > 100);
    }

    void refusedFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("messages");
        const QByteArray &content = marches.content;

        for (int version : {7, -1, 0, 9, 11, 0x7fffffff}) {
            QTest::addRow("format version %d", version)
                << marchesWith(withNumber(content, 0, uint32_t(version)))
                << QStringList{critical(QStringLiteral("Invalid campaign file version!\n\nFile "
                                                       "version = %1\nCurrent version = 10")
                                            .arg(version))};
        }
        for (uint32_t subversion : {3u, 100u, 0xffffffffu}) {
            QTest::addRow("subversion %u", subversion)
                << marchesWith(withNumber(content, subversionAt, subversion))
                << QStringList{critical(QStringLiteral("Invalid campaign file subversion!\n\nFile "
                                                       "subversion = %1\nCurrent subversion = 2")
                                            .arg(subversion))};
        }
        const struct {
            const char *text;
            uint32_t parts[3];
        } newer[] = {{"1.7.4", {1, 7, 4}},
                     {"1.8.0", {1, 8, 0}},
                     {"2.0.0", {2, 0, 0}},
                     {"1.7.4294967295", {1, 7, 0xffffffff}}};
        for (const auto &version : newer) {
            QByteArray changed = content;
            for (int i = 0; i < 3; ++i)
                changed = withNumber(changed, modVersionAt + 4 * i, version.parts[i]);
            QTest::addRow("mod version %s", version.text)
                << marchesWith(changed) << QStringList{newerVersion(version.text)};
            QTest::addRow("mod version %s, forbidding newer versions", version.text)
                << marchesWith(withByte(changed, forbidAt, 1))
                << QStringList{newerVersion(version.text)};
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

        // The raw file cut inside the gzip member.
        const QByteArray whole = file(content, marches.maps);
        const int memberSize = whole.size() - marches.maps.size();
        for (int cut = 0; cut < memberSize; cut += 3)
            QTest::addRow("file cut at %d of the compressed part", cut)
                << whole.left(cut) << QStringList();
        // A damaged gzip member: a wrong check sum, a wrong length.
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
        for (int at : {12, 40, 100}) {
            QTest::addRow("compressed map damaged at %d", at)
                << withByte(whole, memberSize + at, uint8_t(whole[memberSize + at] ^ 0xff))
                << QStringList{corruptedMaps};
        }
        // An uncompressed embedded map of an unknown format (Chain.y6c: the map of scenario 2
        // follows the compressed map of scenario 0).
        CmpCampaign chainCampaign;
        QVERIFY(CampaignFile::load(mapsFolder + "/Chain.y6c", chainCampaign, catalogue));
        const int plainMapAt = int(chainCampaign.scenarios[0].mapSize);
        QCOMPARE(chain.maps.mid(plainMapAt, 4), QByteArray("\x20\0\0\0", 4));
        QTest::newRow("uncompressed map of an unknown format")
            << file(chain.content, withNumber(chain.maps, plainMapAt, 99))
            << QStringList{corruptedMaps};
        QTest::newRow("uncompressed map of format 32, subversion 9")
            << file(chain.content,
                    withNumber(withNumber(chain.maps, plainMapAt, 32), plainMapAt + 4, 9))
            << QStringList{corruptedMaps};
    }

    // A refused file leaves the open campaign and the editor-wide values untouched.
    void refusedFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, messages);
        const QString path = writeCase(bytes);
        CmpCampaign campaign;
        QVERIFY(CampaignFile::load(mapsFolder + "/Baronies.y6c", campaign, catalogue));
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

    void missingFileCannotBeOpened() {
        MessageRecorder recorder;
        CmpCampaign campaign;
        const QString path = scratch.filePath("missing.y6c");
        QVERIFY(!CampaignFile::load(path, campaign, catalogue));
        QCOMPARE(recorder.lines(), QStringList{critical("Can't open file " + path)});
    }

    void oddFilesThatLoad_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("scenarios");
        QTest::addColumn<QString>("fileVersion");
        const QByteArray &content = marches.content;
        QByteArray older = withNumber(content, modVersionAt + 8, 2);
        QTest::newRow("1.7.2 forbidding newer versions")
            << marchesWith(withByte(older, forbidAt, 1))
            << QStringList{line(Messages::Kind::Warning, "Warning",
                                "This campaign was made for an older version of Tarq 1.7.2, and "
                                "the author of the campaign restricted its launch in newer "
                                "versions of Tarq. You can edit this campaign, but its Tarq "
                                "version will be updated to 1.7.3, and in this version the map "
                                "may become unplayable.")}
            << 6 << "1.7.2";
        QTest::newRow("1.7.2 without the flag")
            << marchesWith(older) << QStringList() << 6 << "1.7.2";
        QTest::newRow("1.7.3 forbidding newer versions")
            << marchesWith(withByte(content, forbidAt, 1)) << QStringList() << 6 << "1.7.3";
        QTest::newRow("0.0.0 forbidding newer versions")
            << marchesWith(
                   withByte(withNumber(withNumber(content, modVersionAt, 0), modVersionAt + 4, 0),
                            forbidAt, 1))
            << QStringList{line(Messages::Kind::Warning, "Warning",
                                "This campaign was made for an older version of Tarq 0.0.3, and "
                                "the author of the campaign restricted its launch in newer "
                                "versions of Tarq. You can edit this campaign, but its Tarq "
                                "version will be updated to 1.7.3, and in this version the map "
                                "may become unplayable.")}
            << 6 << "0.0.3";
        // Campaign map byte 0 reads as map 255, which the catalogue lacks: no scenario, and
        // the map part is not read at all.
        QTest::newRow("campaign map 255")
            << file(withByte(content, campaignMapAt, 0), QByteArray("junk")) << QStringList() << 0
            << "1.7.3";
        // Bytes after the campaign data inside the gzip member, and after the maps, are ignored.
        QTest::newRow("trailing bytes")
            << file(content + "more", marches.maps + "tail") << QStringList() << 6 << "1.7.3";
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
        QCOMPARE(QStringLiteral("%1.%2.%3")
                     .arg(campaignFileVersion.major)
                     .arg(campaignFileVersion.minor)
                     .arg(campaignFileVersion.patch),
                 fileVersion);
    }

    // Bonus types 8 to 255 in a file: kept with their type and written back as the type byte
    // alone, the bytes around them unchanged.
    void unknownBonusTypesInAFile_data() {
        QTest::addColumn<QByteArray>("bonuses"); // count, then the bonuses
        QTest::addColumn<QList<int>>("types");
        QTest::newRow("type 8") << QByteArray::fromHex("0108") << QList<int>{8};
        QTest::newRow("type 255") << QByteArray::fromHex("01ff") << QList<int>{255};
        QTest::newRow("every unknown type") << QByteArray() << QList<int>();
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
        if (bonuses.isEmpty()) {
            // Types 8 to 255, as many as a count byte holds.
            bonuses.append(char(248));
            for (int type = 8; type < 256; ++type) {
                bonuses.append(char(type));
                types.append(type);
            }
        }
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
        CmpCampaign campaign;
        QVERIFY(CampaignFile::load(mapsFolder + "/Marches.y6c", campaign, catalogue));
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

    void failedSaveKeepsThePreviousFile_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("file size limit") << "limit";
        if (geteuid() != 0)
            QTest::newRow("read-only folder") << "read-only";
        QTest::newRow("missing folder") << "missing";
    }

    void failedSaveKeepsThePreviousFile() {
        QFETCH(QString, how);
        CmpCampaign campaign;
        QVERIFY(CampaignFile::load(mapsFolder + "/Marches.y6c", campaign, catalogue));
        const QString folder = scratch.filePath(how);
        QDir().mkpath(folder);
        QString target = folder + "/Old.y6c";
        const QByteArray previous("the previous campaign file");
        writeWholeFile(target, previous);
        campaignFileVersion = CmpVersion{0, 0, 0};

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
        } else if (how == "read-only") {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
            saved = CampaignFile::save(campaign, target, catalogue);
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        } else {
            target = folder + "/no such folder/New.y6c";
            saved = CampaignFile::save(campaign, target, catalogue);
        }
        QVERIFY(!saved);
        QCOMPARE(recorder.messages.size(), 1);
        QCOMPARE(int(recorder.messages[0].kind), int(Messages::Kind::Warning));
        QCOMPARE(recorder.messages[0].title, QStringLiteral("Error"));
        QVERIFY2(recorder.messages[0].text.startsWith("Cannot write file " + target + ":\n"),
                 qPrintable(recorder.messages[0].text));
        QVERIFY(recorder.messages[0].text.endsWith('.'));
        QVERIFY(!recorder.messages[0].text.contains("Unknown error"));
        if (how != "missing")
            QCOMPARE(readWholeFile(target), previous);
        // Nothing else is left behind in the folder.
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"Old.y6c"});
        QCOMPARE(campaignFileVersion, (CmpVersion{0, 0, 0}));
    }

    void successfulSaveReplacesThePreviousFile() {
        CmpCampaign campaign;
        QVERIFY(CampaignFile::load(mapsFolder + "/Marches.y6c", campaign, catalogue));
        const QString target = scratch.filePath("Replaced.y6c");
        writeWholeFile(target, QByteArray("the previous campaign file"));
        QVERIFY(CampaignFile::save(campaign, target, catalogue));
        QCOMPARE(splitCampaignFile(readWholeFile(target)).content, marches.content);
    }
};

QTEST_GUILESS_MAIN(TestCampaignFileRefusals)
#include "test_campaignfilerefusals.moc"
