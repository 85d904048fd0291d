// Real playback of the demo game's MP3 files through SDL2_mixer. CTest runs it with
// SDL_AUDIODRIVER=dummy, which consumes the sound at its real pace without a sound card.
// Without an audio device the player tells the user once and goes on silently.
#include "demogamefixture.h"
#include "filebytes.h"
#include "gamedata/gamefolder.h"
#include "messagerecorder.h"
#include "sound/musicplayer.h"

#define SDL_MAIN_HANDLED
#include <SDL_mixer.h>

#include <QTemporaryDir>
#include <QtTest>

namespace {

// The first line, then the driver that failed, SDL's reason and the drivers to choose from.
const QString driverMessage =
    QStringLiteral("critical|Error|Failed to open the sound driver.\\nThe audio driver "
                   "\"no-such-audio-driver\" failed (");
const QString driverChoice =
    QStringLiteral("). Choose another one with the environment variable SDL_AUDIODRIVER: ");

bool musicPlaying() {
    return Mix_PlayingMusic() != 0 && Mix_PausedMusic() == 0;
}

// Seconds into the music SDL_mixer is playing; -1 when none.
double musicPosition() {
    return Mix_GetMusicPosition(nullptr);
}

} // namespace

class MusicPlaybackTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir game;
    MessageRecorder recorder;
    std::unique_ptr<MusicPlayer> player;

private slots:
    void initTestCase() {
        QString error;
        QVERIFY2(makeDemoGame(game.path(), {QStringLiteral("--with-music")}, &error),
                 qPrintable(error));
        setGameFolder(game.path());
        writeWholeFile(game.filePath(QStringLiteral("MP3/broken.mp3")), QByteArray(4096, 'x'));

        // A driver that does not exist: one message, then silence.
        qputenv("SDL_AUDIODRIVER", "no-such-audio-driver");
        {
            MusicPlayer deaf;
            deaf.initMusicPlayer();
            deaf.playMusic(QStringLiteral("cmp_sea.mp3"), 0);
            QVERIFY(!deaf.isStreamOpen());
        }
        QCOMPARE(recorder.lines().size(), 1);
        const QString message = recorder.lines().constFirst();
        QVERIFY2(message.startsWith(driverMessage) && message.contains(driverChoice) &&
                     message.contains(QLatin1String("dummy")),
                 qPrintable(message));
        recorder.clear();

        // A later player on a working driver opens its device.
        qputenv("SDL_AUDIODRIVER", "dummy");
        player = std::make_unique<MusicPlayer>();
        player->initMusicPlayer();
        QCOMPARE(recorder.lines(), QStringList());
    }

    void cleanup() {
        player->closeMusicStream();
        QCOMPARE(recorder.lines(), QStringList());
    }

    // Play after pause, and another start, begin again from the start of the file.
    void playPauseAndRestart() {
        player->playMusic(QStringLiteral("cmp_sea.mp3"), 0);
        QVERIFY(player->isStreamOpen() && musicPlaying());
        QTRY_VERIFY(musicPosition() > 0.5);
        player->pauseMusic();
        QVERIFY(player->isStreamOpen() && Mix_PausedMusic());
        const double pausedAt = musicPosition();
        player->playMusic(QStringLiteral("cmp_sea.mp3"), 0);
        QVERIFY(musicPlaying());
        QVERIFY2(musicPosition() < pausedAt, "play after pause starts from the beginning");
        QTRY_VERIFY(musicPosition() > 0.5);
        // A name with spaces and quotes reaches the library intact.
        player->playMusic(QStringLiteral("Tarq \"Night\" Watch.mp3"), 0);
        QVERIFY(player->isStreamOpen() && musicPlaying());
        QVERIFY(musicPosition() < 0.5);
    }

    void nothingPlaysSilently_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing") << "no such tune.mp3";
        QTest::newRow("not music") << "broken.mp3";
        QTest::newRow("closed") << "";
    }
    void nothingPlaysSilently() {
        QFETCH(QString, path);
        player->playMusic(QStringLiteral("cmp_march.mp3"), 0);
        QVERIFY(musicPlaying());
        if (path.isEmpty())
            player->closeMusicStream();
        else
            player->playMusic(path, 0);
        QVERIFY(!player->isStreamOpen());
        QVERIFY(!Mix_PlayingMusic());
    }

    // Loop count 0 plays the music again and again.
    void loopCountZeroRepeats() {
        player->playMusic(QStringLiteral("cmp_swamp.mp3"), 0);
        const double duration = Mix_MusicDuration(nullptr);
        QVERIFY(duration > 1.0);
        QTRY_VERIFY_WITH_TIMEOUT(musicPosition() > duration - 0.8, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(musicPosition() >= 0 && musicPosition() < 1.0, 20000);
        QVERIFY(musicPlaying());
    }

    void cleanupTestCase() { player.reset(); }
};

QTEST_GUILESS_MAIN(MusicPlaybackTest)
#include "test_musicplayback.moc"
