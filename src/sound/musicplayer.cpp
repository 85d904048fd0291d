#include "sound/musicplayer.h"

#include "gamedata/gamefolder.h"
#include "gamedata/messages.h"
#include "sound/musicbackend.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
MusicPlayer *editorPlayer = nullptr;
}

MusicPlayer::MusicPlayer() : MusicPlayer(createMusicBackend()) {}

MusicPlayer::MusicPlayer(std::unique_ptr<MusicBackend> backend)
    : backend(std::move(backend)), registered(true) {
    editorPlayer = this;
}

MusicPlayer::MusicPlayer(Unregistered) {}

MusicPlayer::~MusicPlayer() {
    closeMusicStream();
    if (registered && editorPlayer == this)
        editorPlayer = nullptr;
}

void MusicPlayer::initMusicPlayer() {
    if (initAttempted)
        return;
    initAttempted = true;
    streamOpen = false;
    if (!backend)
        return;
    initialised = backend->openDevice();
    if (!initialised) {
        Messages::critical(
            QCoreApplication::translate("MusicPlayer", "Error"),
            QCoreApplication::translate("MusicPlayer", "Failed to open the sound driver.") +
                QLatin1Char('\n') + backend->deviceFailure());
    }
}

void MusicPlayer::playMusic(const QString &path, int loopCount) {
    closeMusicStream();
    if (!initialised)
        return;
    const QString file = resolveMusicPath(path);
    if (!QFileInfo(file).isFile())
        return;
    streamOpen = backend->startStream(file, loopCount);
}

void MusicPlayer::pauseMusic() {
    if (streamOpen)
        backend->pauseStream();
}

void MusicPlayer::closeMusicStream() {
    if (!streamOpen)
        return;
    backend->closeStream();
    streamOpen = false;
}

MusicPlayer &musicPlayer() {
    static MusicPlayer silent{MusicPlayer::Unregistered()};
    return editorPlayer ? *editorPlayer : silent;
}

QString resolveMusicPath(const QString &path) {
    return QDir(gamePath(QStringLiteral("MP3"))).filePath(path);
}
