// ResizePicture on each kind of picture the runtime holds, checked pixel by
// pixel: the drawing where the centred rectangle says, white strips beside it.
#include <gtest/gtest.h>

#include "core/runtime/runtime_error.h"
#include "test_pictures.h"
#include "win/imaging/gdiplus_resize.h"

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

TEST_F(ResizePictureTest, BitmapIsCentredWithWhiteStrips) {
    const Picture source = test::SolidPicture(400, 300, kRed);
    // 400x300 into 300x100: a 133x100 drawing at (84, 0).
    const Picture result = ResizePicture(source.Handle(), source.Kind(), 300, 100, kWhite, true);
    ASSERT_TRUE(result);
    EXPECT_EQ(result.Kind(), PictureKind::Bitmap);
    const auto pixels = ReadPixels(result);
    ASSERT_EQ(pixels.width, 300);
    ASSERT_EQ(pixels.height, 100);
    EXPECT_TRUE(Near(pixels.at(82, 50), kWhite));
    EXPECT_TRUE(Near(pixels.at(86, 50), kRed));
    EXPECT_TRUE(Near(pixels.at(214, 50), kRed));
    EXPECT_TRUE(Near(pixels.at(218, 50), kWhite));
    EXPECT_TRUE(Near(pixels.at(150, 0), kRed));
    EXPECT_TRUE(Near(pixels.at(150, 99), kRed));
}

TEST_F(ResizePictureTest, WithoutAspectTheWholeCanvasIsDrawn) {
    const Picture source = test::SolidPicture(400, 300, kRed);
    const Picture result = ResizePicture(source.Handle(), source.Kind(), 200, 200, kWhite, false);
    const auto pixels = ReadPixels(result);
    EXPECT_TRUE(Near(pixels.at(1, 1), kRed));
    EXPECT_TRUE(Near(pixels.at(198, 198), kRed));
}

TEST_F(ResizePictureTest, KeepsTheSourceAndItsOrientation) {
    // Left half red, right half blue: the halves must stay where they were.
    const Picture source = win::PictureFromBitmap(
        test::MakeBitmap(200, 100, [](int x, int) { return x < 100 ? kRed : RGB(20, 20, 220); }));
    const Picture result = ResizePicture(source.Handle(), source.Kind(), 100, 50, kWhite, true);
    const auto pixels = ReadPixels(result);
    EXPECT_TRUE(Near(pixels.at(10, 25), kRed));
    EXPECT_TRUE(Near(pixels.at(90, 25), RGB(20, 20, 220)));
    EXPECT_TRUE(Near(ReadPixels(source).at(199, 99), RGB(20, 20, 220)));
}

TEST_F(ResizePictureTest, IconBecomesABitmap) {
    const HICON icon = ::LoadIconW(nullptr, IDI_EXCLAMATION);
    const Picture result = ResizePicture(HandleToULong(icon), PictureKind::Icon, 64, 64, kWhite, true);
    ASSERT_TRUE(result);
    EXPECT_EQ(result.Kind(), PictureKind::Bitmap);
    const auto pixels = ReadPixels(result);
    EXPECT_EQ(pixels.width, 64);
    int coloured = 0;
    for (COLORREF c : pixels.values) coloured += Near(c, kWhite, 30) ? 0 : 1;
    EXPECT_GT(coloured, 200) << "the icon was drawn";
}

// Records a red rectangle without outline into a metafile being made.
void RecordRedRectangle(HDC dc, int right, int bottom) {
    const UniqueHbrush brush(::CreateSolidBrush(kRed));
    const SelectGuard useBrush(dc, brush.get());
    const SelectGuard noPen(dc, ::GetStockObject(NULL_PEN));
    ::Rectangle(dc, 0, 0, right, bottom);
}

TEST_F(ResizePictureTest, EnhancedMetafileIsDrawnIntoTheCanvas) {
    RECT frame{0, 0, 2000, 1000};  // HIMETRIC: 20 x 10 mm
    HDC recorder = ::CreateEnhMetaFileW(nullptr, nullptr, &frame, nullptr);
    RecordRedRectangle(recorder, 76, 38);
    const HENHMETAFILE emf = ::CloseEnhMetaFile(recorder);
    const Picture result = ResizePicture(HandleToULong(emf), PictureKind::EnhancedMetafile, 200, 200, kWhite, true);
    ::DeleteEnhMetaFile(emf);
    ASSERT_TRUE(result);
    const auto pixels = ReadPixels(result);
    EXPECT_TRUE(Near(pixels.at(100, 2), kWhite)) << "strip above the wide drawing";
    EXPECT_TRUE(Near(pixels.at(100, 100), kRed, 40));
}

TEST_F(ResizePictureTest, WindowsMetafileIsDrawnIntoTheCanvas) {
    HDC recorder = ::CreateMetaFileW(nullptr);
    ::SetWindowExtEx(recorder, 100, 100, nullptr);
    RecordRedRectangle(recorder, 101, 101);
    const HMETAFILE wmf = ::CloseMetaFile(recorder);
    const Picture result = ResizePicture(HandleToULong(wmf), PictureKind::Metafile, 120, 80, kWhite, false);
    ::DeleteMetaFile(wmf);
    ASSERT_TRUE(result);
    EXPECT_EQ(result.Kind(), PictureKind::Bitmap);
    const auto pixels = ReadPixels(result);
    EXPECT_EQ(pixels.width, 120);
    EXPECT_EQ(pixels.height, 80);
    int red = 0;
    for (COLORREF c : pixels.values) red += Near(c, kRed, 40) ? 1 : 0;
    EXPECT_GT(red, 120 * 80 / 4) << "the metafile's rectangle was played into the canvas";
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
