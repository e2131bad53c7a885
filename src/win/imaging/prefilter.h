// The shrink that GDI+ lacks where interpolation mode 7 does not prefilter
// (see ShrinkPrefilters): a bitmap reduced by the program's own filter before
// GDI+ draws it.
#pragma once

#include <windows.h>

#include <cstdint>

#include "win/imaging/gdiplus_resize.h"

namespace tpr::win {

// The bitmap reduced (ShrinkForDrawing: box means, then a widened bicubic)
// to the size at which it is drawn on a width x height canvas,
// centred with its proportions when keepAspect, for GDI+ to draw in its place
// pixel for pixel. No image when there is nothing to reduce (it is drawn at
// its size or larger) or the bitmap cannot be read. The bitmap's pixels are read once, a strip of rows at a time, and
// never copied whole.
ScaleSource ReducedBitmap(HBITMAP bitmap, int32_t width, int32_t height, bool keepAspect);

}  // namespace tpr::win
