#include "imaging/area_average.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <random>
#include <vector>

namespace tpr {
namespace {

uint32_t Grey(uint32_t level) { return level * 0x010101; }

// A picture whose rows are separate allocations, so that a read past the end
// of a row is caught, and which checks that rows are read once, from the top.
class RowSource {
public:
    RowSource(int32_t width, int32_t height, const std::function<uint32_t(int32_t, int32_t)>& pixel)
        : width_(width), height_(height), rows_(static_cast<size_t>(height)) {
        for (int32_t y = 0; y < height; ++y) {
            for (int32_t x = 0; x < width; ++x) rows_[static_cast<size_t>(y)].push_back(pixel(x, y));
        }
    }

    uint32_t at(int32_t x, int32_t y) const { return rows_[static_cast<size_t>(y)][static_cast<size_t>(x)]; }

    std::vector<uint32_t> ShrinkTo(int32_t targetWidth, int32_t targetHeight) {
        int32_t next = 0;
        auto result = AreaAverage(
            width_, height_,
            [&](int32_t y) {
                EXPECT_EQ(y, next++) << "rows are read once each, from the top";
                return rows_.at(static_cast<size_t>(y)).data();
            },
            targetWidth, targetHeight);
        EXPECT_EQ(next, height_) << "every row is read";
        return result;
    }

    // The mean by definition: every source pixel weighted by the area it
    // shares with the target pixel, halves rounded up.
    uint32_t MeanOver(int32_t tx, int32_t ty, int32_t targetWidth, int32_t targetHeight) const {
        // In units where a source pixel is target-long and a target pixel source-long.
        const auto overlap = [](int64_t s, int64_t t, int64_t sourceLength, int64_t targetLength) {
            const int64_t begin = std::max(s * targetLength, t * sourceLength);
            const int64_t end = std::min((s + 1) * targetLength, (t + 1) * sourceLength);
            return std::max<int64_t>(0, end - begin);
        };
        const int64_t total = int64_t{width_} * height_;
        uint32_t pixel = 0;
        for (int k = 0; k < 4; ++k) {
            int64_t sum = 0;
            for (int32_t y = 0; y < height_; ++y) {
                for (int32_t x = 0; x < width_; ++x) {
                    sum += overlap(x, tx, width_, targetWidth) * overlap(y, ty, height_, targetHeight) *
                           ((at(x, y) >> (8 * k)) & 0xFF);
                }
            }
            pixel |= static_cast<uint32_t>((2 * sum + total) / (2 * total)) << (8 * k);
        }
        return pixel;
    }

private:
    int32_t width_, height_;
    std::vector<std::vector<uint32_t>> rows_;
};

TEST(AreaAverage, OnePixelCheckerboardBecomesFlatGrey) {
    RowSource checkerboard(400, 300, [](int32_t x, int32_t y) { return (x + y) % 2 ? Grey(255) : 0; });
    for (uint32_t pixel : checkerboard.ShrinkTo(100, 75)) ASSERT_EQ(pixel, Grey(128)) << "127.5 rounds up";

    // At 2.5 : 1 a target pixel covers 6.25 squares: the half squares leave
    // 127.5 +- 127.5 x 0.25 / 6.25, nothing like the black and white a
    // sampling resampler keeps.
    RowSource small(20, 20, [](int32_t x, int32_t y) { return (x + y) % 2 ? Grey(255) : 0; });
    const auto shrunk = small.ShrinkTo(8, 8);
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
        EXPECT_EQ(row.ShrinkTo(targetLength, 1), expected) << "row of " << length;
        RowSource column(1, length,
                         [&](int32_t, int32_t y) { return Grey(c.levels[static_cast<size_t>(y)]); });
        EXPECT_EQ(column.ShrinkTo(1, targetLength), expected) << "column of " << length;
    }
}

TEST(AreaAverage, ChannelsAreAveragedApart) {
    const auto pair = [](uint32_t a, uint32_t b) {
        RowSource source(2, 1, [&](int32_t x, int32_t) { return x ? b : a; });
        return source.ShrinkTo(1, 1).at(0);
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
        const auto shrunk = source.ShrinkTo(c.targetWidth, c.targetHeight);
        ASSERT_EQ(shrunk.size(), static_cast<size_t>(c.targetWidth) * c.targetHeight);
        for (int32_t y = 0; y < c.targetHeight; ++y) {
            for (int32_t x = 0; x < c.targetWidth; ++x) {
                ASSERT_EQ(shrunk[static_cast<size_t>(y) * c.targetWidth + x],
                          source.MeanOver(x, y, c.targetWidth, c.targetHeight))
                    << c.width << "x" << c.height << " to " << c.targetWidth << "x" << c.targetHeight
                    << " at " << x << "," << y;
            }
        }
    }
}

TEST(AreaAverage, FullChannelsOverManyRowsDoNotOverflow) {
    RowSource white(3, 1000, [](int32_t, int32_t) { return 0xFFFFFFFFu; });
    for (uint32_t pixel : white.ShrinkTo(2, 3)) EXPECT_EQ(pixel, 0xFFFFFFFFu);
}

TEST(PrefilterLength, AtMostTwiceTheDrawnLength) {
    struct Case {
        int32_t source, drawn, expected;
    };
    const Case cases[] = {
        {4000, 800, 1600},
        {1601, 800, 1600},
        {1600, 800, 1600},
        {1599, 800, 1599},
        {800, 800, 800},
        {300, 800, 300},  // enlarged: nothing to average
        {5, 2, 4},
        {100, 0, 100},  // drawn at no length: left to the drawing
        {kLongestSide + 1, 800, kLongestSide + 1},
        {kLongestSide, 800, 1600},
        {2000000000, 1200000000, 2000000000},  // twice the drawn length does not fit 32 bits
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PrefilterLength(c.source, c.drawn), c.expected) << c.source << " drawn at " << c.drawn;
    }
}

}  // namespace
}  // namespace tpr
