// Resampling of a picture of any kind into a new bitmap picture of a given
// pixel size, drawn by GDI+ in high-quality bicubic mode (module modGDIPlusResize).
#pragma once

#include <windows.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "win/imaging/memory_bitmap.h"
#include "win/runtime/picture.h"
#include "win/runtime/unique_any.h"

namespace tpr::win {

// A GDI+ session for the length of one resize or one save.
ULONG_PTR StartGdiPlus();
void StopGdiPlus(ULONG_PTR token);

class GdiPlusSession {
public:
    GdiPlusSession() : token_(StartGdiPlus()) {}
    GdiPlusSession(const GdiPlusSession&) = delete;
    GdiPlusSession& operator=(const GdiPlusSession&) = delete;
    ~GdiPlusSession() { End(); }
    void End() {
        if (token_) StopGdiPlus(std::exchange(token_, 0));
    }

private:
    ULONG_PTR token_;
};

// A new bitmap picture of width x height pixels on the background colour with
// the source drawn on it (centred with its proportions when keepAspect), or no
// picture when GDI+ cannot read the source or the kind is none. The source
// stays owned by the caller. Needs a running GDI+ session. Where GDI+ does not
// prefilter when it shrinks (ShrinkPrefilters), a bitmap drawn smaller than
// its size is first reduced to the drawn size by the program's own filter,
// and GDI+ draws the reduced copy into the same rectangle.
Picture ResizePicture(OLE_HANDLE handle, PictureKind kind, int32_t width, int32_t height, COLORREF background,
                      bool keepAspect);

// A bitmap in the screen's format filled with one colour, selected into its
// own device context until Release hands the bitmap out.
class Canvas {
public:
    Canvas(COLORREF background, int32_t width, int32_t height);
    HDC dc() const { return memory_.dc(); }
    UniqueHbitmap Release() { return memory_.Release(); }

private:
    MemoryBitmap memory_;
};

// An image for GDI+ to draw and the size of the picture it stands for. The
// drawing's rectangle is worked out from that size, so that a copy reduced
// beforehand lands exactly where the picture itself would.
struct ScaleSource {
    std::vector<uint32_t> pixels;  // what an image made from pixels reads: it outlives the image
    UniqueGdipImage image;
    int32_t width = 0, height = 0;
};

// 32-bit pixels (0x00RRGGBB, rows from the top) as an image of their own size.
ScaleSource PixelImage(std::vector<uint32_t> pixels, int32_t width, int32_t height);

// Draws the whole image into the canvas, stretched, or centred with the
// proportions of the picture it stands for, in interpolation mode 7.
void DrawScaledImage(const ScaleSource& source, HDC dc, int32_t width, int32_t height, bool keepAspect);

}  // namespace tpr::win
