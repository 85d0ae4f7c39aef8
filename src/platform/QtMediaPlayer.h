#pragma once
// The media player on Qt Multimedia. It is built into the sound module, which the program
// loads with its first test window: Qt Multimedia and the sound system behind it take longer
// to load than the rest of the program's start.
#include <QMediaPlayer>
#include <QObject>

#include "platform/MediaPlayer.h"

class QAudioOutput;

class TQtMediaPlayer : public QObject, public IMediaPlayer
{
    Q_OBJECT
public:
    TQtMediaPlayer();
    ~TQtMediaPlayer() override;

    void SetFileName(const std::string& fileName) override;
    std::string FileName() const override { return FFileName; }
    bool Open() override;
    void Play() override;
    void Stop() override;
    void Close() override;

    // Made at the first use: making one starts the whole sound system, which costs a
    // noticeable part of the program's start, and most windows never play a sound.
    QMediaPlayer* Player();

private:
    std::string FFileName;
    QMediaPlayer* FPlayer = nullptr;
    QAudioOutput* FOutput = nullptr;
    bool FOpened = false;
};
