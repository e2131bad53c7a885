// Photos with a transparent colour (GIFs) as the view shows them: on its
// background. The resampling and the save read a picture's bitmap alone,
// without its mask, and would show the transparent pixels in whatever colour
// the loader left there (black, on some systems).
#pragma once

#include <windows.h>

#include "win/runtime/picture.h"

namespace tpr::win {

// A picture with a transparent colour drawn onto the background colour, as
// a new opaque bitmap picture of the same pixel size; any other picture as
// it is. Error 7 when the system cannot make the bitmap.
Picture OpaqueOn(Picture picture, COLORREF background);

}  // namespace tpr::win
