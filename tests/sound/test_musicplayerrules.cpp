// The player's own rules, over a back end that records the calls it gets: where a path is
// looked for, which files are played, and that every start closes the stream before it.
#include "gamedata/gamefolder.h"
#include "messagerecorder.h"
#include "sound/musicbackend.h"
#include "sound/musicplayer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct BackendLog {
    QStringList calls;
    bool deviceOpens = true;
    bool streamsOpen = true;
};

class RecordingBackend : public MusicBackend {
public:
    explicit RecordingBackend(BackendLog &log) : log(log) {}
    bool openDevice() override {
        log.calls.append(QStringLiteral("open device"));
        return log.deviceOpens;
    }
    QString deviceFailure() const override { return QStringLiteral("Driver x failed."); }
    bool startStream(const QString &path, int loopCount) override {
        log.calls.append(QStringLiteral("start %1 %2").arg(path).arg(loopCount));
        return log.streamsOpen;
    }
    void pauseStream() override { log.calls.append(QStringLiteral("pause")); }
    void closeStream() override { log.calls.append(QStringLiteral("close")); }

private:
    BackendLog &log;
};

} // namespace

class MusicPlayerRulesTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir game;
    QString mp3Folder;

private slots:
    void initTestCase() {
        QVERIFY(game.isValid());
        setGameFolder(game.path());
        mp3Folder = game.path() + QStringLiteral("/MP3/");
        QVERIFY(QDir().mkpath(mp3Folder + QStringLiteral("extra")));
        QVERIFY(QDir().mkpath(mp3Folder + QStringLiteral("folder.mp3")));
        for (const QString &path : {mp3Folder + "theme.mp3", mp3Folder + "extra/inner.mp3",
                                    game.path() + "/elsewhere.mp3"}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("not really music");
        }
    }

    void pathsAndFiles_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("played"); // empty: nothing is started

        const QString root = game.path();
        QTest::newRow("name in MP3") << "theme.mp3" << mp3Folder + "theme.mp3";
        QTest::newRow("absolute path unchanged")
            << root + "/elsewhere.mp3" << root + "/elsewhere.mp3";
        QTest::newRow("relative to the game folder is not looked for")
            << "elsewhere.mp3" << QString();
        QTest::newRow("missing file") << "absent.mp3" << QString();
        QTest::newRow("folder with a music name") << "folder.mp3" << QString();
        QTest::newRow("device, not a regular file") << "/dev/null" << QString();
    }

    void pathsAndFiles() {
        QFETCH(QString, path);
        QFETCH(QString, played);
        BackendLog log;
        MessageRecorder recorder;
        MusicPlayer player(std::make_unique<RecordingBackend>(log));
        player.initMusicPlayer();
        player.playMusic(path, 0);
        QStringList expected{"open device"};
        if (!played.isEmpty())
            expected << "start " + played + " 0";
        QCOMPARE(log.calls, expected);
        QCOMPARE(player.isStreamOpen(), !played.isEmpty());
        QVERIFY(recorder.messages.isEmpty());
    }

    void oneStreamAtATime() {
        BackendLog log;
        MusicPlayer player(std::make_unique<RecordingBackend>(log));
        player.initMusicPlayer();
        const QString theme = "start " + mp3Folder + "theme.mp3";

        player.pauseMusic(); // nothing open: nothing to pause or close
        player.closeMusicStream();
        player.playMusic("theme.mp3", 0);
        player.pauseMusic();
        player.playMusic("theme.mp3", 0); // play after pause opens the file again
        player.playMusic("extra/inner.mp3", 3);
        player.playMusic("absent.mp3", 0); // closes what played, opens nothing
        QVERIFY(!player.isStreamOpen());
        player.pauseMusic();
        player.playMusic("theme.mp3", 0);
        player.closeMusicStream();
        player.closeMusicStream();
        QVERIFY(!player.isStreamOpen());

        const QString expected =
            "open device|%1 0|pause|close|%1 0|close|start %2 3|close|%1 0|close";
        QCOMPARE(log.calls, expected.arg(theme, mp3Folder + "extra/inner.mp3").split('|'));
    }

    // A stream that cannot open is neither paused nor closed; a device that cannot open is
    // tried and reported once, and nothing follows.
    void failures() {
        for (const bool deviceOpens : {true, false}) {
            BackendLog log;
            log.deviceOpens = deviceOpens;
            log.streamsOpen = false;
            MessageRecorder recorder;
            MusicPlayer player(std::make_unique<RecordingBackend>(log));
            player.initMusicPlayer();
            if (!deviceOpens)
                player.initMusicPlayer();
            player.playMusic("theme.mp3", 0);
            player.pauseMusic();
            player.closeMusicStream();
            QVERIFY(!player.isStreamOpen());
            QStringList calls{"open device"};
            if (deviceOpens)
                calls << "start " + mp3Folder + "theme.mp3 0";
            QCOMPARE(log.calls, calls);
            QCOMPARE(recorder.lines(), deviceOpens
                                           ? QStringList()
                                           : QStringList{"critical|Error|Failed to open the sound "
                                                         "driver.\\nDriver x failed."});
        }
    }

    void editorPlayer() {
        MusicPlayer &silent = musicPlayer();
        silent.initMusicPlayer();
        silent.playMusic("theme.mp3", 0); // no back end: plays nothing, says nothing
        QVERIFY(!silent.isStreamOpen());
        {
            BackendLog log;
            MusicPlayer player(std::make_unique<RecordingBackend>(log));
            QCOMPARE(&musicPlayer(), &player);
        }
        QCOMPARE(&musicPlayer(), &silent);
    }
};

QTEST_GUILESS_MAIN(MusicPlayerRulesTest)
#include "test_musicplayerrules.moc"
