// The end-to-end driver's view of the program: start it as a user would,
// find its windows, read its status bar from outside the process, and look at
// what it leaves on disk and in the settings store.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace tpr::e2e {

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
    // Text of a status-bar panel (1 to 3) of the main window.
    std::wstring StatusText(int panel) const;
    // Waits until the process ends; false when it does not in time.
    bool WaitForExit(DWORD timeoutMs);
    DWORD ExitCode() const;
    // Asks the main window to close, as the user would.
    void Close();

private:
    PROCESS_INFORMATION process_{};
    HWND mainWindow_ = nullptr;
};

// Text of another process's window or control.
std::wstring WindowTextOf(HWND window);
// Class name of a window.
std::wstring ClassNameOf(HWND window);
// Texts of a window's child controls, in the order they were made.
std::vector<std::wstring> ChildTextsOf(HWND window);

// The program's settings store.
std::wstring ReadSetting(const std::wstring& section, const std::wstring& key);
void WriteSetting(const std::wstring& section, const std::wstring& key, const std::wstring& value);
void ClearSettings();

// The user's documents folder, where the error log's folder lives.
std::wstring DocumentsFolder();
std::wstring ErrorLogPath();

}  // namespace tpr::e2e
