#include "app/languagechoice.h"
#include "demogamefixture.h"
#include "filebytes.h"

#include <QTemporaryDir>
#include <QtTest>

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void languageChoice_data();
    void languageChoice();
    void refusals_data();
    void refusals();
    void settingsWrittenBackAtExit();
    void gameFolderFromEnvironment();

private:
    QTemporaryDir demo;
    QString game;
};

void TestStartup::initTestCase() {
    game = demo.filePath(QStringLiteral("game"));
    QString error;
    QVERIFY2(makeDemoGame(game, {}, &error), qPrintable(error));
}

void TestStartup::languageChoice_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QByteArray>("encoding");
    QTest::addColumn<QStringList>("translations");
    QTest::addColumn<QByteArray>("codec");
    const QStringList english{QStringLiteral("cmp_en.qm")};
    const QStringList russian{QStringLiteral("cmp_ru.qm"), QStringLiteral("qtbase_ru.qm")};
    QTest::newRow("absent: English text, Cyrillic codec")
        << -1 << QByteArray("Windows-1250") << english << QByteArray("Windows-1251");
    QTest::newRow("English") << 0 << QByteArray("KOI8-R") << english << QByteArray("Windows-1252");
    QTest::newRow("Russian") << 1 << QByteArray() << russian << QByteArray("Windows-1251");
    QTest::newRow("other language, named codec")
        << 2 << QByteArray("Windows-1250") << english << QByteArray("Windows-1250");
    QTest::newRow("other language, default codec")
        << 2 << QByteArray() << english << QByteArray("Windows-1252");
    QTest::newRow("unknown language")
        << 7 << QByteArray("ISO-8859-2") << QStringList() << QByteArray("ISO-8859-2");
}

void TestStartup::languageChoice() {
    QFETCH(int, language);
    QFETCH(QByteArray, encoding);
    QFETCH(QStringList, translations);
    QFETCH(QByteArray, codec);
    QCOMPARE(translationFiles(language), translations);
    QCOMPARE(gameTextCodecName(language, encoding), codec);
}

void TestStartup::refusals_data() {
    QTest::addColumn<QString>("removeFile");
    QTest::addColumn<QByteArray>("settings"); // replaces Tarq_settings.ini when not empty
    QTest::addColumn<QString>("message");

    QTest::newRow("no settings file")
        << QStringLiteral("Tarq_settings.ini") << QByteArray()
        << QStringLiteral("critical|Error|Veldmark Campaign Editor cannot be launched because "
                          "Tarq_settings.ini was not found. \\nTarq_settings.ini must be in "
                          "Veldmark root folder.");
    QTest::newRow("no data file")
        << QStringLiteral("tarq.dat") << QByteArray()
        << QStringLiteral("critical|Error|Campaign Editor cannot be launched because Tarq.dat "
                          "was not found. \\nTarq.dat must be in Veldmark root folder.");
    QTest::newRow("unknown codec")
        << QString()
        << QByteArray("[Global Settings]\r\nLanguage=3\r\n"
                      "Tarq.dat Text Encoding=No-Such-Codec\r\n")
        << QStringLiteral("critical|Error|Error in Tarq_Settings.ini: field \"Tarq.dat Text "
                          "Encoding\" is invalid.");
}

void TestStartup::refusals() {
    QFETCH(QString, removeFile);
    QFETCH(QByteArray, settings);
    QFETCH(QString, message);
    QTemporaryDir folder;
    const QString copy = folder.filePath(QStringLiteral("game"));
    QVERIFY(makeDemoGame(copy));
    if (!removeFile.isEmpty())
        QVERIFY(QFile::remove(copy + QLatin1Char('/') + removeFile));
    if (!settings.isEmpty())
        writeWholeFile(copy + QStringLiteral("/Tarq_settings.ini"), settings);

    const ProcessResult result = runEditor({QStringLiteral("--game"), copy}, QString(), 20000);
    QVERIFY(!result.crashed);
    QCOMPARE(result.exitCode, 1);
    const QStringList lines = QString::fromUtf8(result.standardError).split(QLatin1Char('\n'));
    const QStringList messages = lines.filter(QRegularExpression(QStringLiteral("^[a-z]+\\|")));
    QCOMPARE(messages, QStringList{message});
}

void TestStartup::settingsWrittenBackAtExit() {
    const QString path = game + QStringLiteral("/Tarq_settings.ini");
    // Bare line feeds, a repeated section and a key without its blank lines: the editor writes
    // the file back in its own form, keeping every section and key.
    writeWholeFile(path, "[Global Settings]\nLanguage=0\nExtra=keep me\n[Map Editor]\nPath=x\n"
                         "[Global Settings]\nLanguage=0\nExtra=kept\n");
    const ProcessResult result = runEditor({QStringLiteral("--game"), game}, QString(), 1500);
    QVERIFY(!result.crashed);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(readWholeFile(path), QByteArray("[Global Settings]\r\n\r\nLanguage=0\r\nExtra=kept\r\n"
                                             "\r\n\r\n[Map Editor]\r\n\r\nPath=x\r\n\r\n"));
}

void TestStartup::gameFolderFromEnvironment() {
    QTemporaryDir folder;
    const QString copy = folder.filePath(QStringLiteral("game"));
    QVERIFY(makeDemoGame(copy));
    QFile::remove(copy + QStringLiteral("/tarq.dat"));
    qputenv("TARQ_GAME_DIR", copy.toLocal8Bit());
    // runEditor() clears TARQ_GAME_DIR for its child; start the editor directly instead.
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TARQ_EDITOR_MESSAGES"), QStringLiteral("stderr"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TARQ_EDITOR_EXE), QStringList());
    QVERIFY(process.waitForFinished(20000));
    qunsetenv("TARQ_GAME_DIR");
    QCOMPARE(process.exitCode(), 1);
    QVERIFY(process.readAllStandardError().contains("Tarq.dat was not found"));
}

QTEST_GUILESS_MAIN(TestStartup)
#include "test_startup.moc"
