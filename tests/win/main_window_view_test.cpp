// The main window's photo view: fitted, never enlarged, centred in the work
// area, and reported in the status bar's second panel.
#include "main_window_fixture.h"
#include "test_files.h"
#include "test_pictures.h"
#include "win/runtime/screen.h"
#include "win/runtime/text.h"

namespace tpr::test {
namespace {

constexpr COLORREF kGreen = RGB(30, 160, 60);

TEST_F(Form1Test, SmallPhotoIsShownAtItsOwnSizeCentred) {
    SetWorkArea(1000, 700);
    form.picImage.SetPicture(SolidPicture(640, 480, kGreen));
    form.ResizePhotoInProperties();

    EXPECT_EQ(form.StatusBar1.PanelText(2), L"Photo resolution: 640x480  ");
    const RECT view = ViewRect();
    const int barHeight = win::PixelsY(form.ClientAreaTop);
    EXPECT_EQ(view.left, 180);
    EXPECT_EQ(view.top, barHeight + 110);
    EXPECT_EQ(view.right - view.left, 640);
    EXPECT_EQ(view.bottom - view.top, 480);
    EXPECT_TRUE(form.picBox.Visible());
    const auto shown = ReadPixels(form.picBox.GetPicture());
    EXPECT_EQ(shown.width, 640);
    EXPECT_TRUE(Near(shown.at(320, 240), kGreen));
}

TEST_F(Form1Test, WidePhotoIsFittedWithEqualStripsAboveAndBelow) {
    SetWorkArea(800, 600);
    form.picImage.SetPicture(SolidPicture(2000, 1000, kGreen));
    form.ResizePhotoInProperties();

    EXPECT_EQ(form.StatusBar1.PanelText(2), L"Photo resolution: 800x400  ");
    const RECT view = ViewRect();
    const int barHeight = win::PixelsY(form.ClientAreaTop);
    EXPECT_EQ(view.left, 0);
    EXPECT_EQ(view.top, barHeight + 100);
    EXPECT_EQ(view.bottom, barHeight + 500);
    EXPECT_EQ(ReadPixels(form.picBox.GetPicture()).height, 400);
}

TEST_F(Form1Test, EveryChangeOfTheWindowSizeRefitsThePhoto) {
    form.picImage.SetPicture(SolidPicture(2000, 1000, kGreen));
    SetWorkArea(400, 500);
    EXPECT_EQ(form.StatusBar1.PanelText(2), L"Photo resolution: 400x200  ");
    SetWorkArea(1000, 300);
    EXPECT_EQ(form.StatusBar1.PanelText(2), L"Photo resolution: 600x300  ");
    EXPECT_EQ(ReadPixels(form.picBox.GetPicture()).width, 600);
}

TEST_F(Form1Test, PlaceholderIsShownAtItsNaturalSize) {
    SetWorkArea(800, 600);
    form.SetNoImage();
    EXPECT_EQ(form.StatusBar1.PanelText(2), L"Photo resolution: 355x296  ");
    const auto shown = ReadPixels(form.picBox.GetPicture());
    EXPECT_TRUE(Near(shown.at(2, 2), RGB(255, 255, 255)));
    int blue = 0;
    for (COLORREF c : shown.values) blue += (GetBValue(c) > GetRValue(c) + 40) ? 1 : 0;
    EXPECT_GT(blue, 1000) << "the light-blue lettering is drawn";
}

TEST_F(Form1Test, WorkAreaWithoutHeightHidesTheViewQuietly) {
    SetWorkArea(800, 600);
    form.SetNoImage();
    SetWorkArea(800, 0);
    EXPECT_FALSE(form.picBox.Visible());
    EXPECT_EQ(form.StatusBar1.PanelText(2), L"Photo resolution: 355x296  ");
    SetWorkArea(300, 200);
    EXPECT_TRUE(form.picBox.Visible()) << "a usable size shows the view again";
    EXPECT_EQ(form.StatusBar1.PanelText(2), L"Photo resolution: 240x200  ");
}

TEST_F(Form1Test, StripThinnerThanAPixelWhenFittedIsShownOnePixelWide) {
    SetWorkArea(800, 600);
    form.picImage.SetPicture(SolidPicture(1, 20000, kGreen));
    form.ResizePhotoInProperties();
    EXPECT_EQ(form.StatusBar1.PanelText(2), L"Photo resolution: 1x600  ");
    EXPECT_TRUE(form.picBox.Visible());
    const auto shown = ReadPixels(form.picBox.GetPicture());
    ASSERT_EQ(shown.width, 1);
    EXPECT_TRUE(Near(shown.at(0, 300), kGreen));
}

TEST_F(Form1Test, TransparentPixelsOfAGifAreShownOnWhite) {
    // 2 x 1 pixels: a transparent one (magenta in the colour table), then green.
    const std::string gif{"GIF89a\x02\x00\x01\x00\x80\x00\x00"
                          "\xFF\x00\xFF\x00\x80\x00"
                          "\x21\xF9\x04\x01\x00\x00\x00\x00"
                          "\x2C\x00\x00\x00\x00\x02\x00\x01\x00\x00"
                          "\x02\x02\x44\x0A\x00\x3B",
                          43};
    TempFolder folder;
    const std::wstring path = folder.File(L"logo.gif");
    WriteFileBytes(path, gif);
    SetWorkArea(800, 600);
    form.ShowPhotoFile(path);
    const auto shown = ReadPixels(form.picBox.GetPicture());
    ASSERT_EQ(shown.width, 2);
    EXPECT_TRUE(Near(shown.at(0, 0), RGB(255, 255, 255))) << std::hex << shown.at(0, 0);
    EXPECT_TRUE(Near(shown.at(1, 0), RGB(0, 128, 0))) << std::hex << shown.at(1, 0);
}

TEST_F(Form1Test, ThirdPanelCarriesTheResizeHint) {
    EXPECT_EQ(form.StatusBar1.PanelText(3), L"Drag the window border or corner to resize the phoro --->");
    EXPECT_EQ(win::WindowText(form.hwnd()), L"Tessaly Photo Resizer");
}

}  // namespace
}  // namespace tpr::test
