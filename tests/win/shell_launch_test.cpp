// Starting the mail program and the file manager: what the shell is handed,
// the checks of drive, disk and file before the file manager opens, and the
// messages for what failed.
#include "win/errors/shell_launch.h"

#include <windows.h>

#include <cwctype>

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

TEST_F(ShellLaunchTest, SendMailHandsTheShellOneAddress) {
    struct Case {
        const wchar_t *address, *subject, *body, *cc, *bcc, *attachment, *expected;
    };
    const Case cases[] = {
        {L"A", L"a b&c", L"", L"", L"", L"", L"mailto:A?Subject=a%20b%26c"},
        {L"a@b", L"", L"one\r\ntwo", L"c@d", L"e@f", L"C:\\log.txt",
         L"mailto:a@b?Body=one%0D%0Atwo%0D%0A&CC=c@d&BCC=e@f&Attacth=\"C:\\log.txt\""},
        {L"a@b", L"", L"", L"", L"", L"", L"mailto:a@b"},
    };
    ShellRecorder shell;
    const HWND owner = ::GetDesktopWindow();
    for (const Case& c : cases) {
        win::SendMail(owner, c.address, c.subject, c.body, c.cc, c.bcc, c.attachment);
    }
    ASSERT_EQ(shell.starts.size(), std::size(cases));
    for (size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(shell.starts[i].file, cases[i].expected);
        EXPECT_EQ(shell.starts[i].owner, owner);
        EXPECT_EQ(shell.starts[i].verb, L"open");
        EXPECT_EQ(shell.starts[i].parameters, L"");
        EXPECT_EQ(shell.starts[i].show, SW_SHOWNORMAL);
    }
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
        const wchar_t* message;  // empty: no message box
    };
    const Case cases[] = {
        {0, L"The operating system is out of memory or resources."},
        {2, L"The specified file was not found."},
        {26, L"A sharing violation occurred."},
        {31,
         L"There is no application associated with the given file name extension. This error will also be "
         L"returned if you attempt to print a file that is not printable."},
        {28, L""},
        {30, L""},
        {32, L""},
    };
    for (const Case& c : cases) {
        MessageBoxCatcher box;
        win::ShellErrorMessage(c.code);
        if (!*c.message) ::Sleep(300);  // time for a box that should not come
        EXPECT_EQ(box.Text(), c.message) << c.code;
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
        {missingDrive, false, L"The drive is not present."},
        {documents_ + L"\\gone.txt", false, L"The specified file was not found."},
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
    EXPECT_EQ(box.Text(), L"No disk in the drive.");
    EXPECT_TRUE(shell.starts.empty());
}

BOOL WINAPI CardVolume(LPCWSTR, LPWSTR name, DWORD nameSize, LPDWORD serial, LPDWORD, LPDWORD,
                       LPWSTR fileSystem, DWORD fileSystemSize) {
    wcsncpy(name, L"PHOTOS", nameSize);
    *serial = 0x00AB12CD;
    wcsncpy(fileSystem, L"FAT32", fileSystemSize);
    return TRUE;
}

TEST_F(ShellLaunchTest, DriveInfoGivesSerialNameOrFileSystem) {
    win::Drives().volumeInformation = &CardVolume;
    EXPECT_EQ(win::GetDriveInfo(L"E:\\", 1), L"00AB-12CD");
    EXPECT_EQ(win::GetDriveInfo(L"E:\\", 2), L"PHOTOS");
    EXPECT_EQ(win::GetDriveInfo(L"E:\\", 3), L"FAT32");
    EXPECT_EQ(win::GetDriveInfo(L"E:\\", 4), std::nullopt);
    win::Drives() = {};
    EXPECT_EQ(win::GetDriveInfo(std::wstring(1, MissingDrive()) + L":\\", 2), std::nullopt);
    const auto serial = win::GetDriveInfo(L"C:\\", 1);
    ASSERT_TRUE(serial.has_value());
    EXPECT_EQ(serial->size(), 9u);
    EXPECT_EQ((*serial)[4], L'-');
}

DWORD WINAPI NoDriveStrings(DWORD, LPWSTR) { return 0; }

TEST_F(ShellLaunchTest, DriveNamesAreTheSystemsDrivesOrNoneWhenItWillNotTell) {
    std::vector<std::wstring> expected;
    const DWORD drives = ::GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if (drives & (1u << i)) expected.push_back(std::wstring(1, static_cast<wchar_t>(L'A' + i)) + L":\\");
    }
    EXPECT_EQ(win::GetDriveNames(), expected);
    win::Drives().logicalDriveStrings = &NoDriveStrings;
    EXPECT_EQ(win::GetDriveNames(), std::nullopt);
}

TEST_F(ShellLaunchTest, SystemShellStartsAMailAddress) {
    const intptr_t result = win::StartWithShell(
        {nullptr, L"open", L"mailto:support@tessaly.example?Subject=Shell%20test", L"", SW_SHOWNORMAL});
    EXPECT_GT(result, 32);
}

}  // namespace
}  // namespace tpr::test
