// Turning a photo by a quarter: where each corner and pixel goes, and the
// same turn done strip by strip.
#include "core/imaging/quarter_turn.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace tpr {
namespace {

TEST(QuarterTurnPoints, CornersOfTheTurnedRectangle) {
    using Points = std::array<BlitPoint, 3>;
    // Upper-left, upper-right and lower-left corners of the source go to:
    EXPECT_EQ(QuarterTurnPoints(true, 300, 400), (Points{{{0, 400}, {0, 0}, {300, 400}}}));
    EXPECT_EQ(QuarterTurnPoints(false, 300, 400), (Points{{{300, 0}, {300, 400}, {0, 0}}}));
    EXPECT_EQ(QuarterTurnPoints(true, 1, 1), (Points{{{0, 1}, {0, 0}, {1, 1}}}));
}

std::vector<uint32_t> Turned(bool left, const std::vector<uint32_t>& source, int32_t width, int32_t height) {
    std::vector<uint32_t> target(source.size(), 0xDEADBEEF);
    QuarterTurnPixels(left, source.data(), width, height, target.data());
    return target;
}

TEST(QuarterTurnPixels, SendsEachPixelWhereTheTurnPutsIt) {
    // 1 2 3
    // 4 5 6
    const std::vector<uint32_t> source{1, 2, 3, 4, 5, 6};
    EXPECT_EQ(Turned(true, source, 3, 2), (std::vector<uint32_t>{3, 6, 2, 5, 1, 4}));
    EXPECT_EQ(Turned(false, source, 3, 2), (std::vector<uint32_t>{4, 1, 5, 2, 6, 3}));
    EXPECT_EQ(Turned(true, {7}, 1, 1), std::vector<uint32_t>{7});
    EXPECT_EQ(Turned(false, {1, 2, 3}, 3, 1), (std::vector<uint32_t>{1, 2, 3}));  // a row becomes a column
    EXPECT_EQ(Turned(true, {1, 2, 3}, 3, 1), (std::vector<uint32_t>{3, 2, 1}));
}

TEST(QuarterTurnPixels, FourTurnsGiveBackEveryPixel) {
    // Sizes across the cache tiles, neither a multiple of them.
    const int32_t width = 150, height = 67;
    std::vector<uint32_t> source(static_cast<size_t>(width) * height);
    for (size_t i = 0; i < source.size(); ++i) source[i] = static_cast<uint32_t>(i * 2654435761u);
    for (bool left : {true, false}) {
        auto turned = source;
        int32_t w = width, h = height;
        for (int turn = 0; turn < 4; ++turn) {
            turned = Turned(left, turned, w, h);
            std::swap(w, h);
        }
        EXPECT_EQ(turned, source) << (left ? "left" : "right");
    }
    // Three turns one way are one turn the other way.
    const auto threeLeft =
        Turned(true, Turned(true, Turned(true, source, width, height), height, width), width, height);
    EXPECT_EQ(threeLeft, Turned(false, source, width, height));
}

TEST(QuarterTurnBand, StripsStoredBottomUpTurnAsTheWholePicture) {
    const int32_t width = 150, height = 67;
    std::vector<uint32_t> source(static_cast<size_t>(width) * height);
    for (size_t i = 0; i < source.size(); ++i) source[i] = static_cast<uint32_t>(i * 2654435761u);
    // Strips of 1 row, of fewer rows than a tile and of more, the last one
    // short, each copied upside down as GetDIBits hands strips out.
    for (const int32_t stripRows : {1, 10, 67, 100}) {
        for (const bool left : {true, false}) {
            std::vector<uint32_t> target(source.size(), 0xDEADBEEF);
            for (int32_t top = 0; top < height; top += stripRows) {
                const int32_t rows = std::min(stripRows, height - top);
                std::vector<uint32_t> strip;
                for (int32_t y = top + rows - 1; y >= top; --y) {
                    strip.insert(strip.end(), source.begin() + y * width, source.begin() + (y + 1) * width);
                }
                const PixelBand band{strip.data() + static_cast<size_t>(rows - 1) * width, -width, top, rows};
                QuarterTurnBand(left, band, width, height, target.data());
            }
            EXPECT_EQ(target, Turned(left, source, width, height))
                << stripRows << (left ? " left" : " right");
        }
    }
}

}  // namespace
}  // namespace tpr
