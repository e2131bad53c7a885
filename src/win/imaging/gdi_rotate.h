// Quarter turns of the photo (module modGDI): a parallelogram blit from one
// off-screen work surface onto another, or, where the platform's PlgBlt
// cannot turn (PlgBltTurns), the same transfer made on the pixels; and by
// the same means a photo that a camera stored turned or mirrored laid upright.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "core/imaging/orientation.h"
#include "win/imaging/memory_bitmap.h"
#include "win/runtime/picture.h"

namespace tpr::win {

// A hidden picture box of the rotation, realised off screen with its scale
// in pixels; it lives for one turn. The turn's source shows a picture; its
// target is a 32-bit surface that the turn draws on.
class WorkSurface {
public:
    // Picture, then Width and Height in twips: the surface shows the picture
    // at its natural size at the upper-left corner, on white. An opaque bitmap
    // of exactly that size is shown as it is, without a copy: a large photo is
    // then held once, not twice, and the picture must outlive the surface.
    void SetPicture(const Picture& picture, double width, double height);
    // A new, cleared surface of width x height pixels to draw on.
    void SetSize(int32_t width, int32_t height);

    int32_t ScaleWidth() const { return width_; }
    int32_t ScaleHeight() const { return height_; }
    // The bitmap shown since SetPicture, selected into no device context.
    HBITMAP Image() const { return shown_; }
    // The surface drawn on since SetSize.
    HDC hDC() const { return surface_ ? surface_->dc() : nullptr; }
    uint32_t* Pixels() const { return surface_ ? surface_->Pixels() : nullptr; }

    // What was drawn on the surface, as a picture that owns it; the surface
    // is gone afterwards. Error 7 when no picture can be made.
    Picture TakeImage();

private:
    std::optional<DibSurface> surface_;
    UniqueHbitmap drawnPicture_;  // the picture drawn on white, where it is not shown as it is
    HBITMAP shown_ = nullptr;
    int32_t width_ = 0, height_ = 0;
};

inline std::wstring ErrTypeName(const WorkSurface&) { return L"PictureBox"; }

// Draws the image picSrc shows turned a quarter onto picDest, which takes
// picSrc's size swapped: counter-clockwise when Left, clockwise otherwise.
// Only the two pictures are held whole: the pixel turn reads the source a
// strip at a time. A blit that fails, or a source that cannot be read,
// raises error 5 rather than leave a blank image to become the photo.
void RotatePictureBox(bool Left, WorkSurface& picSrc, WorkSurface& picDest);

// The picture laid upright from `orientation` onto a new bitmap picture (the
// picture itself when it is upright already). The picture given is released
// as soon as the upright one is drawn: a large photo is held twice at most.
// Error 7 when the upright picture cannot be made.
Picture UprightPicture(Picture picture, Orientation orientation);

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
