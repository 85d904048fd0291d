#include "gamedata/gamefolder.h"
#include "gamedata/lodarchiveset.h"
#include "lodbuilder.h"
#include "messagerecorder.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

class TestLodArchives : public QObject {
    Q_OBJECT

private:
    QString folder() const { return scratch->path(); }
    QString file(const QString &name) const { return scratch->filePath(name); }
    static QByteArray binary(int length) {
        QByteArray bytes;
        for (int i = 0; i < length; ++i)
            bytes.append(char((i * 37 + i / 7) & 0xff));
        return bytes;
    }
    std::unique_ptr<QTemporaryDir> scratch;

private slots:
    void init() { scratch = std::make_unique<QTemporaryDir>(); }

    void highestRankWins_data() {
        QTest::addColumn<QStringList>("archives");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("Tarq over Y6bitmap")
            << QStringList{"Y6bitmap", "Tarq"} << QByteArray("Tarq");
        QTest::newRow("Tarq_lng over Tarq")
            << QStringList{"Tarq", "Tarq_lng", "Y6sprite"} << QByteArray("Tarq_lng");
        QTest::newRow("Y6sprite over Y6bitmap")
            << QStringList{"Y6bitmap", "Y6sprite"} << QByteArray("Y6sprite");
        QTest::newRow("Tarq_l_ext over all")
            << QStringList{"Tarq_ext", "Tarq_l_ext", "Tarq_lng", "Tarq", "Y6sprite"}
            << QByteArray("Tarq_l_ext");
        QTest::newRow("Tarq_ext over Tarq")
            << QStringList{"Tarq_ext", "Tarq"} << QByteArray("Tarq_ext");
        QTest::newRow("unknown name ranks 0")
            << QStringList{"Extra", "Y6sprite"} << QByteArray("Y6sprite");
        QTest::newRow("base name ends at the first dot")
            << QStringList{"Tarq.v2", "Y6sprite"} << QByteArray("Tarq.v2");
        QTest::newRow("rank names are case-sensitive")
            << QStringList{"tarq", "Y6sprite"} << QByteArray("Y6sprite");
    }
    void highestRankWins() {
        QFETCH(QStringList, archives);
        QFETCH(QByteArray, expected);
        for (const QString &base : archives)
            QVERIFY(LodBuilder().add("Shared.txt", base.toLatin1()).write(file(base + ".lod")));
        LodArchiveSet set;
        set.load(folder());
        QCOMPARE(set.archives().size(), archives.size());
        QCOMPARE(set.find("Shared.txt").value(), expected);
        for (int i = 1; i < set.archives().size(); ++i) {
            QVERIFY(LodArchiveSet::rank(QFileInfo(set.archives()[i - 1].path).baseName()) >=
                    LodArchiveSet::rank(QFileInfo(set.archives()[i].path).baseName()));
        }
    }

    void namesAndExtensions() {
        LodBuilder()
            .add("PlColors.txt", "Red\r\n")
            .add("Sprite.def", "sprite")
            .add("Mask.msk", "mask")
            .add("ABCDEFGHIJKL.pcx", "sixteen") // 16 characters, no terminator
            .add("readmetxt", "no dot")
            .add("Twice.pcx", "first")
            .add("TWICE.PCX", "second")
            .write(file("Tarq.lod"));
        LodBuilder().add("Upper.txt", "upper").write(file("Tarq_l_ext.LOD"));
        LodBuilder().add("Extra.txt", "extra").write(file("Extra.lod"));
        QDir(folder()).mkdir("Sub");
        LodBuilder().add("Nested.txt", "nested").write(file("Sub/Tarq_lng.lod"));

        LodArchiveSet set;
        set.load(folder());
        QCOMPARE(set.archives().size(), 2); // Tarq.lod and Extra.lod
        QCOMPARE(set.find("plcolors.TXT").value(), QByteArray("Red\r\n"));
        QCOMPARE(set.find("PLCOLORS.txt").value(), QByteArray("Red\r\n"));
        QVERIFY(!set.find("Sprite.def"));
        QVERIFY(!set.find("Mask.msk"));
        QCOMPARE(set.find("abcdefghijkl.pcx").value(), QByteArray("sixteen"));
        QCOMPARE(set.find("READMETXT").value(), QByteArray("no dot"));
        QCOMPARE(set.find("twice.pcx").value(), QByteArray("second"));
        QVERIFY(!set.find("Upper.txt"));
        QCOMPARE(set.find("Extra.txt").value(), QByteArray("extra"));
        QVERIFY(!set.find("Nested.txt"));
        QVERIFY(!set.find("Missing.pcx"));
        const LodArchive &tarq = set.archives().first();
        QCOMPARE(QFileInfo(tarq.path).fileName(), QString("Tarq.lod"));
        QCOMPARE(tarq.directory.keys(),
                 (QStringList{"abcdefghijkl.pcx", "plcolors.txt", "readmetxt", "twice.pcx"}));
        QCOMPARE(tarq.directory.value("plcolors.txt").name, QString("PlColors.txt"));
        QCOMPARE(tarq.entryCount, 7);
        QCOMPARE(tarq.kind, 500u);
    }

    void plainAndPackedEntries() {
        const QByteArray big = binary(70000);
        const QByteArray text = QByteArray("Header\r\nRow\0with zero\r\n", 23);
        LodBuilder()
            .add("Plain.pcx", big)
            .add("Packed.pcx", big, true)
            .add("Text.txt", text, true)
            .add("Empty.txt", QByteArray())
            .write(file("Y6bitmap.lod"));
        LodArchiveSet set;
        set.load(folder());
        QCOMPARE(set.find("Plain.pcx").value(), big);
        QCOMPARE(set.find("Packed.pcx").value(), big);
        QCOMPARE(set.find("Text.txt").value(), text);
        QVERIFY(set.find("Empty.txt").has_value());
        QCOMPARE(set.find("Empty.txt")->size(), 0);
        QVERIFY(set.archives().first().directory.value("packed.pcx").packedSize > 0);
    }

    void badMagic_data() {
        QTest::addColumn<QByteArray>("magic");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("LOD") << QByteArray("LOD\0", 4) << true;
        QTest::newRow("LOD then junk after the zero") << QByteArray("LO\0D", 4) << false;
        QTest::newRow("no zero") << QByteArray("LODX", 4) << false;
        QTest::newRow("lower case") << QByteArray("lod\0", 4) << false;
        QTest::newRow("other") << QByteArray("PK\3\4", 4) << false;
    }
    void badMagic() {
        QFETCH(QByteArray, magic);
        QFETCH(bool, accepted);
        MessageRecorder recorder;
        QVERIFY(LodBuilder().add("Name.txt", "x").write(file("Tarq.lod"), magic));
        LodArchiveSet set;
        set.load(folder());
        QCOMPARE(set.archives().size(), 1); // listed either way
        QCOMPARE(set.find("Name.txt").has_value(), accepted);
        QVERIFY(recorder.messages.isEmpty());
    }

    void damagedArchivesNeverCrash() {
        const QByteArray good =
            LodBuilder().add("A.txt", "alpha").add("B.pcx", binary(300)).build();
        // Every cut of a good archive reads without crash; entries whose bytes are gone are not
        // listed.
        for (int cut = 0; cut <= good.size(); ++cut) {
            QFile out(file("Tarq.lod"));
            QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            out.write(good.left(cut));
            out.close();
            LodArchiveSet set;
            set.load(folder());
            const auto a = set.find("A.txt");
            const auto b = set.find("B.pcx");
            if (a)
                QCOMPARE(*a, QByteArray("alpha"));
            if (b)
                QCOMPARE(*b, binary(300));
            if (cut == good.size())
                QVERIFY(a && b);
        }
    }

    void hostileRecords() {
        LodBuilder::Record farOffset{"Far.txt", {}, 10, 0, true, 0xfffffff0u};
        LodBuilder::Record hugeSize{"Huge.txt", "abc", 0xffffffffu, 0, false, 0};
        LodBuilder::Record hugePacked{"Bomb.pcx", "xyz", 0x7fffffffu, 3, false, 0};
        LodBuilder::Record corruptPacked{"Corrupt.pcx", "not zlib at all", 100, 15, false, 0};
        LodBuilder::Record pastEnd{"PastEnd.pcx", "abc", 1000, 0, false, 0};
        LodBuilder()
            .addRecord(farOffset)
            .addRecord(hugeSize)
            .addRecord(hugePacked)
            .addRecord(corruptPacked)
            .addRecord(pastEnd)
            .add("Good.txt", "good")
            .declareCount(2000000000) // far more records than the file holds
            .write(file("Tarq.lod"));
        LodArchiveSet set;
        set.load(folder());
        QVERIFY(!set.find("Far.txt"));
        QVERIFY(!set.find("Huge.txt"));
        QVERIFY(!set.find("Bomb.pcx"));
        QVERIFY(!set.find("PastEnd.pcx"));
        QCOMPARE(set.find("Good.txt").value(), QByteArray("good"));
        // A stream that does not inflate still gives size bytes, zero where nothing inflated.
        QCOMPARE(set.find("Corrupt.pcx").value(), QByteArray(100, '\0'));
    }

    void negativeCountMeansNoEntries() {
        LodBuilder().add("A.txt", "alpha").declareCount(-5).write(file("Tarq.lod"));
        LodArchiveSet set;
        set.load(folder());
        QVERIFY(!set.find("A.txt"));
    }

    void tableLines_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("trailing pairs") << QByteArray("a\r\nb\r\n\r\n") << QStringList{"a", "b"};
        QTest::newRow("empty pieces dropped")
            << QByteArray("\r\n\r\na\r\n\r\n\r\nb") << QStringList{"a", "b"};
        QTest::newRow("lone line feed stays")
            << QByteArray("x\ty\nz\r\nw") << QStringList{"x\ty\nz", "w"};
        QTest::newRow("lone carriage return stays")
            << QByteArray("a\rb\r\n") << QStringList{"a\rb"};
        QTest::newRow("blank lines kept") << QByteArray(" \t\r\na") << QStringList{" \t", "a"};
        QTest::newRow("zero byte ends the text")
            << QByteArray("a\r\nb\0c\r\nd", 9) << QStringList{"a", "b"};
        QTest::newRow("Windows-1252") << QByteArray("Caf\xe9\r\n\x80") << QStringList{"Café", "€"};
    }
    void tableLines() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        LodBuilder().add("Table.txt", bytes).write(file("Tarq.lod"));
        LodArchiveSet set;
        set.load(folder());
        QCOMPARE(set.readTableLines("TABLE.TXT", QTextCodec::codecForName("Windows-1252")), lines);
    }

    void missingTableIsFatal() {
        LodBuilder().add("Other.txt", "x").write(file("Tarq.lod"));
        LodArchiveSet set;
        set.load(folder());
        MessageRecorder recorder;
        try {
            set.readTableLines("PlColors.txt", QTextCodec::codecForName("Windows-1252"));
            QFAIL("a missing table must end the program");
        } catch (const MessageRecorder::FatalExit &exit) {
            QCOMPARE(exit.status, 1);
        }
        QCOMPARE(recorder.lines(),
                 QStringList{"critical|Error|Can't find PlColors.txt file in lod file\\n"
                             "Archives were searched in " +
                             QDir::toNativeSeparators(folder()) + "."});
    }

    void editorArchivesComeFromDataFolder() {
        QDir(folder()).mkdir("Data");
        LodBuilder().add("Where.txt", "data folder").write(file("Data/Tarq.lod"));
        LodBuilder().add("Where.txt", "game folder").write(file("Tarq_lng.lod"));
        setGameFolder(folder());
        loadLodArchives();
        QCOMPARE(findLodEntry("where.txt").value(), QByteArray("data folder"));
        QCOMPARE(readTableLines("Where.txt", QTextCodec::codecForName("Windows-1252")),
                 QStringList{"data folder"});
        QVERIFY(QDir(file("Data")).removeRecursively());
        loadLodArchives();
        QCOMPARE(findLodEntry("where.txt").value(), QByteArray("game folder"));
        setGameFolder(QString());
    }
};

QTEST_GUILESS_MAIN(TestLodArchives)
#include "test_lodarchives.moc"
