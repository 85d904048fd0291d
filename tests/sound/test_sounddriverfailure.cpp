// Without an audio device the editor tells the user once and goes on without sound.
#include "demogamefixture.h"
#include "gamedata/gamefolder.h"
#include "messagerecorder.h"
#include "sound/musicplayer.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString DriverMessage = QStringLiteral("critical|Error|Failed to open the sound driver.");
const QByteArray MissingDriver = "no-such-audio-driver";
} // namespace

class SoundDriverFailureTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir game;

private slots:
    void initTestCase() {
        QVERIFY(game.isValid());
        QString error;
        QVERIFY2(makeDemoGame(game.path(), {}, &error), qPrintable(error));
        setGameFolder(game.path());
    }

    void playerWithoutDevice() {
        const bool driverWasSet = qEnvironmentVariableIsSet("SDL_AUDIODRIVER");
        const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
        MessageRecorder recorder;
        qputenv("SDL_AUDIODRIVER", MissingDriver);
        {
            MusicPlayer player;
            player.initMusicPlayer();
            player.initMusicPlayer();
            player.playMusic(game.filePath(QStringLiteral("tarq.dat")), 0);
            QVERIFY(!player.isStreamOpen());
            player.pauseMusic();
            player.closeMusicStream();
        }
        QCOMPARE(recorder.lines(), QStringList{DriverMessage});

        // A later player on a working driver opens its device.
        qputenv("SDL_AUDIODRIVER", "dummy");
        recorder.clear();
        {
            MusicPlayer player;
            player.initMusicPlayer();
        }
        QCOMPARE(recorder.lines(), QStringList());
        if (driverWasSet)
            qputenv("SDL_AUDIODRIVER", driver);
        else
            qunsetenv("SDL_AUDIODRIVER");
    }

    void editorStartsWithoutSound_data() {
        QTest::addColumn<QByteArray>("driver");
        QTest::addColumn<int>("driverMessages");
        QTest::newRow("no device") << MissingDriver << 1;
        QTest::newRow("dummy device") << QByteArray("dummy") << 0;
    }

    void editorStartsWithoutSound() {
        QFETCH(QByteArray, driver);
        QFETCH(int, driverMessages);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TARQ_EDITOR_MESSAGES"), QStringLiteral("stderr"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("SDL_AUDIODRIVER"), QString::fromLatin1(driver));
        QProcess editor;
        editor.setProcessEnvironment(environment);
        editor.start(QStringLiteral(TARQ_EDITOR_EXE), {QStringLiteral("--game"), game.path()});
        QVERIFY(editor.waitForStarted());
        // Still running well after start-up: the editor went on into its event loop.
        QVERIFY(!editor.waitForFinished(2500));
        editor.terminate();
        QVERIFY(editor.waitForFinished(10000));
        QCOMPARE(editor.exitStatus(), QProcess::NormalExit);
        QCOMPARE(editor.exitCode(), 0);
        const QStringList lines =
            QString::fromUtf8(editor.readAllStandardError()).split(QLatin1Char('\n'));
        QCOMPARE(lines.count(DriverMessage), driverMessages);
    }
};

QTEST_GUILESS_MAIN(SoundDriverFailureTest)
#include "test_sounddriverfailure.moc"
