#include "core/imaging/shrink.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "row_source.h"

namespace tpr {
namespace {

PixelPicture Shrunk(const RowSource& source, int32_t drawnWidth, int32_t drawnHeight) {
    return source.ReadBy([&](int32_t width, int32_t height, const SourceRowReader& rows) {
        return ShrinkForDrawing(width, height, rows, drawnWidth, drawnHeight);
    });
}

// The largest distance of a colour channel from a level, away from the
// picture's edges (where a pattern cut off by the edge is no false pattern).
int LargestDeviation(const std::vector<uint32_t>& pixels, int32_t width, double level) {
    const auto height = static_cast<int32_t>(pixels.size()) / width;
    const int32_t marginX = width > 4 ? 2 : 0, marginY = height > 4 ? 2 : 0;
    double largest = 0;
    for (int32_t y = marginY; y < height - marginY; ++y) {
        for (int32_t x = marginX; x < width - marginX; ++x) {
            const uint32_t pixel = pixels[static_cast<size_t>(y) * width + x];
            for (int k = 0; k < 3; ++k) {
                largest = std::max(largest, std::abs(((pixel >> (8 * k)) & 0xFF) - level));
            }
        }
    }
    return static_cast<int>(std::lround(largest));
}

TEST(ShrunkLength, TheDrawnLengthWhereTheSourceIsLonger) {
    struct Case {
        int32_t source, drawn, expected;
    };
    const Case cases[] = {
        {4000, 800, 800},
        {801, 800, 800},
        {800, 800, 800},
        {300, 800, 300},  // never enlarged
        {100, 0, 100},    // drawn at no length: left to the drawing
        {kLongestSide + 1, 800, kLongestSide + 1},
        {kLongestSide, 800, 800},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ShrunkLength(c.source, c.drawn), c.expected) << c.source << " drawn at " << c.drawn;
    }
}

TEST(ShrinkForDrawing, EachSideTakesItsShrunkLength) {
    struct Case {
        int32_t width, height, drawnWidth, drawnHeight, expectedWidth, expectedHeight;
    };
    const Case cases[] = {
        {400, 300, 80, 60, 80, 60},  // averaged to 160 x 120, then halved
        {120, 70, 80, 60, 80, 60},   // averaged straight to the drawing
        {400, 30, 80, 60, 80, 30},   // across only
        {30, 400, 60, 80, 30, 80},   // down only
        {50, 40, 80, 60, 50, 40},    // nothing to shrink
        {161, 121, 80, 60, 80, 60},  // just over twice
        {7, 5, 3, 2, 3, 2},
    };
    for (const Case& c : cases) {
        const RowSource source(c.width, c.height, [](int32_t x, int32_t y) {
            return Grey(static_cast<uint32_t>((x * 7 + y * 13) % 256));
        });
        const PixelPicture shrunk = Shrunk(source, c.drawnWidth, c.drawnHeight);
        EXPECT_EQ(shrunk.width, c.expectedWidth) << c.width << "x" << c.height;
        EXPECT_EQ(shrunk.height, c.expectedHeight) << c.width << "x" << c.height;
        EXPECT_EQ(shrunk.pixels.size(), static_cast<size_t>(shrunk.width) * shrunk.height);
    }
}

TEST(ShrinkForDrawing, HalvesWithWeightsOneThreeThreeOne) {
    // Averaged to 0 0 255 255, then (0 + 0 + 0 + 255) / 8 and
    // (0 + 765 + 765 + 255) / 8, the edge pixel standing in beyond the picture.
    const std::vector<uint32_t> levels{0, 0, 0, 0, 255, 255, 255, 255};
    const std::vector<uint32_t> expected{Grey(32), Grey(223)};
    const RowSource row(8, 1, [&](int32_t x, int32_t) { return Grey(levels[static_cast<size_t>(x)]); });
    EXPECT_EQ(Shrunk(row, 2, 1).pixels, expected);
    const RowSource column(1, 8, [&](int32_t, int32_t y) { return Grey(levels[static_cast<size_t>(y)]); });
    EXPECT_EQ(Shrunk(column, 1, 2).pixels, expected);
    // Channels apart: one bright channel in each pixel.
    const RowSource channels(4, 1, [](int32_t x, int32_t) { return x < 2 ? 0xFF000000u : 0x000000FFu; });
    EXPECT_EQ(Shrunk(channels, 1, 1).pixels, std::vector<uint32_t>{0x80000080u});
}

TEST(ShrinkForDrawing, OnePixelCheckerboardBecomesFlatGrey) {
    const RowSource checkerboard(400, 300, [](int32_t x, int32_t y) { return (x + y) % 2 ? Grey(255) : 0; });
    const PixelPicture shrunk = Shrunk(checkerboard, 80, 60);
    EXPECT_LE(LargestDeviation(shrunk.pixels, shrunk.width, 127.5), 2);
}

TEST(ShrinkForDrawing, FineStripesLeaveNoFalsePattern) {
    // Stripes at 0.24 cycles per pixel, shrunk five times: an average alone
    // folds them into a false pattern of a fifth of their contrast.
    const RowSource stripes(1000, 2, [](int32_t x, int32_t) {
        return Grey(static_cast<uint32_t>(std::lround(127.5 + 127.5 * std::cos(2 * M_PI * 0.24 * x))));
    });
    EXPECT_GE(LargestDeviation(stripes.AveragedTo(200, 1), 200, 127.5), 15) << "the pattern that would alias";
    const PixelPicture shrunk = Shrunk(stripes, 200, 1);
    ASSERT_EQ(shrunk.width, 200);
    EXPECT_LE(LargestDeviation(shrunk.pixels, shrunk.width, 127.5), 5);
}

}  // namespace
}  // namespace tpr
