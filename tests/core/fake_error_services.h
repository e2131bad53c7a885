// Fakes of the error framework's services for the tests, fuzz targets and benchmark: a fixed machine,
// an in-memory file system whose log can be held locked, and a report dialog that only counts.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/errors/error_framework.h"
#include "core/errors/error_services.h"
#include "core/runtime/runtime_error.h"

namespace tpr::err::testing {

inline constexpr wchar_t kLogFolder[] = L"C:\\Users\\ann\\Documents\\Tessaly Photo Resizer";
inline constexpr wchar_t kLogPath[] = L"C:\\Users\\ann\\Documents\\Tessaly Photo Resizer\\ErrorReport.txt";

// The dashes that pad a report's call-stack line.
inline std::wstring Dashes(size_t count) { return std::wstring(count, L'-'); }

class FakePlatform : public ErrorPlatform {
public:
    AppVersion version{2, 0, 0};
    std::wstring computerName = L"PHOTOLAB";
    LocalTime now{2026, 12, 6, 14, 5, 9};
    std::wstring dateSeparator = L"/";
    std::wstring timeSeparator = L":";
    std::map<uint32_t, std::wstring> osMessages{{5, L"Access is denied.\r\n"}};
    std::optional<std::wstring> adoVersion;
    OsDescription os{L"Windows XP", L"5.1", L"2600", L"Service Pack 3"};
    std::wstring supportLine = L"Please send this file to support@tessaly.example";

    std::wstring AppName() override { return L"Tessaly Photo Resizer"; }
    AppVersion Version() override { return version; }
    std::wstring ProgramFolder() override { return L"C:\\Program Files\\Tessaly Photo Resizer"; }
    std::wstring ComputerName() override { return computerName; }
    LocalTime Now() override { return now; }
    std::wstring DateSeparator() override { return dateSeparator; }
    std::wstring TimeSeparator() override { return timeSeparator; }
    std::wstring OsMessageText(uint32_t code) override { return osMessages[code]; }
    std::optional<std::wstring> AdoVersion() override { return adoVersion; }
    OsDescription Os() override { return os; }
    std::wstring SupportRequestLine() override { return supportLine; }
};

class FakeFileSystem : public LogFileSystem {
public:
    std::set<std::wstring> folders{L"C:\\Users\\ann\\Documents"};
    std::map<std::wstring, std::wstring> files;
    int failingOpens = 0;  // attempts to open that fail before one succeeds; -1: all fail
    int openAttempts = 0;
    int openWriters = 0;
    uint64_t clockMs = 90000;
    std::vector<uint32_t> sleeps;

    std::wstring DocumentsFolder() override { return L"C:\\Users\\ann\\Documents"; }
    bool FolderExists(const std::wstring& path) override { return folders.count(path) != 0; }
    void CreateFolder(const std::wstring& path) override { folders.insert(path); }
    bool FileExists(const std::wstring& path) override { return files.count(path) != 0; }
    std::unique_ptr<LogWriter> OpenForAppend(const std::wstring& path) override {
        ++openAttempts;
        if (failingOpens != 0) {
            if (failingOpens > 0) --failingOpens;
            return nullptr;
        }
        return std::make_unique<Writer>(files[path], ++openWriters);
    }
    void Sleep(uint32_t milliseconds) override {
        sleeps.push_back(milliseconds);
        clockMs += milliseconds;
    }
    uint64_t MonotonicMilliseconds() override { return clockMs; }

private:
    // Appends to its file; counted in openWriters while it is open.
    struct Writer : LogWriter {
        Writer(std::wstring& file, int& openWriters) : file(file), openWriters(openWriters) {}
        ~Writer() override { --openWriters; }
        void Write(std::wstring_view text) override { file += text; }
        std::wstring& file;
        int& openWriters;
    };
};

class FakeDialogs : public ReportDialogHost {
public:
    bool mainWindowLoaded = true;
    bool failToShow = false;
    std::vector<bool> shownModal;

    bool IsMainWindowLoaded() override { return mainWindowLoaded; }
    void ShowReportDialog(bool modal) override {
        if (failToShow) Raise(kErrOutOfMemory);
        shownModal.push_back(modal);
    }
};

// The fakes, installed over a framework reset to its start-up state for this
// object's life and removed after it, so that nothing of one test or fuzz
// input (report, log, saved error) carries over to the next.
class InstalledFakeErrorServices {
public:
    InstalledFakeErrorServices() {
        ResetErrorFramework();
        InstallErrorServices({&platform, &files, &dialogs});
    }
    ~InstalledFakeErrorServices() {
        InstallErrorServices({});
        ResetErrorFramework();
        SetLastOsErrorReader(nullptr);
    }
    InstalledFakeErrorServices(const InstalledFakeErrorServices&) = delete;
    InstalledFakeErrorServices& operator=(const InstalledFakeErrorServices&) = delete;

    FakePlatform platform;
    FakeFileSystem files;
    FakeDialogs dialogs;
};

}  // namespace tpr::err::testing
