#include "bytebuilder.h"
#include "campaign/cmpscenario.h"
#include "campaign/editorvalues.h"
#include "campaign/mapheader.h"
#include "campaign/mapheaderreader.h"
#include "campaign/mapimport.h"
#include "demogamefixture.h"
#include "filebytes.h"
#include "gamedata/textcodec.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

namespace {

using Bytes = ByteBuilder;

// A player with a main town of type 4 that generates a hero, a main hero and two placed heroes.
void writePlayer(Bytes &b, quint32 format, int index) {
    b.u8(index < 2).u8(1).u8(index); // human for players 0 and 1, computer, AI tactic
    if (format != 21)
        b.u8(0xAB);
    if (format > 14)
        b.u16(0x0123);
    b.u8(0).u8(1); // random town, has main town
    if (format > 14)
        b.u8(1).u8(4);
    b.u8(10).u8(11).u8(0);            // town position
    b.u8(0).u8(7).u8(7).text("Lead"); // random hero, main hero, portrait, name
    if (format > 14) {
        b.u8(1).u32(2);
        b.u8(7).text("").u8(8).text("Sir X");
    }
}

// A whole header of the format with the given victory and loss condition bytes.
QByteArray buildHeader(quint32 format, quint32 subversion, const QByteArray &victory = "\xff",
                       const QByteArray &loss = "\xff", quint32 major = 1, quint32 minor = 7,
                       quint32 patch = 3, bool forbid = false) {
    Bytes b;
    b.u32(format);
    if (format == 32) {
        b.u32(subversion);
        if (subversion >= 8)
            b.u32(major).u32(minor).u32(patch);
        if (subversion >= 1)
            b.u8(5).u8(6);
        if (subversion >= 2)
            b.u32(77);
        if (subversion >= 4)
            b.u32(88).u8(9);
        if (subversion >= 7)
            b.u8(10);
        if (subversion >= 8)
            b.u8(forbid);
    }
    b.u8(1).u32(72).u8(1).text("Name").text("Description").u8(3);
    if (format > 14)
        b.u8(25);
    for (int p = 0; p < 8; ++p)
        writePlayer(b, format, p);
    b.raw(victory).raw(loss);
    b.u8(2).raw(QByteArray("\x00\x01\x00\x01\x00\x01\x00\x01", 8));
    const int heroBits = format == 14 ? 128 : format == 32 ? 20 : 160;
    if (format == 32)
        b.u32(heroBits);
    QByteArray heroes((heroBits + 7) / 8, '\0');
    heroes[0] = char(0x05); // heroes 0 and 2
    b.raw(heroes);
    if (format > 14)
        b.u32(2).u8(3).u8(4);
    if (format > 21)
        b.u8(1).u8(9).u8(19).text("Custom").u8(0x81);
    b.raw(QByteArray(31, '\x55'));
    b.raw("BODY");
    return b.bytes;
}

QByteArray gameMap(const QString &gameDir, const QString &name) {
    QByteArray bytes;
    if (!readUncompressedFile(gameDir + QStringLiteral("/Maps/") + name, &bytes))
        return QByteArray();
    return bytes;
}

} // namespace

class TestMapHeaderReader : public QObject {
    Q_OBJECT

    QTemporaryDir gameDir;

private slots:
    void initTestCase() {
        QString error;
        QVERIFY2(makeDemoGame(gameDir.path(), {}, &error), qPrintable(error));
    }

    void demoMaps_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("gzipped");
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("subversion");
        QTest::addColumn<int>("quick");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("version");
        const auto row = [](const char *file, bool gz, int format, int subversion, int quick,
                            int size, const char *name, const char *version) {
            QTest::newRow(file) << QString::fromLatin1(file) << gz << format << subversion << quick
                                << size << QString::fromLatin1(name)
                                << QString::fromLatin1(version);
        };
        row("OldBorder.y6m", true, 14, 0, 1, 36, "The Old Border", "keep");
        row("HollowmereCrossing.y6m", false, 21, 0, 1, 36, "Hollowmere Crossing", "keep");
        row("GreywaterFens.y6m", true, 28, 0, 1, 72, "Greywater Fens", "keep");
        row("BrannockHills.y6m", true, 30, 0, 1, 108, "Brannock Hills", "keep");
        row("AshenReach.y6m", true, 32, 8, 1, 108, "The Ashen Reach", "1.7.3");
        row("KestrelCoast.y6m", true, 32, 0, 1, 72, "Kestrel Coast", "0.0.0");
        row("Saltmarrow.y6m", false, 32, 1, 1, 36, "Saltmarrow", "0.0.0");
        row("GullRock.y6m", true, 32, 2, 1, 36, "Gull Rock", "0.0.0");
        row("Thornholm.y6m", true, 32, 4, 1, 36, "Thornholm", "0.0.0");
        row("WreckersBay.y6m", false, 32, 7, 1, 36, "Wreckers' Bay", "0.0.0");
        row("TarqCrossing.y6m", true, 32, 8, 1, 72, "Tarq Crossing", "1.7.3");
        row("OldMarches.y6m", true, 32, 8, 1, 36, "The Old Marches", "1.7.2");
        row("LockedKeep.y6m", true, 32, 8, 1, 36, "The Locked Keep", "1.7.3");
        row("SealedVault.y6m", true, 32, 8, -3, 0, "", "1.7.2");
        row("FutureFrontier.y6m", true, 32, 8, -2, 0, "", "1.7.4");
        row("EmptyWastes.y6m", true, 28, 0, -1, 36, "The Empty Wastes", "keep");
    }

    void demoMaps() {
        QFETCH(QString, file);
        QFETCH(bool, gzipped);
        QFETCH(int, format);
        QFETCH(int, subversion);
        QFETCH(int, quick);
        QFETCH(int, size);
        QFETCH(QString, name);
        QFETCH(QString, version);
        QCOMPARE(
            readWholeFile(gameDir.filePath(QStringLiteral("Maps/") + file)).startsWith("\x1f\x8b"),
            gzipped);
        const QByteArray map = gameMap(gameDir.path(), file);
        QVERIFY(!map.isEmpty());

        mapFileVersion = CmpVersion{9, 9, 9};
        CmpScenario scenario;
        QCOMPARE(readMapHeader(scenario, map, true), quick);
        QVERIFY(!scenario.hasMap());
        const QString seen = QStringLiteral("%1.%2.%3")
                                 .arg(mapFileVersion.major)
                                 .arg(mapFileVersion.minor)
                                 .arg(mapFileVersion.patch);
        QCOMPARE(seen, version == QLatin1String("keep") ? QStringLiteral("9.9.9") : version);

        const int full = readMapHeader(scenario, map, false);
        if (quick == -2 || quick == -3) {
            QCOMPARE(full, quick);
            QVERIFY(!scenario.hasMap());
            return;
        }
        QCOMPARE(full, size);
        QVERIFY(scenario.hasMap());
        const MapHeader &header = *scenario.mapHeader;
        QCOMPARE(int(header.format), format);
        QCOMPARE(int(header.subversion), subversion);
        QCOMPARE(header.name, name);
        QCOMPARE(header.hasPlayers, quick == 1);
        QVERIFY(!header.description.isEmpty());
    }

    void demoMapDetails() {
        CmpScenario scenario;
        QVERIFY(readMapHeader(scenario, gameMap(gameDir.path(), "TarqCrossing.y6m"), false) > 0);
        const MapHeader tarq = *scenario.mapHeader;
        for (int p = 0; p < 8; ++p) {
            QCOMPARE(tarq.players[size_t(p)].hasMainTown, uint8_t(1));
            QCOMPARE(int(tarq.players[size_t(p)].mainTownType), p);
            QCOMPARE(tarq.players[size_t(p)].canHumanPlay, p < 4);
        }
        QCOMPARE(tarq.players[0].heroes.size(), 2);
        QCOMPARE(tarq.players[0].heroes[1].id, uint8_t(2));
        QCOMPARE(tarq.players[0].heroes[1].name, QStringLiteral("Lady Wren"));
        QVERIFY(tarq.players[0].heroes[0].name.isEmpty());
        QVERIFY(!tarq.players[6].generateHeroAtMainTown);
        QCOMPARE(tarq.customHeroes.size(), 2);
        QCOMPARE(tarq.customHeroes[0].name, QStringLiteral("Tarq the Founder"));
        QCOMPARE(tarq.allowedHeroes.size(), 180);
        QVERIFY(tarq.allowedHeroes.testBit(159) && !tarq.allowedHeroes.testBit(160));
        QCOMPARE(tarq.victoryCondition.type, uint8_t(10));
        QCOMPARE(tarq.teamCount, uint8_t(4));
        QCOMPARE(tarq.teams[5], uint8_t(1));

        QVERIFY(readMapHeader(scenario, gameMap(gameDir.path(), "KestrelCoast.y6m"), false) > 0);
        const MapHeader &kestrel = *scenario.mapHeader;
        QCOMPARE(kestrel.players[0].mainTownType, uint8_t(8));
        QCOMPARE(kestrel.players[2].mainTownType, uint8_t(10));
        QCOMPARE(kestrel.players[3].mainTownType, uint8_t(255));

        // A town byte of 2 announces no town fields.
        QVERIFY(readMapHeader(scenario, gameMap(gameDir.path(), "BrannockHills.y6m"), false) > 0);
        const MapHeader &brannock = *scenario.mapHeader;
        QCOMPARE(brannock.players[2].hasMainTown, uint8_t(2));
        QVERIFY(!brannock.players[2].generateHeroAtMainTown);
        QCOMPARE(brannock.players[2].heroes.size(), 1);
        QCOMPARE(brannock.players[2].heroes[0].id, uint8_t(64));
        QCOMPARE(brannock.customHeroes.size(), 2);
        QVERIFY(brannock.twoLevels);
        QCOMPARE(brannock.victoryCondition.days, 120u);
    }

    void conditionalFields_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("subversion");
        for (int format : {14, 21, 28, 30})
            QTest::newRow(qPrintable(QStringLiteral("format %1").arg(format))) << format << 0;
        for (int subversion = 0; subversion <= 8; ++subversion)
            QTest::newRow(qPrintable(QStringLiteral("format 32.%1").arg(subversion)))
                << 32 << subversion;
    }

    void conditionalFields() {
        QFETCH(int, format);
        QFETCH(int, subversion);
        MapHeader header;
        const QByteArray map = buildHeader(quint32(format), quint32(subversion));
        QCOMPARE(readMapHeader(map, false, &header), 72);
        QCOMPARE(header.modFlag1, uint8_t(subversion >= 1 ? 5 : 0));
        QCOMPARE(header.extraCount, subversion >= 2 ? 77u : 0u);
        QCOMPARE(header.extraValue, subversion >= 4 ? 88u : 0u);
        QCOMPARE(header.extraFlag, uint8_t(subversion >= 7 ? 10 : 0));
        QCOMPARE(header.name, QStringLiteral("Name"));
        QCOMPARE(header.levelLimit, uint8_t(format > 14 ? 25 : 0));
        for (int p = 0; p < 8; ++p) {
            const MapPlayer &player = header.players[size_t(p)];
            QCOMPARE(player.canHumanPlay, p < 2);
            QCOMPARE(player.aiTactic, uint8_t(p));
            QCOMPARE(player.extraByte, uint8_t(format == 21 ? 0 : 0xAB));
            QCOMPARE(player.allowedTowns, uint16_t(format > 14 ? 0x0123 : 0));
            QCOMPARE(player.generateHeroAtMainTown, format > 14);
            QCOMPARE(player.mainTownType, uint8_t(format > 14 ? 4 : 0));
            QCOMPARE(player.mainTownY, uint8_t(11));
            QCOMPARE(player.mainHeroName, QStringLiteral("Lead"));
            QCOMPARE(player.heroes.size(), format > 14 ? 2 : 0);
            if (format > 14)
                QCOMPARE(player.heroes[1].name, QStringLiteral("Sir X"));
        }
        QCOMPARE(header.teamCount, uint8_t(2));
        QCOMPARE(header.teams[7], uint8_t(1));
        QCOMPARE(header.allowedHeroes.size(), format == 14 ? 128 : format == 32 ? 20 : 160);
        QCOMPARE(header.allowedHeroes.count(true), 2);
        QVERIFY(header.allowedHeroes.testBit(2));
        QCOMPARE(header.placeholderHeroes, format > 14 ? QByteArray("\x03\x04") : QByteArray());
        QCOMPARE(header.customHeroes.size(), format > 21 ? 1 : 0);
        if (format > 21) {
            QCOMPARE(header.customHeroes[0].hero, uint8_t(9));
            QCOMPARE(header.customHeroes[0].name, QStringLiteral("Custom"));
            QCOMPARE(header.customHeroes[0].players, uint8_t(0x81));
        }
    }

    void victoryConditions_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<QByteArray>("victory");
        QTest::addColumn<QByteArray>("loss");
        QTest::addColumn<int>("object");
        QTest::addColumn<uint>("amount");
        QTest::addColumn<int>("x");
        QTest::addColumn<uint>("days");
        const QByteArray head("\x01\x01", 2);
        QTest::newRow("none") << 28 << QByteArray("\xff") << QByteArray("\xff") << 0 << 0u << 0
                              << 0u;
        QTest::newRow("artifact, format 14") << 14 << QByteArray("\x00", 1) + head + "\x07"
                                             << QByteArray("\xff") << 7 << 0u << 0 << 0u;
        QTest::newRow("artifact") << 28 << QByteArray("\x00", 1) + head + QByteArray("\x07\x01", 2)
                                  << QByteArray("\xff") << 0x107 << 0u << 0 << 0u;
        QTest::newRow("creatures, format 14")
            << 14 << QByteArray("\x01", 1) + head + QByteArray("\x05\x10\x00\x00\x00", 5)
            << QByteArray("\xff") << 5 << 16u << 0 << 0u;
        QTest::newRow("creatures")
            << 30 << QByteArray("\x01", 1) + head + QByteArray("\x05\x00\x10\x00\x00\x00", 6)
            << QByteArray("\xff") << 5 << 16u << 0 << 0u;
        QTest::newRow("resources")
            << 32 << QByteArray("\x02", 1) + head + QByteArray("\x06\x50\xc3\x00\x00", 5)
            << QByteArray("\xff") << 6 << 50000u << 0 << 0u;
        QTest::newRow("upgrade town")
            << 28 << QByteArray("\x03", 1) + head + QByteArray("\x09\x02\x00\x02\x03", 5)
            << QByteArray("\x02\x5a\x00", 3) << 0 << 0u << 9 << 0u;
        for (int type = 4; type <= 7; ++type)
            QTest::newRow(qPrintable(QStringLiteral("position %1").arg(type)))
                << 28 << QByteArray(1, char(type)) + head + QByteArray("\x0c\x01\x00", 3)
                << QByteArray("\x00\x03\x04\x00", 4) << 0 << 0u << 12 << 0u;
        for (int type : {8, 9, 11, 13, 200})
            QTest::newRow(qPrintable(QStringLiteral("nothing %1").arg(type)))
                << 21 << QByteArray(1, char(type)) + head << QByteArray("\x01\x03\x04\x00", 4) << 0
                << 0u << 0 << 0u;
        QTest::newRow("transport")
            << 28 << QByteArray("\x0a", 1) + head + QByteArray("\x08\x0d\x01\x00", 4)
            << QByteArray("\x03") << 8 << 0u << 13 << 0u;
        QTest::newRow("survive") << 32 << QByteArray("\x0c", 1) + head + QByteArray("\x64\0\0\0", 4)
                                 << QByteArray("\xff") << 0 << 0u << 0 << 100u;
    }

    void victoryConditions() {
        QFETCH(int, format);
        QFETCH(QByteArray, victory);
        QFETCH(QByteArray, loss);
        QFETCH(int, object);
        QFETCH(uint, amount);
        QFETCH(int, x);
        QFETCH(uint, days);
        MapHeader header;
        QCOMPARE(readMapHeader(buildHeader(quint32(format), 8, victory, loss), false, &header), 72);
        QCOMPARE(header.victoryCondition.type, uint8_t(victory[0]));
        QCOMPARE(int(header.victoryCondition.object), object);
        QCOMPARE(header.victoryCondition.amount, amount);
        QCOMPARE(int(header.victoryCondition.x), x);
        QCOMPARE(header.victoryCondition.days, days);
        QCOMPARE(header.lossCondition.type, uint8_t(loss[0]));
        // Everything after the conditions still lines up.
        QCOMPARE(header.teamCount, uint8_t(2));
        QCOMPARE(header.allowedHeroes.count(true), 2);
        QCOMPARE(header.customHeroes.size(), format > 21 ? 1 : 0);
    }

    void lossConditions() {
        MapHeader header;
        QVERIFY(readMapHeader(buildHeader(28, 0, "\xff", QByteArray("\x02\x5a\x01", 3)), false,
                              &header) > 0);
        QCOMPARE(header.lossCondition.days, uint16_t(0x15a));
        QVERIFY(readMapHeader(buildHeader(28, 0, "\xff", QByteArray("\x01\x03\x04\x01", 4)), false,
                              &header) > 0);
        QCOMPARE(header.lossCondition.y, uint8_t(4));
        QCOMPARE(header.lossCondition.level, uint8_t(1));
        QCOMPARE(header.teamCount, uint8_t(2));
    }

    void versionRules_data() {
        QTest::addColumn<QByteArray>("map");
        QTest::addColumn<int>("quick");
        QTest::addColumn<QString>("version");
        QTest::newRow("unknown format") << Bytes().u32(29).u8(1).bytes << -4 << "9.9.9";
        QTest::newRow("empty") << QByteArray() << -4 << "9.9.9";
        QTest::newRow("subversion 9") << Bytes().u32(32).u32(9).u8(1).bytes << -4 << "9.9.9";
        QTest::newRow("subversion all ones") << Bytes().u32(32).u32(~0u).bytes << -4 << "9.9.9";
        QTest::newRow("format 28 keeps the version") << buildHeader(28, 0) << 1 << "9.9.9";
        QTest::newRow("subversion 7 clears it") << buildHeader(32, 7) << 1 << "0.0.0";
        QTest::newRow("1.7.3") << buildHeader(32, 8) << 1 << "1.7.3";
        QTest::newRow("1.7.4") << buildHeader(32, 8, "\xff", "\xff", 1, 7, 4) << -2 << "1.7.4";
        QTest::newRow("1.8.0") << buildHeader(32, 8, "\xff", "\xff", 1, 8, 0) << -2 << "1.8.0";
        QTest::newRow("2.0.0 forbidding")
            << buildHeader(32, 8, "\xff", "\xff", 2, 0, 0, true) << -2 << "2.0.0";
        QTest::newRow("1.7.2") << buildHeader(32, 8, "\xff", "\xff", 1, 7, 2) << 1 << "1.7.2";
        QTest::newRow("1.7.2 forbidding")
            << buildHeader(32, 8, "\xff", "\xff", 1, 7, 2, true) << -3 << "1.7.2";
        QTest::newRow("0.9.9 forbidding")
            << buildHeader(32, 8, "\xff", "\xff", 0, 9, 9, true) << -3 << "0.9.9";
        QTest::newRow("1.7.3 forbidding")
            << buildHeader(32, 8, "\xff", "\xff", 1, 7, 3, true) << 1 << "1.7.3";
        QByteArray noPlayers = buildHeader(30, 0);
        noPlayers[4] = 0;
        QTest::newRow("no players") << noPlayers << -1 << "9.9.9";
    }

    void versionRules() {
        QFETCH(QByteArray, map);
        QFETCH(int, quick);
        QFETCH(QString, version);
        mapFileVersion = CmpVersion{9, 9, 9};
        CmpScenario scenario;
        QCOMPARE(readMapHeader(scenario, map, true), quick);
        QCOMPARE(QStringLiteral("%1.%2.%3")
                     .arg(mapFileVersion.major)
                     .arg(mapFileVersion.minor)
                     .arg(mapFileVersion.patch),
                 version);
        const int full = readMapHeader(scenario, map, false);
        if (quick < -1)
            QCOMPARE(full, quick);
        else
            QVERIFY(full >= 0);
        QCOMPARE(scenario.hasMap(), full >= 0);
    }

    // Every prefix of a header reads without crashing: the missing rest reads as zeros.
    void truncatedHeaders_data() {
        QTest::addColumn<QByteArray>("map");
        for (int format : {14, 21, 28, 30, 32})
            QTest::newRow(qPrintable(QStringLiteral("format %1").arg(format)))
                << buildHeader(quint32(format), 8);
    }

    void truncatedHeaders() {
        QFETCH(QByteArray, map);
        MapHeader whole;
        QCOMPARE(readMapHeader(map, false, &whole), 72);
        for (int cut = 0; cut < map.size(); ++cut) {
            MapHeader header;
            const int result = readMapHeader(map.left(cut), false, &header);
            if (cut < 4) {
                QCOMPARE(result, -4);
                continue;
            }
            QVERIFY2(result == 72 || result == 0, qPrintable(QString::number(cut)));
            QVERIFY(header.name.isEmpty() || header.name == whole.name);
            QVERIFY(header.customHeroes.size() <= whole.customHeroes.size());
            for (int p = 0; p < 8; ++p)
                QVERIFY(header.players[size_t(p)].heroes.size() <=
                        whole.players[size_t(p)].heroes.size());
        }
    }

    // Lengths and counts larger than the data left are not trusted.
    void damagedLengths() {
        MapHeader header;
        Bytes name;
        name.u32(28).u8(1).u32(36).u8(0).u32(0xfffffff0u).raw("short");
        QCOMPARE(readMapHeader(name.bytes, false, &header), 36);
        QVERIFY(header.name.isEmpty());
        QVERIFY(header.description.isEmpty());

        Bytes heroes;
        heroes.u32(28).u8(1).u32(36).u8(0).text("N").text("D").u8(0).u8(0);
        heroes.u8(1).u8(0).u8(0).u8(0).u16(1).u8(0).u8(0).u8(0).u8(255).u8(0);
        heroes.u32(0xffffffffu).u8(3).text("A").u8(4).u32(0x7fffffffu);
        QCOMPARE(readMapHeader(heroes.bytes, false, &header), 36);
        QCOMPARE(header.name, QStringLiteral("N"));
        QCOMPARE(header.players[0].heroes.size(), 1);
        QCOMPARE(header.players[0].heroes[0].name, QStringLiteral("A"));

        QByteArray bits = buildHeader(32, 0);
        const int heroBitsAt = bits.indexOf(QByteArray("\x14\x00\x00\x00\x05", 5));
        QVERIFY(heroBitsAt > 0);
        bits.replace(heroBitsAt, 4, QByteArray("\xff\xff\xff\xff", 4));
        QCOMPARE(readMapHeader(bits, false, &header), 72);
        QVERIFY(header.allowedHeroes.isEmpty());
        QVERIFY(header.customHeroes.isEmpty());

        QByteArray placeholders = buildHeader(28, 0);
        const int placeholdersAt = placeholders.indexOf(QByteArray("\x02\x00\x00\x00\x03\x04", 6));
        QVERIFY(placeholdersAt > 0);
        placeholders.replace(placeholdersAt, 4, QByteArray("\xfe\xff\xff\x7f", 4));
        QCOMPARE(readMapHeader(placeholders, false, &header), 72);
        QVERIFY(header.placeholderHeroes.isEmpty());

        Bytes size;
        size.u32(21).u8(1).u32(0xffffffffu);
        QVERIFY(readMapHeader(size.bytes, false, &header) > 0);
    }

    void textsUseTheFileCodec() {
        QTextCodec *before = textCodec();
        setTextCodec(QTextCodec::codecForName("Windows-1252"));
        Bytes map;
        map.u32(28).u8(1).u32(36).u8(0).text("Caf\xe9").text("\x80");
        MapHeader header;
        QCOMPARE(readMapHeader(map.bytes, false, &header), 36);
        QCOMPARE(header.name, QStringLiteral("Caf\u00e9"));
        QCOMPARE(header.description, QStringLiteral("\u20ac"));
        setTextCodec(before);
    }

    void importKeepsTheStoredBytes_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("result");
        QTest::newRow("compressed") << "TarqCrossing.y6m" << 1;
        QTest::newRow("plain") << "HollowmereCrossing.y6m" << 1;
        QTest::newRow("format 14") << "OldBorder.y6m" << 1;
        QTest::newRow("no players") << "EmptyWastes.y6m" << -1;
        QTest::newRow("newer") << "FutureFrontier.y6m" << -2;
        QTest::newRow("forbidden older") << "SealedVault.y6m" << -3;
    }

    void importKeepsTheStoredBytes() {
        QFETCH(QString, file);
        QFETCH(int, result);
        CmpScenario scenario;
        scenario.mapName = QStringLiteral("before.y6m");
        scenario.mapData = QByteArray("old map");
        scenario.mapSize = 7;
        scenario.mapHeader.reset(new MapHeader);
        const MapHeaderRef before = scenario.mapHeader;

        QFile map(gameDir.filePath(QStringLiteral("Maps/") + file));
        QVERIFY(map.open(QIODevice::ReadOnly));
        const QByteArray onDisk = map.readAll();
        QCOMPARE(importMap(scenario, map), result);
        if (result < 0) {
            QCOMPARE(scenario.mapName, QStringLiteral("before.y6m"));
            QCOMPARE(scenario.mapData, QByteArray("old map"));
            QCOMPARE(scenario.mapHeader, before);
            return;
        }
        QCOMPARE(scenario.mapData, onDisk);
        QCOMPARE(scenario.mapSize, uint32_t(onDisk.size()));
        QCOMPARE(scenario.mapName, file);
        QVERIFY(scenario.mapHeader && scenario.mapHeader != before);
        QVERIFY(!scenario.mapHeader->name.isEmpty());
    }

    void importOfNothing() {
        QTemporaryDir dir;
        writeWholeFile(dir.filePath(QStringLiteral("empty.y6m")), QByteArray());
        QFile empty(dir.filePath(QStringLiteral("empty.y6m")));
        QVERIFY(empty.open(QIODevice::ReadOnly));
        CmpScenario scenario;
        QCOMPARE(importMap(scenario, empty), 0);
        QVERIFY(!scenario.hasMap());

        writeWholeFile(dir.filePath(QStringLiteral("damaged.y6m")),
                       QByteArray("\x1f\x8b\x08\x00\x00\x00\x00\x00\x00\x03\xff\xff\xff\xff", 14));
        QFile damaged(dir.filePath(QStringLiteral("damaged.y6m")));
        QVERIFY(damaged.open(QIODevice::ReadOnly));
        QCOMPARE(importMap(scenario, damaged), 0);
        QVERIFY(!scenario.hasMap() && scenario.mapData.isEmpty());

        // A compressed map cut short still has its header: it is imported as it is stored.
        const QByteArray whole =
            readWholeFile(gameDir.filePath(QStringLiteral("Maps/TarqCrossing.y6m")));
        const QByteArray half = whole.left(whole.size() / 2);
        writeWholeFile(dir.filePath(QStringLiteral("cut.y6m")), half);
        QFile cut(dir.filePath(QStringLiteral("cut.y6m")));
        QVERIFY(cut.open(QIODevice::ReadOnly));
        QCOMPARE(importMap(scenario, cut), 1);
        QCOMPARE(scenario.mapData, half);
        QCOMPARE(scenario.mapHeader->name, QStringLiteral("Tarq Crossing"));

        QFile gone(dir.filePath(QStringLiteral("gone.y6m")));
        QCOMPARE(importMap(scenario, gone), 0);
    }

    // The texts of codes -1, -2 and -4 are checked where the scenario window shows them.
    void errorMessages() {
        mapFileVersion = CmpVersion{1, 6, 12};
        QCOMPARE(mapErrorMessage(-3, QString()),
                 QStringLiteral("This map was made for an older version of Tarq 1.6.12, and the "
                                "author of the map restricted its use in campaigns of newer "
                                "versions of Tarq. This map cannot be added to campaign in "
                                "version 1.7.3."));
        for (int code : {0, 1, -5, 72})
            QVERIFY(mapErrorMessage(code, QStringLiteral("a")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestMapHeaderReader)
#include "test_mapheaderreader.moc"
