// The catalogue built from small hand-written tables and mod records: which lines and cells
// each table takes, how the mod's records extend or override them, and the missing tables that
// end the program.
#include "cataloguefixture.h"
#include "messagerecorder.h"

#include <QDir>
#include <QSet>
#include <QtTest>

class TestGameCatalogue : public QObject {
    Q_OBJECT

private slots:
    void creaturesCountTwelveCellRowsAndSkipExcludedIds() {
        CatalogueFixture f;
        QByteArray table = "header\r\nheader 2\r\n";
        for (int id = 0; id < 130; ++id) {
            if (id == 5)
                table += CatalogueFixture::row("Eleven cells", 11) + "   \t\r\n";
            table += CatalogueFixture::row("Creature " + QByteArray::number(id), 12);
        }
        f.tables["CRTRAITS.TXT"] = table;
        f.addRecord("monst150", 4, 3, "Excluded");
        f.addRecord("monst151", 4, 3, "Marsh Wight");
        f.addRecord("monst153", 2, 3, "No string 3");
        const GameCatalogue c = f.build();
        QCOMPARE(c.creatureNames.value(5), QString("Creature 5"));
        QCOMPARE(entries(c.creatureNames, 121, 200), "121=Creature 121; 123=Creature 123; "
                                                     "125=Creature 125; 127=Creature 127; "
                                                     "129=Creature 129; 151=Marsh Wight; 153=");
        QCOMPARE(c.creatureCount, 153);
    }

    void creatureOrderListsEveryNamedIdOnce() {
        const QList<int> order = CatalogueFixture().build().creatureOrder;
        QCOMPARE(order.size(), 175);
        QSet<int> expected;
        for (int id = 0; id <= 185; ++id)
            expected.insert(id);
        for (int id : {122, 124, 126, 128, 145, 146, 147, 148, 149, 150, 152})
            expected.remove(id);
        QCOMPARE(QSet<int>(order.begin(), order.end()), expected);
        QCOMPARE(order.mid(100, 8), (QList<int>{100, 101, 104, 105, 106, 107, 102, 103}));
        QCOMPARE(order.last(), 135);
    }

    void artifactCountFollowsTheLastModRecord() {
        CatalogueFixture f;
        f.tables["artraits.txt"] =
            "h\r\nh\r\n" + CatalogueFixture::row("Sword", 12) + CatalogueFixture::row("Short", 3) +
            CatalogueFixture::row("Shield", 13) + CatalogueFixture::row("Footer one", 12) +
            CatalogueFixture::row("Footer two", 12);
        GameCatalogue c = f.build();
        QCOMPARE(c.artifactCount, 147);
        QCOMPARE(entries(c.artifactNames), "0=Sword; 1=Shield");
        f.addRecord("art150", 2, 1, "Crown");
        f.addRecord("art148", 2, 1, "Signet");
        c = f.build();
        QCOMPARE(c.artifactCount, 149);
        QCOMPARE(entries(c.artifactNames, 2), "148=Signet; 150=Crown");
    }

    void spellSeparatorsTakeNoIdAndSpell57IsUnnamed() {
        CatalogueFixture f;
        QByteArray table = "h1\r\nh2\r\nh3\r\nh4\r\nCombat Spells\t\t\r\n";
        for (int i = 0; i < 75; ++i) {
            if (i == 10)
                table += "Combat Spells (continued)\r\n";
            table += "Spell " + QByteArray::number(i) + "\tdescription\r\n";
        }
        f.tables["SPTRAITS.txt"] = table + "footer\r\n";
        const GameCatalogue c = f.build();
        QCOMPARE(c.spellNames.size(), 69);
        QCOMPARE(entries(c.spellNames, 9, 11), "9=Spell 9; 10=Spell 10; 11=Spell 11");
        QCOMPARE(entries(c.spellNames, 56, 58), "56=Spell 56; 58=Spell 58");
        QCOMPARE(c.spellNames.lastKey(), 69);
    }

    void plainTables_data() {
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");
        const QByteArray colours =
            "Red\r\nBlue\r\nTan\r\nGreen\r\nOrange\r\nPurple\r\nTeal\r\nPink";
        const QString eight = "Red; Blue; Tan; Green; Orange; Purple; Teal; Pink";
        QTest::newRow("seven resources")
            << QByteArray("RESTYPES.txt")
            << QByteArray(
                   "Wood\r\nMercury\r\nOre\r\nSulfur\r\nCrystal\r\nGems\r\nGold\r\nMithril\r\n")
            << "resourceNames"
            << "0=Wood; 1=Mercury; 2=Ore; 3=Sulfur; 4=Crystal; 5=Gems; 6=Gold";
        QTest::newRow("eight colours") << QByteArray("PlColors.txt") << colours + "\r\nNeutral\r\n"
                                       << "playerColorNames" << eight;
        QTest::newRow("no line end after the last colour")
            << QByteArray("PlColors.txt") << colours << "playerColorNames" << eight;
        // A blank line counts as a line of the table, but is no colour.
        QTest::newRow("blank colour line")
            << QByteArray("PlColors.txt") << QByteArray("Red\r\n \r\n") + colours.mid(5)
            << "playerColorNames"
            << "Red; Blue; Tan; Green; Orange; Purple; Teal";
        QTest::newRow("command hints are rows of cells")
            << QByteArray("VadOzCmd.txt")
            << QByteArray("\t\t\r\nheader\r\nReady\t\r\n\t \r\n\tsecond\r\nthird\r\n")
            << "commandHintTable"
            << "0=Ready|; 1=|second; 2=third";
        QTest::newRow("general texts") << QByteArray() << QByteArray() << "generalTexts"
                                       << "0=zero; 1=one";
    }
    void plainTables() {
        QFETCH(QByteArray, table);
        QFETCH(QByteArray, text);
        QFETCH(QString, field);
        QFETCH(QString, expected);
        CatalogueFixture f;
        if (!table.isEmpty())
            f.tables[table] = text;
        const GameCatalogue c = f.build();
        const QMap<QString, QString> fields{{"resourceNames", entries(c.resourceNames)},
                                            {"playerColorNames", c.playerColorNames.join("; ")},
                                            {"commandHintTable", entries(c.commandHintTable)},
                                            {"generalTexts", entries(c.generalTexts)}};
        QCOMPARE(fields.value(field), expected);
    }

    // Mod records add videos after key 100, music lists from key 49 in the local encoding,
    // video pictures (each record restarting at 0), heroes and secondary skills; a string
    // index past a record's strings takes its last string.
    void modRecordsExtendTheTables() {
        CatalogueFixture f;
        f.textCodec = "Windows-1251";
        QByteArray movies;
        for (int i = 0; i < 120; ++i)
            movies += "VIDEO" + QByteArray::number(i) + "\r\n";
        f.tables["CmpMovie.txt"] = movies;
        f.tables["CmpMusic.txt"] = "dawn\r\n\r\nnight\r\nend of list\r\n";
        f.addRecord("video1", 5, 4, "TARQRISE");
        f.addRecord("video2", 5, 4, "");
        f.addRecord("video3", {"only", "TARQFALL"});
        f.addRecord("music1", 9, 8, "# list\r\nfirst\r\n\"second one\"\r\nthird\r\n");
        f.addRecord("music2", {"\"Caf\xe9\"\r\nsong # comment\r\n"});
        f.addRecord("cmpmoviepic1", 9, 8, "#comment\r\nA.pcx\r\n\r\nB.pcx\r\nC.pcx");
        f.addRecord("cmpmoviepic2", 9, 8, "Z.pcx\r\n# x");
        f.addRecord("hero1", {"a", "b", "Clamped Hero"});
        f.addRecord("hero180", 7, 6, "Vadoz");
        f.addRecord("secskill28", 2, 1, "Fieldcraft");
        f.addRecord("secskill0", 1, 0, "accessor form gives nothing");
        const GameCatalogue c = f.build();
        QCOMPARE(entries(c.videoNames, 99), "99=VIDEO99; 100=VIDEO100; 101=TARQRISE; 103=TARQFALL");
        QCOMPARE(c.videoNames.size(), 103);
        QCOMPARE(entries(c.musicNames), "0=dawn; 1=night; 49=Café; 50=song ; 51=third");
        QCOMPARE(entries(c.videoPictures), "0=Z.pcx; 1=B.pcx; 2=C.pcx");
        QCOMPARE(entries(c.heroNames), "0=Orrin; 1=Clamped Hero; 180=Vadoz");
        QCOMPARE(entries(c.secondarySkillNames), "0=; 28=Fieldcraft");
    }

    void campaignMapScripts() {
        CatalogueFixture f;
        f.addRecord("campmap3",
                    {"Isles", "Isles.pcx", "", "", "", "", "", "",
                     "0\r\n2\r\n10 20\r\n# comment between positions\r\n30 40\r\n\r\n"
                     "North\r\na b\r\n c\r\nx\r\nSouth\r\nl1\r\nl2\r\nl3\r\nafter\r\n"});
        f.addRecord("campmap24", 9, 8, "1\r\n1\r\n5 6\r\nHill\r\nglow\r\nfill\r\nborder\r\n");
        f.addRecord("campmap7", 9, 8, "2\r\n2\r\n1 1\r\n2 2\r\nFirst\r\nSecond\r\nThird\r\n");
        f.addRecord("campmap8", 9, 8, "1\r\n0\r\n1 1\r\nName\r\n");
        f.addRecord("campmap9", 9, 8, "x\r\n-3\r\n");
        f.addRecord("campmap1", 9, 8, "1\r\n2000000000\r\n1 2\r\n");
        f.addRecord("campmap2", 9, 8, "1\r\n3\r\n1 2\r\n");
        f.addRecord("cmpbackground", 9, 8, "Back1.pcx\r\n#kept\r\n");
        f.addRecord("cmpbackground", 9, 8, "Back2.pcx");
        const GameCatalogue c = f.build();

        const CampaignMapDef isles = c.campaignMaps.value(3);
        QCOMPARE(isles.displayName + ' ' + isles.backgroundPicture, QString("Isles Isles.pcx"));
        QVERIFY(isles.mapKind == 0 && !isles.picturesGiven);
        QCOMPARE(isles.regionCount, 2);
        QCOMPARE(isles.regions.size(), 2);
        QCOMPARE(QPoint(isles.regions[1].x, isles.regions[1].y), QPoint(30, 40));
        QCOMPARE(isles.regions[0].name, QString("North"));
        QCOMPARE(isles.regions[0].pieceLists[0], (QStringList{"a", "b"}));
        QCOMPARE(isles.regions[0].pieceLists[1], (QStringList{"", "c"}));
        QCOMPARE(isles.regions[0].pieceLists[2], QStringList{"x"});
        QCOMPARE(isles.regions[1].name, QString("South"));
        QCOMPARE(isles.regions[1].pieceLists[2], QStringList{"l3"});

        const CampaignRegionDef hill = c.campaignMaps.value(24).regions.value(0);
        QVERIFY(c.campaignMaps.value(24).picturesGiven);
        QCOMPARE(QStringList({hill.picture3, hill.picture1, hill.picture2}),
                 QStringList({"glow", "fill", "border"}));
        // A kind other than 0 and 1: only the first region is named.
        QCOMPARE(c.campaignMaps.value(7).regions[0].name, QString("First"));
        QCOMPARE(c.campaignMaps.value(7).regions[1].name, QString());
        QCOMPARE(c.campaignMaps.value(8).regionCount, 0);
        QVERIFY(c.campaignMaps.value(8).regions.isEmpty());
        QCOMPARE(c.campaignMaps.value(9).mapKind + c.campaignMaps.value(9).regionCount, 0);
        // No more regions than the script has characters; a short script keeps its count.
        QVERIFY(c.campaignMaps.value(1).regionCount <= 20);
        QCOMPARE(c.campaignMaps.value(1).regions.size(), c.campaignMaps.value(1).regionCount);
        QCOMPARE(c.campaignMaps.value(2).regionCount, 3);
        QCOMPARE(c.campaignMaps.value(2).regions.value(0).y, 2);
        QCOMPARE(entries(c.campaignBackgrounds), "0=Back1.pcx; 1=#kept; 2=Back2.pcx");
    }

    void malformedPositionStopsMapsAndBackgrounds_data() {
        QTest::addColumn<QByteArray>("position");
        QTest::newRow("three parts") << QByteArray("1 2 3");
        QTest::newRow("one part") << QByteArray("12");
        QTest::newRow("two blanks") << QByteArray("1  2");
        QTest::newRow("tab") << QByteArray("1\t2");
    }
    void malformedPositionStopsMapsAndBackgrounds() {
        QFETCH(QByteArray, position);
        CatalogueFixture f;
        f.addRecord("campmap1", 9, 8, "1\r\n1\r\n4 5\r\nFirst\r\na\r\nb\r\nc\r\n");
        f.addRecord("campmap2", 9, 8, "1\r\n2\r\n7 8\r\n" + position + "\r\nName\r\n");
        f.addRecord("campmap3", 9, 8, "1\r\n1\r\n4 5\r\nLater\r\n");
        f.addRecord("cmpbackground", 9, 8, "Back1.pcx");
        f.addRecord("hero5", 7, 6, "Still read");
        const GameCatalogue c = f.build();
        QCOMPARE(c.campaignMaps.value(1).regions.value(0).name, QString("First"));
        QVERIFY(!c.campaignMaps.contains(3));
        QCOMPARE(c.campaignMaps.value(2).regions.value(0).x, 7);
        QVERIFY(c.campaignBackgrounds.isEmpty());
        QCOMPARE(c.heroNames.value(5), QString("Still read"));
    }

    void townBuildings() {
        CatalogueFixture f;
        QByteArray neutral, special, dwellings, fen;
        for (int i = 0; i < 16; ++i)
            neutral += "N" + QByteArray::number(i) + "\tcost\r\n" + (i == 3 ? "odd row\r\n" : "");
        for (int i = 0; i < 81; ++i)
            special += "S" + QByteArray::number(i) + "\tx\ty\r\n";
        for (int i = 0; i < 140; ++i)
            dwellings += "D" + QByteArray::number(i) + "\r\n";
        for (int i = 0; i < 14; ++i)
            fen += "Fen" + QByteArray::number(i) + "\r\n";
        f.tables["BldgNeut.TXT"] = neutral + "footer\t\r\n";
        f.tables["BldgSpec.txt"] = special + "footer\r\n";
        f.tables["Dwelling.txt"] = dwellings + "footer\r\n";
        f.addRecord("casdwcost10", 8, 7, fen);
        f.addRecord("casdwcost11", 8, 7, "Forge0\r\n");
        f.addRecord("firebrdhorde", 6, 5, "Phoenix Eyrie");
        f.addRecord("casspcost9", 8, 7, "M8a\r\nM8b");
        f.addRecord("casspcost10", 8, 7,
                    "F0\r\nF1\r\nF2\r\nF3\r\nF4\r\nF5\r\nF6\r\nF7\r\nF8\r\nF9");
        f.addRecord("casspcost11", 8, 7, "G0\r\nG1\r\nG2\r\nG3\r\nG4\r\nG5\r\nG6");
        f.addRecord("casspcost11", 8, 7, "G7\r\nG8\r\nG9");
        const auto t = f.build().townBuildingNames;
        QCOMPARE(t.firstKey(), -1);
        QCOMPARE(t.lastKey(), 10);
        // Five taverns for the neutral town (the odd row takes no index), four for town 0.
        QCOMPARE(pick(t[-1], {0, 7, 10, 15, 16, 17, 22, 23, 25, 36}),
                 "0=N11; 7=N15; 10=S73; 15=N4; 16=N6; 17=S80; 22=D132; 23=D139; 25-; 36=S79");
        QCOMPARE(pick(t[0], {15, 22, 23, 30, 40}), "15-; 22=D0; 23=D7; 30=S1; 40=D13");
        QCOMPARE(pick(t[1], {10, 16, 36}), "10-; 16-; 36=S13");
        QCOMPARE(pick(t[6], {14, 21}), "14-; 21=S55");
        // The horde follows the town's special buildings, though its record came first.
        QCOMPARE(pick(t[8], {10, 19, 22, 40}), "10=S73; 19=M8a; 22=D112; 40=D125");
        QCOMPARE(pick(t[9], {15, 17, 22, 33, 40}), "15-; 17=F9; 22=Fen0; 33=F7; 40=Fen13");
        QVERIFY(t[9].contains(14));
        QCOMPARE(pick(t[10], {10, 16, 17, 22, 30}), "10=S73; 16=G3; 17=G9; 22=Forge0; 30=G1");
        QCOMPARE(t[10].value(23), QString());
    }

    void firstMissingTableEndsTheProgram_data() {
        QTest::addColumn<QStringList>("missing");
        QTest::addColumn<QString>("reported");
        QTest::newRow("creatures") << QStringList{"CRTRAITS.TXT", "SPTRAITS.txt"} << "CRTRAITS.TXT";
        QTest::newRow("hints before heroes")
            << QStringList{"HOTRAITS.TXT", "VadOzCmd.txt"} << "VadOzCmd.txt";
        QTest::newRow("colours") << QStringList{"PlColors.txt"} << "PlColors.txt";
        QTest::newRow("buildings") << QStringList{"Dwelling.txt", "SSTRAITS.txt"} << "Dwelling.txt";
    }
    void firstMissingTableEndsTheProgram() {
        QFETCH(QStringList, missing);
        QFETCH(QString, reported);
        CatalogueFixture f;
        MessageRecorder recorder;
        try {
            f.build(missing);
            QFAIL("a missing table must end the program");
        } catch (const MessageRecorder::FatalExit &exit) {
            QCOMPARE(exit.status, 1);
        }
        QCOMPARE(recorder.lines(), QStringList{"critical|Error|Can't find " + reported +
                                               " file in lod file\\nArchives were searched in " +
                                               QDir::toNativeSeparators(f.folder.path()) + "."});
    }
};

QTEST_GUILESS_MAIN(TestGameCatalogue)
#include "test_gamecatalogue.moc"
