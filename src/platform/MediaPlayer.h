#pragma once
// The sound player of the test windows: set a file, open it, play it without waiting,
// stop, close. Each test window owns one.
#include <functional>
#include <memory>
#include <string>

class IMediaPlayer {
public:
    virtual ~IMediaPlayer() = default;
    virtual void SetFileName(const std::string& fileName) = 0;
    virtual std::string FileName() const = 0;
    // False when the file cannot be opened (missing or unreadable); nothing plays then.
    virtual bool Open() = 0;
    // Starts playing the opened file and returns at once.
    virtual void Play() = 0;
    virtual void Stop() = 0;
    virtual void Close() = 0;
};

using TMediaPlayerFactory = std::function<std::unique_ptr<IMediaPlayer>()>;

// Tests install a factory of fakes; an empty factory restores the real player.
void SetMediaPlayerFactory(TMediaPlayerFactory factory);
// The installed factory's player, else the sound module's from the program folder.
std::unique_ptr<IMediaPlayer> CreateMediaPlayer();

inline constexpr const char* cSoundModuleName = "libvellora_sound.so";
// The player of the sound module file; when the module is missing or cannot be loaded, a
// player that opens no file, so that the tests run without sound.
std::unique_ptr<IMediaPlayer> CreateModulePlayer(const std::string& moduleFile);
