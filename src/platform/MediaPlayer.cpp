#include "platform/MediaPlayer.h"

#include <QLibrary>
#include <QString>

#include "app/u09_BasePase.h"

namespace {

TMediaPlayerFactory& InstalledFactory()
{
    static TMediaPlayerFactory factory;
    return factory;
}

class TSoundlessPlayer final : public IMediaPlayer
{
public:
    void SetFileName(const std::string& fileName) override { FFileName = fileName; }
    std::string FileName() const override { return FFileName; }
    bool Open() override { return false; }
    void Play() override {}
    void Stop() override {}
    void Close() override {}

private:
    std::string FFileName;
};

using TNewMediaPlayer = IMediaPlayer* (*)();

}

void SetMediaPlayerFactory(TMediaPlayerFactory factory)
{
    InstalledFactory() = std::move(factory);
}

std::unique_ptr<IMediaPlayer> CreateMediaPlayer()
{
    if (InstalledFactory())
        return InstalledFactory()();
    return CreateModulePlayer(gAppPath + cSoundModuleName);
}

std::unique_ptr<IMediaPlayer> CreateModulePlayer(const std::string& moduleFile)
{
    // The module stays loaded once loaded: its players may live until the program ends.
    QLibrary module(QString::fromStdString(moduleFile));
    const auto newPlayer = reinterpret_cast<TNewMediaPlayer>(module.resolve("VelloraNewMediaPlayer"));
    if (!newPlayer)
        return std::make_unique<TSoundlessPlayer>();
    return std::unique_ptr<IMediaPlayer>(newPlayer());
}
