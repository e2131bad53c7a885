// The arithmetic of a quarter turn (module modGDI).
#include "core/imaging/quarter_turn.h"

#include <algorithm>
#include <cstddef>

namespace tpr {

std::array<BlitPoint, 3> QuarterTurnPoints(bool left, int32_t width, int32_t height) {
    if (left) return {{{0, height}, {0, 0}, {width, height}}};
    return {{{width, 0}, {width, height}, {0, 0}}};
}

void QuarterTurnBand(bool left, const PixelBand& band, int32_t width, int32_t height, uint32_t* target) {
    // Square tiles keep both the rows read and the rows written in the
    // cache, which a large photo otherwise defeats on one side or the other.
    constexpr int32_t kTile = 64;
    const auto at = [height](int32_t x, int32_t y) {
        return static_cast<size_t>(y) * static_cast<size_t>(height) + static_cast<size_t>(x);
    };
    const int32_t bandEnd = band.top + band.rows;
    for (int32_t tileY = band.top; tileY < bandEnd; tileY += kTile) {
        const int32_t endY = std::min(bandEnd, tileY + kTile);
        for (int32_t tileX = 0; tileX < width; tileX += kTile) {
            const int32_t endX = std::min(width, tileX + kTile);
            for (int32_t y = tileY; y < endY; ++y) {
                const uint32_t* row = band.Row(y);
                for (int32_t x = tileX; x < endX; ++x) {
                    // The target is height pixels wide: (x, y) goes to
                    // (y, width - 1 - x) turning left, to (height - 1 - y, x)
                    // turning right.
                    target[left ? at(y, width - 1 - x) : at(height - 1 - y, x)] = row[x];
                }
            }
        }
    }
}

}  // namespace tpr
