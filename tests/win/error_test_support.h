// What the tests of the error reporting need: the program's error services
// with a log folder of the test's own, a report dialog host that only
// records, a shell that only records, and a watcher that deals with a modal
// window from another thread while the test's thread runs its loop.
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
#include "win/main_window/main_window.h"
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

// The services every test starts with: the program's own, with the report
// dialog replaced by a recorder (a modal dialog would wait for a user).
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

// Waits on a thread of its own for a visible top-level window of this
// process with the title, then runs `act` with it on that thread. Stop (or
// the destructor) ends the wait.
class WindowWatcher {
public:
    WindowWatcher(std::wstring title, std::function<void(HWND)> act, DWORD timeoutMs = 15000,
                  std::wstring className = {});
    ~WindowWatcher() { Stop(); }
    WindowWatcher(const WindowWatcher&) = delete;
    WindowWatcher& operator=(const WindowWatcher&) = delete;

    void Stop();
    bool Found() const { return found_; }

private:
    std::atomic<bool> stop_{false};
    std::atomic<bool> found_{false};
    std::thread thread_;
};

// Closes the next message box of the program (captioned with its title) with
// OK and keeps its text.
class MessageBoxCatcher {
public:
    MessageBoxCatcher();
    // The text of the box, once Stop has returned; empty when none came.
    const std::wstring& Text() {
        watcher_.Stop();
        return text_;
    }

private:
    std::wstring text_;
    WindowWatcher watcher_;
};

// The visible top-level windows of this process with this title (and class).
std::vector<HWND> WindowsTitled(const std::wstring& title, const std::wstring& className = {});

// The texts of a window's child controls, in the order they were made.
std::vector<std::wstring> ChildTexts(HWND window);
// The child window with this identifier.
HWND Child(HWND window, int id);

// A click on a control of this thread: press and release inside it.
void Click(HWND control);

// Every text control (label, link, button) of the dialog lies inside its
// client area, shows its whole text, and overlaps no other. The dialog must
// be on the screen: the test also looks at what was drawn.
void ExpectTextsFit(HWND dialog);

size_t CountOf(const std::string& text, const std::string& part);

// A test with a log folder of its own and the program's error services
// around it; the main window is shown on request.
class ErrorReportTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Shows the report dialogs for real instead of recording them.
    void UseProgramDialogs();
    void ShowMainWindow();

    // A top-level trap around a body that fails two calls deep.
    void FailInAnEvent(const wchar_t* handler = L"Form1.Form_Resize", int32_t number = 481);

    std::wstring LogFolder() const { return documents_ + L"\\Tessaly Photo Resizer"; }
    std::wstring LogPath() const { return LogFolder() + L"\\ErrorReport.txt"; }
    std::string LogText() const { return ReadFileBytes(LogPath()); }

    std::wstring documents_;
    std::unique_ptr<win::ProgramLogFiles> files_;
    ReportDialogRecorder dialogs_;
    std::unique_ptr<win::Form1> main_;
};

}  // namespace tpr::test
