#pragma once
// The media player on Qt Multimedia.
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

    QMediaPlayer* Player() const { return FPlayer; }

private:
    std::string FFileName;
    QMediaPlayer* FPlayer;
    QAudioOutput* FOutput;
    bool FOpened = false;
};
