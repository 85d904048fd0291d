#include "gamedata/tstream.h"

#include <QTemporaryDir>
#include <QtTest>

class TestStreams : public QObject {
    Q_OBJECT

private slots:
    void memorySeek_data();
    void memorySeek();
    void memoryGrowsInStepsOf64();
    void memoryReadPastEndFails();
    void fileModes();
};

void TestStreams::memorySeek_data() {
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("origin");
    QTest::addColumn<uint>("result");
    QTest::addColumn<uint>("positionAfter");
    // A stream of 10 bytes positioned at 4.
    QTest::newRow("to the end from start") << 10 << 0 << 10u << 10u;
    QTest::newRow("past the end from start") << 11 << 0 << 0xFFFFFFFFu << 4u;
    QTest::newRow("negative from start") << -1 << 0 << 0xFFFFFFFFu << 4u;
    QTest::newRow("back one from end") << -1 << 2 << 9u << 9u;
    QTest::newRow("forward from end") << 1 << 2 << 0xFFFFFFFFu << 4u;
    QTest::newRow("all the way back from end") << -10 << 2 << 0u << 0u;
    QTest::newRow("before the start from end") << -11 << 2 << 0xFFFFFFFFu << 4u;
    QTest::newRow("from current") << 3 << 1 << 7u << 7u;
    QTest::newRow("from current past end") << 7 << 1 << 0xFFFFFFFFu << 4u;
    QTest::newRow("unknown origin") << 2 << 5 << 4u << 4u;
}

void TestStreams::memorySeek() {
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

void TestStreams::memoryGrowsInStepsOf64() {
    const QByteArray bytes(200, 'x');
    TMemoryStream one;
    QVERIFY(one.write(bytes.constData(), 1));
    QCOMPARE(one.size(), 1u);
    QCOMPARE(one.capacity(), 64u);
    TMemoryStream sixtyFour;
    sixtyFour.write(bytes.constData(), 64);
    QCOMPARE(sixtyFour.capacity(), 64u);
    TMemoryStream sixtyFive;
    sixtyFive.write(bytes.constData(), 65);
    QCOMPARE(sixtyFive.capacity(), 128u);
    // Writing inside the contents keeps the size; writing across the end grows it.
    sixtyFive.seek(60, TStream::FromStart);
    sixtyFive.write("abcd", 4);
    QCOMPARE(sixtyFive.size(), 65u);
    sixtyFive.write("efghij", 6);
    QCOMPARE(sixtyFive.size(), 70u);
    QCOMPARE(QByteArray(sixtyFive.data() + 60, 10), QByteArray("abcdefghij"));
}

void TestStreams::memoryReadPastEndFails() {
    TMemoryStream stream;
    stream.write("hello", 5);
    stream.seek(2, TStream::FromStart);
    char buffer[8] = {};
    QVERIFY(!stream.read(buffer, 4));
    QCOMPARE(stream.position(), 2u);
    QVERIFY(stream.read(buffer, 3));
    QCOMPARE(QByteArray(buffer, 3), QByteArray("llo"));
    QCOMPARE(stream.position(), 5u);
}

void TestStreams::fileModes() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("data.bin"));
    QVERIFY(!openFileStream(path, TFileStream::ReadOnly));
    {
        auto created = openFileStream(path, TFileStream::Create);
        QVERIFY(created);
        QCOMPARE(created->size(), 0u);
        QVERIFY(created->write("abcdef", 6));
    }
    {
        auto reader = openFileStream(path, TFileStream::ReadOnly);
        QVERIFY(reader);
        QCOMPARE(reader->size(), 6u);
        QCOMPARE(reader->seek(-2, TStream::FromEnd), 4u);
        char buffer[4] = {};
        QVERIFY(reader->read(buffer, 2));
        QCOMPARE(QByteArray(buffer, 2), QByteArray("ef"));
        QVERIFY(reader->read(buffer, 2)); // at the end: succeeds and moves nothing
        QCOMPARE(reader->seek(0, TStream::FromCurrent), 6u);
        QCOMPARE(reader->seek(-100, TStream::FromStart), 0xFFFFFFFFu);
    }
    {
        auto writer = openFileStream(path, TFileStream::ReadWrite);
        QVERIFY(writer);
        QVERIFY(writer->write("XY", 2));
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("XYcdef"));
}

QTEST_GUILESS_MAIN(TestStreams)
#include "test_tstream.moc"
