#include "sound/sdlmusicbackend.h"

// The editor has its own main(); SDL must not replace it.
#define SDL_MAIN_HANDLED
#include <SDL.h>
#include <SDL_mixer.h>

#include <QDebug>

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
    if (!audioStarted) {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            qDebug() << "Audio:" << SDL_GetError();
            return false;
        }
        audioStarted = true;
        Mix_Init(MIX_INIT_MP3);
    }
    if (Mix_OpenAudio(SampleRate, AUDIO_S16SYS, Channels, ChunkBytes) != 0) {
        qDebug() << "Audio:" << SDL_GetError();
        return false;
    }
    deviceOpen = true;
    return true;
}

bool SdlMusicBackend::startStream(const QString &path, int loopCount) {
    closeStream();
    if (!deviceOpen)
        return false;
    music = Mix_LoadMUS(path.toUtf8().constData());
    if (!music) {
        qDebug() << "Audio:" << SDL_GetError();
        return false;
    }
    // The game library counts plays with 0 for endless; SDL_mixer counts plays with -1 for
    // endless.
    const int plays = loopCount > 0 ? loopCount : -1;
    if (Mix_PlayMusic(music, plays) != 0) {
        qDebug() << "Audio:" << SDL_GetError();
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
