// ResizePicture on each kind of picture the runtime holds, checked pixel by
// pixel: the drawing where the centred rectangle says, white strips beside it.
#include "win/imaging/gdiplus_resize.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "core/runtime/runtime_error.h"
#include "test_pictures.h"

namespace tpr::win {
namespace {

using test::Near;
using test::ReadPixels;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(220, 20, 20);

class ResizePictureTest : public ::testing::Test {
protected:
    GdiPlusSession session_;
};

TEST_F(ResizePictureTest, BitmapIsDrawnCentredOrOverTheWholeCanvasTheRightWayRound) {
    constexpr COLORREF kBlue = RGB(20, 20, 220);
    // 400 x 300, left half red, right half blue.
    const Picture source =
        win::PictureFromBitmap(test::MakeBitmap(400, 300, [](int x, int) { return x < 200 ? kRed : kBlue; }));
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
            ResizePicture(source.Handle(), source.Kind(), c.width, c.height, kWhite, c.keepAspect);
        ASSERT_EQ(result.Kind(), PictureKind::Bitmap);
        const auto pixels = ReadPixels(result);
        ASSERT_TRUE(pixels.width == c.width && pixels.height == c.height);
        for (const auto& [x, y, colour] : c.spots)
            EXPECT_TRUE(Near(pixels.at(x, y), colour))
                << c.width << "x" << c.height << " at " << x << "," << y;
    }
    EXPECT_TRUE(Near(ReadPixels(source).at(399, 299), kBlue)) << "the source is left as it was";
}

TEST_F(ResizePictureTest, IconBecomesABitmap) {
    const HICON icon = ::LoadIconW(nullptr, IDI_EXCLAMATION);
    const Picture result = ResizePicture(HandleToULong(icon), PictureKind::Icon, 64, 64, kWhite, true);
    ASSERT_EQ(result.Kind(), PictureKind::Bitmap);
    const auto pixels = ReadPixels(result);
    EXPECT_GT(std::count_if(pixels.values.begin(), pixels.values.end(),
                            [](COLORREF c) { return !Near(c, kWhite, 30); }),
              200)
        << "the icon was drawn";
}

// Records a red rectangle without outline into a metafile being made.
void RecordRedRectangle(HDC dc, int right, int bottom) {
    const UniqueHbrush brush(::CreateSolidBrush(kRed));
    const SelectGuard useBrush(dc, brush.get());
    const SelectGuard noPen(dc, ::GetStockObject(NULL_PEN));
    ::Rectangle(dc, 0, 0, right, bottom);
}

// Both kinds of metafile are played into a bitmap: the enhanced one at its
// proportions (20 x 10 mm, white above and below), the old one stretched.
TEST_F(ResizePictureTest, MetafilesArePlayedIntoTheCanvas) {
    RECT frame{0, 0, 2000, 1000};  // HIMETRIC
    const HDC emfRecorder = ::CreateEnhMetaFileW(nullptr, nullptr, &frame, nullptr);
    RecordRedRectangle(emfRecorder, 76, 38);
    const HENHMETAFILE emf = ::CloseEnhMetaFile(emfRecorder);
    const HDC wmfRecorder = ::CreateMetaFileW(nullptr);
    ::SetWindowExtEx(wmfRecorder, 100, 100, nullptr);
    RecordRedRectangle(wmfRecorder, 101, 101);
    const HMETAFILE wmf = ::CloseMetaFile(wmfRecorder);
    const Picture inEmf =
        ResizePicture(HandleToULong(emf), PictureKind::EnhancedMetafile, 200, 200, kWhite, true);
    const Picture inWmf = ResizePicture(HandleToULong(wmf), PictureKind::Metafile, 120, 80, kWhite, false);
    ::DeleteEnhMetaFile(emf);
    ::DeleteMetaFile(wmf);
    ASSERT_TRUE(inEmf && inWmf);
    EXPECT_EQ(inWmf.Kind(), PictureKind::Bitmap);
    const auto emfPixels = ReadPixels(inEmf), wmfPixels = ReadPixels(inWmf);
    EXPECT_TRUE(Near(emfPixels.at(100, 2), kWhite) && Near(emfPixels.at(100, 100), kRed, 40));
    EXPECT_TRUE(wmfPixels.width == 120 && wmfPixels.height == 80);
    EXPECT_GT(std::count_if(wmfPixels.values.begin(), wmfPixels.values.end(),
                            [](COLORREF c) { return Near(c, kRed, 40); }),
              120 * 80 / 4)
        << "the rectangle was played into the canvas";
}

TEST_F(ResizePictureTest, NoPictureKindGivesNoPicture) {
    const Picture source = test::SolidPicture(10, 10, kRed);
    EXPECT_FALSE(ResizePicture(source.Handle(), PictureKind::None, 10, 10, kWhite, true));
    EXPECT_FALSE(ResizePicture(0, PictureKind::Bitmap, 10, 10, kWhite, true)) << "no image from handle 0";
}

TEST_F(ResizePictureTest, MetafileTooLargeForItsHeaderRaisesOverflow) {
    HDC recorder = ::CreateMetaFileW(nullptr);
    const HMETAFILE wmf = ::CloseMetaFile(recorder);
    try {
        ResizePicture(HandleToULong(wmf), PictureKind::Metafile, 40000, 10, kWhite, true);
        ADD_FAILURE() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number, kErrOverflow);
    }
    ::DeleteMetaFile(wmf);
}

}  // namespace
}  // namespace tpr::win
