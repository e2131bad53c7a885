// The program's own JPEG decoding: libjpeg-turbo straight into a bitmap.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "win/runtime/unique_any.h"

namespace tpr::win {

// The photo as a 32-bit top-down DIB section (rows of 0xFFRRGGBB, no
// padding), decoded straight into it: grayscale, YCbCr, RGB, CMYK and YCCK,
// baseline or progressive. None when the decoder reports any error or any
// warning, so that the platform's loader has its say on the file. Error 7
// when the header claims more pixels than the process can hold, before
// anything that size is allocated.
UniqueHbitmap DecodeJpeg(const uint8_t* bytes, size_t size);

}  // namespace tpr::win
