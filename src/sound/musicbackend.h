#pragma once

#include <QString>

#include <memory>

// What the music player needs from an audio library: an output device, and one stream at a time
// that plays a file by itself once started. The player keeps the rules (which file, when to
// close); a back end only drives its library.
class MusicBackend {
public:
    virtual ~MusicBackend() = default;

    // Binds and starts the library and opens the output device at 44100 Hz, 16 bit, stereo.
    // Returns false when no device can be opened; the editor then runs without sound.
    virtual bool openDevice() = 0;
    // After openDevice failed: a line for the user that names the driver that failed and says
    // how to choose another one.
    virtual QString deviceFailure() const = 0;
    // Opens a stream on the file at path, sets its loop count (0 repeats without end, n plays
    // the file n times) and starts it. Returns false when no stream could be opened.
    virtual bool startStream(const QString &path, int loopCount) = 0;
    // Pauses the open stream; it is never resumed, only closed.
    virtual void pauseStream() = 0;
    // Stops and releases the open stream.
    virtual void closeStream() = 0;
};

// The back end of this platform: the game's own library on Windows, SDL2_mixer elsewhere.
std::unique_ptr<MusicBackend> createMusicBackend();
