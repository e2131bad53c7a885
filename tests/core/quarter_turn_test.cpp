// Turning a photo by a quarter: where each corner and pixel goes, and the same turn strip by strip.
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

// Distinct pixels; 150 x 67 is larger than the cache tiles, neither side a multiple of them.
constexpr int32_t kWidth = 150, kHeight = 67;
std::vector<uint32_t> Scrambled(int32_t width = kWidth, int32_t height = kHeight) {
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint32_t>(i * 2654435761u);
    return pixels;
}

TEST(QuarterTurnPixels, SendsEachPixelWhereTheTurnPutsIt) {
    for (const auto& [w, h] : {std::pair{1, 1}, {3, 1}, {1, 3}, {3, 2}, {kWidth, kHeight}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        const std::vector<uint32_t> source = Scrambled(w, h);
        const std::vector<uint32_t> left = Turned(true, source, w, h), right = Turned(false, source, w, h);
        for (int32_t y = 0; y < w; ++y) {  // the turned picture is h wide and w high
            for (int32_t x = 0; x < h; ++x) {
                ASSERT_EQ(left[y * h + x], source[x * w + w - 1 - y]) << x << "," << y;
                ASSERT_EQ(right[y * h + x], source[(h - 1 - x) * w + y]) << x << "," << y;
            }
        }
    }
}

TEST(QuarterTurnBand, StripsStoredBottomUpTurnAsTheWholePicture) {
    const int32_t width = kWidth, height = kHeight;
    const std::vector<uint32_t> source = Scrambled();
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
