// Making a photo upright: where the corners of a quarter turn go, where each orientation sends every pixel,
// strip by strip.
#include "core/imaging/orientation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "exif_photo.h"

namespace tpr {
namespace {

TEST(QuarterTurnPoints, CornersOfTheTurnedRectangle) {
    using Points = std::array<BlitPoint, 3>;
    // Upper-left, upper-right and lower-left corners of the source go to:
    EXPECT_EQ(QuarterTurnPoints(true, 300, 400), (Points{{{0, 400}, {0, 0}, {300, 400}}}));
    EXPECT_EQ(QuarterTurnPoints(false, 300, 400), (Points{{{300, 0}, {300, 400}, {0, 0}}}));
    EXPECT_EQ(QuarterTurnPoints(true, 1, 1), (Points{{{0, 1}, {0, 0}, {1, 1}}}));
}

std::vector<uint32_t> Oriented(Orientation orientation, const std::vector<uint32_t>& source, int32_t width,
                               int32_t height) {
    std::vector<uint32_t> target(source.size(), 0xDEADBEEF);
    OrientPixels(orientation, source.data(), width, height, target.data());
    return target;
}

// Distinct pixels; 150 x 67 is larger than the cache tiles, neither side a multiple of them.
constexpr int32_t kWidth = 150, kHeight = 67;
std::vector<uint32_t> Scrambled(int32_t width = kWidth, int32_t height = kHeight) {
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint32_t>(i * 2654435761u);
    return pixels;
}

// Each orientation is the affine map that puts the stored corners where EXIF says: every upright pixel lies
// as far from the upper-left one as its stored pixel from the corner that becomes it, in those directions.
TEST(OrientPixels, SendsEachPixelWhereTheOrientationsCornersPutIt) {
    const auto sign = [](int32_t d) { return (d > 0) - (d < 0); };
    for (const auto& [w, h] : {std::pair{1, 1}, {3, 1}, {1, 3}, {3, 2}, {kWidth, kHeight}}) {
        const std::vector<uint32_t> source = Scrambled(w, h);
        for (int32_t o = 1; o <= 8; ++o) {
            int32_t x[3], y[3];  // the stored corners that become the upper-left, upper-right and lower-left
            for (int i = 0; i < 3; ++i) {
                const int corner = test::kUprightCorners[o][i] - '0';
                x[i] = corner % 2 ? w - 1 : 0, y[i] = corner / 2 ? h - 1 : 0;
            }
            const int32_t uprightWidth = SwapsSides(static_cast<Orientation>(o)) ? h : w;
            const std::vector<uint32_t> upright = Oriented(static_cast<Orientation>(o), source, w, h);
            for (int32_t i = 0; i < static_cast<int32_t>(upright.size()); ++i) {
                const int32_t u = i % uprightWidth, v = i / uprightWidth;
                const int32_t sx = x[0] + u * sign(x[1] - x[0]) + v * sign(x[2] - x[0]);
                const int32_t sy = y[0] + u * sign(y[1] - y[0]) + v * sign(y[2] - y[0]);
                ASSERT_EQ(upright[i], source[sy * w + sx])
                    << w << "x" << h << " orientation " << o << " at " << i;
            }
        }
    }
}

TEST(OrientBand, StripsStoredBottomUpMoveAsTheWholePicture) {
    const int32_t width = kWidth, height = kHeight;
    const std::vector<uint32_t> source = Scrambled();
    // Strips of 1 row, of fewer rows than a tile and of more, the last one
    // short, each copied upside down as GetDIBits hands strips out.
    for (const int32_t stripRows : {1, 10, 67, 100}) {
        for (int32_t o = 1; o <= 8; ++o) {
            const auto orientation = static_cast<Orientation>(o);
            std::vector<uint32_t> target(source.size(), 0xDEADBEEF);
            for (int32_t top = 0; top < height; top += stripRows) {
                const int32_t rows = std::min(stripRows, height - top);
                std::vector<uint32_t> strip;
                for (int32_t y = top + rows - 1; y >= top; --y) {
                    strip.insert(strip.end(), source.begin() + y * width, source.begin() + (y + 1) * width);
                }
                const PixelBand band{strip.data() + static_cast<size_t>(rows - 1) * width, -width, top, rows};
                OrientBand(orientation, band, width, height, target.data());
            }
            EXPECT_EQ(target, Oriented(orientation, source, width, height))
                << stripRows << " orientation " << o;
        }
    }
}

}  // namespace
}  // namespace tpr
