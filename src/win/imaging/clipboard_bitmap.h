// Pictures as the clipboard carries bitmaps: packed device-independent
// bitmaps, made from the photo on show and read from other programs.
#pragma once

#include <cstddef>
#include <cstdint>

#include "win/runtime/picture.h"
#include "win/runtime/unique_any.h"

namespace tpr::win {

// The picture's bitmap as a packed 24-bit bitmap in a movable global block,
// its pixels exactly the bitmap's; error 7 when there is no memory for it.
UniqueHglobal PackedDibOf(const Picture& picture);

// A packed bitmap of another program as an opaque bitmap picture of its
// full size: a 32-bit bitmap's fourth byte is its alpha only where
// AlphaCounts says so, and then the pixels are blended onto white. No
// picture when the bytes are no bitmap that can be read whole.
Picture PictureFromPackedDib(const uint8_t* bytes, size_t size, bool withAlphaForm);

}  // namespace tpr::win
