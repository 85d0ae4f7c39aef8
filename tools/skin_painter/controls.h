#pragma once
// Every picture besides the backgrounds: buttons in their states, title and illustration
// pictures, list boxes, scroll tracks, the popup and the composer's PNG sources.
#include "picture_folder.h"

namespace skin::controls {

void paintFrameButtons(PictureFolder& pics);
void paintMainWindow(PictureFolder& pics);
void paintTestCentre(PictureFolder& pics);
void paintTestWindows(PictureFolder& pics);
void paintResultWindows(PictureFolder& pics);
void paintListScreens(PictureFolder& pics);
void paintPopups(PictureFolder& pics);

}  // namespace skin::controls
