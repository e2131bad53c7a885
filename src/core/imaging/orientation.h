// How a photo is made upright (module modGDI): the eight orientations a
// camera records, where the parallelogram blit sends the corners of a
// quarter turn, and the turns and mirrorings done on the pixels themselves.
#pragma once

#include <array>
#include <cstdint>

#include "core/imaging/pixel_band.h"

namespace tpr {

// How the stored pixels lie, by the EXIF orientation's numbers, each named
// for what makes the photo upright: mirroring left to right (X) or top to
// bottom (Y), a half turn, swapping rows for columns (transposing: the
// upper-left corner stays, the upper-right goes lower-left), a clockwise
// (right) or counter-clockwise (left) quarter turn, or both mirrorings and
// a transposition (transverse).
enum class Orientation : int32_t {
    Upright = 1,
    MirrorX = 2,
    HalfTurn = 3,
    MirrorY = 4,
    Transpose = 5,
    TurnRight = 6,
    Transverse = 7,
    TurnLeft = 8,
};

// The quarter turn counter-clockwise when left, clockwise otherwise.
inline Orientation QuarterTurn(bool left) { return left ? Orientation::TurnLeft : Orientation::TurnRight; }
// Whether the upright photo's width is the stored photo's height.
inline bool SwapsSides(Orientation orientation) { return orientation >= Orientation::Transpose; }

struct BlitPoint {
    int32_t x, y;
    bool operator==(const BlitPoint& other) const { return x == other.x && y == other.y; }
};

// Where a parallelogram blit sends the source's upper-left, upper-right and
// lower-left corners to turn it a quarter onto a width x height target:
// counter-clockwise when left, clockwise otherwise.
std::array<BlitPoint, 3> QuarterTurnPoints(bool left, int32_t width, int32_t height);

// Moves a band of rows of a width x height picture of 32-bit pixels into
// their places in the upright target (rows from the top, width x height or,
// where the orientation swaps the sides, height x width). The quarter turns
// are exactly the transfer the blit with QuarterTurnPoints makes. Bands that
// cover the picture, in any order, move all of it, so that a large picture
// can be read a strip at a time.
void OrientBand(Orientation orientation, const PixelBand& band, int32_t width, int32_t height,
                uint32_t* target);

// The whole picture, its rows from the top without padding, in one band.
inline void OrientPixels(Orientation orientation, const uint32_t* source, int32_t width, int32_t height,
                         uint32_t* target) {
    OrientBand(orientation, PixelBand{source, width, 0, height}, width, height, target);
}

}  // namespace tpr
