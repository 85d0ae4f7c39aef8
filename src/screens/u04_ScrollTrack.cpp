#include "screens/u04_ScrollTrack.h"

#include <QPainter>
#include <algorithm>
#include <cstdint>

int TrackTravel(int trackHeight, int ballHeight)
{
    return std::max(0, trackHeight - ballHeight);
}

QImage ComposeTrack(const QImage& trackBase, const QImage& ball, int y, bool withBall)
{
    if (trackBase.isNull())
        return {};
    QImage track(trackBase.size(), QImage::Format_RGB32);
    track.fill(Qt::white);
    QPainter painter(&track);
    painter.drawImage(0, 0, trackBase);
    if (withBall)
        painter.drawImage(0, y, ball);
    return track;
}

int PositionFromBall(int y, int maximum, int travel)
{
    // Missing or equal-height pictures leave no travel to divide by.
    if (travel <= 0)
        return 0;
    return static_cast<int>(static_cast<std::int64_t>(y) * maximum / travel);
}

int BallFromPositionY(int position, int maximum, int travel)
{
    if (maximum == 0)
        return 0;
    return static_cast<int>(static_cast<double>(travel) * position / maximum);
}
