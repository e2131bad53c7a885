// The end-to-end driver's view of the program: start it, read its windows, the error log and settings.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "core/common/ui_texts.h"
#include "core/main_window/status_texts.h"
#include "test_files.h"
#include "window_driver.h"

namespace tpr::e2e {

using namespace test;

// The built program's path as Windows sees it.
std::wstring ProgramPath();

// The program started with an argument string; the destructor closes it
// (and ends it if it does not close).
class RunningProgram {
public:
    explicit RunningProgram(const std::wstring& arguments = L"", bool waitForMainWindow = true);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    DWORD ProcessId() const { return process_.dwProcessId; }
    HANDLE Process() const { return process_.hProcess; }
    HWND MainWindow() const { return mainWindow_; }
    // Whether the main window is visible now; once it is, MainWindow gives it.
    bool FindMainWindow();

    // A visible top-level window of this process with this title (a dialog,
    // a message box), waiting up to timeoutMs for it.
    HWND WaitForWindow(const std::wstring& title, DWORD timeoutMs = 10000) const;
    // All visible top-level windows of this process.
    std::vector<HWND> TopLevelWindows() const;
    // Text of a status-bar panel (1 to 3) of the main window.
    std::wstring StatusText(int panel) const;
    // The command bar's quality list.
    HWND QualityList() const;
    // Screen rectangle of the command bar's control with this identifier.
    RECT CommandRect(int commandId) const;
    // The text of the hint (tooltip) on show; empty while none shows.
    std::wstring ShownHint() const;
    // Whether the main window answers a message within 5 s.
    bool Responds() const;
    // Waits until the process ends; false when it does not in time.
    bool WaitForExit(DWORD timeoutMs);
    DWORD ExitCode() const;
    // Asks the main window to close, as the user would.
    void Close();

private:
    PROCESS_INFORMATION process_{};
    HWND mainWindow_ = nullptr;
};

// The user's keyboard and pointer, driven through the X server as real ones
// drive it by xdotool's commands; returns once they are done, whether they were.
bool Xdotool(const std::string& commands);
// The xdotool command that moves the pointer to the middle of a screen rectangle.
std::string PointerTo(const RECT& rect);
// Waits for the program as it stands after its first activation; whether it came.
bool WaitForTheFirstLayout(const RunningProgram& program);

// Runs a command line to its end, up to a minute; its exit code.
DWORD RunToItsEnd(const std::wstring& commandLine);

// A text value under the current user's key; nothing when the key or value is absent.
std::optional<std::wstring> ReadRegistryText(const std::wstring& key, const std::wstring& value);
bool RegistryKeyExists(const std::wstring& key);

// The report dialog, closed with OK as the user does; false when none came.
bool AcknowledgeReport(const RunningProgram& program);

// The program's settings store.
std::wstring ReadSetting(const std::wstring& section, const std::wstring& key);
void WriteSetting(const std::wstring& section, const std::wstring& key, const std::wstring& value);
void ClearSettings();
// Whether the program's settings store holds anything at all.
bool SettingsExist();

// The error log in the user's documents folder, from the moment the object
// is made: what has been appended since.
class ErrorLogWatch {
public:
    ErrorLogWatch();
    // The entries appended since; a note when the log was rewritten instead.
    std::string NewEntries() const;

private:
    std::wstring path_;
    std::string before_;
};

}  // namespace tpr::e2e
