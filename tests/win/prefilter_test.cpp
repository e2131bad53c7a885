// Resizing with GDI+: each kind of picture into the canvas, and the shrink GDI+ lacks under Wine.
#include "win/imaging/prefilter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <tuple>
#include <vector>

#include "core/runtime/runtime_error.h"
#include "main_window_fixture.h"
#include "test_pictures.h"
#include "win/imaging/gdiplus_resize.h"
#include "win/imaging/platform_capabilities.h"

namespace tpr::test {
namespace {

using win::Capability;
using win::ForcedCapability;
using win::Picture;
using win::PictureKind;

constexpr COLORREF kWhite = RGB(255, 255, 255);

COLORREF Checkerboard(int x, int y) { return (x + y) % 2 ? kWhite : RGB(0, 0, 0); }

// Standard deviation of the green channel inside a 2-pixel border: near 0
// for flat grey, 127.5 for black and white in equal parts.
double Deviation(const Pixels& pixels) {
    double sum = 0, squares = 0, count = 0;
    for (int y = 2; y < pixels.height - 2; ++y) {
        for (int x = 2; x < pixels.width - 2; ++x, ++count) {
            sum += GetGValue(pixels.at(x, y));
            squares += GetGValue(pixels.at(x, y)) * GetGValue(pixels.at(x, y));
        }
    }
    return std::sqrt(squares / count - (sum / count) * (sum / count));
}

// A 4000 x 3000 checkerboard of single pixels shown in an 800 x 600 work
// area: flat grey; with the platform's own shrink alone, grey where the
// probe found that it prefilters, black and white where it samples (Wine's).
TEST_F(Form1Test, CheckerboardShownAt800x600IsFlatGreyAndThePlatformShrinksAloneWhereItPrefilters) {
    SetWorkArea(800, 600);
    const bool platformPrefilters = win::ShrinkPrefilters();
    for (const bool forced : {false, true}) {
        std::optional<ForcedCapability> platformAlone;
        if (forced) platformAlone.emplace(Capability::ShrinkPrefilters, true);
        ShowPicture(win::PictureFromBitmap(MakeBitmap(4000, 3000, Checkerboard)));
        const Pixels shown = ReadPixels(probe.view.GetPicture());
        ASSERT_TRUE(shown.width == 800 && shown.height == 600);
        EXPECT_EQ(Deviation(shown) < 8.0, !forced || platformPrefilters) << forced;
        if (!forced) EXPECT_TRUE(Near(shown.at(400, 300), RGB(128, 128, 128), 8));
    }
}

class ResizePrefilterTest : public ::testing::Test {
protected:
    static std::vector<COLORREF> Resized(const Picture& source, int width, int height, bool keepAspect,
                                         bool prefilters) {
        const ForcedCapability forced(Capability::ShrinkPrefilters, prefilters);
        return ReadPixels(
                   win::ResizePicture(source.Handle(), source.Kind(), width, height, kWhite, keepAspect))
            .values;
    }

    win::GdiPlusSession session_;
};

TEST_F(ResizePrefilterTest, DrawingLandsExactlyWhereGdiPlusAlonePutsIt) {
    // The drawn size and place are the core's; the reduced copy must not move them.
    const struct {
        int sourceWidth, sourceHeight, width, height;
        bool keepAspect;
    } cases[] = {
        {4000, 3000, 300, 100, true},   // 133 x 100 at (84, 0)
        {4000, 3000, 200, 200, true},   // 200 x 150 at (0, 25)
        {1000, 4000, 301, 99, true},    // narrow: strips left and right
        {4001, 2999, 800, 600, true},   // odd sizes, proportions all but equal
        {4000, 3000, 200, 200, false},  // stretched over the whole canvas
        {3000, 100, 250, 90, false},    // reduced across only
    };
    for (const auto& c : cases) {
        const Picture source = SolidPicture(c.sourceWidth, c.sourceHeight, RGB(200, 30, 30));
        EXPECT_TRUE(Resized(source, c.width, c.height, c.keepAspect, false) ==
                    Resized(source, c.width, c.height, c.keepAspect, true))
            << c.sourceWidth << "x" << c.sourceHeight << " into " << c.width << "x" << c.height;
    }
}

// Quadrants of four colours, so that a picture read upside down or mirrored shows.
COLORREF Quadrants(int x, int y) {
    static const COLORREF colours[4] = {RGB(250, 0, 0), RGB(0, 250, 0), RGB(0, 0, 250), RGB(250, 250, 0)};
    return colours[(x >= 600 ? 1 : 0) + (y >= 400 ? 2 : 0)];
}

// The same quadrants in a bitmap of another storage: a bottom-up or 24-bit
// DIB section, or a bitmap in the screen's format.
win::UniqueHbitmap QuadrantsStoredAs(int height, int bitCount, bool screenFormat) {
    BITMAPINFO info{{sizeof(BITMAPINFOHEADER), 1200, height, 1, static_cast<WORD>(bitCount)}};
    void* bits = nullptr;
    const win::UniqueScreenDc screen(::GetDC(nullptr));
    win::UniqueHbitmap stored(screenFormat
                                  ? ::CreateCompatibleBitmap(screen.get(), 1200, 800)
                                  : ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const win::UniqueHbitmap drawn = MakeBitmap(1200, 800, Quadrants);
    const win::UniqueHdc from(::CreateCompatibleDC(nullptr)), to(::CreateCompatibleDC(nullptr));
    const win::SelectGuard useDrawn(from.get(), drawn.get()), useStored(to.get(), stored.get());
    ::BitBlt(to.get(), 0, 0, 1200, 800, from.get(), 0, 0, SRCCOPY);
    return stored;
}

TEST_F(ResizePrefilterTest, EveryStorageOfABitmapIsReadTheRightWayUp) {
    const Picture topDown = win::PictureFromBitmap(MakeBitmap(1200, 800, Quadrants));
    const auto expected = Resized(topDown, 300, 200, true, false);
    const Pixels pixels{300, 200, expected};
    EXPECT_TRUE(Near(pixels.at(10, 10), Quadrants(0, 0)) && Near(pixels.at(290, 10), Quadrants(1199, 0)) &&
                Near(pixels.at(10, 190), Quadrants(0, 799)) &&
                Near(pixels.at(290, 190), Quadrants(1199, 799)));
    const struct {
        const char* name;
        int height, bitCount;
        bool screenFormat;
    } storages[] = {{"bottom-up 32-bit", 800, 32, false},
                    {"top-down 24-bit", -800, 24, false},
                    {"bottom-up 24-bit", 800, 24, false},
                    {"screen format", 800, 32, true}};
    for (const auto& storage : storages) {
        const Picture picture =
            win::PictureFromBitmap(QuadrantsStoredAs(storage.height, storage.bitCount, storage.screenFormat));
        EXPECT_TRUE(Resized(picture, 300, 200, true, false) == expected) << storage.name;
    }
}

// Noise, so that any resampling of the reduced copy would show.
COLORREF Noise(int x, int y) {
    const uint32_t h =
        (static_cast<uint32_t>(x) * 73856093u ^ static_cast<uint32_t>(y) * 19349663u) * 0x5BD1E995u;
    return (h ^ h >> 15) & 0xFFFFFF;
}

TEST_F(ResizePrefilterTest, GdiPlusDrawsTheReducedPicturePixelForPixel) {
    const Picture noise = win::PictureFromBitmap(MakeBitmap(1000, 750, Noise));
    const auto bitmap = reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(noise.Handle()));
    const win::ScaleSource reduced = win::ReducedBitmap(bitmap, 400, 300, true);
    ASSERT_EQ(reduced.pixels.size(), 400u * 300u);
    std::vector<COLORREF> expected;
    for (uint32_t p : reduced.pixels) expected.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
    EXPECT_TRUE(Resized(noise, 400, 300, true, false) == expected);
    // Drawn at its size or larger: nothing to reduce.
    EXPECT_FALSE(win::ReducedBitmap(bitmap, 1000, 750, true).image);
    EXPECT_FALSE(win::ReducedBitmap(nullptr, 200, 150, true).image) << "no bitmap";
}

// ResizePicture on each kind of picture, pixel by pixel: the drawing centred, white strips beside it.
constexpr COLORREF kRed = RGB(220, 20, 20);

using ResizePictureTest = ResizePrefilterTest;

TEST_F(ResizePictureTest, BitmapIsDrawnCentredOrOverTheWholeCanvasTheRightWayRound) {
    constexpr COLORREF kBlue = RGB(20, 20, 220);
    // 400 x 300, left half red, right half blue.
    const Picture source =
        win::PictureFromBitmap(MakeBitmap(400, 300, [](int x, int) { return x < 200 ? kRed : kBlue; }));
    const struct {
        int width, height;
        bool keepAspect;
        std::vector<std::tuple<int, int, COLORREF>> spots;  // x, y, colour
    } cases[] = {
        // A 133 x 100 drawing at (84, 0), white strips beside it.
        {300, 100, true, {{82, 50, kWhite}, {86, 50, kRed}, {214, 50, kBlue}, {218, 50, kWhite}}},
        {300, 100, true, {{120, 0, kRed}, {120, 99, kRed}}},  // the full height
        {200, 200, false, {{1, 1, kRed}, {198, 198, kBlue}}},
    };
    for (const auto& c : cases) {
        const Picture result =
            win::ResizePicture(source.Handle(), source.Kind(), c.width, c.height, kWhite, c.keepAspect);
        ASSERT_EQ(result.Kind(), PictureKind::Bitmap);
        const auto pixels = ReadPixels(result);
        ASSERT_TRUE(pixels.width == c.width && pixels.height == c.height);
        for (const auto& [x, y, colour] : c.spots)
            EXPECT_TRUE(Near(pixels.at(x, y), colour))
                << c.width << "x" << c.height << " at " << x << "," << y;
    }
    EXPECT_TRUE(Near(ReadPixels(source).at(399, 299), kBlue)) << "the source is left as it was";
}

// Records a red rectangle without outline into a metafile being made.
void RecordRedRectangle(HDC dc, int right, int bottom) {
    const win::UniqueHbrush brush(::CreateSolidBrush(kRed));
    const win::SelectGuard useBrush(dc, brush.get());
    const win::SelectGuard noPen(dc, ::GetStockObject(NULL_PEN));
    ::Rectangle(dc, 0, 0, right, bottom);
}

// An icon and both kinds of metafile are played into a bitmap: the enhanced
// one at its proportions (20 x 10 mm, white above and below), the old one
// stretched; no picture gives none.
TEST_F(ResizePictureTest, IconsAndMetafilesArePlayedIntoTheCanvas) {
    const Picture inIcon = win::ResizePicture(HandleToULong(::LoadIconW(nullptr, IDI_EXCLAMATION)),
                                              PictureKind::Icon, 64, 64, kWhite, true);
    const auto iconPixels = ReadPixels(inIcon);
    EXPECT_GT(std::count_if(iconPixels.values.begin(), iconPixels.values.end(),
                            [](COLORREF c) { return !Near(c, kWhite, 30); }),
              200)
        << "the icon was drawn";
    const Picture solid = SolidPicture(10, 10, kRed);
    EXPECT_FALSE(win::ResizePicture(solid.Handle(), PictureKind::None, 10, 10, kWhite, true));
    EXPECT_FALSE(win::ResizePicture(0, PictureKind::Bitmap, 10, 10, kWhite, true)) << "from handle 0";

    RECT frame{0, 0, 2000, 1000};  // HIMETRIC
    const HDC emfRecorder = ::CreateEnhMetaFileW(nullptr, nullptr, &frame, nullptr);
    RecordRedRectangle(emfRecorder, 76, 38);
    const HENHMETAFILE emf = ::CloseEnhMetaFile(emfRecorder);
    const HDC wmfRecorder = ::CreateMetaFileW(nullptr);
    ::SetWindowExtEx(wmfRecorder, 100, 100, nullptr);
    RecordRedRectangle(wmfRecorder, 101, 101);
    const HMETAFILE wmf = ::CloseMetaFile(wmfRecorder);
    const Picture inEmf =
        win::ResizePicture(HandleToULong(emf), PictureKind::EnhancedMetafile, 200, 200, kWhite, true);
    const Picture inWmf =
        win::ResizePicture(HandleToULong(wmf), PictureKind::Metafile, 120, 80, kWhite, false);
    ::DeleteEnhMetaFile(emf);
    ::DeleteMetaFile(wmf);
    ASSERT_TRUE(inEmf && inWmf);
    EXPECT_TRUE(inIcon.Kind() == PictureKind::Bitmap && inWmf.Kind() == PictureKind::Bitmap);
    const auto emfPixels = ReadPixels(inEmf), wmfPixels = ReadPixels(inWmf);
    EXPECT_TRUE(Near(emfPixels.at(100, 2), kWhite) && Near(emfPixels.at(100, 100), kRed, 40));
    EXPECT_TRUE(wmfPixels.width == 120 && wmfPixels.height == 80);
    EXPECT_GT(std::count_if(wmfPixels.values.begin(), wmfPixels.values.end(),
                            [](COLORREF c) { return Near(c, kRed, 40); }),
              120 * 80 / 4)
        << "the rectangle was played into the canvas";
}

TEST_F(ResizePictureTest, MetafileTooLargeForItsHeaderRaisesOverflow) {
    HDC recorder = ::CreateMetaFileW(nullptr);
    const HMETAFILE wmf = ::CloseMetaFile(recorder);
    try {
        win::ResizePicture(HandleToULong(wmf), PictureKind::Metafile, 40000, 10, kWhite, true);
        ADD_FAILURE() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number, kErrOverflow);
    }
    ::DeleteMetaFile(wmf);
}

}  // namespace
}  // namespace tpr::test
