#include "sound/musicbackend.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include "sound/milesmusicbackend.h"
#else
#include "sound/sdlmusicbackend.h"
#endif

std::unique_ptr<MusicBackend> createMusicBackend() {
#ifdef Q_OS_WIN
    return std::make_unique<MilesMusicBackend>();
#else
    return std::make_unique<SdlMusicBackend>();
#endif
}
