#include "core/imaging/area_average.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "row_source.h"

namespace tpr {
namespace {

// The mean by definition: every source pixel weighted by the area it shares
// with the target pixel, halves rounded up.
uint32_t MeanOver(const RowSource& source, int32_t tx, int32_t ty, int32_t targetWidth,
                  int32_t targetHeight) {
    // In units where a source pixel is target-long and a target pixel source-long.
    const auto overlap = [](int64_t s, int64_t t, int64_t sourceLength, int64_t targetLength) {
        const int64_t begin = std::max(s * targetLength, t * sourceLength);
        const int64_t end = std::min((s + 1) * targetLength, (t + 1) * sourceLength);
        return std::max<int64_t>(0, end - begin);
    };
    const int64_t total = int64_t{source.width()} * source.height();
    uint32_t pixel = 0;
    for (int k = 0; k < 4; ++k) {
        int64_t sum = 0;
        for (int32_t y = 0; y < source.height(); ++y) {
            for (int32_t x = 0; x < source.width(); ++x) {
                sum += overlap(x, tx, source.width(), targetWidth) *
                       overlap(y, ty, source.height(), targetHeight) * ((source.at(x, y) >> (8 * k)) & 0xFF);
            }
        }
        pixel |= static_cast<uint32_t>((2 * sum + total) / (2 * total)) << (8 * k);
    }
    return pixel;
}

TEST(AreaAverage, OnePixelCheckerboardBecomesFlatGrey) {
    RowSource checkerboard(400, 300, [](int32_t x, int32_t y) { return (x + y) % 2 ? Grey(255) : 0; });
    for (uint32_t pixel : checkerboard.AveragedTo(100, 75)) ASSERT_EQ(pixel, Grey(128)) << "127.5 rounds up";

    // At 2.5 : 1 a target pixel covers 6.25 squares: the half squares leave
    // 127.5 +- 127.5 x 0.25 / 6.25, nothing like the black and white a
    // sampling resampler keeps.
    RowSource small(20, 20, [](int32_t x, int32_t y) { return (x + y) % 2 ? Grey(255) : 0; });
    const auto shrunk = small.AveragedTo(8, 8);
    int bright = 0;
    for (uint32_t pixel : shrunk) {
        ASSERT_TRUE(pixel == Grey(133) || pixel == Grey(122)) << std::hex << pixel;
        bright += pixel == Grey(133);
    }
    EXPECT_EQ(bright, 32);
}

TEST(AreaAverage, PartlyCoveredPixelsCountWithTheirShare) {
    struct Case {
        std::vector<uint32_t> levels;
        std::vector<uint32_t> expected;
    };
    const Case cases[] = {
        {{0, 255, 0}, {85, 85}},           // each target takes half the middle pixel
        {{255, 0, 0, 0, 0}, {102, 0}},     // 255 / 2.5
        {{10, 20, 30, 40}, {13, 25, 38}},  // 12.5 and 37.5 round up
        {{1, 2, 3, 4, 5, 6, 7}, {4}},
        {{7}, {7}},
        {{0, 0, 0, 255, 255, 255}, {0, 255}},  // an edge on a target boundary stays sharp
        {{0, 0, 0, 0, 255, 255}, {0, 0, 85, 255}},
    };
    for (const Case& c : cases) {
        const auto length = static_cast<int32_t>(c.levels.size());
        const auto targetLength = static_cast<int32_t>(c.expected.size());
        std::vector<uint32_t> expected;
        for (uint32_t level : c.expected) expected.push_back(Grey(level));
        // Across and down: the two directions take different paths.
        RowSource row(length, 1, [&](int32_t x, int32_t) { return Grey(c.levels[static_cast<size_t>(x)]); });
        EXPECT_EQ(row.AveragedTo(targetLength, 1), expected) << "row of " << length;
        RowSource column(1, length,
                         [&](int32_t, int32_t y) { return Grey(c.levels[static_cast<size_t>(y)]); });
        EXPECT_EQ(column.AveragedTo(1, targetLength), expected) << "column of " << length;
    }
}

TEST(AreaAverage, ChannelsAreAveragedApart) {
    const auto pair = [](uint32_t a, uint32_t b) {
        RowSource source(2, 1, [&](int32_t x, int32_t) { return x ? b : a; });
        return source.AveragedTo(1, 1).at(0);
    };
    EXPECT_EQ(pair(0xFF000000, 0x000000FF), 0x80000080u);
    EXPECT_EQ(pair(0x00FF0000, 0x0000FF00), 0x00808000u);
    EXPECT_EQ(pair(0x01010101, 0x02020202), 0x02020202u);
    EXPECT_EQ(pair(0xFFFFFFFF, 0xFFFFFFFF), 0xFFFFFFFFu);
}

TEST(AreaAverage, MatchesTheMeanByDefinition) {
    struct Case {
        int32_t width, height, targetWidth, targetHeight;
    };
    const Case cases[] = {
        {7, 5, 3, 2},   {13, 11, 5, 4}, {16, 12, 4, 3}, {10, 10, 10, 3},
        {9, 9, 9, 9},   {5, 600, 2, 1},  // more whole rows in one target than are summed unweighted at a time
        {3, 700, 2, 3}, {600, 2, 7, 1}, {1, 1, 1, 1},
    };
    std::mt19937 random(20240607);
    for (const Case& c : cases) {
        RowSource source(c.width, c.height,
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
}

TEST(AreaAverage, FullChannelsOverManyRowsDoNotOverflow) {
    RowSource white(3, 1000, [](int32_t, int32_t) { return 0xFFFFFFFFu; });
    for (uint32_t pixel : white.AveragedTo(2, 3)) EXPECT_EQ(pixel, 0xFFFFFFFFu);
}

}  // namespace
}  // namespace tpr
