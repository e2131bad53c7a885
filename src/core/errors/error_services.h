// What the error framework needs from the world outside the core: facts about
// the machine and the program for the report header, the file system for the
// log, and the report dialog. The Win32 program installs its implementations
// once at start-up; tests install fakes.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tpr::err {

struct LocalTime {
    int year = 0;  // four digits
    int month = 0;
    int day = 0;
    int hour = 0;  // 24-hour clock
    int minute = 0;
    int second = 0;
};

// The operating-system description as the log prints it.
struct OsDescription {
    std::wstring name;  // "Windows XP", or empty when the version query failed
    std::wstring version;
    std::wstring build;
    std::wstring servicePack;
};

struct AppVersion {
    int major = 0;
    int minor = 0;
    int revision = 0;
};

class ErrorPlatform {
public:
    virtual ~ErrorPlatform() = default;

    // The name and version the report header gives as App and Ver; the name
    // also names the log folder.
    virtual std::wstring AppName() = 0;
    virtual AppVersion Version() = 0;
    // The folder holding the program's executable.
    virtual std::wstring ProgramFolder() = 0;
    // Empty when the system will not tell.
    virtual std::wstring ComputerName() = 0;
    virtual LocalTime Now() = 0;
    // The user's date and time separators, which replace "/" and ":".
    virtual std::wstring DateSeparator() = 0;
    virtual std::wstring TimeSeparator() = 0;
    // The system's message text for an OS error code, as the system gives it.
    virtual std::wstring OsMessageText(uint32_t code) = 0;
    // The version of the optional database-access component; nothing when it
    // is not installed.
    virtual std::optional<std::wstring> AdoVersion() = 0;
    virtual OsDescription Os() = 0;
    // The first line of a new log file, asking the user to send it.
    virtual std::wstring SupportRequestLine() = 0;
};

// An open log file; destroying it closes the file.
class LogWriter {
public:
    virtual ~LogWriter() = default;
    virtual void Write(std::wstring_view text) = 0;
};

class LogFileSystem {
public:
    virtual ~LogFileSystem() = default;

    virtual std::wstring DocumentsFolder() = 0;
    virtual bool FolderExists(const std::wstring& path) = 0;
    virtual void CreateFolder(const std::wstring& path) = 0;
    virtual bool FileExists(const std::wstring& path) = 0;
    // Opens for appending, creating the file when missing; nothing when the
    // file cannot be opened (another process may hold it).
    virtual std::unique_ptr<LogWriter> OpenForAppend(const std::wstring& path) = 0;
    virtual void Sleep(uint32_t milliseconds) = 0;
    virtual uint64_t MonotonicMilliseconds() = 0;
};

class ReportDialogHost {
public:
    virtual ~ReportDialogHost() = default;

    virtual bool IsMainWindowLoaded() = 0;
    // Shows a new report dialog; a modal one returns when the user closes it.
    virtual void ShowReportDialog(bool modal) = 0;
};

struct ErrorServices {
    ErrorPlatform* platform = nullptr;
    LogFileSystem* files = nullptr;
    ReportDialogHost* dialogs = nullptr;
};

// Installs the services for the rest of the run (null members uninstall).
void InstallErrorServices(const ErrorServices& services);

// The installed services. Each raises error 91 when none is installed, so
// the builder that needed it stops there like at any other failure.
ErrorPlatform& Platform();
LogFileSystem& Files();
ReportDialogHost& Dialogs();

}  // namespace tpr::err
