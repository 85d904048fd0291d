#include "sound/sdlmusicbackend.h"

// The editor has its own main(); SDL must not replace it.
#define SDL_MAIN_HANDLED
#include <SDL.h>
#include <SDL_mixer.h>

#include "gamedata/logging.h"

#include <QCoreApplication>
#include <QStringList>

namespace {
constexpr int SampleRate = 44100;
constexpr int Channels = 2;
constexpr int ChunkBytes = 2048;
} // namespace

SdlMusicBackend::~SdlMusicBackend() {
    closeStream();
    if (deviceOpen)
        Mix_CloseAudio();
    if (audioStarted) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

bool SdlMusicBackend::openDevice() {
    if (deviceOpen)
        return true;
    // The driver SDL was told to use; without SDL_AUDIODRIVER it tries them all.
    failedDriver = QString::fromLocal8Bit(qgetenv("SDL_AUDIODRIVER"));
    if (!audioStarted) {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            failureReason = QString::fromUtf8(SDL_GetError());
            qCDebug(logSound) << "Audio:" << failureReason;
            return false;
        }
        audioStarted = true;
        Mix_Init(MIX_INIT_MP3);
    }
    if (Mix_OpenAudio(SampleRate, AUDIO_S16SYS, Channels, ChunkBytes) != 0) {
        failureReason = QString::fromUtf8(SDL_GetError());
        if (const char *current = SDL_GetCurrentAudioDriver())
            failedDriver = QString::fromUtf8(current);
        qCDebug(logSound) << "Audio:" << failedDriver << failureReason;
        return false;
    }
    deviceOpen = true;
    return true;
}

QString SdlMusicBackend::deviceFailure() const {
    QStringList drivers;
    for (int i = 0; i < SDL_GetNumAudioDrivers(); ++i)
        drivers.append(QString::fromUtf8(SDL_GetAudioDriver(i)));
    const QString others = drivers.join(QLatin1String(", "));
    if (failedDriver.isEmpty())
        return QCoreApplication::translate("MusicPlayer",
                                           "No audio driver could be opened (%1). Choose one "
                                           "with the environment variable SDL_AUDIODRIVER: %2.")
            .arg(failureReason, others);
    return QCoreApplication::translate("MusicPlayer",
                                       "The audio driver \"%1\" failed (%2). Choose another one "
                                       "with the environment variable SDL_AUDIODRIVER: %3.")
        .arg(failedDriver, failureReason, others);
}

bool SdlMusicBackend::startStream(const QString &path, int loopCount) {
    closeStream();
    if (!deviceOpen)
        return false;
    music = Mix_LoadMUS(path.toUtf8().constData());
    if (!music) {
        qCDebug(logSound) << "Audio:" << SDL_GetError();
        return false;
    }
    // The game library counts plays with 0 for endless; SDL_mixer counts plays with -1 for
    // endless.
    const int plays = loopCount > 0 ? loopCount : -1;
    if (Mix_PlayMusic(music, plays) != 0) {
        qCDebug(logSound) << "Audio:" << SDL_GetError();
        closeStream();
        return false;
    }
    return true;
}

void SdlMusicBackend::pauseStream() {
    if (music)
        Mix_PauseMusic();
}

void SdlMusicBackend::closeStream() {
    if (!music)
        return;
    Mix_HaltMusic();
    Mix_FreeMusic(music);
    music = nullptr;
}
