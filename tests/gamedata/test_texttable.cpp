#include "gamedata/texttable.h"

#include <QtTest>

class TestTextTable : public QObject {
    Q_OBJECT

private slots:
    void blankLines_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("blank");
        QTest::newRow("empty") << QString() << true;
        QTest::newRow("spaces and tab") << QString("   \t") << true;
        QTest::newRow("tabs only") << QString("\t\t\t") << true;
        QTest::newRow("letter") << QString("a") << false;
        QTest::newRow("padded letter") << QString(" a\t") << false;
        QTest::newRow("line feed") << QString(" \n") << false;
        QTest::newRow("carriage return") << QString("\r") << false;
        QTest::newRow("no-break space") << QString(QChar(0xa0)) << false;
    }
    void blankLines() {
        QFETCH(QString, line);
        QFETCH(bool, blank);
        QCOMPARE(isBlankLine(line), blank);
    }

    void cells_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("cells");
        QTest::newRow("empty middle cell") << QString("a\t\tb") << QStringList{"a", "", "b"};
        QTest::newRow("trailing tab") << QString("a\t") << QStringList{"a", ""};
        QTest::newRow("leading tab") << QString("\ta") << QStringList{"", "a"};
        QTest::newRow("no trimming, no quoting")
            << QString(" \"x\" \t y ") << QStringList{" \"x\" ", " y "};
        QTest::newRow("one cell") << QString("Name") << QStringList{"Name"};
    }
    void cells() {
        QFETCH(QString, line);
        QFETCH(QStringList, cells);
        QCOMPARE(splitCells(line), cells);
    }

    void trimming_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("head");
        QTest::addColumn<int>("tail");
        QTest::addColumn<QStringList>("expected");
        const QStringList table{"h1", "h2", "a", "b", "f"};
        QTest::newRow("2/1") << table << 2 << 1 << QStringList{"a", "b"};
        QTest::newRow("0/0") << table << 0 << 0 << table;
        QTest::newRow("exactly all") << table << 4 << 1 << QStringList();
        QTest::newRow("more than all") << table << 4 << 2 << QStringList();
        QTest::newRow("head beyond") << table << 9 << 0 << QStringList();
        QTest::newRow("blank header line counts")
            << QStringList{"\t\t", "h", "a"} << 2 << 0 << QStringList{"a"};
    }
    void trimming() {
        QFETCH(QStringList, lines);
        QFETCH(int, head);
        QFETCH(int, tail);
        QFETCH(QStringList, expected);
        trimLines(lines, head, tail);
        QCOMPARE(lines, expected);
    }

    void tokenizer_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QList<QByteArray>>("tokens");
        using L = QList<QByteArray>;
        QTest::newRow("names, comment and quoted name")
            << QByteArray("one.wav\r\n# a comment\r\n\"two three.wav\"")
            << L{"one.wav", "two three.wav"};
        QTest::newRow("comment mid-line") << QByteArray("a#b") << L{"a"};
        QTest::newRow("comment ends at line feed") << QByteArray("a#b\nc") << L{"a", "c"};
        QTest::newRow("comment ends at carriage return") << QByteArray("#x\rc") << L{"c"};
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
        QTest::newRow("spaces and tabs are ordinary") << QByteArray(" a b\t") << L{" a b\t"};
        QTest::newRow("two quotes, then a line break") << QByteArray("\"\"\r\nx") << L{"\"", "x"};
        QTest::newRow("unterminated quote") << QByteArray("\"abc\ndef") << L{"abc\ndef"};
        QTest::newRow("quote at the end") << QByteArray("abc\"") << L{"abc"};
        QTest::newRow("zero byte ends the text") << QByteArray("ab\0cd", 5) << L{"ab"};
        QTest::newRow("empty") << QByteArray() << L{};
        QTest::newRow("blank lines") << QByteArray("\r\n\r\n") << L{};
        QTest::newRow("8-bit bytes pass through") << QByteArray("caf\xe9") << L{"caf\xe9"};
    }
    void tokenizer() {
        QFETCH(QByteArray, text);
        QFETCH(QList<QByteArray>, tokens);
        QCOMPARE(tokenizeList(text), tokens);
    }
};

QTEST_GUILESS_MAIN(TestTextTable)
#include "test_texttable.moc"
