#pragma once
// Pictures and probes for the two list screens' scroll tracks.
#include <QImage>

#include "GuiTestSupport.h"
#include "screens/u04_ListScreen.h"
#include "widgets/ImagePanel.h"

namespace guitest {

// A white track 423 high and a red ball 13 high: a travel of 410.
inline void WriteTrackPictures(const TProgramFolder& folder, int trackHeight = 423, int ballHeight = 13)
{
    WritePicture(folder.Pic() / "img" / "prgMain.gif", Filled(16, trackHeight, Qt::white), "BMP");
    WritePicture(folder.Pic() / "img" / "prgBall.gif", Filled(16, ballHeight, Qt::red), "BMP");
}

// The top of the ball drawn on the track, or -1 when no ball is drawn.
inline int BallTop(const TListScreen& screen)
{
    const QImage track = screen.ctlPrgBg->Picture();
    for (int y = 0; y < track.height(); ++y)
        if (track.pixelColor(0, y) == QColor(Qt::red))
            return y;
    return -1;
}

}  // namespace guitest
