// The report dialog "Program Error": its texts and links, modal over the main
// window, modeless (and as many as there were errors) without it, and what
// its links start.
#include <windows.h>

#include "core/common/ui_texts.h"
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
    return {L"",  // the icon
            L"Sorry, an error has occurred. Try to restart the program.",
            L"If the error occurs again, please send a message with an attached ErrorReport.txt file by "
            L"following these directions:",
            L"",  // the first way's frame
            L"1) Go to the folder (click to open folder):",
            logFolder,
            L"2) Locate the ErrorReport.txt file in this folder",
            L"3) Right-click on the file and choose \"Send To...\" and \"Mail Recipient\"",
            L"4) Send the file to support@tessaly.example",
            L"OR",
            L"",  // the second way's frame
            L"1) Click the link below and your default email client will create a message",
            L"support@tessaly.example",
            L"2) Attach the ErrorReport.txt file located in the folder (click to open folder):",
            logFolder,
            L"3) Send the mail",
            L"OR",
            L"",  // the third way's frame
            L"1) Open your email client",
            L"2) Create a new email document",
            L"3) Attach the ErrorReport.txt file located in the folder (click to open folder):",
            logFolder,
            L"4) Send the file to support@tessaly.example",
            L"OK"};
}

TEST_F(ReportDialogTest, OverTheMainWindowItIsModalShowsItsTextsAndClosesWithOk) {
    ShowMainWindow();
    UseProgramDialogs();
    std::vector<std::wstring> texts;
    HWND owner = nullptr;
    BOOL mainEnabled = TRUE;
    WindowWatcher watcher(L"Program Error", [&](HWND dialog) {
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
    EXPECT_TRUE(WindowsTitled(L"Program Error").empty());
    EXPECT_FALSE(win::isLoad(L"Form11"));
    EXPECT_EQ(CountOf(LogText(), "Program path: "), 1u) << "logged before it was shown";
}

TEST_F(ReportDialogTest, WithoutTheMainWindowEachErrorLeavesADialogOpen) {
    UseProgramDialogs();
    FailInAnEvent();
    FailInAnEvent(L"Form1.bnSave", 53);
    const std::vector<HWND> dialogs = WindowsTitled(L"Program Error");
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(::GetWindow(dialogs[0], GW_OWNER), nullptr);
    EXPECT_TRUE(win::isLoad(L"Form11"));

    ::SendMessageW(dialogs[0], WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_EQ(WindowsTitled(L"Program Error"), std::vector<HWND>{dialogs[1]})
        << "closing one leaves the other";
    EXPECT_TRUE(win::ModelessReportDialogsOpen());

    WindowWatcher closer(L"Program Error", [](HWND dialog) { PressButton(dialog, IDOK); });
    win::RunWhileReportDialogsOpen();  // returns once the user closed the last one
    EXPECT_FALSE(win::ModelessReportDialogsOpen());
    EXPECT_TRUE(WindowsTitled(L"Program Error").empty());
}

TEST_F(ReportDialogTest, LayoutShowsEveryTextWholeInTheInterfaceFont) {
    win::Form11 dialog;
    dialog.Show();
    ExpectTextsFit(dialog.hwnd());
    const auto formFont = ::SendMessageW(dialog.hwnd(), WM_GETFONT, 0, 0);
    ASSERT_NE(formFont, 0);
    for (const int id : {win::Form11::kLabel1Id, win::Form11::kLabel15Id, win::Form11::kLabel55Id,
                         win::Form11::kLabel58Id, win::Form11::kOkId}) {
        EXPECT_EQ(::SendMessageW(Child(dialog.hwnd(), id), WM_GETFONT, 0, 0), formFont) << id;
    }
}

TEST_F(ReportDialogTest, ExclamationIconIsDrawnIntoThePictureBox) {
    win::Form11 dialog;
    dialog.Show();
    const Pixels icon = ReadPixels(dialog.picExclamation.GetPicture());
    ASSERT_EQ(icon.width, ::GetSystemMetrics(SM_CXICON));
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    int drawn = 0;
    for (const COLORREF c : icon.values) drawn += Near(c, face, 0) ? 0 : 1;
    EXPECT_GT(drawn, icon.width * icon.height / 4);
    EXPECT_TRUE(Near(icon.at(0, 0), face, 0)) << "the corner shows the dialog's face";
}

TEST_F(ReportDialogTest, MailLinkStartsAMessageToSupport) {
    win::Form11 dialog;
    dialog.Show();
    ShellRecorder shell;
    Click(dialog.Label55.hwnd());
    ASSERT_EQ(shell.starts.size(), 1u);
    const win::ShellStart& start = shell.starts[0];
    EXPECT_EQ(start.owner, dialog.hwnd());
    EXPECT_EQ(start.verb, L"open");
    EXPECT_EQ(start.file,
              L"mailto:support@tessaly.example?Subject=Tessaly%20Photo%20Resizer%20v2.0%20Error%20report");
    EXPECT_EQ(start.parameters, L"");
    EXPECT_EQ(start.show, SW_SHOWNORMAL);
}

TEST_F(ReportDialogTest, FolderLinksOpenTheFileManagerWithTheLogSelected) {
    FailInAnEvent();  // writes the log
    win::Form11 dialog;
    dialog.Show();
    ShellRecorder shell;
    for (const win::LinkLabel* link : {&dialog.Label56, &dialog.Label57, &dialog.Label58})
        Click(link->hwnd());

    wchar_t windows[MAX_PATH] = {};
    ::GetWindowsDirectoryW(windows, MAX_PATH);
    ASSERT_EQ(shell.starts.size(), 3u);
    for (const win::ShellStart& start : shell.starts) {
        EXPECT_EQ(start.owner, dialog.hwnd());
        EXPECT_EQ(start.verb, L"open");
        EXPECT_EQ(start.file, std::wstring(windows) + L"\\explorer.exe");
        EXPECT_EQ(start.parameters, L"/e,/select," + LogPath());
        EXPECT_EQ(start.show, SW_SHOWNORMAL);
    }
}

TEST_F(ReportDialogTest, FolderLinkWithTheLogGoneSaysSoAndOpensNothing) {
    ::CreateDirectoryW(LogFolder().c_str(), nullptr);
    win::Form11 dialog;
    dialog.Show();
    ShellRecorder shell;
    MessageBoxCatcher box;
    Click(dialog.Label58.hwnd());
    EXPECT_EQ(box.Text(), L"The specified file was not found.");
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
    EXPECT_EQ(box.Text(), L"The operating system denied access to the specified file.");
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
    EXPECT_NE(log.find("Subscript out of range \r\n"), std::string::npos) << log;
    EXPECT_NE(log.find("  Method: mDrive.FileManager \r\n"), std::string::npos) << log;
    const std::string stack = log.substr(log.find("  Call Stack: "));
    const std::string path = win::ToNarrow(LogPath());
    EXPECT_EQ(stack.rfind("  Call Stack: mDrive.FileManager(pName={Text}) ---", 0), 0u) << stack;
    EXPECT_NE(stack.find("\r\n    Value Of pName:\r\n      '" + path +
                         "'\r\n  Call Stack: "
                         "mCommon.OpenInExplorerList(frm={Form11}, pPath={Text}) ---"),
              std::string::npos)
        << stack;
    EXPECT_NE(stack.find("\r\n  Call Stack: Form11.Label56_Click() ---"), std::string::npos) << stack;
    EXPECT_EQ(dialogs_.shownModal.size(), 1u) << "reported in a further dialog";
}

}  // namespace
}  // namespace tpr::test
