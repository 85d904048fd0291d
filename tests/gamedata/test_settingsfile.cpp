#include "filebytes.h"
#include "gamedata/settingsfile.h"

#include <QTemporaryDir>
#include <QtTest>

class TestSettingsFile : public QObject {
    Q_OBJECT

private slots:
    void getInt_data();
    void getInt();
    void repeatedSectionKeepsFirstPlace();
    void parsing_data();
    void parsing();
    void setTextAppendsKeyThenSection();
    void writeBackIsByteIdentical();
    void missingFileHasNoSections();
    void unwritableFileIsNotFatal();
};

void TestSettingsFile::getInt_data() {
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("plain") << QByteArray("1") << 1;
    QTest::newRow("trailing blank") << QByteArray("1 ") << 1;
    QTest::newRow("letters only") << QByteArray("abc") << 0;
    QTest::newRow("empty") << QByteArray("") << 0;
    QTest::newRow("negative") << QByteArray("-1") << -1;
    QTest::newRow("letters between digits") << QByteArray("1a2") << 12;
    QTest::newRow("minus inside") << QByteArray("1-2") << 1;
    QTest::newRow("two minus signs") << QByteArray("--1") << 0;
    QTest::newRow("huge") << QByteArray("99999999999") << 2147483647;
}

void TestSettingsFile::getInt() {
    QFETCH(QByteArray, value);
    QFETCH(int, expected);
    SettingsFile settings;
    settings.parse("[Global Settings]\r\nLanguage=" + value + "\r\n");
    QCOMPARE(settings.getInt("Global Settings", "Language", -1), expected);
    QCOMPARE(settings.getInt("Global Settings", "Missing", -1), -1);
    QCOMPARE(settings.getInt("Missing", "Language", 7), 7);
}

void TestSettingsFile::repeatedSectionKeepsFirstPlace() {
    SettingsFile settings;
    settings.parse("[A]\r\nx=1\r\ny=2\r\n[B]\r\nz=3\r\n[A]\r\nw=4\r\n");
    QCOMPARE(settings.sections().size(), 2);
    QCOMPARE(settings.sections()[0].name, QByteArray("A"));
    QCOMPARE(settings.sections()[1].name, QByteArray("B"));
    QCOMPARE(settings.getText("A", "w"), QByteArray("4"));
    QVERIFY(settings.getText("A", "x", "absent") == "absent"); // the first body is discarded
}

void TestSettingsFile::parsing_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("expected"); // "<absent>" when the key is missing

    QTest::newRow("nothing trimmed") << QByteArray("[S]\r\n key = v \r\n") << QByteArray("S")
                                     << QByteArray(" key ") << QByteArray(" v ");
    QTest::newRow("further equals dropped")
        << QByteArray("[S]\nk=a=b=c\n") << QByteArray("S") << QByteArray("k") << QByteArray("abc");
    QTest::newRow("bytes before first section ignored")
        << QByteArray("k=1\r\n[S]\r\nk=2\r\n") << QByteArray("S") << QByteArray("k")
        << QByteArray("2");
    QTest::newRow("later key wins") << QByteArray("[S]\r\nk=1\r\nk=2\r\n") << QByteArray("S")
                                    << QByteArray("k") << QByteArray("2");
    QTest::newRow("bracket inside a value starts a section")
        << QByteArray("[S]\r\nk=a[T]b=1\r\n") << QByteArray("T") << QByteArray("b")
        << QByteArray("1");
    QTest::newRow("value cut by the bracket")
        << QByteArray("[S]\r\nk=a[T]b=1\r\n") << QByteArray("S") << QByteArray("k")
        << QByteArray("a");
    QTest::newRow("case-sensitive section") << QByteArray("[s]\r\nk=1\r\n") << QByteArray("S")
                                            << QByteArray("k") << QByteArray("<absent>");
    QTest::newRow("8-bit bytes kept")
        << QByteArray("[S]\r\nk=\xcf\xf3\xf2\xfc\r\n") << QByteArray("S") << QByteArray("k")
        << QByteArray("\xcf\xf3\xf2\xfc");
    QTest::newRow("unclosed name") << QByteArray("[S]\r\nk=1\r\n[oops") << QByteArray("S")
                                   << QByteArray("k") << QByteArray("1");
}

void TestSettingsFile::parsing() {
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, expected);
    SettingsFile settings;
    settings.parse(file);
    QCOMPARE(settings.getText(section, key, "<absent>"), expected);
}

void TestSettingsFile::setTextAppendsKeyThenSection() {
    SettingsFile settings;
    settings.parse("[Global Settings]\r\n\r\nLanguage=0\r\n\r\n\r\n[Campaign Editor]\r\n\r\n"
                   "Zoom=2\r\n\r\n");
    settings.setText("Campaign Editor", "Path", "/games/maps");
    settings.setText("Global Settings", "Language", "1");
    settings.setText("New Section", "Key", "Value");
    QCOMPARE(settings.serialize(), QByteArray("[Global Settings]\r\n\r\nLanguage=1\r\n\r\n\r\n"
                                              "[Campaign Editor]\r\n\r\nZoom=2\r\n"
                                              "Path=/games/maps\r\n\r\n\r\n"
                                              "[New Section]\r\n\r\nKey=Value\r\n\r\n"));
}

void TestSettingsFile::writeBackIsByteIdentical() {
    const QByteArray original = "[Global Settings]\r\n\r\nLanguage=0\r\nTarq.dat Text Encoding="
                                "\r\n\r\n\r\n[Campaign Editor]\r\n\r\nPath=C:/Games\r\n\r\n";
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Tarq_settings.ini"));
    writeWholeFile(path, original);
    SettingsFile settings(path);
    QVERIFY(settings.save());
    QCOMPARE(readWholeFile(path), original);
}

void TestSettingsFile::missingFileHasNoSections() {
    SettingsFile settings(QStringLiteral("/nonexistent/Tarq_settings.ini"));
    QVERIFY(settings.sections().isEmpty());
    QCOMPARE(settings.serialize(), QByteArray());
}

void TestSettingsFile::unwritableFileIsNotFatal() {
    SettingsFile settings(QStringLiteral("/nonexistent/folder/Tarq_settings.ini"));
    settings.setText("A", "b", "c");
    QVERIFY(!settings.save());
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "test_settingsfile.moc"
