#pragma once

#include "sound/musicbackend.h"

struct _Mix_Music;

// Music through SDL2_mixer: opening the audio device takes the place of opening the game
// library's digital driver, a Mix_Music the place of its stream. SDL_AUDIODRIVER chooses the
// device ("dummy" plays without a sound card, for headless runs).
class SdlMusicBackend : public MusicBackend {
public:
    SdlMusicBackend() = default;
    ~SdlMusicBackend() override;
    SdlMusicBackend(const SdlMusicBackend &) = delete;
    SdlMusicBackend &operator=(const SdlMusicBackend &) = delete;

    bool openDevice() override;
    QString deviceFailure() const override;
    bool startStream(const QString &path, int loopCount) override;
    void pauseStream() override;
    void closeStream() override;

private:
    bool audioStarted = false;
    bool deviceOpen = false;
    // What the last failed openDevice tried, and SDL's reason.
    QString failedDriver;
    QString failureReason;
    _Mix_Music *music = nullptr;
};
