#include "campaign/cmpscenario.h"
#include "campaign/editorvalues.h"
#include "campaign/mapheader.h"
#include "campaign/mapheaderreader.h"
#include "campaign/mapimport.h"
#include "campaign/mapinflation.h"
#include "demogame/bytewriter.h"
#include "demogamefixture.h"
#include "filebytes.h"
#include "versiontext.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using Bytes = ByteWriter;

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
    b.u8(10).u8(11).u8(0);              // town position
    b.u8(0).u8(7).u8(7).string("Lead"); // random hero, main hero, portrait, name
    if (format > 14) {
        b.u8(1).u32(2);
        b.u8(7).string("").u8(8).string("Sir X");
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
    b.u8(1).u32(72).u8(1).string("Name").string("Description").u8(3);
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
        b.u8(1).u8(9).u8(19).string("Custom").u8(0x81);
    b.raw(QByteArray(31, '\x55'));
    b.raw("BODY");
    return b.data();
}

} // namespace

class TestMapHeaderReader : public QObject {
    Q_OBJECT

    QTemporaryDir gameDir;

    QString demoMap(const QString &name) { return gameDir.filePath("Maps/" + name); }

private slots:
    void initTestCase() {
        QString error;
        QVERIFY2(makeDemoGame(gameDir.path(), {}, &error), qPrintable(error));
    }

    // A town byte of 2 announces no town fields; the rest of a real map still lines up. (The
    // demo maps of every format are read through the sample campaigns that embed them.)
    void townByteTwoInARealMap() {
        QByteArray map;
        MapHeader brannock;
        QVERIFY(inflateEmbeddedMap(readWholeFile(demoMap("BrannockHills.y6m")), &map));
        QCOMPARE(readMapHeader(map, false, &brannock), 108);
        QCOMPARE(brannock.players[2].hasMainTown, uint8_t(2));
        QVERIFY(!brannock.players[2].generateHeroAtMainTown);
        QCOMPARE(brannock.players[2].heroes.value(0).id, uint8_t(64));
        QCOMPARE(brannock.victoryCondition.days, 120u);
    }

    void conditionalFields_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("subversion");
        for (int format : {14, 21, 28, 30})
            QTest::addRow("format %d", format) << format << 0;
        for (int subversion = 0; subversion <= 8; ++subversion)
            QTest::addRow("format 32.%d", subversion) << 32 << subversion;
    }
    void conditionalFields() {
        QFETCH(int, format);
        QFETCH(int, subversion);
        MapHeader header;
        QCOMPARE(readMapHeader(buildHeader(quint32(format), quint32(subversion)), false, &header),
                 72);
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
            QCOMPARE(player.heroes.value(1).name, format > 14 ? "Sir X" : QString());
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

    void conditions_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<QByteArray>("victory");
        QTest::addColumn<QByteArray>("loss");
        QTest::addColumn<QList<uint>>("fields"); // object, amount, x, days; loss days, y, level
        using F = QList<uint>;
        const QByteArray head("\x01\x01", 2);
        const auto row = [&](const char *name, int format, char type, const QByteArray &victory,
                             const QByteArray &loss, const F &fields) {
            QTest::newRow(name) << format
                                << QByteArray(1, type) + (type == '\xff' ? "" : head) + victory
                                << loss << fields;
        };
        row("none", 28, '\xff', "", "\xff", F{0, 0, 0, 0, 0, 0, 0});
        row("artifact, format 14", 14, 0, "\x07", "\xff", F{7, 0, 0, 0, 0, 0, 0});
        row("artifact", 28, 0, "\x07\x01", "\xff", F{0x107, 0, 0, 0, 0, 0, 0});
        row("creatures, format 14", 14, 1, QByteArray("\x05\x10\0\0\0", 5), "\xff",
            F{5, 16, 0, 0, 0, 0, 0});
        row("creatures", 30, 1, QByteArray("\x05\0\x10\0\0\0", 6), "\xff", F{5, 16, 0, 0, 0, 0, 0});
        row("resources", 32, 2, QByteArray("\x06\x50\xc3\0\0", 5), "\xff",
            F{6, 50000, 0, 0, 0, 0, 0});
        row("upgrade town, loss by days", 28, 3, QByteArray("\x09\x02\0\x02\x03", 5),
            QByteArray("\x02\x5a\x01", 3), F{0, 0, 9, 0, 0x15a, 0, 0});
        for (char type = 4; type <= 7; ++type)
            QTest::addRow("position %d", type)
                << 28 << QByteArray(1, type) + head + QByteArray("\x0c\x01\0", 3)
                << QByteArray("\x00\x03\x04\x01", 4) << F{0, 0, 12, 0, 0, 4, 1};
        for (int type : {8, 9, 11, 13, 200})
            QTest::addRow("nothing %d", type)
                << 21 << QByteArray(1, char(type)) + head << QByteArray("\x01\x03\x04\x00", 4)
                << F{0, 0, 0, 0, 0, 4, 0};
        row("transport", 28, 10, QByteArray("\x08\x0d\x01\0", 4), "\x03", F{8, 0, 13, 0, 0, 0, 0});
        row("survive", 32, 12, QByteArray("\x64\0\0\0", 4), "\xff", F{0, 0, 0, 100, 0, 0, 0});
    }
    void conditions() {
        QFETCH(int, format);
        QFETCH(QByteArray, victory);
        QFETCH(QByteArray, loss);
        QFETCH(QList<uint>, fields);
        MapHeader header;
        QCOMPARE(readMapHeader(buildHeader(quint32(format), 8, victory, loss), false, &header), 72);
        const auto &won = header.victoryCondition;
        const auto &lost = header.lossCondition;
        QCOMPARE(won.type, uint8_t(victory[0]));
        QCOMPARE(lost.type, uint8_t(loss[0]));
        QCOMPARE(
            (QList<uint>{won.object, won.amount, won.x, won.days, lost.days, lost.y, lost.level}),
            fields);
        // Everything after the conditions still lines up.
        QCOMPARE(header.teamCount, uint8_t(2));
        QCOMPARE(header.allowedHeroes.count(true), 2);
        QCOMPARE(header.customHeroes.size(), format > 21 ? 1 : 0);
    }

    void versionRules_data() {
        QTest::addColumn<QByteArray>("map");
        QTest::addColumn<int>("quick");
        QTest::addColumn<QString>("version");
        const auto mod = [](quint32 major, quint32 minor, quint32 patch, bool forbid = false) {
            return buildHeader(32, 8, "\xff", "\xff", major, minor, patch, forbid);
        };
        QTest::newRow("unknown format") << Bytes().u32(29).u8(1).data() << -4 << "9.9.9";
        QTest::newRow("empty") << QByteArray() << -4 << "9.9.9";
        QTest::newRow("subversion 9") << Bytes().u32(32).u32(9).u8(1).data() << -4 << "9.9.9";
        QTest::newRow("subversion all ones") << Bytes().u32(32).u32(~0u).data() << -4 << "9.9.9";
        QTest::newRow("format 28 keeps the version") << buildHeader(28, 0) << 1 << "9.9.9";
        QTest::newRow("subversion 7 clears it") << buildHeader(32, 7) << 1 << "0.0.0";
        QTest::newRow("1.7.3") << mod(1, 7, 3) << 1 << "1.7.3";
        QTest::newRow("1.7.4") << mod(1, 7, 4) << -2 << "1.7.4";
        QTest::newRow("1.8.0") << mod(1, 8, 0) << -2 << "1.8.0";
        QTest::newRow("2.0.0 forbidding") << mod(2, 0, 0, true) << -2 << "2.0.0";
        QTest::newRow("1.7.2") << mod(1, 7, 2) << 1 << "1.7.2";
        QTest::newRow("1.7.2 forbidding") << mod(1, 7, 2, true) << -3 << "1.7.2";
        QTest::newRow("0.9.9 forbidding") << mod(0, 9, 9, true) << -3 << "0.9.9";
        QTest::newRow("1.7.3 forbidding") << mod(1, 7, 3, true) << 1 << "1.7.3";
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
        QCOMPARE(versionText(mapFileVersion), version);
        const int full = readMapHeader(scenario, map, false);
        QVERIFY(quick < -1 ? full == quick : full >= 0);
        QCOMPARE(scenario.hasMap(), full >= 0);
    }

    // Every prefix of a header reads without crashing: the missing rest reads as zeros.
    void truncatedHeaders_data() {
        QTest::addColumn<int>("format");
        for (int format : {14, 21, 28, 30, 32})
            QTest::addRow("format %d", format) << format;
    }
    void truncatedHeaders() {
        QFETCH(int, format);
        const QByteArray map = buildHeader(quint32(format), 8);
        MapHeader whole;
        QCOMPARE(readMapHeader(map, false, &whole), 72);
        for (int cut = 0; cut < map.size(); ++cut) {
            MapHeader header;
            const int result = readMapHeader(map.left(cut), false, &header);
            QVERIFY2(cut < 4 ? result == -4 : (result == 72 || result == 0),
                     qPrintable(QString::number(cut)));
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
        QCOMPARE(readMapHeader(name.data(), false, &header), 36);
        QVERIFY(header.name.isEmpty() && header.description.isEmpty());

        Bytes heroes;
        heroes.u32(28).u8(1).u32(36).u8(0).string("N").string("D").u8(0).u8(0);
        heroes.u8(1).u8(0).u8(0).u8(0).u16(1).u8(0).u8(0).u8(0).u8(255).u8(0);
        heroes.u32(0xffffffffu).u8(3).string("A").u8(4).u32(0x7fffffffu);
        QCOMPARE(readMapHeader(heroes.data(), false, &header), 36);
        QCOMPARE(header.name, QStringLiteral("N"));
        QCOMPARE(header.players[0].heroes.size(), 1);
        QCOMPARE(header.players[0].heroes[0].name, QStringLiteral("A"));

        QByteArray bits = buildHeader(32, 0);
        const int heroBitsAt = bits.indexOf(QByteArray("\x14\x00\x00\x00\x05", 5));
        bits.replace(heroBitsAt, 4, QByteArray("\xff\xff\xff\xff", 4));
        QCOMPARE(readMapHeader(bits, false, &header), 72);
        QVERIFY(header.allowedHeroes.isEmpty() && header.customHeroes.isEmpty());

        QByteArray placeholders = buildHeader(28, 0);
        const int placeholdersAt = placeholders.indexOf(QByteArray("\x02\x00\x00\x00\x03\x04", 6));
        placeholders.replace(placeholdersAt, 4, QByteArray("\xfe\xff\xff\x7f", 4));
        QCOMPARE(readMapHeader(placeholders, false, &header), 72);
        QVERIFY(header.placeholderHeroes.isEmpty());

        QVERIFY(readMapHeader(Bytes().u32(21).u8(1).u32(0xffffffffu).data(), false, &header) > 0);
    }

    // An imported map keeps its bytes as stored; a refused one leaves the scenario as it was.
    void importKeepsTheStoredBytes_data() {
        QTest::addColumn<QByteArray>("file"); // null: no such file
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("name");
        const auto demo = [this](const char *name) { return readWholeFile(demoMap(name)); };
        QTest::newRow("compressed") << demo("TarqCrossing.y6m") << 1 << "Tarq Crossing";
        QTest::newRow("plain") << demo("HollowmereCrossing.y6m") << 1 << "Hollowmere Crossing";
        QTest::newRow("forbidden older") << demo("SealedVault.y6m") << -3 << "";
        QTest::newRow("empty file") << QByteArray("") << 0 << "";
        QTest::newRow("damaged gzip")
            << QByteArray("\x1f\x8b\x08\x00\x00\x00\x00\x00\x00\x03\xff\xff\xff\xff", 14) << -1
            << "";
        QTest::newRow("no such file") << QByteArray() << 0 << "";
    }
    void importKeepsTheStoredBytes() {
        QFETCH(QByteArray, file);
        QFETCH(int, result);
        QFETCH(QString, name);
        QTemporaryDir dir;
        QFile map(dir.filePath(QStringLiteral("import.y6m")));
        if (!file.isNull()) {
            writeWholeFile(map.fileName(), file);
            QVERIFY(map.open(QIODevice::ReadOnly));
        }
        CmpScenario scenario;
        scenario.mapName = QStringLiteral("before.y6m");
        scenario.mapData = QByteArray("old map");
        scenario.mapHeader.reset(new MapHeader);
        const MapHeaderRef before = scenario.mapHeader;
        QCOMPARE(importMap(scenario, map), result);
        if (result < 1) {
            QCOMPARE(scenario.mapName, QStringLiteral("before.y6m"));
            QCOMPARE(scenario.mapData, QByteArray("old map"));
            QCOMPARE(scenario.mapHeader, before);
            return;
        }
        QCOMPARE(scenario.mapData, file);
        QCOMPARE(scenario.mapSize, uint32_t(file.size()));
        QCOMPARE(scenario.mapName, QStringLiteral("import.y6m"));
        QCOMPARE(scenario.mapHeader->name, name);
    }

    // The scenario window's tests show the other texts; the older-version text also names the
    // versions. Codes that are no refusal have no text.
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
