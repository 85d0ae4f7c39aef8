#pragma once
// The skin's colour constants as the windows' colour type.
#include <QColor>

#include "app/u09_Declare.h"

inline QColor ToQColor(const TRgbColor& color)
{
    return QColor(color.Red, color.Green, color.Blue);
}
