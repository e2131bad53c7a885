// The photo view: fitted, never enlarged, centred, refitted on resize, in the status bar; also at 150 %.
#include <windows.h>

#include <commctrl.h>

#include <cstdlib>

#include "core/common/ui_texts.h"
#include "core/main_window/status_texts.h"
#include "main_window_fixture.h"
#include "test_files.h"
#include "test_pictures.h"
#include "win/imaging/save_jpg.h"
#include "win/runtime/screen.h"
#include "win/runtime/text.h"
#include "win/runtime/unique_any.h"

namespace tpr::test {
namespace {

constexpr COLORREF kGreen = RGB(30, 160, 60);

TEST_F(Form1Test, PhotoIsFittedCentredAndRefittedOnEveryResize) {
    // Each area differs from the one before: the resize alone refits.
    const struct {
        SIZE photo;  // {0, 0}: the placeholder
        SIZE area;   // the work area the window is then sized to
        SIZE shown;
        bool visible;
    } cases[] = {
        {{640, 480}, {1000, 700}, {640, 480}, true},    // never enlarged
        {{2000, 1000}, {800, 500}, {800, 400}, true},   // strips above and below
        {{2000, 1000}, {1000, 300}, {600, 300}, true},  // strips left and right
        {{1, 20000}, {800, 600}, {1, 600}, true},       // thinner than a pixel: one pixel wide
        {{0, 0}, {900, 650}, {355, 296}, true},         // the placeholder at its natural size
        {{0, 0}, {800, 0}, {355, 296}, false},          // no height: hidden, the panel as it was
        {{0, 0}, {300, 200}, {240, 200}, true},         // a usable size shows it again
    };
    for (const auto& c : cases) {
        const std::string name = std::to_string(c.photo.cx) + " in " + std::to_string(c.area.cx);
        if (c.photo.cx) {
            ShowPicture(SolidPicture(c.photo.cx, c.photo.cy, kGreen));
        } else {
            form.SetNoImage();
        }
        SetWorkArea(c.area.cx, c.area.cy);
        EXPECT_EQ(ShownResolution(), PhotoResolutionText(c.shown.cx, c.shown.cy)) << name;
        EXPECT_EQ(probe.view.Visible(), c.visible) << name;
        if (!c.visible) continue;
        const RECT view = ViewRect();
        const int top = win::PixelsY(probe.clientAreaTop);
        EXPECT_TRUE(view.right - view.left == c.shown.cx && view.bottom - view.top == c.shown.cy) << name;
        EXPECT_LE(std::abs(view.left - (c.area.cx - view.right)), 1) << name << ": centred across";
        EXPECT_LE(std::abs((view.top - top) - (top + c.area.cy - view.bottom)), 1)
            << name << ": centred down";
        const Pixels shown = ReadPixels(probe.view.GetPicture());
        ASSERT_EQ(shown.width, c.shown.cx) << name;
        if (c.photo.cx) {
            EXPECT_TRUE(Near(shown.at(shown.width / 2, shown.height / 2), kGreen)) << name;
        } else {
            int blue = 0;
            for (COLORREF p : shown.values) blue += (GetBValue(p) > GetRValue(p) + 40) ? 1 : 0;
            EXPECT_GT(blue, shown.width * shown.height / 100) << name << ": the light-blue lettering";
        }
    }
    EXPECT_EQ(probe.statusBar.PanelText(3), texts::kDragHintText);
    EXPECT_EQ(win::WindowText(form.hwnd()), texts::AppName);
}

TEST_F(Form1Test, TransparentPixelsOfAGifAreShownAndSavedOnWhite) {
    // 2 x 1 pixels: a transparent one (magenta in the colour table), then green.
    const std::string gif{
        "GIF89a\x02\x00\x01\x00\x80\x00\x00"
        "\xFF\x00\xFF\x00\x80\x00"
        "\x21\xF9\x04\x01\x00\x00\x00\x00"
        "\x2C\x00\x00\x00\x00\x02\x00\x01\x00\x00"
        "\x02\x02\x44\x0A\x00\x3B",
        43};
    TempFolder folder;
    const std::wstring path = folder.File(L"logo.gif");
    WriteFileBytes(path, gif);
    form.ShowPhotoFile(path);
    const auto shown = ReadPixels(probe.view.GetPicture());
    ASSERT_EQ(shown.width, 2);
    EXPECT_TRUE(Near(shown.at(0, 0), form.kViewBackground)) << std::hex << shown.at(0, 0);
    EXPECT_TRUE(Near(shown.at(1, 0), RGB(0, 128, 0))) << std::hex << shown.at(1, 0);
    // Save writes the view, so the file is white there too.
    const std::wstring saved = folder.File(L"logo.jpg");
    win::SaveJPG(probe.view.GetPicture(), saved, 100);
    EXPECT_TRUE(Near(ImageFilePixel(saved, 0, 0), form.kViewBackground, 48))
        << std::hex << ImageFilePixel(saved, 0, 0);
}

TEST_F(Form1Test, At150PercentTwipsIconsAndStatusTextsFollowTheScale) {
    if (win::ScreenDotsPerInch() != 144) GTEST_SKIP() << "runs where the display scale is 150 % (LogPixels 144)";
    EXPECT_EQ(win::TwipsPerPixelX(), 10.0);
    EXPECT_EQ(win::TwipsPerPixelY(), 10.0);
    int width = 0, height = 0;
    ImageList_GetIconSize(probe.icons.handle(), &width, &height);
    EXPECT_EQ(width, 24) << "the command bar's pictures are drawn at the scale's size";
    EXPECT_EQ(height, 24);

    // At 800 x 600 the three panels cannot hold their texts at this scale
    // (the window is 533 pixels wide at 100 %); at 1024 x 768 they do.
    SetWorkArea(1024, 768);
    const HWND bar = probe.statusBar.hwnd();
    const win::UniqueScreenDc dc(::GetDC(bar));
    const win::SelectGuard font(dc.get(), reinterpret_cast<HGDIOBJ>(::SendMessageW(bar, WM_GETFONT, 0, 0)));
    for (int panel = 1; panel <= 3; ++panel) {
        const std::wstring text = probe.statusBar.PanelText(panel);
        RECT part{};
        ::SendMessageW(bar, SB_GETRECT, panel - 1, reinterpret_cast<LPARAM>(&part));
        SIZE needed{};
        ::GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &needed);
        EXPECT_LE(needed.cx, part.right - part.left) << win::ToNarrow(text);
        EXPECT_LE(needed.cy, part.bottom - part.top) << win::ToNarrow(text);
    }
}

}  // namespace
}  // namespace tpr::test
