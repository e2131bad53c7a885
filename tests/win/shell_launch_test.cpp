// The file manager's checks of drive, disk and file against this machine's
// real drives, and the system shell handed a mail address. (What the links
// hand the shell is met through the report dialog.)
#include "win/errors/shell_launch.h"

#include <windows.h>

#include "core/common/ui_texts.h"
#include "error_test_support.h"
#include "win/errors/drives.h"

namespace tpr::test {
namespace {

BOOL WINAPI NoDisk(LPCWSTR, LPWSTR, DWORD, LPDWORD, LPDWORD, LPDWORD, LPWSTR, DWORD) {
    ::SetLastError(ERROR_NOT_READY);
    return FALSE;
}

// A drive letter the system does not have.
wchar_t MissingDrive() {
    wchar_t letter = L'Q';
    while (::GetLogicalDrives() & (1u << (letter - L'A'))) ++letter;
    return letter;
}

TEST(ShellLaunchTest, FileManagerOpensOnlyWhereDriveDiskAndFileAreThereAndSaysWhatIsMissing) {
    const TempFolder folder;
    const std::wstring photo = folder.File(L"photo.txt");
    WriteFileBytes(photo, "");
    const struct {
        std::wstring path;
        bool noDisk;
        const std::wstring* message;  // null: opened
    } cases[] = {
        {photo, false, nullptr},
        {std::wstring(1, MissingDrive()) + L":\\photo.txt", false, &texts::DriveNotPresentText},
        {photo, true, &texts::NoDiskText},
    };
    for (const auto& c : cases) {
        if (c.noDisk) win::Drives().volumeInformation = &NoDisk;
        ShellRecorder shell;
        MessageBoxCatcher box;
        win::OpenInExplorerList({::GetDesktopWindow(), L"Form11"}, c.path);
        win::Drives() = {};
        EXPECT_EQ(box.Text(), c.message ? *c.message : L"") << c.noDisk;
        EXPECT_EQ(shell.starts.size(), c.message ? 0u : 1u) << c.noDisk;
    }
}

TEST(ShellLaunchTest, SystemShellStartsAMailAddress) {
    EXPECT_GT(win::StartWithShell({nullptr, L"open", L"mailto:support@tessaly.example?Subject=Shell%20test",
                                   L"", SW_SHOWNORMAL}),
              32);
}

}  // namespace
}  // namespace tpr::test
