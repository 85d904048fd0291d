#include "bytebuilder.h"
#include "gamedata/moddatafile.h"
#include "gamedata/tstream.h"

#include <QtTest>

namespace {

// Builds tarq.dat bytes field by field.
struct DatBuilder : ByteBuilder {
    DatBuilder &header(int32_t count) {
        raw("HDAT").i32(1).i32(count);
        return *this;
    }
    DatBuilder &record(const QByteArray &name, const QList<QByteArray> &strings) {
        text(name).text(name + "_second").i32(strings.size());
        for (const QByteArray &s : strings)
            text(s);
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

class TestModDataFile : public QObject {
    Q_OBJECT

private slots:
    void kindAndId_data();
    void kindAndId();
    void recordLayout();
    void wrongMagicGivesNoRecords();
    void truncatedAtEveryByte();
    void hostileCountsAndLengths_data();
    void hostileCountsAndLengths();
    void recordStringAccess();
};

void TestModDataFile::kindAndId_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<int>("id");
    QTest::newRow("creature") << QByteArray("monst151") << QByteArray("monst") << 151;
    QTest::newRow("campaign map") << QByteArray("campmap3") << QByteArray("campmap") << 3;
    QTest::newRow("no digits") << QByteArray("video") << QByteArray("video") << -1;
    QTest::newRow("digit inside") << QByteArray("art7x") << QByteArray("art7x") << -1;
    QTest::newRow("digits only") << QByteArray("42") << QByteArray("") << 42;
    QTest::newRow("digits in kind") << QByteArray("a1b22") << QByteArray("a1b") << 22;
    QTest::newRow("leading zeros") << QByteArray("hero007") << QByteArray("hero") << 7;
    QTest::newRow("empty") << QByteArray("") << QByteArray("") << -1;
}

void TestModDataFile::kindAndId() {
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, kind);
    QFETCH(int, id);
    const ModRecordList records = readFromMemory(DatBuilder().header(1).record(name, {}).bytes);
    QCOMPARE(records.size(), 1);
    QCOMPARE(records[0].kind, kind);
    QCOMPARE(records[0].id, id);
}

void TestModDataFile::recordLayout() {
    DatBuilder dat;
    dat.header(3);
    // Seven strings: a hero's name is string 6.
    dat.record("hero200", {"a", "b", "c", "d", "e", "f", "Vadoz"});
    // No strings, a data flag with size 0, then numbers.
    dat.text("art150").text("").i32(0).u8(1).i32(0).i32(2).i32(-5).i32(9);
    // A data block, negative counts read as none.
    dat.text("music").text("second").i32(-3).u8(7).i32(3);
    dat.bytes.append("xyz");
    dat.i32(-1);
    const ModRecordList records = readFromMemory(dat.bytes);
    QCOMPARE(records.size(), 3);
    QCOMPARE(records[0].kind, QByteArray("hero"));
    QCOMPARE(records[0].id, 200);
    QCOMPARE(records[0].recordStrings.value(6), QByteArray("Vadoz"));
    QCOMPARE(records[0].secondName, QByteArray("hero200_second"));
    QVERIFY(records[1].recordStrings.isEmpty());
    QVERIFY(records[1].dataBlock.isEmpty());
    QCOMPARE(records[1].numbers, (QVector<int32_t>{-5, 9}));
    QCOMPARE(records[2].dataBlock, QByteArray("xyz"));
    QVERIFY(records[2].numbers.isEmpty());
}

void TestModDataFile::wrongMagicGivesNoRecords() {
    DatBuilder dat;
    dat.header(1).record("hero1", {"x"});
    dat.bytes[0] = 'X';
    QVERIFY(readFromMemory(dat.bytes).isEmpty());
    QVERIFY(readFromMemory(QByteArray()).isEmpty());
    QVERIFY(readFromMemory("HDA").isEmpty());
}

void TestModDataFile::truncatedAtEveryByte() {
    DatBuilder dat;
    dat.header(3).record("hero1", {"one"}).record("hero2", {"two", "2"}).record("monst3", {});
    const QByteArray whole = dat.bytes;
    const int firstEnd = DatBuilder().header(3).record("hero1", {"one"}).bytes.size();
    for (int cut = 0; cut < whole.size(); ++cut) {
        const ModRecordList records = readFromMemory(whole.left(cut));
        QVERIFY2(records.size() <= 2, qPrintable(QString::number(cut)));
        if (cut >= firstEnd) {
            QVERIFY(!records.isEmpty());
            QCOMPARE(records[0].recordStrings, QList<QByteArray>{"one"});
        }
    }
    QCOMPARE(readFromMemory(whole).size(), 3);
}

void TestModDataFile::hostileCountsAndLengths_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("record count huge") << DatBuilder().header(0x7fffffff).bytes;
    QTest::newRow("name length huge") << DatBuilder().header(1).i32(0x7ffffff0).bytes;
    QTest::newRow("string count huge")
        << DatBuilder().header(1).text("a").text("b").i32(0x7fffffff).text("x").bytes;
    QTest::newRow("data size huge")
        << DatBuilder().header(1).text("a").text("b").i32(0).u8(1).i32(0x7fffffff).bytes;
    QTest::newRow("number count huge")
        << DatBuilder().header(1).text("a").text("b").i32(0).u8(0).i32(0x40000000).i32(1).bytes;
}

void TestModDataFile::hostileCountsAndLengths() {
    QFETCH(QByteArray, bytes);
    // Must return promptly without reading outside the bytes or allocating what they promise.
    const ModRecordList records = readFromMemory(bytes);
    QVERIFY(records.isEmpty());
}

void TestModDataFile::recordStringAccess() {
    DatBuilder dat;
    dat.header(2).record("a1", {"first", "second"}).record("b2", {"only"});
    const ModRecordList records = readFromMemory(dat.bytes);
    QCOMPARE(modRecordString(records, 0, 1, "fallback"), QByteArray("second"));
    QCOMPARE(modRecordString(records, 0, 2, "fallback"), QByteArray("fallback"));
    QCOMPARE(modRecordString(records, 0, -4, "fallback"), QByteArray("first"));
    QCOMPARE(modRecordString(records, -3, 0, "fallback"), QByteArray("first"));
    QCOMPARE(modRecordString(records, 99, 0, "fallback"), QByteArray("only"));
    QCOMPARE(modRecordString(ModRecordList(), 0, 0, "fallback"), QByteArray("fallback"));
}

QTEST_GUILESS_MAIN(TestModDataFile)
#include "test_moddatafile.moc"
