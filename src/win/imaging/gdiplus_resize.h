// Resampling of a picture of any kind into a new bitmap picture of a given
// pixel size, drawn by GDI+ in high-quality bicubic mode (module modGDIPlusResize).
#pragma once

#include <windows.h>

#include <cstdint>
#include <utility>

#include "imaging/memory_bitmap.h"
#include "runtime/picture.h"
#include "runtime/unique_any.h"

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
// stays owned by the caller. Needs a running GDI+ session.
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

// Draws the whole image into the canvas, stretched or centred with its
// proportions, in interpolation mode 7.
void DrawScaledImage(Gdiplus::GpImage* image, HDC dc, int32_t width, int32_t height, bool keepAspect);

}  // namespace tpr::win
