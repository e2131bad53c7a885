// How a photo is made upright (module modGDI).
#include "core/imaging/orientation.h"

#include <algorithm>
#include <cstddef>

namespace tpr {

std::array<BlitPoint, 3> QuarterTurnPoints(bool left, int32_t width, int32_t height) {
    if (left) return {{{0, height}, {0, 0}, {width, height}}};
    return {{{width, 0}, {width, height}, {0, 0}}};
}

void OrientBand(Orientation orientation, const PixelBand& band, int32_t width, int32_t height,
                uint32_t* target) {
    // Pixel (x, y) is first mirrored to (u, v), then lands at (u, v), or at
    // (v, u) where the orientation transposes.
    using O = Orientation;
    const bool mirrorX = orientation == O::MirrorX || orientation == O::HalfTurn ||
                         orientation == O::Transverse || orientation == O::TurnLeft;
    const bool mirrorY = orientation == O::HalfTurn || orientation == O::MirrorY ||
                         orientation == O::TurnRight || orientation == O::Transverse;
    const bool transpose = SwapsSides(orientation);
    // Along a row the target index moves by `step` from where u is 0.
    const std::ptrdiff_t targetWidth = transpose ? height : width;
    const std::ptrdiff_t uStep = transpose ? targetWidth : 1, vStep = transpose ? 1 : targetWidth;
    const std::ptrdiff_t step = mirrorX ? -uStep : uStep;
    const std::ptrdiff_t rowStart = mirrorX ? (width - 1) * uStep : 0;
    // Square tiles keep both the rows read and the rows written in the
    // cache, which a large photo otherwise defeats on one side or the other
    // when it is transposed.
    constexpr int32_t kTile = 64;
    const int32_t bandEnd = band.top + band.rows;
    for (int32_t tileY = band.top; tileY < bandEnd; tileY += kTile) {
        const int32_t endY = std::min(bandEnd, tileY + kTile);
        for (int32_t tileX = 0; tileX < width; tileX += kTile) {
            const int32_t endX = std::min(width, tileX + kTile);
            for (int32_t y = tileY; y < endY; ++y) {
                const uint32_t* row = band.Row(y);
                uint32_t* const placed = target + rowStart + (mirrorY ? height - 1 - y : y) * vStep;
                for (int32_t x = tileX; x < endX; ++x) placed[x * step] = row[x];
            }
        }
    }
}

}  // namespace tpr
