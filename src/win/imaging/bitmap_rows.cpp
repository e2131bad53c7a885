// BitmapRows: a bitmap's pixels read a strip of rows at a time.
#include "win/imaging/bitmap_rows.h"

#include <algorithm>

#include "win/runtime/unique_any.h"

namespace tpr::win {

PixelBand BitmapRows::Band(int32_t y) {
    if (y < stripTop_ || y >= stripTop_ + stripRows_) Fetch(y);
    // A strip is stored bottom-up, as GetDIBits numbers its lines.
    const int32_t line = stripTop_ + stripRows_ - 1 - y;
    return {&strip_[static_cast<size_t>(line) * static_cast<size_t>(width_)],
            -static_cast<std::ptrdiff_t>(width_), y, stripTop_ + stripRows_ - y};
}

bool BitmapRows::Fetch(int32_t top) {
    const int32_t rows = std::max<int32_t>(1, std::min<int32_t>(height_ - top, (1 << 20) / width_));
    strip_.resize(static_cast<size_t>(rows) * static_cast<size_t>(width_));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = height_;  // bottom-up: a strip's lines are counted from the bottom
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

}  // namespace tpr::win
