// Quarter turns of a picture, and a turned or mirrored photo laid upright (module modGDI).
#include "win/imaging/gdi_rotate.h"

#include <algorithm>
#include <utility>

#include "core/errors/trap.h"
#include "core/runtime/runtime_error.h"
#include "win/imaging/bitmap_rows.h"
#include "win/imaging/platform_capabilities.h"
#include "win/runtime/screen.h"

namespace tpr::win {
namespace {

ParallelogramBlit& Blit() {
    static ParallelogramBlit blit = &::PlgBlt;
    return blit;
}

// The width x height bitmap laid upright on the pixels themselves onto
// target, reading the bitmap a strip at a time.
void OrientBitmapPixels(Orientation orientation, HBITMAP bitmap, int32_t width, int32_t height,
                        uint32_t* target) {
    BitmapRows rows(bitmap, width, height);
    if (!rows.Readable()) Raise(kErrInvalidCall);
    for (int32_t y = 0; y < height;) {
        const PixelBand band = rows.Band(y);
        OrientBand(orientation, band, width, height, target);
        y += band.rows;
    }
}

// Draws the image picSrc shows laid upright from `orientation` onto picDest,
// which takes its size, its sides swapped where the orientation swaps them.
// Only quarter turns are left to PlgBlt, the turns the platform probe
// checks; the others are always made on the pixels.
void DrawOriented(Orientation orientation, WorkSurface& picSrc, WorkSurface& picDest) {
    const int32_t width = picSrc.ScaleWidth(), height = picSrc.ScaleHeight();
    const bool swaps = SwapsSides(orientation);
    picDest.SetSize(swaps ? height : width, swaps ? width : height);
    const bool left = orientation == Orientation::TurnLeft;
    if ((left || orientation == Orientation::TurnRight) && PlgBltTurns()) {
        const UniqueHdc source(::CreateCompatibleDC(nullptr));
        if (!source) Raise(kErrOutOfMemory);
        const SelectGuard select(source.get(), picSrc.Image());
        if (!BlitQuarterTurn(left, picDest.hDC(), height, width, source.get(), width, height)) {
            Raise(kErrInvalidCall);
        }
    } else {
        OrientBitmapPixels(orientation, picSrc.Image(), width, height, picDest.Pixels());
    }
}

// A bitmap the surface can show as it is: one with no transparent parts
// (which would show the white beneath), of the surface's size.
bool ShownAsItIs(const Picture& picture, int32_t width, int32_t height) {
    if (picture.Kind() != PictureKind::Bitmap) return false;
    DWORD attributes = 0;
    picture.get()->get_Attributes(&attributes);
    const SIZE size = picture.PixelSize();
    return !(attributes & PICTURE_TRANSPARENT) && size.cx == width && size.cy == height;
}

}  // namespace

void WorkSurface::SetPicture(const Picture& picture, double width, double height) {
    surface_.reset();
    drawnPicture_.reset();
    width_ = PixelsX(width);
    height_ = PixelsY(height);
    if (ShownAsItIs(picture, width_, height_)) {
        shown_ = reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(picture.Handle()));
        return;
    }
    DibSurface drawn(width_, height_);
    std::fill_n(drawn.Pixels(), static_cast<size_t>(width_) * static_cast<size_t>(height_), 0xFFFFFF);
    picture.RenderInto(drawn.dc(), picture.PixelSize());
    drawnPicture_ = drawn.Release();
    shown_ = drawnPicture_.get();
}

void WorkSurface::SetSize(int32_t width, int32_t height) {
    surface_.reset();  // the old surface goes before the new one is made
    surface_.emplace(width, height);
    width_ = width;
    height_ = height;
}

Picture WorkSurface::TakeImage() {
    Picture image = surface_ ? PictureFromBitmap(surface_->Release()) : Picture();
    surface_.reset();
    if (!image) Raise(kErrOutOfMemory);
    return image;
}

bool BlitQuarterTurn(bool left, HDC target, int32_t targetWidth, int32_t targetHeight, HDC source,
                     int32_t sourceWidth, int32_t sourceHeight) {
    const auto corners = QuarterTurnPoints(left, targetWidth, targetHeight);
    POINT points[3];
    for (size_t i = 0; i < corners.size(); ++i) points[i] = {corners[i].x, corners[i].y};
    return Blit()(target, points, source, 0, 0, sourceWidth, sourceHeight, nullptr, 0, 0) != FALSE;
}

void RotatePictureBox(bool Left, WorkSurface& picSrc, WorkSurface& picDest) {
    err::LeafTrap(
        L"modGDI.RotatePictureBox(Left,picSrc,picDest)",
        [&] { DrawOriented(QuarterTurn(Left), picSrc, picDest); }, Left, picSrc, picDest);
}

Picture UprightPicture(Picture picture, Orientation orientation) {
    if (orientation == Orientation::Upright) return picture;
    return err::LeafTrap(
        L"modGDI.UprightPicture(picture,orientation)",
        [&] {
            WorkSurface upright;
            {
                WorkSurface stored;
                const SIZE size = picture.PixelSize();
                stored.SetPicture(picture, size.cx * TwipsPerPixelX(), size.cy * TwipsPerPixelY());
                DrawOriented(orientation, stored, upright);
            }
            // The photo as stored goes now, not when the caller's statement
            // ends, where the shown photo would still be held beside both.
            picture = Picture();
            return upright.TakeImage();
        },
        picture, static_cast<int32_t>(orientation));
}

ReplacedPlgBlt::ReplacedPlgBlt(ParallelogramBlit blit) : previous_(std::exchange(Blit(), blit)) {}
ReplacedPlgBlt::~ReplacedPlgBlt() { Blit() = previous_; }

}  // namespace tpr::win
