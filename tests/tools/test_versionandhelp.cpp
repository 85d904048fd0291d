// --version and --help of both programs: answered without a game folder and without a screen, so
// that the manual pages can be made from them at build time.

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestVersionAndHelp : public QObject {
    Q_OBJECT

private slots:
    void answeredWithoutGameOrScreen_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QByteArray>("expected");
        const QString editor = QStringLiteral(TARQ_EDITOR_EXE);
        const QString tool = QStringLiteral(TARQ_CAMPAIGN_TOOL_EXE);
        QTest::newRow("editor --version")
            << editor << "--version" << QByteArray("tarq-campaign-editor " TARQ_VERSION "\n");
        QTest::newRow("tool --version")
            << tool << "--version" << QByteArray("tarq-campaign " TARQ_VERSION "\n");
        QTest::newRow("editor --help") << editor << "--help" << QByteArray("--game <DIR>");
        QTest::newRow("tool --help") << tool << "--help" << QByteArray("import-texts");
    }

    void answeredWithoutGameOrScreen() {
        QFETCH(QString, program);
        QFETCH(QString, argument);
        QFETCH(QByteArray, expected);
        QTemporaryDir empty;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "TARQ_GAME_DIR"})
            environment.remove(QLatin1String(name));
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(empty.path());
        process.start(program, {argument});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        const QByteArray output = process.readAllStandardOutput();
        if (argument == QLatin1String("--help"))
            QVERIFY2(output.contains(expected), output.constData());
        else
            QCOMPARE(output, expected);
    }
};

QTEST_GUILESS_MAIN(TestVersionAndHelp)
#include "test_versionandhelp.moc"
