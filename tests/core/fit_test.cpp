// Fitting a photo into the work area: the fitted size, the centred rectangle, the metafile header.
#include "core/imaging/fit.h"

#include <gtest/gtest.h>

#include "error_number.h"

namespace tpr {
namespace {

TEST(AdjustImageDimensions, ShrinksToTheBoxKeepingProportions) {
    // 2000 x 3000 goes to 800 x 1200, then to 400 x 600; never enlarged; halves
    // to even; a single-precision factor: 0.306f x 750 = 229.49999..., not 230.
    const struct { int32_t width, height, destWidth, destHeight, fittedWidth, fittedHeight; } cases[] = {
        {3000, 2000, 800, 600, 800, 533}, {2000, 3000, 800, 600, 400, 600}, {3000, 4000, 1024, 768, 576, 768},
        {4000, 3000, 1024, 768, 1024, 768}, {800, 600, 800, 600, 800, 600}, {640, 480, 800, 600, 640, 480},
        {1200, 601, 600, 600, 600, 300}, {1200, 603, 600, 600, 600, 302}, {7, 5, 3, 100, 3, 2},
        {500, 400, 0, 600, 0, 0}, {500, 400, 600, 0, 0, 0}, {1000, 750, 306, 1000, 306, 229},
        {1000, 500, 305, 1000, 305, 153}};
    for (const auto& c : cases) {
        int32_t width = c.width, height = c.height;
        AdjustImageDimensions(width, height, c.destWidth, c.destHeight);
        EXPECT_EQ(std::make_pair(width, height), std::make_pair(c.fittedWidth, c.fittedHeight))
            << c.width << "x" << c.height << " in " << c.destWidth << "x" << c.destHeight;
    }
}

TEST(AdjustImageDimensions, ArithmeticFaultsRaiseClassicErrors) {
    int32_t width = 0, height = 10;
    EXPECT_EQ(ErrorNumberOf([&] { AdjustImageDimensions(width, height, -5, 10); }), kErrDivisionByZero);
    width = -1;  // a negative box enlarges, here past 32 bits
    height = 2000000000;
    EXPECT_EQ(ErrorNumberOf([&] { AdjustImageDimensions(width, height, -2, 0); }), kErrOverflow);
    EXPECT_EQ(width, -2);  // assigned before the height failed, as the trap then reports it
}

TEST(AspectDrawRect, CentresTheLargestFittingRectangle) {
    // (300 - 133) / 2 = 83.5 goes to 84; equal ratios fill the canvas; thinner than a pixel still draws one.
    const struct { int32_t sourceWidth, sourceHeight, width, height; DrawRect expected; } cases[] = {
        {400, 300, 200, 200, {0, 25, 200, 150}}, {400, 300, 300, 100, {84, 0, 133, 100}},
        {800, 600, 400, 300, {0, 0, 400, 300}},  {300, 400, 300, 300, {38, 0, 225, 300}},
        {1000, 10, 101, 101, {0, 50, 101, 1}},   {1, 20000, 1, 600, {0, 0, 1, 600}},
        {20000, 1, 600, 5, {0, 2, 600, 1}}};
    for (const auto& c : cases) {
        const DrawRect r = AspectDrawRect(c.sourceWidth, c.sourceHeight, c.width, c.height);
        const DrawRect& e = c.expected;
        EXPECT_TRUE(r.x == e.x && r.y == e.y && r.width == e.width && r.height == e.height)
            << c.sourceWidth << "x" << c.sourceHeight << " on " << c.width << "x" << c.height << ": "
            << r.width << "x" << r.height << " at " << r.x << "," << r.y;
    }
    EXPECT_EQ(ErrorNumberOf([] { AspectDrawRect(400, 300, 200, 0); }), kErrDivisionByZero);
    EXPECT_EQ(ErrorNumberOf([] { AspectDrawRect(400, 300, 0, 0); }), kErrOverflow);
    EXPECT_EQ(ErrorNumberOf([] { AspectDrawRect(400, 0, 200, 200); }), kErrDivisionByZero);
}

TEST(PlaceableMetafileHeader, LaysOutTheTwentyTwoBytes) {
    const std::array<uint8_t, 22> expected = {0xD7, 0xCD, 0xC6, 0x9A,              // key
                                              0,    0,    0,    0,    0,    0,     // handle, left, top
                                              0x80, 0x02, 0xE0, 0x01, 0xA0, 0x05,  // 640, 480, 1440 per inch
                                              0,    0,    0,    0,    0,    0};    // reserved, checksum
    EXPECT_EQ(PlaceableMetafileHeader(640, 480), expected);
    const auto extremes = PlaceableMetafileHeader(32767, -32768);
    EXPECT_EQ((std::array<uint8_t, 4>{extremes[10], extremes[11], extremes[12], extremes[13]}),
              (std::array<uint8_t, 4>{0xFF, 0x7F, 0x00, 0x80}));
    EXPECT_EQ(ErrorNumberOf([] { PlaceableMetafileHeader(32768, 10); }), kErrOverflow);
    EXPECT_EQ(ErrorNumberOf([] { PlaceableMetafileHeader(10, -32769); }), kErrOverflow);
}

}  // namespace
}  // namespace tpr
