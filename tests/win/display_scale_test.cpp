// The main window at 150 % display scale (144 dots per inch), where the test
// command runs it in a Wine prefix of its own; at other scales it skips.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include "main_window_fixture.h"
#include "win/runtime/screen.h"
#include "win/runtime/text.h"
#include "win/runtime/unique_any.h"

namespace tpr::test {
namespace {

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
