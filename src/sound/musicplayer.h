#pragma once

#include <QString>

#include <memory>

class MusicBackend;

// The editor's one music player, created at start-up and kept for the whole run. It holds at
// most one stream: every start closes the previous one, and a paused stream is never resumed,
// so playing again starts the music from its beginning.
class MusicPlayer {
public:
    // A player on the platform's audio back end. While it lives it is the editor's player
    // (musicPlayer()).
    MusicPlayer();
    // A player on the given back end; none plays nothing.
    explicit MusicPlayer(std::unique_ptr<MusicBackend> backend);
    ~MusicPlayer();
    MusicPlayer(const MusicPlayer &) = delete;
    MusicPlayer &operator=(const MusicPlayer &) = delete;

    // Starts the audio library and opens the output device, once. When no device can be
    // opened the user is told once and the player stays silent.
    void initMusicPlayer();
    // Plays the file at path (relative paths lie in the game's "MP3" folder) loopCount times,
    // 0 meaning without end. A missing file, or one that is not a regular file or cannot be
    // opened, silently plays nothing.
    void playMusic(const QString &path, int loopCount);
    // Pauses the open stream, if any; it stays open until closed or replaced.
    void pauseMusic();
    // Closes the open stream, if any, and forgets it.
    void closeMusicStream();

    // True while a stream is open (playing, paused or played to its end).
    bool isStreamOpen() const { return streamOpen; }

private:
    struct Unregistered {};
    MusicPlayer(Unregistered);
    friend MusicPlayer &musicPlayer();

    std::unique_ptr<MusicBackend> backend;
    bool registered = false;
    bool initAttempted = false;
    bool initialised = false;
    bool streamOpen = false;
};

// The editor's player; while start-up has created none (dialogs on their own in tests), a
// player without sound.
MusicPlayer &musicPlayer();

// Where playMusic looks for path: relative paths in the game's "MP3" folder, absolute ones
// unchanged.
QString resolveMusicPath(const QString &path);
