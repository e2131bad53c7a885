// ReducedBitmap: the shrink GDI+ lacks where it does not prefilter.
#include "win/imaging/prefilter.h"

#include "core/imaging/fit.h"
#include "core/imaging/shrink.h"
#include "win/imaging/bitmap_rows.h"

namespace tpr::win {

ScaleSource ReducedBitmap(HBITMAP bitmap, int32_t width, int32_t height, bool keepAspect) {
    BITMAP info{};
    if (!::GetObjectW(bitmap, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0) return {};
    const int32_t sourceWidth = info.bmWidth, sourceHeight = info.bmHeight;
    const DrawRect drawn =
        keepAspect ? AspectDrawRect(sourceWidth, sourceHeight, width, height) : DrawRect{0, 0, width, height};
    if (ShrunkLength(sourceWidth, drawn.width) == sourceWidth &&
        ShrunkLength(sourceHeight, drawn.height) == sourceHeight) {
        return {};
    }
    BitmapRows rows(bitmap, sourceWidth, sourceHeight);
    if (!rows.Readable()) return {};
    PixelPicture shrunk = ShrinkForDrawing(
        sourceWidth, sourceHeight, [&](int32_t y) { return rows.Row(y); }, drawn.width, drawn.height);
    ScaleSource reduced = PixelImage(std::move(shrunk.pixels), shrunk.width, shrunk.height);
    reduced.width = sourceWidth;
    reduced.height = sourceHeight;
    return reduced;
}

}  // namespace tpr::win
