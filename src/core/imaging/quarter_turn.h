// The arithmetic of a quarter turn (module modGDI): where the parallelogram
// blit sends the corners, and the same turn done on the pixels themselves.
#pragma once

#include <array>
#include <cstdint>

namespace tpr {

struct BlitPoint {
    int32_t x, y;
    bool operator==(const BlitPoint& other) const { return x == other.x && y == other.y; }
};

// Where a parallelogram blit sends the source's upper-left, upper-right and
// lower-left corners to turn it a quarter onto a width x height target:
// counter-clockwise when left, clockwise otherwise.
std::array<BlitPoint, 3> QuarterTurnPoints(bool left, int32_t width, int32_t height);

// Turns width x height 32-bit pixels (rows from the top) a quarter into
// height x width pixels at target, exactly the transfer the blit with those
// points makes: counter-clockwise when left (the upper-left pixel ends
// lower-left), clockwise otherwise (it ends upper-right).
void QuarterTurnPixels(bool left, const uint32_t* source, int32_t width, int32_t height, uint32_t* target);

}  // namespace tpr
