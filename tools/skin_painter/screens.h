#pragma once
// The 800 x 600 backgrounds of the full-window screens.
#include "picture_folder.h"

namespace skin::screens {

void paintBackgrounds(PictureFolder& pics);

}  // namespace skin::screens
