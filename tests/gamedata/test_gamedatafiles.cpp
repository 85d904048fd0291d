// The small readers of the game's and the mod's files: byte streams, the mod's data file, the
// shared settings file and the game's text tables.
#include "demogame/bytewriter.h"
#include "filebytes.h"
#include "gamedata/moddatafile.h"
#include "gamedata/settingsfile.h"
#include "gamedata/texttable.h"
#include "gamedata/tstream.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// Builds tarq.dat bytes field by field.
struct DatBuilder : ByteWriter {
    DatBuilder &header(int32_t count) {
        raw("HDAT").i32(1).i32(count);
        return *this;
    }
    DatBuilder &record(const QByteArray &name, const QList<QByteArray> &strings) {
        string(name).string(name + "_second").i32(strings.size());
        for (const QByteArray &s : strings)
            string(s);
        u8(0).i32(0);
        return *this;
    }
};

ModRecordList readFromMemory(const QByteArray &bytes) {
    TMemoryStream stream;
    stream.write(bytes.constData(), uint32_t(bytes.size()));
    return readModDataFile(stream);
}

} // namespace

class TestGameDataFiles : public QObject {
    Q_OBJECT

private slots:
    void memorySeek_data() {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("origin");
        QTest::addColumn<uint>("result");
        QTest::addColumn<uint>("positionAfter");
        // A stream of 10 bytes positioned at 4.
        QTest::newRow("to the end from start") << 10 << 0 << 10u << 10u;
        QTest::newRow("past the end from start") << 11 << 0 << 0xFFFFFFFFu << 4u;
        QTest::newRow("back one from end") << -1 << 2 << 9u << 9u;
        QTest::newRow("forward from end") << 1 << 2 << 0xFFFFFFFFu << 4u;
        QTest::newRow("all the way back from end") << -10 << 2 << 0u << 0u;
        QTest::newRow("from current") << 3 << 1 << 7u << 7u;
        QTest::newRow("from current past end") << 7 << 1 << 0xFFFFFFFFu << 4u;
        QTest::newRow("unknown origin") << 2 << 5 << 4u << 4u;
    }
    void memorySeek() {
        QFETCH(int, offset);
        QFETCH(int, origin);
        QFETCH(uint, result);
        QFETCH(uint, positionAfter);
        TMemoryStream stream;
        QVERIFY(stream.write("0123456789", 10));
        QCOMPARE(stream.seek(4, TStream::FromStart), 4u);
        QCOMPARE(stream.seek(offset, origin), result);
        QCOMPARE(stream.position(), positionAfter);
    }

    // Capacity grows in steps of 64; writing inside keeps the size, across the end grows it; a
    // read past the end fails and moves nothing.
    void memoryGrowthAndFiles() {
        TMemoryStream stream;
        QVERIFY(stream.write(QByteArray(64, 'x').constData(), 64));
        QCOMPARE(stream.capacity(), 64u);
        stream.seek(60, TStream::FromStart);
        QVERIFY(stream.write("abcdefghij", 10)); // inside, then across the end
        QCOMPARE(stream.capacity(), 128u);
        QCOMPARE(QByteArray(stream.data() + 60, stream.size() - 60), QByteArray("abcdefghij"));
        char buffer[8] = {};
        stream.seek(66, TStream::FromStart);
        QVERIFY(!stream.read(buffer, 5));
        QCOMPARE(stream.position(), 66u);
        QVERIFY(stream.read(buffer, 4));
        QCOMPARE(QByteArray(buffer, 4), QByteArray("ghij"));

        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("data.bin"));
        QVERIFY(!openFileStream(path, TFileStream::ReadOnly));
        QVERIFY(openFileStream(path, TFileStream::Create)->write("abcdef", 6));
        QVERIFY(openFileStream(path, TFileStream::ReadWrite)->write("XY", 2));
        auto reader = openFileStream(path, TFileStream::ReadOnly);
        QCOMPARE(reader->size(), 6u);
        QCOMPARE(reader->seek(-2, TStream::FromEnd), 4u);
        QVERIFY(reader->read(buffer, 2));
        QCOMPARE(QByteArray(buffer, 2), QByteArray("ef"));
        QVERIFY(reader->read(buffer, 2)); // at the end: succeeds and moves nothing
        QCOMPARE(reader->seek(0, TStream::FromCurrent), 6u);
        QCOMPARE(reader->seek(-100, TStream::FromStart), 0xFFFFFFFFu);
        QCOMPARE(readWholeFile(path), QByteArray("XYcdef"));
    }

    void modRecordKindAndId_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("kind");
        QTest::addColumn<int>("id");
        QTest::newRow("creature") << QByteArray("monst151") << QByteArray("monst") << 151;
        QTest::newRow("digit inside") << QByteArray("art7x") << QByteArray("art7x") << -1;
        QTest::newRow("digits only") << QByteArray("42") << QByteArray("") << 42;
        QTest::newRow("digits in kind") << QByteArray("a1b22") << QByteArray("a1b") << 22;
        QTest::newRow("leading zeros") << QByteArray("hero007") << QByteArray("hero") << 7;
    }
    void modRecordKindAndId() {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, kind);
        QFETCH(int, id);
        const ModRecordList records =
            readFromMemory(DatBuilder().header(1).record(name, {}).data());
        QCOMPARE(records.size(), 1);
        QCOMPARE(records[0].kind, kind);
        QCOMPARE(records[0].id, id);
    }

    void modRecordLayout() {
        DatBuilder dat;
        dat.header(3).record("hero200", {"a", "b", "c", "d", "e", "f", "Vadoz"});
        // No strings, a data flag with size 0, then numbers.
        dat.string("art150").string("").i32(0).u8(1).i32(0).i32(2).i32(-5).i32(9);
        // A data block; negative counts read as none.
        dat.string("music").string("second").i32(-3).u8(7).i32(3).raw("xyz").i32(-1);
        const ModRecordList records = readFromMemory(dat.data());
        QCOMPARE(records.size(), 3);
        QCOMPARE(records[0].recordStrings.value(6), QByteArray("Vadoz"));
        QCOMPARE(records[0].secondName, QByteArray("hero200_second"));
        QVERIFY(records[1].recordStrings.isEmpty() && records[1].dataBlock.isEmpty());
        QCOMPARE(records[1].numbers, (QVector<int32_t>{-5, 9}));
        QCOMPARE(records[2].dataBlock, QByteArray("xyz"));
        QVERIFY(records[2].numbers.isEmpty());
        const ModRecordList two = readFromMemory(
            DatBuilder().header(2).record("a1", {"a", "b"}).record("b2", {"c"}).data());
        QCOMPARE(modRecordString(two, 0, 1, "fallback"), QByteArray("b"));
        QCOMPARE(modRecordString(two, 0, 2, "fallback"), QByteArray("fallback"));
        QCOMPARE(modRecordString(two, 0, -4, "fallback"), QByteArray("a"));
        QCOMPARE(modRecordString(two, -3, 0, "fallback"), QByteArray("a"));
        QCOMPARE(modRecordString(two, 99, 0, "fallback"), QByteArray("c"));
        QCOMPARE(modRecordString(ModRecordList(), 0, 0, "fallback"), QByteArray("fallback"));
    }

    void modDataCutAtEveryByte() {
        DatBuilder dat;
        dat.header(3).record("hero1", {"one"}).record("hero2", {"two", "2"}).record("monst3", {});
        const QByteArray whole = dat.data();
        const int firstEnd = DatBuilder().header(3).record("hero1", {"one"}).data().size();
        for (int cut = 0; cut < whole.size(); ++cut) {
            const ModRecordList records = readFromMemory(whole.left(cut));
            QVERIFY2(records.size() <= 2, qPrintable(QString::number(cut)));
            if (cut >= firstEnd)
                QCOMPARE(records.value(0).recordStrings, QList<QByteArray>{"one"});
        }
    }

    // Must return promptly with no records, without reading outside the bytes or allocating
    // what they promise.
    void modDataRefused_data() {
        QTest::addColumn<QByteArray>("bytes");
        QByteArray wrongMagic = DatBuilder().header(1).record("hero1", {"x"}).data();
        wrongMagic[0] = 'X';
        QTest::newRow("wrong magic") << wrongMagic;
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("magic cut") << QByteArray("HDA");
        QTest::newRow("record count huge") << DatBuilder().header(0x7fffffff).data();
        QTest::newRow("name length huge") << DatBuilder().header(1).i32(0x7ffffff0).data();
        QTest::newRow("string count huge")
            << DatBuilder().header(1).string("a").string("b").i32(0x7fffffff).string("x").data();
        QTest::newRow("data size huge")
            << DatBuilder().header(1).string("a").string("b").i32(0).u8(1).i32(0x7fffffff).data();
        QTest::newRow("number count huge") << DatBuilder()
                                                  .header(1)
                                                  .string("a")
                                                  .string("b")
                                                  .i32(0)
                                                  .u8(0)
                                                  .i32(0x40000000)
                                                  .i32(1)
                                                  .data();
    }
    void modDataRefused() {
        QFETCH(QByteArray, bytes);
        QVERIFY(readFromMemory(bytes).isEmpty());
    }

    void settingsGetInt_data() {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("plain") << QByteArray("1") << 1;
        QTest::newRow("letters only") << QByteArray("abc") << 0;
        QTest::newRow("negative") << QByteArray("-1") << -1;
        QTest::newRow("letters between digits") << QByteArray("1a2") << 12;
        QTest::newRow("minus inside") << QByteArray("1-2") << 1;
        QTest::newRow("huge") << QByteArray("99999999999") << 2147483647;
    }
    void settingsGetInt() {
        QFETCH(QByteArray, value);
        QFETCH(int, expected);
        SettingsFile settings;
        settings.parse("[Global Settings]\r\nLanguage=" + value + "\r\n");
        QCOMPARE(settings.getInt("Global Settings", "Language", -1), expected);
    }

    void settingsParsing_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("expected"); // "<absent>" when the key is missing
        const auto row = [](const char *name, const QByteArray &file, const char *section,
                            const char *key, const QByteArray &expected) {
            QTest::newRow(name) << file << QByteArray(section) << QByteArray(key) << expected;
        };
        row("nothing trimmed", "[S]\r\n key = v \r\n", "S", " key ", " v ");
        row("further equals dropped", "[S]\nk=a=b=c\n", "S", "k", "abc");
        row("bytes before first section ignored", "k=1\r\n[S]\r\nk=2\r\n", "S", "k", "2");
        row("later key wins", "[S]\r\nk=1\r\nk=2\r\n", "S", "k", "2");
        row("bracket inside a value starts a section", "[S]\r\nk=a[T]b=1\r\n", "T", "b", "1");
        row("value cut by the bracket", "[S]\r\nk=a[T]b=1\r\n", "S", "k", "a");
        row("case-sensitive section", "[s]\r\nk=1\r\n", "S", "k", "<absent>");
        row("8-bit bytes kept", "[S]\r\nk=\xcf\xf3\r\n", "S", "k", "\xcf\xf3");
        row("unclosed name", "[S]\r\nk=1\r\n[oops", "S", "k", "1");
        // A repeated section keeps its first place, and only its last body.
        row("repeated section, last body", "[A]\r\nx=1\r\n[B]\r\n[A]\r\nw=4\r\n", "A", "w", "4");
        row("repeated section, first body gone", "[A]\r\nx=1\r\n[B]\r\n[A]\r\nw=4\r\n", "A", "x",
            "<absent>");
    }
    void settingsParsing() {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, section);
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, expected);
        SettingsFile settings;
        settings.parse(file);
        QCOMPARE(settings.getText(section, key, "<absent>"), expected);
    }

    void settingsSetTextAppendsKeyThenSection() {
        SettingsFile settings;
        settings.parse("[Global Settings]\r\n\r\nLanguage=0\r\n\r\n\r\n[Campaign Editor]\r\n\r\n"
                       "Zoom=2\r\n\r\n[Global Settings]\r\nLanguage=0\r\n");
        settings.setText("Campaign Editor", "Path", "/games/maps");
        settings.setText("Global Settings", "Language", "1");
        settings.setText("New Section", "Key", "Value");
        QCOMPARE(settings.serialize(), QByteArray("[Global Settings]\r\n\r\nLanguage=1\r\n\r\n\r\n"
                                                  "[Campaign Editor]\r\n\r\nZoom=2\r\n"
                                                  "Path=/games/maps\r\n\r\n\r\n"
                                                  "[New Section]\r\n\r\nKey=Value\r\n\r\n"));
    }

    void settingsWriteBackIsByteIdentical() {
        const QByteArray original =
            "[Global Settings]\r\n\r\nLanguage=0\r\nTarq.dat Text "
            "Encoding=\r\n\r\n\r\n[Campaign Editor]\r\n\r\nPath=C:/G\r\n\r\n";
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Tarq_settings.ini"));
        writeWholeFile(path, original);
        SettingsFile settings(path);
        QVERIFY(settings.save());
        QCOMPARE(readWholeFile(path), original);

        SettingsFile missing(QStringLiteral("/nonexistent/folder/Tarq_settings.ini"));
        QVERIFY(missing.sections().isEmpty());
        QCOMPARE(missing.serialize(), QByteArray());
        missing.setText("A", "b", "c");
        QVERIFY(!missing.save()); // not fatal
    }

    void tableBlankLines_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("blank");
        QTest::newRow("empty") << QString() << true;
        QTest::newRow("spaces and tab") << QString("   \t") << true;
        QTest::newRow("letter") << QString("a") << false;
        QTest::newRow("padded letter") << QString(" a\t") << false;
        QTest::newRow("line feed") << QString(" \n") << false;
        QTest::newRow("no-break space") << QString(QChar(0xa0)) << false;
    }
    void tableBlankLines() {
        QFETCH(QString, line);
        QFETCH(bool, blank);
        QCOMPARE(isBlankLine(line), blank);
    }

    void tableCells_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("cells");
        QTest::newRow("empty middle cell") << QString("a\t\tb") << QStringList{"a", "", "b"};
        QTest::newRow("trailing tab") << QString("a\t") << QStringList{"a", ""};
        QTest::newRow("leading tab") << QString("\ta") << QStringList{"", "a"};
        QTest::newRow("no trimming, no quoting")
            << QString(" \"x\" \t y ") << QStringList{" \"x\" ", " y "};
    }
    void tableCells() {
        QFETCH(QString, line);
        QFETCH(QStringList, cells);
        QCOMPARE(splitCells(line), cells);
    }

    void tableTrimming_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("head");
        QTest::addColumn<int>("tail");
        QTest::addColumn<QStringList>("expected");
        const QStringList table{"h1", "h2", "a", "b", "f"};
        QTest::newRow("2/1") << table << 2 << 1 << QStringList{"a", "b"};
        QTest::newRow("0/0") << table << 0 << 0 << table;
        QTest::newRow("exactly all") << table << 4 << 1 << QStringList();
        QTest::newRow("head beyond") << table << 9 << 0 << QStringList();
        QTest::newRow("blank header line counts")
            << QStringList{"\t\t", "h", "a"} << 2 << 0 << QStringList{"a"};
    }
    void tableTrimming() {
        QFETCH(QStringList, lines);
        QFETCH(int, head);
        QFETCH(int, tail);
        QFETCH(QStringList, expected);
        trimLines(lines, head, tail);
        QCOMPARE(lines, expected);
    }

    void listTokenizer_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QList<QByteArray>>("tokens");
        using L = QList<QByteArray>;
        QTest::newRow("names, comment and quoted name")
            << QByteArray("one.wav\r\n# a comment\r\n\"two three.wav\"")
            << L{"one.wav", "two three.wav"};
        QTest::newRow("comment mid-line") << QByteArray("a#b") << L{"a"};
        QTest::newRow("quote inside a comment starts nothing")
            << QByteArray("#\"x\ny\"z") << L{"yz"};
        QTest::newRow("two quotes outside quotes") << QByteArray("a\"\"b") << L{"a\"b"};
        QTest::newRow("three quotes begin quoting") << QByteArray("\"\"\"abc\"") << L{"\"abc"};
        QTest::newRow("doubled quote inside quotes")
            << QByteArray("\"Tarq \"\"Night\"\" Watch\"") << L{"Tarq \"Night\" Watch"};
        QTest::newRow("quoted part is a token of its own")
            << QByteArray("ab\"cd\"ef") << L{"abcd", "ef"};
        QTest::newRow("line break and # inside quotes")
            << QByteArray("\"a\r\n#b\"") << L{"a\r\n#b"};
        QTest::newRow("unterminated quote") << QByteArray("\"abc\ndef") << L{"abc\ndef"};
        QTest::newRow("zero byte ends the text") << QByteArray("ab\0cd", 5) << L{"ab"};
    }
    void listTokenizer() {
        QFETCH(QByteArray, text);
        QFETCH(QList<QByteArray>, tokens);
        QCOMPARE(tokenizeList(text), tokens);
    }
};

QTEST_GUILESS_MAIN(TestGameDataFiles)
#include "test_gamedatafiles.moc"
