// The arithmetic of a quarter turn (module modGDI): where the parallelogram
// blit sends the corners, and the same turn done on the pixels themselves.
#pragma once

#include <array>
#include <cstdint>

#include "core/imaging/pixel_band.h"

namespace tpr {

struct BlitPoint {
    int32_t x, y;
    bool operator==(const BlitPoint& other) const { return x == other.x && y == other.y; }
};

// Where a parallelogram blit sends the source's upper-left, upper-right and
// lower-left corners to turn it a quarter onto a width x height target:
// counter-clockwise when left, clockwise otherwise.
std::array<BlitPoint, 3> QuarterTurnPoints(bool left, int32_t width, int32_t height);

// Turns a band of rows of a width x height picture of 32-bit pixels a
// quarter into their places in the height x width target (rows from the
// top), exactly the transfer the blit with those points makes:
// counter-clockwise when left (the upper-left pixel ends lower-left),
// clockwise otherwise (it ends upper-right). Bands that cover the picture,
// in any order, turn all of it, so that a large picture can be read a strip
// at a time.
void QuarterTurnBand(bool left, const PixelBand& band, int32_t width, int32_t height, uint32_t* target);

// The whole picture, its rows from the top without padding, in one band.
inline void QuarterTurnPixels(bool left, const uint32_t* source, int32_t width, int32_t height,
                              uint32_t* target) {
    QuarterTurnBand(left, PixelBand{source, width, 0, height}, width, height, target);
}

}  // namespace tpr
