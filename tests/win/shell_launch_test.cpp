// Starting the mail program and the file manager: what the shell is handed,
// the checks of drive, disk and file before the file manager opens, and the
// messages for what failed.
#include "win/errors/shell_launch.h"

#include <windows.h>

#include <cwctype>

#include "core/common/ui_texts.h"
#include "core/errors/mail_explorer.h"
#include "error_test_support.h"
#include "win/errors/drives.h"
#include "win/runtime/shell.h"
#include "win/runtime/text.h"

namespace tpr::test {
namespace {

class ShellLaunchTest : public ErrorReportTest {
protected:
    void TearDown() override {
        win::Drives() = {};
        ErrorReportTest::TearDown();
    }

    // A file that exists, in the test's own folder.
    std::wstring ExistingFile() {
        const std::wstring path = documents_ + L"\\photo.txt";
        const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ::CloseHandle(file);
        return path;
    }

    const win::FormRef form_{nullptr, L"Form11"};
};

std::wstring WindowsFolder() {
    wchar_t folder[MAX_PATH] = {};
    ::GetWindowsDirectoryW(folder, MAX_PATH);
    return folder;
}

// A drive letter the system does not have.
wchar_t MissingDrive() {
    const DWORD drives = ::GetLogicalDrives();
    for (wchar_t letter = L'Q'; letter <= L'Y'; ++letter) {
        if (!(drives & (1u << (letter - L'A')))) return letter;
    }
    return L'?';
}

TEST_F(ShellLaunchTest, SendMailHandsTheShellTheAddress) {
    ShellRecorder shell;
    const HWND owner = ::GetDesktopWindow();
    win::SendMail(owner, L"a@b", L"a b&c", L"", L"", L"", L"");
    ASSERT_EQ(shell.starts.size(), 1u);
    EXPECT_EQ(shell.starts[0].file, L"mailto:a@b?Subject=a%20b%26c");
    EXPECT_EQ(shell.starts[0].owner, owner);
    EXPECT_EQ(shell.starts[0].verb, L"open");
    EXPECT_EQ(shell.starts[0].parameters, L"");
    EXPECT_EQ(shell.starts[0].show, SW_SHOWNORMAL);
}

TEST_F(ShellLaunchTest, FileManagerIsTheOneInTheWindowsFolderEvenWithAnotherInTheCurrentFolder) {
    const std::wstring photo = ExistingFile();
    const HANDLE impostor = ::CreateFileW((documents_ + L"\\explorer.exe").c_str(), GENERIC_WRITE, 0, nullptr,
                                          CREATE_ALWAYS, 0, nullptr);
    ::CloseHandle(impostor);
    wchar_t previous[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, previous);
    ::SetCurrentDirectoryW(documents_.c_str());

    ShellRecorder shell;
    win::OpenInExplorerList({::GetDesktopWindow(), L"Form11"}, photo);
    ::SetCurrentDirectoryW(previous);

    ASSERT_EQ(shell.starts.size(), 1u);
    EXPECT_EQ(shell.starts[0].file, WindowsFolder() + L"\\explorer.exe");
    EXPECT_EQ(shell.starts[0].parameters, L"/e,/select," + photo);
    EXPECT_EQ(shell.starts[0].verb, L"open");
    EXPECT_EQ(shell.starts[0].owner, ::GetDesktopWindow());
}

TEST_F(ShellLaunchTest, ShellErrorsWithAMessageShowItOthersShowNothing) {
    struct Case {
        int32_t code;
        bool message;
    };
    const Case cases[] = {{2, true}, {31, true}, {28, false}, {32, false}};
    for (const Case& c : cases) {
        MessageBoxCatcher box;
        win::ShellErrorMessage(c.code);
        if (!c.message) ::Sleep(300);  // time for a box that should not come
        EXPECT_EQ(box.Text(), c.message ? *err::ShellErrorText(c.code) : L"") << c.code;
    }
}

TEST_F(ShellLaunchTest, FileManagerChecksDriveDiskAndFileAndSaysWhatIsMissing) {
    const std::wstring photo = ExistingFile();
    std::wstring lowerCase = photo;
    lowerCase[0] = static_cast<wchar_t>(std::towlower(lowerCase[0]));
    const std::wstring missingDrive = std::wstring(1, MissingDrive()) + L":\\photo.txt";
    struct Case {
        std::wstring path;
        bool shown;
        const wchar_t* message;
    };
    const Case cases[] = {
        {photo, true, L""},
        {lowerCase, true, L""},
        {missingDrive, false, texts::DriveNotPresentText.c_str()},
        {documents_ + L"\\gone.txt", false, texts::FileNotFoundText.c_str()},
    };
    for (const Case& c : cases) {
        MessageBoxCatcher box;
        EXPECT_EQ(win::FileManager(c.path), c.shown) << win::ToNarrow(c.path);
        if (c.shown) ::Sleep(300);
        EXPECT_EQ(box.Text(), c.message) << win::ToNarrow(c.path);
    }
}

BOOL WINAPI NoDisk(LPCWSTR, LPWSTR, DWORD, LPDWORD, LPDWORD, LPDWORD, LPWSTR, DWORD) {
    ::SetLastError(ERROR_NOT_READY);
    return FALSE;
}

TEST_F(ShellLaunchTest, DriveWithoutADiskIsReportedAndNotOpened) {
    const std::wstring photo = ExistingFile();
    win::Drives().volumeInformation = &NoDisk;
    ShellRecorder shell;
    MessageBoxCatcher box;
    win::OpenInExplorerList(form_, photo);
    EXPECT_EQ(box.Text(), texts::NoDiskText);
    EXPECT_TRUE(shell.starts.empty());
}

TEST_F(ShellLaunchTest, SystemShellStartsAMailAddress) {
    const intptr_t result = win::StartWithShell(
        {nullptr, L"open", L"mailto:support@tessaly.example?Subject=Shell%20test", L"", SW_SHOWNORMAL});
    EXPECT_GT(result, 32);
}

}  // namespace
}  // namespace tpr::test
