// The end-to-end driver's view of the program: start it as a user would,
// find its windows, read its status bar from outside the process, and look at
// what it leaves on disk and in the settings store.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace tpr::e2e {

// Polls the condition every 50 ms until it holds; false when it does not
// within timeoutMs.
template <class Condition>
bool WaitUntil(DWORD timeoutMs, Condition condition) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < end) {
        if (condition()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return condition();
}

// The built program's path as Windows sees it.
std::wstring ProgramPath();

// A new empty folder for one test, removed with the object.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::wstring& path() const { return path_; }
    std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }

private:
    std::wstring path_;
};

// Writes a photo of the given size with GDI+ (format: L"image/jpeg",
// L"image/bmp" or L"image/gif"): a left-to-right colour ramp with a dark
// square in the upper-left corner, so orientation can be checked.
void WritePhoto(const std::wstring& path, int width, int height, const wchar_t* format = L"image/jpeg");

// Width and height of an image file as GDI+ decodes it; {0, 0} when it cannot.
SIZE ImageFileSize(const std::wstring& path);

std::string ReadFileBytes(const std::wstring& path);
void WriteFileBytes(const std::wstring& path, const std::string& bytes);
bool FileExists(const std::wstring& path);

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

// Text of another process's window or control.
std::wstring WindowTextOf(HWND window);
// Class name of a window.
std::wstring ClassNameOf(HWND window);

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
