// Shrinking a photo for drawing: a bicubic widened by the shrink, after exact box means, with no false
// patterns.
#include "core/imaging/shrink.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <random>
#include <vector>

namespace tpr {
namespace {

uint32_t Grey(uint32_t level) { return level * 0x010101; }
int Level(uint32_t pixel, int channel) { return static_cast<int>((pixel >> (8 * channel)) & 0xFF); }

// A picture whose rows are separate allocations, so that a read past the end of a row is caught, shrunk
// with a check that its rows are read once each, from the top, and all of them.
PixelPicture Shrunk(int32_t width, int32_t height, const std::function<uint32_t(int32_t, int32_t)>& pixel,
                    int32_t drawnWidth, int32_t drawnHeight, ResampleLoops loops = ResampleLoops::Fastest) {
    std::vector<std::vector<uint32_t>> rows(static_cast<size_t>(height));
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) rows[static_cast<size_t>(y)].push_back(pixel(x, y));
    }
    int32_t next = 0;
    PixelPicture shrunk = ShrinkForDrawing(
        width, height,
        [&](int32_t y) {
            EXPECT_EQ(y, next++) << "rows are read once each, from the top";
            return rows.at(static_cast<size_t>(y)).data();
        },
        drawnWidth, drawnHeight, loops);
    EXPECT_EQ(next, height) << "every row is read";
    EXPECT_EQ(shrunk.pixels.size(), static_cast<size_t>(shrunk.width) * static_cast<size_t>(shrunk.height));
    return shrunk;
}

// Catmull-Rom widened by the shrink, in doubles, one side: what each target pixel weighs source pixel i.
std::vector<std::vector<double>> BicubicWeights(int32_t from, int32_t to) {
    const double scale = static_cast<double>(from) / to;
    std::vector<std::vector<double>> weights(static_cast<size_t>(to), std::vector<double>(from));
    for (int32_t t = 0; t < to; ++t) {
        double sum = 0;
        for (int32_t i = 0; i < from; ++i) {
            const double x = std::fabs((i + 0.5 - (t + 0.5) * scale) / scale);
            sum += weights[t][i] = x < 1   ? (1.5 * x - 2.5) * x * x + 1
                                   : x < 2 ? ((-0.5 * x + 2.5) * x - 4) * x + 2
                                           : 0;
        }
        for (double& w : weights[t]) w /= sum;
    }
    return weights;
}

// The largest distance of a colour channel from a level, two pixels in from the edges (where patterns are
// cut).
int LargestDeviation(const PixelPicture& picture, double level) {
    double largest = 0;
    for (int32_t y = 2; y < picture.height - 2; ++y) {
        for (int32_t x = 2; x < picture.width - 2; ++x) {
            for (int k = 0; k < 3; ++k) {
                const uint32_t pixel = picture.pixels[static_cast<size_t>(y) * picture.width + x];
                largest = std::max(largest, std::abs(Level(pixel, k) - level));
            }
        }
    }
    return static_cast<int>(std::lround(largest));
}

TEST(ShrunkLength, TheDrawnLengthWhereTheSourceIsLonger) {
    // Never enlarged; drawn at no length or longer than kLongestSide: left to the drawing.
    const struct {
        int32_t source, drawn, expected;
    } cases[] = {{4000, 800, 800},        {801, 800, 800}, {800, 800, 800},
                 {300, 800, 300},         {100, 0, 100},   {kLongestSide + 1, 800, kLongestSide + 1},
                 {kLongestSide, 800, 800}};
    for (const auto& c : cases) {
        EXPECT_EQ(ShrunkLength(c.source, c.drawn), c.expected) << c.source << " drawn at " << c.drawn;
    }
}

TEST(ShrinkForDrawing, EachSideTakesItsShrunkLengthAndAFlatColourStaysExactlyThatColour) {
    // Bicubic only, boxes across or down or both (partial boxes at the ends), the longest boxes, one side
    // left.
    const struct {
        int32_t width, height, drawnWidth, drawnHeight, shrunkWidth, shrunkHeight;
    } cases[] = {{120, 70, 80, 60, 80, 60},   {400, 30, 80, 60, 80, 30}, {30, 400, 60, 80, 30, 80},
                 {1001, 701, 80, 60, 80, 60}, {5000, 3, 100, 1, 100, 1}, {7, 5000, 7, 9, 7, 9},
                 {9, 9, 9, 9, 9, 9}};
    for (const uint32_t colour : {0x00FFFFFFu, 0x00000000u, 0x00C81E7Fu, 0x00010203u}) {
        for (const auto& c : cases) {
            const PixelPicture shrunk = Shrunk(
                c.width, c.height, [&](int32_t, int32_t) { return colour; }, c.drawnWidth, c.drawnHeight);
            EXPECT_EQ(std::make_pair(shrunk.width, shrunk.height),
                      std::make_pair(c.shrunkWidth, c.shrunkHeight));
            EXPECT_EQ(std::count(shrunk.pixels.begin(), shrunk.pixels.end(), colour), shrunk.pixels.size())
                << c.width << "x" << c.height << " in " << std::hex << colour;
        }
    }
}

TEST(ShrinkForDrawing, BelowEightTimesIsTheWidenedBicubicItselfChannelsApartWhicheverLoopsRunIt) {
    // The last case has boxes: the plain loops and the fastest agree there too.
    const struct {
        int32_t width, height, drawnWidth, drawnHeight;
    } cases[] = {{23, 17, 10, 9}, {40, 30, 15, 11}, {16, 5, 8, 5}, {5, 16, 5, 6}, {203, 151, 21, 15}};
    std::mt19937 random(20240607);
    for (const auto& c : cases) {
        std::vector<uint32_t> source(static_cast<size_t>(c.width) * c.height);
        for (uint32_t& pixel : source) pixel = random() & 0xFFFFFF;
        const auto pixel = [&](int32_t x, int32_t y) { return source[static_cast<size_t>(y) * c.width + x]; };
        const PixelPicture shrunk = Shrunk(c.width, c.height, pixel, c.drawnWidth, c.drawnHeight);
        EXPECT_EQ(Shrunk(c.width, c.height, pixel, c.drawnWidth, c.drawnHeight, ResampleLoops::Plain).pixels,
                  shrunk.pixels)
            << c.width << "x" << c.height;
        if (c.width >= 8 * c.drawnWidth) continue;
        const auto across = BicubicWeights(c.width, c.drawnWidth),
                   down = BicubicWeights(c.height, c.drawnHeight);
        for (int32_t ty = 0; ty < c.drawnHeight; ++ty) {
            for (int32_t tx = 0; tx < c.drawnWidth; ++tx) {
                for (int k = 0; k < 3; ++k) {
                    double level = 0;
                    for (int32_t y = 0; y < c.height; ++y) {
                        for (int32_t x = 0; x < c.width; ++x)
                            level += down[ty][y] * across[tx][x] * Level(source[y * c.width + x], k);
                    }
                    // Rounded to whole levels between the passes, as the widened bicubic is.
                    EXPECT_NEAR(Level(shrunk.pixels[ty * c.drawnWidth + tx], k),
                                std::clamp(level, 0.0, 255.0), 1.0)
                        << c.width << "x" << c.height << " at " << tx << "," << ty << " channel " << k;
                }
            }
        }
    }
}

TEST(ShrinkForDrawing, FinePatternsLeaveNoFalsePatternAndEdgesStaySharp) {
    const auto checkerboard = [](int32_t x, int32_t y) { return (x + y) % 2 ? Grey(255) : 0; };
    EXPECT_LE(LargestDeviation(Shrunk(400, 300, checkerboard, 80, 60), 127.5), 2);
    EXPECT_LE(LargestDeviation(Shrunk(1632, 1224, checkerboard, 800, 600), 127.5), 2);
    // Stripes at 0.24 cycles per pixel, shrunk five times: an average of areas folds them into a false
    // pattern of a fifth of their contrast.
    const auto stripes = [](int32_t x, int32_t) {
        return Grey(static_cast<uint32_t>(std::lround(127.5 + 127.5 * std::cos(2 * M_PI * 0.24 * x))));
    };
    EXPECT_LE(LargestDeviation(Shrunk(1000, 5, stripes, 200, 5), 127.5), 5);
    // Black to white, shrunk four times: of the two pixels beside the edge, each takes 8 % of the other
    // side (the kernel's weight beyond half a pixel); the pixels further out stay black and white.
    const PixelPicture edge = Shrunk(
        400, 4, [](int32_t x, int32_t) { return x < 200 ? 0 : Grey(255); }, 100, 4);
    for (const auto& [x, level] : {std::pair{47, 0}, {48, 0}, {49, 21}, {50, 234}, {51, 255}, {52, 255}})
        EXPECT_NEAR(Level(edge.pixels[x], 1), level, 2) << x;
}

}  // namespace
}  // namespace tpr
