// Rows of a picture of 32-bit pixels held in memory, whichever way they are
// stored.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tpr {

// Rows top to top + rows - 1 of a picture: row top at `first`, and each row
// below it `stride` pixels further on (negative where the rows are stored
// from the bottom up).
struct PixelBand {
    const uint32_t* first = nullptr;
    std::ptrdiff_t stride = 0;
    int32_t top = 0, rows = 0;

    const uint32_t* Row(int32_t y) const { return first + static_cast<std::ptrdiff_t>(y - top) * stride; }
};

}  // namespace tpr
