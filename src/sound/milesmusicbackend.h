#pragma once

#include <QtGlobal>

#ifdef Q_OS_WIN

#include "sound/musicbackend.h"

#include <QByteArray>

// Music through the game's own audio library, "Tarq_Data\mss32.dll", bound at run time. The
// library is never shut down or unloaded: the process ends with it loaded.
class MilesMusicBackend : public MusicBackend {
public:
    static constexpr int EntryPointCount = 34;
    static constexpr int SampleHandleCount = 14;

    MilesMusicBackend() = default;
    MilesMusicBackend(const MilesMusicBackend &) = delete;
    MilesMusicBackend &operator=(const MilesMusicBackend &) = delete;

    // Loads the library (a missing library ends the program with exit code 0, without a
    // message), binds its entry points, starts it and opens its digital driver.
    bool openDevice() override;
    QString deviceFailure() const override;
    bool startStream(const QString &path, int loopCount) override;
    void pauseStream() override;
    void closeStream() override;

private:
    using Handle = void *;
    using EntryPoint = void (*)();

    template <typename Function> Function entryPoint(int index) const {
        return reinterpret_cast<Function>(entryPoints[index]);
    }

    void *library = nullptr;
    Handle sampleHandles[SampleHandleCount] = {}; // allocated at start, not used afterwards
    EntryPoint entryPoints[EntryPointCount] = {};
    Handle stream = nullptr;
    Handle driver = nullptr;
    QByteArray redistDirectory; // kept alive: the library may hold on to the pointer
};

#endif
