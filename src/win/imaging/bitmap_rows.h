// A bitmap's pixels read a strip of rows at a time, whatever its own format.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "core/imaging/pixel_band.h"

namespace tpr::win {

// The rows of a width x height bitmap, from the top, as 32-bit pixels
// (0x00RRGGBB), converted by GetDIBits about 4 MB at a time, so that a large
// photo is never held twice. The bitmap must not be selected into a device
// context while it is read.
class BitmapRows {
public:
    BitmapRows(HBITMAP bitmap, int32_t width, int32_t height) : bitmap_(bitmap), width_(width), height_(height) {}

    // Reads the first strip; false when GetDIBits cannot read the bitmap.
    bool Readable() { return Fetch(0); }

    // Row y, readable until a row outside the strip it belongs to is asked for.
    const uint32_t* Row(int32_t y) { return Band(y).Row(y); }
    // The rows from y to the end of the strip that holds it, on the same terms.
    PixelBand Band(int32_t y);

private:
    bool Fetch(int32_t top);

    HBITMAP bitmap_;
    int32_t width_, height_;
    std::vector<uint32_t> strip_;
    int32_t stripTop_ = 0, stripRows_ = 0;
};

}  // namespace tpr::win
