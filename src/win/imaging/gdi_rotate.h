// Quarter turns of the photo (module modGDI): a parallelogram blit from one
// off-screen work surface onto another, or, where the platform's PlgBlt
// cannot turn (PlgBltTurns), the same transfer made on the pixels.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "imaging/memory_bitmap.h"
#include "runtime/picture.h"

namespace tpr::win {

// A hidden picture box of the rotation, realised as an off-screen 32-bit
// surface whose scale is pixels. It lives for one turn.
class WorkSurface {
public:
    // Picture, then Width and Height in twips: a white surface of that size
    // with the picture drawn at its natural size at the upper-left corner.
    void SetPicture(const Picture& picture, double width, double height);
    // A new, cleared surface of width x height pixels.
    void SetSize(int32_t width, int32_t height);

    int32_t ScaleWidth() const { return surface_ ? surface_->width() : 0; }
    int32_t ScaleHeight() const { return surface_ ? surface_->height() : 0; }
    HDC hDC() const { return surface_ ? surface_->dc() : nullptr; }
    uint32_t* Pixels() const { return surface_ ? surface_->Pixels() : nullptr; }

    // What was drawn on the surface, as a picture that owns it; the surface
    // is gone afterwards. Error 7 when no picture can be made.
    Picture TakeImage();

private:
    std::optional<DibSurface> surface_;
};

inline std::wstring ErrTypeName(const WorkSurface&) { return L"PictureBox"; }

// Draws picSrc turned a quarter onto picDest, which takes picSrc's size
// swapped: counter-clockwise when Left, clockwise otherwise. A blit that
// fails raises error 5 rather than leave a blank image to become the photo.
void RotatePictureBox(bool Left, WorkSurface& picSrc, WorkSurface& picDest);

// PlgBlt of the whole sourceWidth x sourceHeight source onto the target of
// targetWidth x targetHeight pixels, turned a quarter; PlgBlt's result.
bool BlitQuarterTurn(bool left, HDC target, int32_t targetWidth, int32_t targetHeight, HDC source,
                     int32_t sourceWidth, int32_t sourceHeight);

// Test seam: while one lives, the rotation calls `blit` where it calls PlgBlt.
using ParallelogramBlit = BOOL(WINAPI*)(HDC, const POINT*, HDC, int, int, int, int, HBITMAP, int, int);

class ReplacedPlgBlt {
public:
    explicit ReplacedPlgBlt(ParallelogramBlit blit);
    ~ReplacedPlgBlt();
    ReplacedPlgBlt(const ReplacedPlgBlt&) = delete;
    ReplacedPlgBlt& operator=(const ReplacedPlgBlt&) = delete;

private:
    ParallelogramBlit previous_;
};

}  // namespace tpr::win
