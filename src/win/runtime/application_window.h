// The hidden top-level window that every running instance keeps, class
// "ThunderRT6Main", titled with the application title. A later start finds the
// running instance by it: the window carries the handle of the instance's main
// window, and it takes the later start's command line.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "win/runtime/window.h"

namespace tpr::win {

class ApplicationWindow : public Window<ApplicationWindow> {
public:
    static constexpr wchar_t kClassName[] = L"ThunderRT6Main";

    explicit ApplicationWindow(const std::wstring& title);
    ~ApplicationWindow() override;

    void Rename(const std::wstring& title);

    // Points later starts at this instance's main window (null: none yet).
    void SetMainWindow(HWND mainWindow);

    // The newest command line handed over by a later start and not yet
    // taken; an older one not yet taken is replaced.
    std::optional<std::wstring> TakeHandedCommandLine();

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    std::optional<std::wstring> handedCommandLine_;
};

// The application window of the running instance with this title, or null.
HWND FindApplicationWindow(const std::wstring& title);

// The main window that an application window points at, or null.
HWND MainWindowOf(HWND applicationWindow);

// Hands a command line to the instance that owns the application window;
// false when that instance did not take it in time.
bool HandCommandLine(HWND applicationWindow, const std::wstring& arguments);

}  // namespace tpr::win
