#include "platform/QtMediaPlayer.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QUrl>

extern "C" Q_DECL_EXPORT IMediaPlayer* VelloraNewMediaPlayer()
{
    return new TQtMediaPlayer;
}

TQtMediaPlayer::TQtMediaPlayer() = default;

TQtMediaPlayer::~TQtMediaPlayer()
{
    if (FPlayer)
        FPlayer->stop();
}

QMediaPlayer* TQtMediaPlayer::Player()
{
    if (!FPlayer) {
        FPlayer = new QMediaPlayer(this);
        FOutput = new QAudioOutput(this);
        FPlayer->setAudioOutput(FOutput);
    }
    return FPlayer;
}

void TQtMediaPlayer::SetFileName(const std::string& fileName)
{
    FFileName = fileName;
}

bool TQtMediaPlayer::Open()
{
    Player()->stop();
    const QFileInfo file(QString::fromStdString(FFileName));
    FOpened = file.isFile() && file.isReadable();
    FPlayer->setSource(FOpened ? QUrl::fromLocalFile(file.absoluteFilePath()) : QUrl());
    return FOpened;
}

void TQtMediaPlayer::Play()
{
    if (!FOpened)
        return;
    FPlayer->play();
}

void TQtMediaPlayer::Stop()
{
    if (FPlayer)
        FPlayer->stop();
}

void TQtMediaPlayer::Close()
{
    FOpened = false;
    if (!FPlayer)
        return;
    FPlayer->stop();
    FPlayer->setSource(QUrl());
}
