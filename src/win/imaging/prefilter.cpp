#include "imaging/prefilter.h"

#include <algorithm>
#include <vector>

#include "imaging/area_average.h"
#include "imaging/fit.h"

namespace tpr::win {
namespace {

// A bitmap's rows, from the top, as 32-bit pixels, converted by GetDIBits
// a strip at a time, whatever the bitmap's own format.
class BitmapRows {
public:
    BitmapRows(HBITMAP bitmap, int32_t width, int32_t height) : bitmap_(bitmap), width_(width), height_(height) {}

    // False when GetDIBits cannot read the bitmap; reads the first strip.
    bool Readable() { return Fetch(0); }

    const uint32_t* Row(int32_t y) {
        if (y < stripTop_ || y >= stripTop_ + stripRows_) Fetch(y);
        // A strip is stored bottom-up, as GetDIBits numbers its lines.
        const int32_t line = stripTop_ + stripRows_ - 1 - y;
        return &strip_[static_cast<size_t>(line) * static_cast<size_t>(width_)];
    }

private:
    // Reads the strip of rows from `top` down.
    bool Fetch(int32_t top) {
        // About 4 MB at a time: few calls, and the photo is never held twice.
        const int32_t rows = std::max<int32_t>(1, std::min<int32_t>(height_ - top, (1 << 20) / width_));
        strip_.resize(static_cast<size_t>(rows) * static_cast<size_t>(width_));
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width_;
        info.bmiHeader.biHeight = height_;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        const UniqueScreenDc screen(::GetDC(nullptr));
        const int copied = ::GetDIBits(screen.get(), bitmap_, static_cast<UINT>(height_ - top - rows),
                                       static_cast<UINT>(rows), strip_.data(), &info, DIB_RGB_COLORS);
        stripTop_ = top;
        stripRows_ = rows;
        return copied == rows;
    }

    HBITMAP bitmap_;
    int32_t width_, height_;
    std::vector<uint32_t> strip_;
    int32_t stripTop_ = 0, stripRows_ = 0;
};

}  // namespace

ScaleSource ReducedBitmap(HBITMAP bitmap, int32_t width, int32_t height, bool keepAspect) {
    BITMAP info{};
    if (!::GetObjectW(bitmap, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0) return {};
    const int32_t sourceWidth = info.bmWidth, sourceHeight = info.bmHeight;
    const DrawRect drawn =
        keepAspect ? AspectDrawRect(sourceWidth, sourceHeight, width, height) : DrawRect{0, 0, width, height};
    const int32_t reducedWidth = PrefilterLength(sourceWidth, drawn.width);
    const int32_t reducedHeight = PrefilterLength(sourceHeight, drawn.height);
    if (reducedWidth == sourceWidth && reducedHeight == sourceHeight) return {};

    BitmapRows rows(bitmap, sourceWidth, sourceHeight);
    if (!rows.Readable()) return {};
    ScaleSource reduced = PixelImage(
        AreaAverage(
            sourceWidth, sourceHeight, [&](int32_t y) { return rows.Row(y); }, reducedWidth, reducedHeight),
        reducedWidth, reducedHeight);
    reduced.width = sourceWidth;
    reduced.height = sourceHeight;
    return reduced;
}

}  // namespace tpr::win
