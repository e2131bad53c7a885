// Making a photo upright: where the corners of a quarter turn go, and where each orientation sends every pixel, strip by strip.
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

// Each orientation is the one affine map that puts the stored corners where
// EXIF says: every upright pixel is then found from the stored corner that
// becomes the upper-left one, stepping towards those that become the
// upper-right and the lower-left.
TEST(OrientPixels, SendsEachPixelWhereTheOrientationsCornersPutIt) {
    for (const auto& [w, h] : {std::pair{1, 1}, {3, 1}, {1, 3}, {3, 2}, {kWidth, kHeight}}) {
        const std::vector<uint32_t> source = Scrambled(w, h);
        for (int32_t o = 1; o <= 8; ++o) {
            SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h) + " orientation " + std::to_string(o));
            const auto corner = [&](test::Corner c) {
                return std::pair{c % 2 ? w - 1 : 0, c / 2 ? h - 1 : 0};
            };
            const auto [x0, y0] = corner(test::kUprightCorners[o][test::kUpperLeft]);
            const auto [x1, y1] = corner(test::kUprightCorners[o][test::kUpperRight]);
            const auto [x2, y2] = corner(test::kUprightCorners[o][test::kLowerLeft]);
            const int32_t uprightWidth = std::max(std::abs(x1 - x0), std::abs(y1 - y0)) + 1;
            const int32_t uprightHeight = static_cast<int32_t>(source.size()) / uprightWidth;
            const auto sign = [](int32_t d) { return (d > 0) - (d < 0); };
            const std::vector<uint32_t> upright = Oriented(static_cast<Orientation>(o), source, w, h);
            EXPECT_EQ(uprightWidth, SwapsSides(static_cast<Orientation>(o)) && w != h ? h : w);
            for (int32_t y = 0; y < uprightHeight; ++y) {
                for (int32_t x = 0; x < uprightWidth; ++x) {
                    const int32_t sx = x0 + x * sign(x1 - x0) + y * sign(x2 - x0);
                    const int32_t sy = y0 + x * sign(y1 - y0) + y * sign(y2 - y0);
                    ASSERT_EQ(upright[y * uprightWidth + x], source[sy * w + sx]) << x << "," << y;
                }
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
            EXPECT_EQ(target, Oriented(orientation, source, width, height)) << stripRows << " orientation " << o;
        }
    }
}

}  // namespace
}  // namespace tpr
