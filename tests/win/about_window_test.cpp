// The About window: modal over the main window, its texts in the interface
// font, its two links, closed with OK or Escape.
#include "win/main_window/about_window.h"

#include <windows.h>

#include "core/common/ui_texts.h"
#include "error_test_support.h"
#include "main_window_fixture.h"
#include "win/common/file_system.h"

namespace tpr::test {
namespace {

using AboutWindowTest = Form1Test;
using win::Form10;

TEST_F(AboutWindowTest, ShowsItsTextsAndLinksOverTheMainWindowAndClosesWithOk) {
    ShellRecorder shell;
    HWND about = nullptr, owner = nullptr;
    BOOL mainEnabled = TRUE;
    std::vector<std::wstring> shown;
    WindowWatcher watcher(texts::AboutWindowTitle, [&](HWND window) {
        about = window;
        owner = ::GetWindow(window, GW_OWNER);
        mainEnabled = ::IsWindowEnabled(form.hwnd());
        shown = ChildTexts(window);
        ExpectTextsFit(window);
        const auto font = ::SendMessageW(probe.fontLabel, WM_GETFONT, 0, 0);
        for (const int id : {Form10::kAppNameId, Form10::kVersionId, Form10::kLabel4Id, Form10::kOkId})
            EXPECT_EQ(::SendMessageW(::GetDlgItem(window, id), WM_GETFONT, 0, 0), font) << id;
        Click(::GetDlgItem(window, Form10::kLabel4Id));
        Click(::GetDlgItem(window, Form10::kLabel5Id));
        PressButton(window, IDOK);
    });
    form.mnuHelpAbout_Click();  // returns once the window is closed
    watcher.Stop();

    EXPECT_EQ(owner, form.hwnd());
    EXPECT_FALSE(mainEnabled);
    EXPECT_EQ(shown, (std::vector<std::wstring>{L"", texts::AppName, texts::VersionLabelText + L"2.00",
                                                texts::NoticeLine1Text, texts::NoticeLine2Text, L"Website:",
                                                L"https://www.tessaly.example/", L"Technical support:",
                                                L"support@tessaly.example", L"OK"}));
    ASSERT_EQ(shell.starts.size(), 2u);
    const win::ShellStart &website = shell.starts[0], &mail = shell.starts[1];
    EXPECT_TRUE(website.owner == about && website.verb == L"" && website.show == SW_SHOWNORMAL);
    EXPECT_EQ(website.file, L"https://www.tessaly.example/");
    EXPECT_TRUE(mail.owner == about && mail.verb == L"open");
    EXPECT_EQ(mail.file, L"mailto:support@tessaly.example?Subject=Tessaly%20Photo%20Resizer%20v2.0");
    EXPECT_TRUE(::IsWindowEnabled(form.hwnd()));
    EXPECT_FALSE(win::isLoad(L"Form10"));
}

TEST_F(AboutWindowTest, EscapeClosesItToo) {
    WindowWatcher watcher(texts::AboutWindowTitle, [](HWND window) {
        ::PostMessageW(::GetDlgItem(window, IDOK), WM_KEYDOWN, VK_ESCAPE, 0);
    });
    form.mnuHelpAbout_Click();
    EXPECT_TRUE(watcher.Found());
}

}  // namespace
}  // namespace tpr::test
