// For the tests of the error reporting and the small windows: the program's
// error services over a log folder of the test's own, recorders, and
// watchers that answer a modal window from another thread.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "core/errors/error_services.h"
#include "test_files.h"
#include "win/app/report_dialogs.h"
#include "win/errors/program_error_services.h"
#include "win/runtime/shell.h"
#include "window_driver.h"

namespace tpr::test {

// Records the report dialogs the framework asks for, without showing any.
class ReportDialogRecorder : public err::ReportDialogHost {
public:
    bool IsMainWindowLoaded() override;
    void ShowReportDialog(bool modal) override { shownModal.push_back(modal); }
    std::vector<bool> shownModal;
};

// The program's own services with the report dialog recorded.
void InstallTestErrorServices();

// Records every shell start and answers with `result`.
class ShellRecorder : public win::ShellLauncher {
public:
    ShellRecorder() { win::SetShellLauncher(this); }
    ~ShellRecorder() override { win::SetShellLauncher(nullptr); }
    intptr_t Start(const win::ShellStart& start) override {
        starts.push_back(start);
        return result;
    }
    std::vector<win::ShellStart> starts;
    intptr_t result = 42;
};

// Waits on a thread of its own (up to 15 s, or until Stop) for a visible
// top-level window of this process with the title, and acts on it there.
class WindowWatcher {
public:
    WindowWatcher(std::wstring title, std::function<void(HWND)> act, std::wstring className = {});
    ~WindowWatcher() { Stop(); }
    WindowWatcher(const WindowWatcher&) = delete;
    WindowWatcher& operator=(const WindowWatcher&) = delete;
    void Stop();
    bool Found() const { return found_; }

private:
    std::atomic<bool> stop_{false}, found_{false};
    std::thread thread_;
};

// Closes the program's next message box with OK; Text waits a little for it.
class MessageBoxCatcher {
public:
    MessageBoxCatcher();
    const std::wstring& Text();

private:
    std::wstring text_;
    WindowWatcher watcher_;
};

// The visible top-level windows of this process with this title (and class).
std::vector<HWND> WindowsTitled(const std::wstring& title, const std::wstring& className = {});
// The texts of a window's child controls, in the order they were made.
std::vector<std::wstring> ChildTexts(HWND window);
// A press and release inside a control of this thread.
void Click(HWND control);
// Every text control of the shown dialog lies inside it, whole, overlapping none.
void ExpectTextsFit(HWND dialog);

// The program's error services around a log folder of the test's own; the
// report dialog over the main window: end to end.
class ErrorReportTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    void UseProgramDialogs();  // shown for real, not recorded
    // A top-level trap around a failure two calls deep.
    void FailInAnEvent(const wchar_t* handler = L"Form1.Form_Resize", int32_t number = 481);

    std::wstring LogFolder() const { return documents_.path() + L"\\Tessaly Photo Resizer"; }
    std::wstring LogPath() const { return LogFolder() + L"\\ErrorReport.txt"; }
    std::string LogText() const { return ReadFileBytes(LogPath()); }

    TempFolder documents_;
    win::ProgramLogFiles files_{documents_.path()};
    ReportDialogRecorder dialogs_;
};

}  // namespace tpr::test
