#include "imaging/gdi_rotate.h"

#include <algorithm>
#include <utility>

#include "errors/runtime_error.h"
#include "errors/trap.h"
#include "imaging/platform_capabilities.h"
#include "imaging/quarter_turn.h"
#include "runtime/screen.h"

namespace tpr::win {
namespace {

ParallelogramBlit& Blit() {
    static ParallelogramBlit blit = &::PlgBlt;
    return blit;
}

}  // namespace

void WorkSurface::SetPicture(const Picture& picture, double width, double height) {
    SetSize(PixelsX(width), PixelsY(height));
    std::fill_n(Pixels(), static_cast<size_t>(ScaleWidth()) * static_cast<size_t>(ScaleHeight()), 0xFFFFFF);
    picture.RenderInto(hDC(), picture.PixelSize());
}

void WorkSurface::SetSize(int32_t width, int32_t height) {
    surface_.reset();  // the old surface goes before the new one is made
    surface_.emplace(width, height);
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
        [&] {
            picDest.SetSize(picSrc.ScaleHeight(), picSrc.ScaleWidth());  // outer sizes swapped
            if (PlgBltTurns()) {
                if (!BlitQuarterTurn(Left, picDest.hDC(), picDest.ScaleWidth(), picDest.ScaleHeight(),
                                     picSrc.hDC(), picSrc.ScaleWidth(), picSrc.ScaleHeight())) {
                    Raise(kErrInvalidCall);
                }
            } else {
                QuarterTurnPixels(Left, picSrc.Pixels(), picSrc.ScaleWidth(), picSrc.ScaleHeight(),
                                  picDest.Pixels());
            }
        },
        Left, picSrc, picDest);
}

ReplacedPlgBlt::ReplacedPlgBlt(ParallelogramBlit blit) : previous_(std::exchange(Blit(), blit)) {}
ReplacedPlgBlt::~ReplacedPlgBlt() { Blit() = previous_; }

}  // namespace tpr::win
