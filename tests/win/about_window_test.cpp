// The About window: modal over the main window, its texts and version line,
// its two links, closed with OK.
#include <windows.h>

#include "core/common/ui_texts.h"
#include "error_test_support.h"
#include "main_window_probe.h"
#include "win/common/file_system.h"
#include "win/main_window/about_window.h"

namespace tpr::test {
namespace {

using AboutWindowTest = ErrorReportTest;
using win::Form10;

TEST_F(AboutWindowTest, ShowsNameVersionNoticeAndLinksOverTheMainWindowAndClosesWithOk) {
    ShowMainWindow();
    ShellRecorder shell;
    HWND about = nullptr, owner = nullptr;
    BOOL mainEnabled = TRUE;
    std::vector<std::wstring> texts;
    WindowWatcher watcher(texts::AboutWindowTitle, [&](HWND window) {
        about = window;
        owner = ::GetWindow(window, GW_OWNER);
        mainEnabled = ::IsWindowEnabled(main_->hwnd());
        texts = ChildTexts(window);
        ExpectTextsFit(window);
        const auto interfaceFont = ::SendMessageW(win::MainWindowProbe(*main_).fontLabel, WM_GETFONT, 0, 0);
        for (const int id :
             {Form10::kAppNameId, Form10::kVersionId, Form10::kLabel4Id, Form10::kLabel5Id, Form10::kOkId}) {
            EXPECT_EQ(::SendMessageW(Child(window, id), WM_GETFONT, 0, 0), interfaceFont) << id;
        }
        Click(Child(window, Form10::kLabel4Id));
        Click(Child(window, Form10::kLabel5Id));
        PressButton(window, IDOK);
    });
    main_->mnuHelpAbout_Click();  // returns once the window is closed
    watcher.Stop();

    ASSERT_TRUE(watcher.Found());
    EXPECT_EQ(owner, main_->hwnd());
    EXPECT_FALSE(mainEnabled);
    EXPECT_EQ(texts, (std::vector<std::wstring>{L"", texts::AppName, texts::VersionLabelText + L"2.00",
                                                texts::NoticeLine1Text, texts::NoticeLine2Text, L"Website:",
                                                L"https://www.tessaly.example/", L"Technical support:",
                                                L"support@tessaly.example", L"OK"}));

    ASSERT_EQ(shell.starts.size(), 2u);
    const win::ShellStart& website = shell.starts[0];
    EXPECT_EQ(website.owner, about);
    EXPECT_EQ(website.verb, L"") << "the shell's default action";
    EXPECT_EQ(website.file, L"https://www.tessaly.example/");
    EXPECT_EQ(website.show, SW_SHOWNORMAL);
    const win::ShellStart& mail = shell.starts[1];
    EXPECT_EQ(mail.owner, about);
    EXPECT_EQ(mail.verb, L"open");
    EXPECT_EQ(mail.file, L"mailto:support@tessaly.example?Subject=Tessaly%20Photo%20Resizer%20v2.0");

    EXPECT_TRUE(::IsWindowEnabled(main_->hwnd()));
    EXPECT_FALSE(::IsWindow(about));
    EXPECT_FALSE(win::isLoad(L"Form10"));
    EXPECT_TRUE(dialogs_.shownModal.empty()) << "nothing failed";
}

TEST_F(AboutWindowTest, EscapeClosesItToo) {
    ShowMainWindow();
    WindowWatcher watcher(texts::AboutWindowTitle,
                          [](HWND window) { ::PostMessageW(Child(window, IDOK), WM_KEYDOWN, VK_ESCAPE, 0); });
    main_->mnuHelpAbout_Click();
    watcher.Stop();
    EXPECT_TRUE(watcher.Found());
    EXPECT_TRUE(WindowsTitled(texts::AboutWindowTitle).empty());
}

}  // namespace
}  // namespace tpr::test
