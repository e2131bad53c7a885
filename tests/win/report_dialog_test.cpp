// The report dialog "Program Error": its texts and links, modal over the main
// window, modeless (and as many as there were errors) without it, and what
// its links start.
#include <windows.h>

#include "core/common/ui_texts.h"
#include "core/errors/mail_explorer.h"
#include "error_test_support.h"
#include "test_pictures.h"
#include "win/common/file_system.h"
#include "win/dialogs/report_dialog.h"
#include "win/errors/drives.h"
#include "win/app/report_dialogs.h"
#include "win/errors/shell_launch.h"
#include "win/runtime/text.h"

namespace tpr::test {
namespace {

using ReportDialogTest = ErrorReportTest;

std::vector<std::wstring> ExpectedTexts(const std::wstring& logFolder) {
    using namespace texts;
    const std::wstring frame, icon;
    return {icon,          ErrorOccurredText,   ErrorDirectionsText, frame,          SendToStep1Text,
            logFolder,     SendToStep2Text,     SendToStep3Text,     SendToStep4Text, OrText,
            frame,         MailLinkStep1Text,   kSupportEmail,       MailLinkStep2Text, logFolder,
            MailLinkStep3Text, OrText,          frame,               MailClientStep1Text, MailClientStep2Text,
            MailClientStep3Text, logFolder,     MailClientStep4Text, OkCaption};
}

TEST_F(ReportDialogTest, OverTheMainWindowItIsModalShowsItsTextsAndClosesWithOk) {
    ShowMainWindow();
    UseProgramDialogs();
    std::vector<std::wstring> texts;
    HWND owner = nullptr;
    BOOL mainEnabled = TRUE;
    WindowWatcher watcher(texts::ProgramErrorTitle, [&](HWND dialog) {
        texts = ChildTexts(dialog);
        owner = ::GetWindow(dialog, GW_OWNER);
        mainEnabled = ::IsWindowEnabled(main_->hwnd());
        PressButton(dialog, IDOK);
    });
    FailInAnEvent();  // returns once the dialog is closed
    watcher.Stop();

    ASSERT_TRUE(watcher.Found());
    EXPECT_EQ(owner, main_->hwnd());
    EXPECT_FALSE(mainEnabled) << "the main window waits for the dialog";
    EXPECT_EQ(texts, ExpectedTexts(LogFolder()));
    EXPECT_TRUE(::IsWindowEnabled(main_->hwnd()));
    EXPECT_TRUE(WindowsTitled(texts::ProgramErrorTitle).empty());
    EXPECT_FALSE(win::isLoad(L"Form11"));
    EXPECT_EQ(CountOf(LogText(), "Program path: "), 1u) << "logged before it was shown";
}

TEST_F(ReportDialogTest, WithoutTheMainWindowEachErrorLeavesADialogOpen) {
    UseProgramDialogs();
    FailInAnEvent();
    FailInAnEvent(L"Form1.bnSave", 53);
    const std::vector<HWND> dialogs = WindowsTitled(texts::ProgramErrorTitle);
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(::GetWindow(dialogs[0], GW_OWNER), nullptr);
    EXPECT_TRUE(win::isLoad(L"Form11"));

    ::SendMessageW(dialogs[0], WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_EQ(WindowsTitled(texts::ProgramErrorTitle), std::vector<HWND>{dialogs[1]})
        << "closing one leaves the other";
    EXPECT_TRUE(win::ModelessReportDialogsOpen());

    WindowWatcher closer(texts::ProgramErrorTitle, [](HWND dialog) { PressButton(dialog, IDOK); });
    win::RunWhileReportDialogsOpen();  // returns once the user closed the last one
    EXPECT_FALSE(win::ModelessReportDialogsOpen());
    EXPECT_TRUE(WindowsTitled(texts::ProgramErrorTitle).empty());
}

TEST_F(ReportDialogTest, LayoutShowsEveryTextWholeInTheInterfaceFontBesideTheIcon) {
    win::Form11 dialog;
    dialog.Show();
    ExpectTextsFit(dialog.hwnd());
    const auto formFont = ::SendMessageW(dialog.hwnd(), WM_GETFONT, 0, 0);
    ASSERT_NE(formFont, 0);
    for (const int id : {win::Form11::kLabel1Id, win::Form11::kLabel15Id, win::Form11::kLabel55Id,
                         win::Form11::kLabel58Id, win::Form11::kOkId}) {
        EXPECT_EQ(::SendMessageW(Child(dialog.hwnd(), id), WM_GETFONT, 0, 0), formFont) << id;
    }
    const Pixels icon = ReadPixels(dialog.picExclamation.GetPicture());
    ASSERT_EQ(icon.width, ::GetSystemMetrics(SM_CXICON));
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    int drawn = 0;
    for (const COLORREF c : icon.values) drawn += Near(c, face, 0) ? 0 : 1;
    EXPECT_GT(drawn, icon.width * icon.height / 4) << "the exclamation icon is drawn";
    EXPECT_TRUE(Near(icon.at(0, 0), face, 0)) << "the corner shows the dialog's face";
}

TEST_F(ReportDialogTest, MailLinkStartsAMessageAndFolderLinksTheFileManagerWithTheLogSelected) {
    const std::wstring kReportMail =
        L"mailto:support@tessaly.example?Subject=Tessaly%20Photo%20Resizer%20v2.0%20Error%20report";
    FailInAnEvent();  // writes the log
    win::Form11 dialog;
    dialog.Show();
    ShellRecorder shell;
    for (const win::LinkLabel* link : {&dialog.Label55, &dialog.Label56, &dialog.Label57, &dialog.Label58})
        Click(link->hwnd());

    wchar_t windows[MAX_PATH] = {};
    ::GetWindowsDirectoryW(windows, MAX_PATH);
    ASSERT_EQ(shell.starts.size(), 4u);
    for (size_t i = 0; i < shell.starts.size(); ++i) {
        const win::ShellStart& start = shell.starts[i];
        EXPECT_EQ(start.owner, dialog.hwnd()) << i;
        EXPECT_EQ(start.verb, L"open") << i;
        EXPECT_EQ(start.file, i == 0 ? kReportMail : std::wstring(windows) + L"\\explorer.exe") << i;
        EXPECT_EQ(start.parameters, i == 0 ? L"" : L"/e,/select," + LogPath()) << i;
        EXPECT_EQ(start.show, SW_SHOWNORMAL) << i;
    }
}

TEST_F(ReportDialogTest, FolderLinkWithTheLogGoneSaysSoAndOpensNothing) {
    ::CreateDirectoryW(LogFolder().c_str(), nullptr);
    win::Form11 dialog;
    dialog.Show();
    ShellRecorder shell;
    MessageBoxCatcher box;
    Click(dialog.Label58.hwnd());
    EXPECT_EQ(box.Text(), texts::FileNotFoundText);
    EXPECT_TRUE(shell.starts.empty());
    EXPECT_TRUE(::IsWindow(dialog.hwnd())) << "the dialog stays open";
}

TEST_F(ReportDialogTest, FailedFileManagerStartIsExplained) {
    FailInAnEvent();
    win::Form11 dialog;
    dialog.Show();
    ShellRecorder shell;
    shell.result = SE_ERR_ACCESSDENIED;
    MessageBoxCatcher box;
    Click(dialog.Label57.hwnd());
    EXPECT_EQ(box.Text(), *err::ShellErrorText(SE_ERR_ACCESSDENIED));
}

DWORD WINAPI NoDriveStrings(DWORD, LPWSTR) { return 0; }

TEST_F(ReportDialogTest, FailureBelowALinkIsLoggedOnceWithEveryProcedureOnTheWay) {
    ::CreateDirectoryW(LogFolder().c_str(), nullptr);
    win::Form11 dialog;
    dialog.Show();
    win::Drives().logicalDriveStrings = &NoDriveStrings;
    Click(dialog.Label56.hwnd());
    win::Drives() = {};

    const std::string log = LogText();
    EXPECT_EQ(CountOf(log, "Program path: "), 1u);
    const size_t drive = log.find("  Call Stack: mDrive.FileManager("),
                 explorer = log.find("  Call Stack: mCommon.OpenInExplorerList("),
                 link = log.find("  Call Stack: Form11.Label56_Click() ");
    EXPECT_TRUE(drive < explorer && explorer < link && link != std::string::npos) << log;
    EXPECT_EQ(dialogs_.shownModal.size(), 1u) << "reported in a further dialog";
}

}  // namespace
}  // namespace tpr::test
