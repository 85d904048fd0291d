#include "demogame/lodwriter.h"
#include "gamedata/gamefolder.h"
#include "gamedata/lodarchiveset.h"
#include "messagerecorder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

class TestLodArchives : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> scratch;
    QString file(const QString &name) const { return scratch->filePath(name); }
    // The archive set of the scratch folder.
    LodArchiveSet loaded() const {
        LodArchiveSet set;
        set.load(scratch->path());
        return set;
    }
    static QByteArray binary(int length) {
        QByteArray bytes;
        for (int i = 0; i < length; ++i)
            bytes.append(char((i * 37 + i / 7) & 0xff));
        return bytes;
    }

private slots:
    void init() { scratch = std::make_unique<QTemporaryDir>(); }

    void highestRankWins_data() {
        QTest::addColumn<QStringList>("archives");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("Tarq over Y6bitmap")
            << QStringList{"Y6bitmap", "Tarq"} << QByteArray("Tarq");
        QTest::newRow("Tarq_l_ext over all")
            << QStringList{"Tarq_ext", "Tarq_l_ext", "Tarq_lng", "Tarq", "Y6sprite"}
            << QByteArray("Tarq_l_ext");
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
            QVERIFY(LodWriter().add("Shared.txt", base.toLatin1()).write(file(base + ".lod")));
        const LodArchiveSet set = loaded();
        QCOMPARE(set.archives().size(), archives.size());
        QCOMPARE(set.find("Shared.txt").value(), expected);
    }

    void namesAndExtensions() {
        LodWriter()
            .add("PlColors.txt", "Red\r\n")
            .add("Sprite.def", "sprite")
            .add("Mask.msk", "mask")
            .add("ABCDEFGHIJKL.pcx", "sixteen") // 16 characters, no terminator
            .add("readmetxt", "no dot")
            .add("Twice.pcx", "first")
            .add("TWICE.PCX", "second")
            .write(file("Tarq.lod"));
        LodWriter().add("Upper.txt", "upper").write(file("Tarq_l_ext.LOD"));
        LodWriter().add("Extra.txt", "extra").write(file("Extra.lod"));
        QDir(scratch->path()).mkdir("Sub");
        LodWriter().add("Nested.txt", "nested").write(file("Sub/Tarq_lng.lod"));

        const LodArchiveSet set = loaded();
        QCOMPARE(set.archives().size(), 2); // Tarq.lod and Extra.lod
        QCOMPARE(set.find("plcolors.TXT").value(), QByteArray("Red\r\n"));
        QCOMPARE(set.find("abcdefghijkl.pcx").value(), QByteArray("sixteen"));
        QCOMPARE(set.find("READMETXT").value(), QByteArray("no dot"));
        QCOMPARE(set.find("twice.pcx").value(), QByteArray("second"));
        for (const char *absent : {"Sprite.def", "Mask.msk", "Upper.txt", "Nested.txt", "No.pcx"})
            QVERIFY2(!set.find(absent), absent);
        QCOMPARE(set.archives().first().directory.keys(),
                 (QStringList{"abcdefghijkl.pcx", "plcolors.txt", "readmetxt", "twice.pcx"}));
        QCOMPARE(set.archives().first().directory.value("plcolors.txt").name,
                 QString("PlColors.txt"));
    }

    void plainAndPackedEntries() {
        const QByteArray big = binary(70000);
        const QByteArray text = QByteArray("Header\r\nRow\0with zero\r\n", 23);
        LodWriter()
            .add("Plain.pcx", big)
            .add("Packed.pcx", big, true)
            .add("Text.txt", text, true)
            .add("Empty.txt", QByteArray())
            .write(file("Y6bitmap.lod"));
        const LodArchiveSet set = loaded();
        QCOMPARE(set.find("Plain.pcx").value(), big);
        QCOMPARE(set.find("Packed.pcx").value(), big);
        QCOMPARE(set.find("Text.txt").value(), text);
        QCOMPARE(set.find("Empty.txt").value(), QByteArray(""));
    }

    // An archive is listed whatever its header; only the exact magic gives entries.
    void archiveHeaders_data() {
        QTest::addColumn<QByteArray>("magic");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("LOD") << QByteArray("LOD\0", 4) << 1 << true;
        QTest::newRow("LOD then junk after the zero") << QByteArray("LO\0D", 4) << 1 << false;
        QTest::newRow("no zero") << QByteArray("LODX", 4) << 1 << false;
        QTest::newRow("lower case") << QByteArray("lod\0", 4) << 1 << false;
        QTest::newRow("other") << QByteArray("PK\3\4", 4) << 1 << false;
        QTest::newRow("negative count") << QByteArray("LOD\0", 4) << -5 << false;
    }
    void archiveHeaders() {
        QFETCH(QByteArray, magic);
        QFETCH(int, count);
        QFETCH(bool, accepted);
        MessageRecorder recorder;
        QVERIFY(
            LodWriter().add("Name.txt", "x").declareCount(count).write(file("Tarq.lod"), magic));
        const LodArchiveSet set = loaded();
        QCOMPARE(set.archives().size(), 1);
        QCOMPARE(set.find("Name.txt").has_value(), accepted);
        QVERIFY(recorder.messages.isEmpty());
    }

    // Every cut of a good archive reads without crash; entries whose bytes are gone are not
    // listed.
    void cutArchives() {
        const QByteArray good = LodWriter().add("A.txt", "alpha").add("B.pcx", binary(300)).build();
        for (int cut = 0; cut <= good.size(); ++cut) {
            QFile out(file("Tarq.lod"));
            QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            out.write(good.left(cut));
            out.close();
            const LodArchiveSet set = loaded();
            const auto a = set.find("A.txt");
            const auto b = set.find("B.pcx");
            QVERIFY(!a || *a == "alpha");
            QVERIFY(!b || *b == binary(300));
            QVERIFY(cut < good.size() || (a && b));
        }
    }

    void hostileRecords() {
        LodWriter()
            .addRecord({"Far.txt", {}, 10, 0, 0xfffffff0u})
            .addRecord({"Huge.txt", "abc", 0xffffffffu})
            .addRecord({"Bomb.pcx", "xyz", 0x7fffffffu, 3})
            .addRecord({"Corrupt.pcx", "not zlib at all", 100, 15})
            .addRecord({"PastEnd.pcx", "abc", 1000})
            .add("Good.txt", "good")
            .declareCount(2000000000) // far more records than the file holds
            .write(file("Tarq.lod"));
        const LodArchiveSet set = loaded();
        for (const char *refused : {"Far.txt", "Huge.txt", "Bomb.pcx", "PastEnd.pcx"})
            QVERIFY2(!set.find(refused), refused);
        QCOMPARE(set.find("Good.txt").value(), QByteArray("good"));
        QCOMPARE(set.damagedEntries(),
                 QStringList({"Tarq.lod: Far.txt", "Tarq.lod: Huge.txt", "Tarq.lod: Bomb.pcx",
                              "Tarq.lod: PastEnd.pcx"}));
        // A stream that does not inflate still gives size bytes, zero where nothing inflated.
        QCOMPARE(set.find("Corrupt.pcx").value(), QByteArray(100, '\0'));
    }

    void tableLines_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("trailing pairs") << QByteArray("a\r\nb\r\n\r\n") << QStringList{"a", "b"};
        QTest::newRow("empty pieces dropped")
            << QByteArray("\r\n\r\na\r\n\r\n\r\nb") << QStringList{"a", "b"};
        QTest::newRow("lone line feed stays")
            << QByteArray("x\ty\nz\r\nw") << QStringList{"x\ty\nz", "w"};
        QTest::newRow("zero byte ends the text")
            << QByteArray("a\r\nb\0c\r\nd", 9) << QStringList{"a", "b"};
        QTest::newRow("Windows-1252") << QByteArray("Caf\xe9\r\n\x80") << QStringList{"Café", "€"};
    }
    void tableLines() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        LodWriter().add("Table.txt", bytes).write(file("Tarq.lod"));
        QCOMPARE(loaded().readTableLines("TABLE.TXT", QTextCodec::codecForName("Windows-1252")),
                 lines);
    }

    void editorArchivesComeFromDataFolder() {
        QDir(scratch->path()).mkdir("Data");
        LodWriter().add("Where.txt", "data folder").write(file("Data/Tarq.lod"));
        LodWriter()
            .add("Where.txt", "game folder")
            .addRecord({"Cut.pcx", "abc", 1000})
            .write(file("Tarq_lng.lod"));
        setGameFolder(scratch->path());
        MessageRecorder recorder;
        loadLodArchives();
        QVERIFY(recorder.lines().isEmpty());
        QCOMPARE(findLodEntry("where.txt").value(), QByteArray("data folder"));
        QCOMPARE(readTableLines("Where.txt", QTextCodec::codecForName("Windows-1252")),
                 QStringList{"data folder"});
        QVERIFY(QDir(file("Data")).removeRecursively());
        loadLodArchives();
        QCOMPARE(findLodEntry("where.txt").value(), QByteArray("game folder"));
        // The damaged entry of the archive now in use is named once.
        QCOMPARE(
            recorder.lines(),
            QStringList("warning|Warning|These archive entries are damaged (their data lies "
                        "past the end of the file) and are not used:\\nTarq_lng.lod: Cut.pcx"));
        setGameFolder(QString());
    }
};

QTEST_GUILESS_MAIN(TestLodArchives)
#include "test_lodarchives.moc"
