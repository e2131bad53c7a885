// The shrink that GDI+ lacks where interpolation mode 7 does not prefilter
// (see ShrinkPrefilters): a bitmap reduced by area averaging before GDI+
// resamples it.
#pragma once

#include <windows.h>

#include <cstdint>

#include "imaging/gdiplus_resize.h"

namespace tpr::win {

// The bitmap reduced by area averaging to at most twice the size at which it
// is drawn on a width x height canvas (centred with its proportions when
// keepAspect), for GDI+ to draw in its place. No image when there is nothing
// to reduce (it is drawn at half its size or more) or the bitmap cannot be
// read. The bitmap's pixels are read once, a strip of rows at a time, and
// never copied whole.
ScaleSource ReducedBitmap(HBITMAP bitmap, int32_t width, int32_t height, bool keepAspect);

}  // namespace tpr::win
