// The error log on disk: ErrorReport.txt in a folder of the documents folder,
// with this machine's figures, skipped while another program holds it.
#include <windows.h>

#include "core/errors/trap.h"
#include "core/runtime/runtime_error.h"
#include "error_test_support.h"
#include "win/runtime/text.h"

namespace tpr::test {
namespace {

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
