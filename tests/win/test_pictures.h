// Pictures and pixel readers for the tests: bitmaps drawn in code, so every
// expected pixel is known.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "win/runtime/picture.h"
#include "win/runtime/unique_any.h"

namespace tpr::test {

// A 32-bit top-down bitmap filled by fill(x, y) -> COLORREF.
template <class Fill>
win::UniqueHbitmap MakeBitmap(int width, int height, Fill fill) {
    BITMAPINFO info{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32}};
    void* bits = nullptr;
    win::UniqueHbitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    auto* pixels = static_cast<uint32_t*>(bits);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF c = fill(x, y);  // 0x00BBGGRR into 0x00RRGGBB
            pixels[y * width + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
        }
    }
    return bitmap;
}

inline win::Picture SolidPicture(int width, int height, COLORREF colour) {
    return win::PictureFromBitmap(MakeBitmap(width, height, [colour](int, int) { return colour; }));
}

// The pixels of a bitmap, row by row from the top, as COLORREF values.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> values;
    COLORREF at(int x, int y) const { return values[static_cast<size_t>(y) * width + x]; }
};

Pixels ReadPixels(HBITMAP bitmap);
Pixels ReadPixels(const win::Picture& picture);

// Colours that differ by at most tolerance in every channel.
bool Near(COLORREF a, COLORREF b, int tolerance = 8);

}  // namespace tpr::test
