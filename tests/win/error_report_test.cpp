// Error reporting on this machine: the log on disk and the report dialog, its links and the shell.
// (The dialog modal over the main window: the end-to-end bad inputs.)
#include <windows.h>

#include <algorithm>

#include "core/common/ui_texts.h"
#include "core/errors/mail_explorer.h"
#include "core/errors/trap.h"
#include "core/runtime/runtime_error.h"
#include "error_test_support.h"
#include "test_pictures.h"
#include "win/app/report_dialogs.h"
#include "win/common/file_system.h"
#include "win/dialogs/report_dialog.h"
#include "win/errors/drives.h"
#include "win/runtime/text.h"

namespace tpr::test {
namespace {

using ReportDialogTest = ErrorReportTest;

TEST_F(ReportDialogTest, WithoutTheMainWindowEachErrorLeavesADialogOpen) {
    UseProgramDialogs();
    FailInAnEvent();
    FailInAnEvent(L"Form1.bnSave", 53);
    const std::vector<HWND> dialogs = WindowsTitled(texts::ProgramErrorTitle);
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(::GetWindow(dialogs[0], GW_OWNER), nullptr);

    ::SendMessageW(dialogs[0], WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_EQ(WindowsTitled(texts::ProgramErrorTitle), std::vector<HWND>{dialogs[1]});
    WindowWatcher closer(texts::ProgramErrorTitle, [](HWND dialog) { PressButton(dialog, IDOK); });
    win::RunWhileReportDialogsOpen();  // returns once the user closed the last one
    EXPECT_TRUE(WindowsTitled(texts::ProgramErrorTitle).empty() && !win::ModelessReportDialogsOpen());
    EXPECT_FALSE(win::isLoad(L"Form11"));
}

TEST_F(ReportDialogTest, ShowsItsTextsWholeInTheInterfaceFontBesideTheIcon) {
    win::Form11 dialog;
    dialog.Show();
    using namespace texts;
    const std::wstring none, log = LogFolder();
    // clang-format off
    const std::vector<std::wstring> expected{
        none, ErrorOccurredText, ErrorDirectionsText, none, SendToStep1Text, log, SendToStep2Text,
        SendToStep3Text, SendToStep4Text, OrText, none, MailLinkStep1Text, kSupportEmail, MailLinkStep2Text, log,
        MailLinkStep3Text, OrText, none, MailClientStep1Text, MailClientStep2Text, MailClientStep3Text, log,
        MailClientStep4Text, OkCaption};
    // clang-format on
    EXPECT_EQ(ChildTexts(dialog.hwnd()), expected);
    ExpectTextsFit(dialog.hwnd());
    const auto font = ::SendMessageW(dialog.hwnd(), WM_GETFONT, 0, 0);
    ASSERT_NE(font, 0);
    for (const int id :
         {dialog.kLabel1Id, dialog.kLabel15Id, dialog.kLabel55Id, dialog.kLabel58Id, dialog.kOkId})
        EXPECT_EQ(::SendMessageW(::GetDlgItem(dialog.hwnd(), id), WM_GETFONT, 0, 0), font) << id;
    const Pixels icon = ReadPixels(dialog.picExclamation.GetPicture());
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    EXPECT_GT(std::count_if(icon.values.begin(), icon.values.end(), [&](COLORREF c) { return c != face; }),
              icon.width * icon.height / 4)
        << "the exclamation icon is drawn";
    EXPECT_EQ(icon.at(0, 0), face) << "on the dialog's face";
}

TEST_F(ReportDialogTest, MailLinkStartsAMessageAndFolderLinksTheFileManagerWithTheLogSelected) {
    FailInAnEvent();  // writes the log
    win::Form11 dialog;
    dialog.Show();
    ShellRecorder shell;
    for (const win::LinkLabel* link : {&dialog.Label55, &dialog.Label56, &dialog.Label57, &dialog.Label58})
        Click(link->hwnd());
    wchar_t windows[MAX_PATH] = {};
    ::GetWindowsDirectoryW(windows, MAX_PATH);
    ASSERT_EQ(shell.starts.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        const win::ShellStart& s = shell.starts[i];
        // The file manager by its full path, never one in the current folder.
        EXPECT_EQ(s.file,
                  i ? std::wstring(windows) + L"\\explorer.exe"
                    : L"mailto:support@tessaly.example?Subject=Tessaly%20Photo%20Resizer%20v2.0%20Error"
                      L"%20report");
        EXPECT_EQ(s.parameters, i ? L"/e,/select," + LogPath() : L"") << i;
        EXPECT_TRUE(s.owner == dialog.hwnd() && s.verb == L"open" && s.show == SW_SHOWNORMAL) << i;
    }
}

BOOL WINAPI NoDisk(LPCWSTR, LPWSTR, DWORD, LPDWORD, LPDWORD, LPDWORD, LPWSTR, DWORD) {
    ::SetLastError(ERROR_NOT_READY);
    return FALSE;
}

// The checks before the file manager opens, on this machine's real drives
// (their order is the core's): what is missing is said, nothing opens.
TEST_F(ReportDialogTest, FolderLinkOpensNothingWhereTheLogTheDiskOrTheDriveIsMissingAndSaysWhich) {
    ::CreateDirectoryW(LogFolder().c_str(), nullptr);  // the log itself never written
    win::Form11 dialog;
    dialog.Show();
    for (const bool noDisk : {false, true}) {
        if (noDisk) win::Drives().volumeInformation = &NoDisk;
        ShellRecorder shell;
        MessageBoxCatcher box;
        Click(dialog.Label58.hwnd());
        win::Drives() = {};
        EXPECT_EQ(box.Text(), noDisk ? texts::NoDiskText : texts::FileNotFoundText);
        EXPECT_TRUE(shell.starts.empty());
    }
    EXPECT_TRUE(::IsWindow(dialog.hwnd())) << "the dialog stays open";
    wchar_t letter = L'Q';  // a drive the system does not have
    while (::GetLogicalDrives() & (1u << (letter - L'A'))) ++letter;
    MessageBoxCatcher box;
    EXPECT_FALSE(win::FileManager(std::wstring(1, letter) + L":\\photo.txt"));
    EXPECT_EQ(box.Text(), texts::DriveNotPresentText);
}

TEST_F(ReportDialogTest, FailedFileManagerStartIsExplainedWhereTheShellHasAText) {
    FailInAnEvent();
    win::Form11 dialog;
    dialog.Show();
    for (const int32_t code : {SE_ERR_ACCESSDENIED, 28}) {
        ShellRecorder shell;
        shell.result = code;
        MessageBoxCatcher box;
        Click(dialog.Label57.hwnd());
        EXPECT_EQ(box.Text(), err::ShellErrorText(code).value_or(L"")) << code;
    }
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

TEST(SystemShell, StartsAMailAddress) {
    EXPECT_GT(win::StartWithShell({nullptr, L"open", L"mailto:support@tessaly.example?Subject=Shell%20test",
                                   L"", SW_SHOWNORMAL}),
              32);
}

using ErrorLogTest = ErrorReportTest;

// The entry's format is the core's; here, what this machine fills in.
TEST_F(ErrorLogTest, EntryNamesThisProgramsFolderTheLogsFolderTheMachineAndToday) {
    FailInAnEvent();
    const std::string log = LogText();
    wchar_t exe[MAX_PATH] = {}, computer[MAX_COMPUTERNAME_LENGTH + 1] = {}, separator[8] = {}, date[32] = {};
    ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    *wcsrchr(exe, L'\\') = 0;
    EXPECT_NE(log.find("Program path: " + win::ToNarrow(exe) +
                       "\r\nError report path: " + win::ToNarrow(LogFolder()) + "\r\nOS: Windows "),
              std::string::npos)
        << log;
    DWORD length = MAX_COMPUTERNAME_LENGTH + 1;
    ::GetComputerNameW(computer, &length);
    EXPECT_NE(log.find("' Computer='" + win::ToNarrow(computer) + "' \r\n"), std::string::npos) << log;
    SYSTEMTIME today{};
    ::GetLocalTime(&today);
    ::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDATE, separator, 8);
    swprintf(date, 32, L"Time='%02u%ls%02u%ls%02u ", today.wMonth, separator, today.wDay, separator,
             today.wYear % 100);
    EXPECT_NE(log.find(win::ToNarrow(date)), std::string::npos) << log;
}

TEST_F(ErrorLogTest, SystemMessageOfTheLastOsErrorIsOneLine) {
    err::TopLevelTrap(L"Form1.bnSave", [] {
        ::SetLastError(ERROR_ACCESS_DENIED);
        Raise(kErrPermissionDenied);
    });
    const std::string log = LogText();
    const size_t line = log.find("  API Error: (5) "), end = log.find("\r\n", line);
    ASSERT_NE(line, std::string::npos) << log;
    EXPECT_GT(end - line, sizeof "  API Error: (5) " - 1) << "the system's text follows";
    EXPECT_EQ(log.compare(end, 16, "\r\n  Call Stack: "), 0) << log;
}

TEST_F(ErrorLogTest, LogHeldByAnotherProgramIsSkippedAndReadersDoNotStopIt) {
    ::CreateDirectoryW(LogFolder().c_str(), nullptr);
    const HANDLE holder =
        ::CreateFileW(LogPath().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    FailInAnEvent();
    EXPECT_EQ(dialogs_.shownModal.size(), 1u) << "the report is still shown";
    EXPECT_EQ(::GetFileSize(holder, nullptr), 0u);
    ::CloseHandle(holder);

    const HANDLE reader = ::CreateFileW(LogPath().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                        nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    FailInAnEvent();
    FailInAnEvent();
    ::CloseHandle(reader);
    EXPECT_EQ(CountOf(LogText(), "Program path: "), 2u) << "written beside a reader";
}

}  // namespace
}  // namespace tpr::test
