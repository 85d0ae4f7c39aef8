#include "widgets/TrackBar.h"

#include <algorithm>

TTrackBar::TTrackBar(QObject* parent) : QObject(parent) {}

void TTrackBar::SetMin(int min)
{
    FMin = min;
    FMax = std::max(FMax, FMin);
    ClampPosition();
}

void TTrackBar::SetMax(int max)
{
    FMax = std::max(max, FMin);
    ClampPosition();
}

void TTrackBar::SetPosition(int position)
{
    const int clamped = std::clamp(position, FMin, FMax);
    if (clamped == FPosition)
        return;
    FPosition = clamped;
    emit Change();
}

void TTrackBar::ClampPosition()
{
    SetPosition(FPosition);
}
