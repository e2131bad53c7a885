// The end-to-end driver's view of the program: start it as a user would,
// find its windows, read its status bar from outside the process, and look at
// what it leaves on disk and in the settings store. Files and window driving
// are shared with the Windows tests.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "test_files.h"
#include "window_driver.h"

namespace tpr::e2e {

using test::WaitUntil;

// The built program's path as Windows sees it.
std::wstring ProgramPath();

using test::FileExists;
using test::ImageFilePixel;
using test::ImageFileSize;
using test::ReadFileBytes;
using test::TempFolder;
using test::WriteFileBytes;
using test::WritePhoto;

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
    // Top-level windows of this process of a class, hidden ones included.
    std::vector<HWND> WindowsOfClass(const std::wstring& className) const;
    // Waits until the process ends, watching for windows it shows; gives the
    // class names of those it showed (empty also when it did not end in time).
    std::vector<std::wstring> ClassesOfWindowsShownUntilExit(DWORD timeoutMs);
    // Text of a status-bar panel (1 to 3) of the main window.
    std::wstring StatusText(int panel) const;
    // The command bar at the top of the main window, and its quality list.
    HWND CommandBar() const;
    HWND QualityList() const;
    // Screen rectangle of the command bar's control with this identifier.
    RECT CommandRect(int commandId) const;
    // Screen rectangle of an entry (from 0) of the list that is dropped
    // down; empty while none is.
    RECT DroppedEntryRect(int entry) const;
    // The text of the hint (tooltip) on show; empty while none shows.
    std::wstring ShownHint() const;
    // Waits until the process ends; false when it does not in time.
    bool WaitForExit(DWORD timeoutMs);
    DWORD ExitCode() const;
    // Asks the main window to close, as the user would.
    void Close();

private:
    PROCESS_INFORMATION process_{};
    HWND mainWindow_ = nullptr;
};

// The user's pointer, driven through the X server as a mouse drives it: moved
// to a point of the screen, or moved there and clicked with the left button.
// Each returns once the X server has done it.
void MovePointerTo(POINT screen);
void ClickAt(POINT screen);
POINT CentreOf(const RECT& rect);

// A window of the driver made the foreground window, as another program's
// window the user works in; destroyed with the object.
class OtherProgramWindow {
public:
    OtherProgramWindow();
    ~OtherProgramWindow();
    OtherProgramWindow(const OtherProgramWindow&) = delete;
    OtherProgramWindow& operator=(const OtherProgramWindow&) = delete;
    HWND hwnd() const { return window_; }

private:
    HWND window_;
};

// Text of a message box (its static text) shown by another process.
std::wstring MessageBoxText(HWND box);
// Captions of a dialog's buttons, in their order.
std::vector<std::wstring> ButtonCaptions(HWND dialog);
// Whether a dialog shows an icon (a visible icon static control that holds
// one).
bool ShowsAnIcon(HWND dialog);

using test::ClassNameOf;
using test::WindowTextOf;
// Texts of a window's child controls, in the order they were made.
std::vector<std::wstring> ChildTextsOf(HWND window);

// The program's settings store.
std::wstring ReadSetting(const std::wstring& section, const std::wstring& key);
void WriteSetting(const std::wstring& section, const std::wstring& key, const std::wstring& value);
void ClearSettings();
// Whether the program's settings store holds anything at all.
bool SettingsExist();

// Makes Wine tell the program that it runs on another Windows version, by its
// per-program setting (L"win2k", L"winxp", L"win2003", L"vista", L"win7",
// L"win10", L"nt40", L"win95", L"win98", L"winme"), read at each start of the
// program; removed with the object.
class ReportedWindowsVersion {
public:
    explicit ReportedWindowsVersion(const std::wstring& version);
    ~ReportedWindowsVersion();
    ReportedWindowsVersion(const ReportedWindowsVersion&) = delete;
    ReportedWindowsVersion& operator=(const ReportedWindowsVersion&) = delete;
};

// The user's documents folder, where the error log's folder lives.
std::wstring DocumentsFolder();
std::wstring ErrorLogPath();

}  // namespace tpr::e2e
