#include "cataloguefixture.h"
#include "messagerecorder.h"

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
        QCOMPARE(c.creatureNames.value(121), QString("Creature 121"));
        QVERIFY(!c.creatureNames.contains(122));
        QCOMPARE(c.creatureNames.value(123), QString("Creature 123"));
        QVERIFY(!c.creatureNames.contains(128));
        QCOMPARE(c.creatureNames.value(129), QString("Creature 129"));
        QVERIFY(!c.creatureNames.contains(150));
        QCOMPARE(c.creatureNames.value(151), QString("Marsh Wight"));
        QVERIFY(c.creatureNames.contains(153));
        QCOMPARE(c.creatureNames.value(153), QString());
        QCOMPARE(c.creatureCount, 153);
    }

    void creatureOrderListsEveryNamedIdOnce() {
        CatalogueFixture f;
        const QList<int> order = f.build().creatureOrder;
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
        QCOMPARE(c.artifactNames, (QMap<int, QString>{{0, "Sword"}, {1, "Shield"}}));
        f.addRecord("art150", 2, 1, "Crown");
        f.addRecord("art148", 2, 1, "Signet");
        c = f.build();
        QCOMPARE(c.artifactCount, 149);
        QCOMPARE(c.artifactNames.value(150), QString("Crown"));
        QCOMPARE(c.artifactNames.value(148), QString("Signet"));
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
        QCOMPARE(c.spellNames.value(10), QString("Spell 10"));
        QCOMPARE(c.spellNames.value(56), QString("Spell 56"));
        QVERIFY(!c.spellNames.contains(57));
        QCOMPARE(c.spellNames.value(58), QString("Spell 58"));
        QCOMPARE(c.spellNames.lastKey(), 69);
    }

    void resourcesAndColours() {
        CatalogueFixture f;
        f.tables["RESTYPES.txt"] = "Wood\r\nMercury\r\nOre\r\nSulfur\r\nCrystal\r\nGems\r\nGold\r\n"
                                   "Mithril\r\nMagic Dust\r\n";
        f.tables["PlColors.txt"] = "Red\r\nBlue\r\nTan\r\nGreen\r\nOrange\r\nPurple\r\nTeal\r\n"
                                   "Pink\r\nNeutral\r\n";
        GameCatalogue c = f.build();
        QCOMPARE(c.resourceNames.size(), 7);
        QCOMPARE(c.resourceNames.value(6), QString("Gold"));
        QCOMPARE(c.playerColorNames.size(), 8);
        QCOMPARE(c.playerColorNames.last(), QString("Pink"));

        f.tables["PlColors.txt"] =
            "Red\r\nBlue\r\nTan\r\nGreen\r\nOrange\r\nPurple\r\nTeal\r\nPink";
        QCOMPARE(f.build().playerColorNames.last(), QString("Pink"));
        // A blank line counts as a line of the table, but is no colour.
        f.tables["PlColors.txt"] =
            "Red\r\n \r\nBlue\r\nTan\r\nGreen\r\nOrange\r\nPurple\r\nTeal\r\n"
            "Pink\r\n";
        c = f.build();
        QCOMPARE(c.playerColorNames.size(), 7);
        QCOMPARE(c.playerColorNames.last(), QString("Teal"));
    }

    void videosStopAtKey100AndModVideosFollow() {
        CatalogueFixture f;
        QByteArray table;
        for (int i = 0; i < 120; ++i)
            table += "VIDEO" + QByteArray::number(i) + "\r\n";
        f.tables["CmpMovie.txt"] = table;
        f.addRecord("video1", 5, 4, "TARQRISE");
        f.addRecord("video2", 5, 4, "");
        f.addRecord("video3", {"only", "TARQFALL"}); // clamped: the last string
        const GameCatalogue c = f.build();
        QCOMPARE(c.videoNames.value(100), QString("VIDEO100"));
        QCOMPARE(c.videoNames.value(101), QString("TARQRISE"));
        QVERIFY(!c.videoNames.contains(102));
        QCOMPARE(c.videoNames.value(103), QString("TARQFALL"));
        QCOMPARE(c.videoNames.size(), 103);
    }

    void musicListsStartAtKey49InTheLocalEncoding() {
        CatalogueFixture f;
        f.textCodec = "Windows-1251";
        f.localCodec = "Windows-1252";
        f.tables["CmpMusic.txt"] = "dawn\r\n\r\nnight\r\nend of list\r\n";
        f.addRecord("music1", 9, 8, "# list\r\nfirst\r\n\"second one\"\r\nthird\r\n");
        f.addRecord("music2", {"\"Caf\xe9\"\r\nsong # comment\r\n"}); // clamped to string 0
        const GameCatalogue c = f.build();
        QCOMPARE(c.musicNames.value(0), QString("dawn"));
        QCOMPARE(c.musicNames.value(1), QString("night"));
        QVERIFY(!c.musicNames.contains(2));
        QCOMPARE(c.musicNames.value(49), QString("Café"));
        QCOMPARE(c.musicNames.value(50), QString("song "));
        QCOMPARE(c.musicNames.value(51), QString("third"));
    }

    void videoPicturesRestartPerRecord() {
        CatalogueFixture f;
        f.addRecord("cmpmoviepic1", 9, 8, "#comment\r\nA.pcx\r\n\r\nB.pcx\r\nC.pcx");
        f.addRecord("cmpmoviepic2", 9, 8, "Z.pcx\r\n# x");
        const GameCatalogue c = f.build();
        QCOMPARE(c.videoPictures, (QMap<int, QString>{{0, "Z.pcx"}, {1, "B.pcx"}, {2, "C.pcx"}}));
    }

    void editorTextsAndHintsAreRowsOfCells() {
        CatalogueFixture f;
        f.tables["VadOzCmd.txt"] = "\t\t\r\nheader\r\nReady\t\r\n\t \r\n\tsecond\r\nthird\r\n";
        const GameCatalogue c = f.build();
        QCOMPARE(c.commandHintTable.value(0), (QStringList{"Ready", ""}));
        QCOMPARE(c.commandHintTable.value(1), (QStringList{"", "second"}));
        QCOMPARE(c.commandHintTable.value(2), QStringList{"third"});
        QCOMPARE(c.commandHintTable.size(), 3);
        QCOMPARE(c.editorTextTable.value(0), (QStringList{"Campaign Editor", "x"}));
    }

    void heroesAndSecondarySkills() {
        CatalogueFixture f;
        f.addRecord("hero1", {"a", "b", "Clamped Hero"});
        f.addRecord("hero180", 7, 6, "Vadoz");
        f.addRecord("secskill28", 2, 1, "Fieldcraft");
        f.addRecord("secskill0", 1, 0, "accessor form gives nothing");
        const GameCatalogue c = f.build();
        QCOMPARE(c.heroNames,
                 (QMap<int, QString>{{0, "Orrin"}, {1, "Clamped Hero"}, {180, "Vadoz"}}));
        QCOMPARE(c.secondarySkillNames, (QMap<int, QString>{{0, ""}, {28, "Fieldcraft"}}));
        QCOMPARE(c.generalTexts, (QMap<int, QString>{{0, "zero"}, {1, "one"}}));
        QCOMPARE(c.primarySkillNames.value(3), QString("Knowledge"));
        QCOMPARE(c.skillLevelNames,
                 (QMap<int, QString>{{1, "Basic"}, {2, "Advanced"}, {3, "Expert"}}));
    }

    void campaignMapScripts() {
        CatalogueFixture f;
        f.addRecord("campmap3", 9, 8,
                    "0\r\n2\r\n10 20\r\n# comment between positions\r\n30 40\r\n\r\nNorth\r\n"
                    "a b\r\n c\r\nx\r\nSouth\r\nl1\r\nl2\r\nl3\r\nafter the last region\r\n");
        f.records.last().recordStrings[0] = "Isles";
        f.records.last().recordStrings[1] = "Isles.pcx";
        f.addRecord("campmap24", 9, 8, "1\r\n1\r\n5 6\r\nHill\r\nglow\r\nfill\r\nborder\r\n");
        f.addRecord("campmap7", 9, 8, "2\r\n2\r\n1 1\r\n2 2\r\nFirst\r\nSecond\r\nThird\r\n");
        f.addRecord("campmap8", 9, 8, "1\r\n0\r\n1 1\r\nName\r\n");
        f.addRecord("campmap9", 9, 8, "x\r\n-3\r\n");
        f.addRecord("cmpbackground", 9, 8, "Back1.pcx\r\n#kept\r\n");
        f.addRecord("cmpbackground", 9, 8, "Back2.pcx");
        const GameCatalogue c = f.build();

        const CampaignMapDef isles = c.campaignMaps.value(3);
        QCOMPARE(isles.displayName, QString("Isles"));
        QCOMPARE(isles.backgroundPicture, QString("Isles.pcx"));
        QCOMPARE(isles.mapKind, 0);
        QVERIFY(!isles.picturesGiven);
        QCOMPARE(isles.regionCount, 2);
        QCOMPARE(isles.regions.size(), 2);
        QCOMPARE(QPoint(isles.regions[0].x, isles.regions[0].y), QPoint(10, 20));
        QCOMPARE(QPoint(isles.regions[1].x, isles.regions[1].y), QPoint(30, 40));
        QCOMPARE(isles.regions[0].name, QString("North"));
        QCOMPARE(isles.regions[0].pieceLists[0], (QStringList{"a", "b"}));
        QCOMPARE(isles.regions[0].pieceLists[1], (QStringList{"", "c"}));
        QCOMPARE(isles.regions[0].pieceLists[2], QStringList{"x"});
        QCOMPARE(isles.regions[1].name, QString("South"));
        QCOMPARE(isles.regions[1].pieceLists[2], QStringList{"l3"});

        const CampaignMapDef hill = c.campaignMaps.value(24);
        QVERIFY(hill.picturesGiven);
        QCOMPARE(hill.regions[0].picture3, QString("glow"));
        QCOMPARE(hill.regions[0].picture1, QString("fill"));
        QCOMPARE(hill.regions[0].picture2, QString("border"));

        // A kind other than 0 and 1: only the first region is named.
        const CampaignMapDef other = c.campaignMaps.value(7);
        QCOMPARE(other.regions[0].name, QString("First"));
        QCOMPARE(other.regions[1].name, QString());

        QCOMPARE(c.campaignMaps.value(8).regionCount, 0);
        QVERIFY(c.campaignMaps.value(8).regions.isEmpty());
        QCOMPARE(c.campaignMaps.value(9).mapKind, 0);
        QCOMPARE(c.campaignMaps.value(9).regionCount, 0);
        QCOMPARE(c.campaignBackgrounds,
                 (QMap<int, QString>{{0, "Back1.pcx"}, {1, "#kept"}, {2, "Back2.pcx"}}));
    }

    void absurdRegionCountIsBounded() {
        CatalogueFixture f;
        f.addRecord("campmap1", 9, 8, "1\r\n2000000000\r\n1 2\r\n");
        f.addRecord("campmap2", 9, 8, "1\r\n3\r\n1 2\r\n");
        const GameCatalogue c = f.build();
        // No more regions than the script has characters; a short script keeps its count.
        QVERIFY(c.campaignMaps.value(1).regionCount <= 20);
        QCOMPARE(c.campaignMaps.value(1).regions.size(), c.campaignMaps.value(1).regionCount);
        QCOMPARE(c.campaignMaps.value(2).regionCount, 3);
        QCOMPARE(c.campaignMaps.value(2).regions.value(0).y, 2);
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
        QByteArray neutral;
        for (int i = 0; i < 16; ++i)
            neutral += "N" + QByteArray::number(i) + "\tcost\r\n" + (i == 3 ? "odd row\r\n" : "");
        f.tables["BldgNeut.TXT"] = neutral + "footer\t\r\n";
        QByteArray special;
        for (int i = 0; i < 81; ++i)
            special += "S" + QByteArray::number(i) + "\tx\ty\r\n";
        f.tables["BldgSpec.txt"] = special + "footer\r\n";
        QByteArray dwellings;
        for (int i = 0; i < 140; ++i)
            dwellings += "D" + QByteArray::number(i) + "\r\n";
        f.tables["Dwelling.txt"] = dwellings + "footer\r\n";
        QByteArray fen;
        for (int i = 0; i < 14; ++i)
            fen += "Fen" + QByteArray::number(i) + "\r\n";
        f.addRecord("casdwcost10", 8, 7, fen);
        f.addRecord("casdwcost11", 8, 7, "Forge0\r\n");
        f.addRecord("firebrdhorde", 6, 5, "Phoenix Eyrie");
        f.addRecord("casspcost9", 8, 7, "M8a\r\nM8b");
        f.addRecord("casspcost10", 8, 7,
                    "F0\r\nF1\r\nF2\r\nF3\r\nF4\r\nF5\r\nF6\r\nF7\r\nF8\r\nF9");
        f.addRecord("casspcost11", 8, 7, "G0\r\nG1\r\nG2\r\nG3\r\nG4\r\nG5\r\nG6");
        f.addRecord("casspcost11", 8, 7, "G7\r\nG8\r\nG9");
        const GameCatalogue c = f.build();
        const auto &t = c.townBuildingNames;
        QCOMPARE(t.firstKey(), -1);
        QCOMPARE(t.lastKey(), 10);

        QCOMPARE(t[-1].value(0), QString("N11"));
        QCOMPARE(t[-1].value(7), QString("N15"));
        QCOMPARE(t[-1].value(10), QString("S73"));
        QCOMPARE(t[-1].value(15), QString("N4")); // five taverns (the odd row takes no index)
        QCOMPARE(t[-1].value(16), QString("N6"));
        QCOMPARE(t[-1].value(17), QString("S80"));
        QCOMPARE(t[-1].value(22), QString("D132"));
        QCOMPARE(t[-1].value(23), QString("D139"));
        QCOMPARE(t[-1].value(36), QString("S79"));
        QVERIFY(!t[-1].contains(25));

        QCOMPARE(t[0].value(22), QString("D0"));
        QCOMPARE(t[0].value(23), QString("D7"));
        QCOMPARE(t[0].value(40), QString("D13"));
        QVERIFY(!t[0].contains(15)); // four for town 0
        QCOMPARE(t[0].value(30), QString("S1"));
        QVERIFY(!t[1].contains(10));
        QVERIFY(!t[1].contains(16));
        QCOMPARE(t[1].value(36), QString("S13"));
        QVERIFY(!t[6].contains(14));
        QCOMPARE(t[6].value(21), QString("S55"));

        QCOMPARE(t[8].value(10), QString("S73"));
        // The horde follows the town's special buildings, though its record came first.
        QCOMPARE(t[8].value(19), QString("M8a"));
        QCOMPARE(t[8].value(22), QString("D112"));
        QCOMPARE(t[8].value(40), QString("D125"));

        QCOMPARE(t[9].value(22), QString("Fen0"));
        QCOMPARE(t[9].value(40), QString("Fen13"));
        QCOMPARE(t[9].value(17), QString("F9"));
        QCOMPARE(t[9].value(33), QString("F7"));
        QVERIFY(t[9].contains(14));
        QVERIFY(!t[9].contains(15));

        QCOMPARE(t[10].value(16), QString("G3"));
        QCOMPARE(t[10].value(17), QString("G9"));
        QCOMPARE(t[10].value(30), QString("G1"));
        QCOMPARE(t[10].value(22), QString("Forge0"));
        QCOMPARE(t[10].value(23), QString());
        QCOMPARE(t[10].value(10), QString("S73"));
    }

    void overridesAreStoredForEveryTownWhateverTheirNumber() {
        CatalogueFixture f;
        f.addRecord("firebrdhorde", 6, 5, "Phoenix Eyrie");
        const GameCatalogue c = f.build();
        QCOMPARE(c.townBuildingNames.value(8).value(19), QString("Phoenix Eyrie"));
        QCOMPARE(c.townBuildingNames.lastKey(), 10);
        QCOMPARE(c.townBuildingNames.value(9).keys(), (QList<int>{17, 18, 19, 20, 27, 33}));
        QCOMPARE(c.townBuildingNames.value(8).value(0), QString());
        QCOMPARE(c.townBuildingNames.value(0).value(11), QString("Tavern"));
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
        QCOMPARE(recorder.lines().size(), 1);
        QVERIFY(recorder.lines()[0].startsWith("critical|Error|Can't find " + reported +
                                               " file in lod file\\nArchives were searched in "));
    }
};

QTEST_GUILESS_MAIN(TestGameCatalogue)
#include "test_gamecatalogue.moc"
