// Shrinking a photo for drawing: the area average, then a smooth halving that leaves no false patterns.
#include "core/imaging/shrink.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <random>
#include <vector>

#include "core/imaging/area_average.h"

namespace tpr {
namespace {

uint32_t Grey(uint32_t level) { return level * 0x010101; }

// A picture whose rows are separate allocations, so that a read past the end of a row is caught, and
// which checks that its rows are read once each, from the top.
struct RowSource {
    RowSource(int32_t width, int32_t height, const std::function<uint32_t(int32_t, int32_t)>& pixel)
        : width(width), height(height), rows(static_cast<size_t>(height)) {
        for (int32_t y = 0; y < height; ++y) {
            for (int32_t x = 0; x < width; ++x) rows[static_cast<size_t>(y)].push_back(pixel(x, y));
        }
    }
    uint32_t at(int32_t x, int32_t y) const { return rows[static_cast<size_t>(y)][static_cast<size_t>(x)]; }

    // What shrink(width, height, reader, targetWidth, targetHeight) gives.
    template <class Shrink>
    auto ReadBy(Shrink shrink, int32_t targetWidth, int32_t targetHeight) const {
        int32_t next = 0;
        auto result = shrink(width, height, [&](int32_t y) {
            EXPECT_EQ(y, next++) << "rows are read once each, from the top";
            return rows.at(static_cast<size_t>(y)).data();
        }, targetWidth, targetHeight);
        EXPECT_EQ(next, height) << "every row is read";
        return result;
    }
    std::vector<uint32_t> AveragedTo(int32_t w, int32_t h) const { return ReadBy(AreaAverage, w, h); }
    PixelPicture ShrunkFor(int32_t w, int32_t h) const { return ReadBy(ShrinkForDrawing, w, h); }

    int32_t width, height;
    std::vector<std::vector<uint32_t>> rows;
};

// The mean by definition: each source pixel weighted by the area it shares, channels apart, halves up.
uint32_t MeanOver(const RowSource& source, int32_t tx, int32_t ty, int32_t targetWidth,
                  int32_t targetHeight) {
    // In units where a source pixel is target-long and a target pixel source-long.
    const auto overlap = [](int64_t s, int64_t t, int64_t sourceLength, int64_t targetLength) {
        return std::max<int64_t>(0, std::min((s + 1) * targetLength, (t + 1) * sourceLength) -
                                        std::max(s * targetLength, t * sourceLength));
    };
    const int64_t total = int64_t{source.width} * source.height;
    uint32_t pixel = 0;
    for (int k = 0; k < 4; ++k) {
        int64_t sum = 0;
        for (int32_t y = 0; y < source.height; ++y) {
            for (int32_t x = 0; x < source.width; ++x) {
                sum += overlap(x, tx, source.width, targetWidth) *
                       overlap(y, ty, source.height, targetHeight) * ((source.at(x, y) >> (8 * k)) & 0xFF);
            }
        }
        pixel |= static_cast<uint32_t>((2 * sum + total) / (2 * total)) << (8 * k);
    }
    return pixel;
}

// The largest distance of a colour channel from a level, away from the edges (where patterns are cut).
int LargestDeviation(const std::vector<uint32_t>& pixels, int32_t width, double level) {
    const auto height = static_cast<int32_t>(pixels.size()) / width;
    const int32_t marginX = width > 4 ? 2 : 0, marginY = height > 4 ? 2 : 0;
    double largest = 0;
    for (int32_t y = marginY; y < height - marginY; ++y) {
        for (int32_t x = marginX; x < width - marginX; ++x) {
            for (int k = 0; k < 3; ++k) {
                const uint32_t channel = (pixels[static_cast<size_t>(y) * width + x] >> (8 * k)) & 0xFF;
                largest = std::max(largest, std::abs(channel - level));
            }
        }
    }
    return static_cast<int>(std::lround(largest));
}

TEST(AreaAverage, PartlyCoveredPixelsCountWithTheirShareAcrossAndDown) {
    // Each target takes half the middle pixel; 12.5 and 37.5 round up.
    const std::pair<std::vector<uint32_t>, std::vector<uint32_t>> cases[] = {
        {{0, 255, 0}, {85, 85}}, {{10, 20, 30, 40}, {13, 25, 38}}};
    for (const auto& [levels, targetLevels] : cases) {
        const auto n = static_cast<int32_t>(levels.size()), to = static_cast<int32_t>(targetLevels.size());
        std::vector<uint32_t> expected;
        for (uint32_t level : targetLevels) expected.push_back(Grey(level));
        const auto level = [&](int32_t i) { return Grey(levels[static_cast<size_t>(i)]); };
        EXPECT_EQ(RowSource(n, 1, [&](int32_t x, int32_t) { return level(x); }).AveragedTo(to, 1), expected);
        EXPECT_EQ(RowSource(1, n, [&](int32_t, int32_t y) { return level(y); }).AveragedTo(1, to), expected);
    }
}

TEST(AreaAverage, MatchesTheMeanByDefinition) {
    // 5 x 600: more whole rows in one target than are summed unweighted at a time.
    const struct { int32_t width, height, targetWidth, targetHeight; } cases[] = {
        {7, 5, 3, 2}, {13, 11, 5, 4}, {16, 12, 4, 3}, {10, 10, 10, 3}, {9, 9, 9, 9}, {5, 600, 2, 1},
        {3, 700, 2, 3}, {600, 2, 7, 1}, {7, 1, 1, 1}, {1, 1, 1, 1}, {6, 1, 4, 1}, {1, 6, 1, 4}};
    std::mt19937 random(20240607);
    for (const auto& c : cases) {
        const RowSource source(c.width, c.height,
                               [&](int32_t, int32_t) { return static_cast<uint32_t>(random()); });
        const auto shrunk = source.AveragedTo(c.targetWidth, c.targetHeight);
        ASSERT_EQ(shrunk.size(), static_cast<size_t>(c.targetWidth) * c.targetHeight);
        for (int32_t y = 0; y < c.targetHeight; ++y) {
            for (int32_t x = 0; x < c.targetWidth; ++x) {
                ASSERT_EQ(shrunk[static_cast<size_t>(y) * c.targetWidth + x],
                          MeanOver(source, x, y, c.targetWidth, c.targetHeight))
                    << c.width << "x" << c.height << " to " << c.targetWidth << "x" << c.targetHeight
                    << " at " << x << "," << y;
            }
        }
    }
    // Full channels summed over many rows do not overflow.
    EXPECT_EQ(RowSource(3, 1000, [](int32_t, int32_t) { return 0xFFFFFFFFu; }).AveragedTo(2, 3),
              std::vector<uint32_t>(6, 0xFFFFFFFFu));
}

TEST(ShrunkLength, TheDrawnLengthWhereTheSourceIsLonger) {
    // Never enlarged; drawn at no length or longer than kLongestSide: left to the drawing.
    const struct { int32_t source, drawn, expected; } cases[] = {
        {4000, 800, 800}, {801, 800, 800}, {800, 800, 800}, {300, 800, 300}, {100, 0, 100},
        {kLongestSide + 1, 800, kLongestSide + 1}, {kLongestSide, 800, 800}};
    for (const auto& c : cases) {
        EXPECT_EQ(ShrunkLength(c.source, c.drawn), c.expected) << c.source << " drawn at " << c.drawn;
    }
}

TEST(ShrinkForDrawing, EachSideTakesItsShrunkLength) {
    // Averaged to 160 x 120 then halved, averaged straight, across only, down only, just over twice.
    const struct { int32_t width, height, drawnWidth, drawnHeight, shrunkWidth, shrunkHeight; } cases[] = {
        {400, 300, 80, 60, 80, 60}, {120, 70, 80, 60, 80, 60}, {400, 30, 80, 60, 80, 30},
        {30, 400, 60, 80, 30, 80}, {161, 121, 80, 60, 80, 60}};
    for (const auto& c : cases) {
        const PixelPicture shrunk = RowSource(c.width, c.height, [](int32_t x, int32_t y) {
                                        return Grey(static_cast<uint32_t>((x * 7 + y * 13) % 256));
                                    }).ShrunkFor(c.drawnWidth, c.drawnHeight);
        EXPECT_EQ(std::make_pair(shrunk.width, shrunk.height), std::make_pair(c.shrunkWidth, c.shrunkHeight))
            << c.width << "x" << c.height;
        EXPECT_EQ(shrunk.pixels.size(), static_cast<size_t>(shrunk.width) * shrunk.height);
    }
}

TEST(ShrinkForDrawing, HalvesWithWeightsOneThreeThreeOne) {
    // Averaged to 0 0 255 255, then (0 + 0 + 0 + 255) / 8 and
    // (0 + 765 + 765 + 255) / 8, the edge pixel standing in beyond the picture.
    const auto level = [](int32_t i) { return Grey(i < 4 ? 0 : 255); };
    const std::vector<uint32_t> expected{Grey(32), Grey(223)};
    EXPECT_EQ(RowSource(8, 1, [&](int32_t x, int32_t) { return level(x); }).ShrunkFor(2, 1).pixels, expected);
    EXPECT_EQ(RowSource(1, 8, [&](int32_t, int32_t y) { return level(y); }).ShrunkFor(1, 2).pixels, expected);
    // Channels apart: one bright channel in each pixel.
    EXPECT_EQ(RowSource(4, 1, [](int32_t x, int32_t) { return x < 2 ? 0xFF000000u : 0x000000FFu; })
                  .ShrunkFor(1, 1)
                  .pixels,
              std::vector<uint32_t>{0x80000080u});
}

TEST(ShrinkForDrawing, FinePatternsLeaveNoFalsePattern) {
    const auto checkerboard = [](int32_t x, int32_t y) { return (x + y) % 2 ? Grey(255) : 0; };
    const PixelPicture board = RowSource(400, 300, checkerboard).ShrunkFor(80, 60);
    EXPECT_LE(LargestDeviation(board.pixels, board.width, 127.5), 2);

    // Stripes at 0.24 cycles per pixel, shrunk five times: an average alone
    // folds them into a false pattern of a fifth of their contrast.
    const RowSource stripes(1000, 2, [](int32_t x, int32_t) {
        return Grey(static_cast<uint32_t>(std::lround(127.5 + 127.5 * std::cos(2 * M_PI * 0.24 * x))));
    });
    EXPECT_GE(LargestDeviation(stripes.AveragedTo(200, 1), 200, 127.5), 15) << "the pattern that would alias";
    const PixelPicture shrunk = stripes.ShrunkFor(200, 1);
    ASSERT_EQ(shrunk.width, 200);
    EXPECT_LE(LargestDeviation(shrunk.pixels, shrunk.width, 127.5), 5);
}

}  // namespace
}  // namespace tpr
