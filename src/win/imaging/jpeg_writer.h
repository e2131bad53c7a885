// JPEG files from the program's own encoder (stb_image_write), for where the
// platform's JPEG encoder ignores the quality (see JpegQualityHonoured).
#pragma once

#include <cstdint>
#include <string>

#include "win/runtime/unique_any.h"  // GDI+, after the headers it needs

namespace tpr::win {

// Writes width x height 32-bit pixels (0x00RRGGBB, rows from the top) to
// path as a baseline JPEG at the quality, 1 (smallest) to 100 (finest);
// values outside are taken as the nearest end. The result is a GDI+ status,
// as the platform's encoder would give it: Ok; Win32Error (7) when the file
// cannot be created or written, the status Windows' GDI+ documents for a
// failed file write; GenericError (1) when nothing could be encoded.
Gdiplus::Status WriteJpegWithQuality(const uint32_t* pixels, int32_t width, int32_t height, int32_t quality,
                                     const std::wstring& path);

// The same for a GDI+ bitmap, whose pixels are read through GDI+; a status
// of GDI+'s own when it cannot read them.
Gdiplus::Status WriteJpegWithQuality(Gdiplus::GpBitmap* bitmap, int32_t quality, const std::wstring& path);

}  // namespace tpr::win
