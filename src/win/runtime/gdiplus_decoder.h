// PNG and TIFF photos decoded by GDI+, the platform's decoder for them.
#pragma once

#include <windows.h>

#include "win/runtime/unique_any.h"

namespace tpr::win {

// The picture in the file held in `memory` as a 32-bit top-down DIB section:
// the first page of a TIFF, turned upright by its orientation tag, and
// transparent pixels laid on white. None when GDI+ cannot read it; error 7
// when it claims more pixels than the process can hold.
UniqueHbitmap DecodeWithGdiplus(HGLOBAL memory);

}  // namespace tpr::win
