// ApplicationWindow: the hidden window a later start finds and hands its command line to.
#include "win/runtime/application_window.h"

#include <new>
#include <utility>

namespace tpr::win {
namespace {

// The window property that holds the main window's handle: a later start
// reads it from outside, whatever the z-order of the windows.
constexpr wchar_t kMainWindowProperty[] = L"TessalyPhotoResizer.MainWindow";

// Marks a WM_COPYDATA that carries a command line (UTF-16, no terminator).
constexpr ULONG_PTR kCommandLineData = 0x54505243;

constexpr UINT kHandOverTimeoutMs = 10000;

}  // namespace

ApplicationWindow::ApplicationWindow(const std::wstring& title) {
    RegisterWindowClass(kClassName, 0);
    // Never shown: a hidden popup has no taskbar button and takes no focus.
    CreateWindowOfClass(kClassName, title.c_str(), WS_POPUP, 0, 0, 0, 0, 0, nullptr);
}

ApplicationWindow::~ApplicationWindow() {
    if (hwnd()) ::RemovePropW(hwnd(), kMainWindowProperty);
}

void ApplicationWindow::Rename(const std::wstring& title) { ::SetWindowTextW(hwnd(), title.c_str()); }

void ApplicationWindow::SetMainWindow(HWND mainWindow) {
    if (mainWindow) {
        ::SetPropW(hwnd(), kMainWindowProperty, mainWindow);
    } else {
        ::RemovePropW(hwnd(), kMainWindowProperty);
    }
}

std::optional<std::wstring> ApplicationWindow::TakeHandedCommandLine() {
    return std::exchange(handedCommandLine_, std::nullopt);
}

LRESULT ApplicationWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_COPYDATA) return DefaultProcedure(message, wParam, lParam);

    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (!data || data->dwData != kCommandLineData || data->cbData % sizeof(wchar_t) != 0 ||
        (data->cbData != 0 && !data->lpData)) {
        return FALSE;
    }
    try {
        handedCommandLine_.emplace(static_cast<const wchar_t*>(data->lpData), data->cbData / sizeof(wchar_t));
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
    // The sender waits for this answer: the photo opens later, from the
    // message loop, which this wakes.
    ::PostMessageW(hwnd(), WM_NULL, 0, 0);
    return TRUE;
}

HWND FindApplicationWindow(const std::wstring& title) {
    return ::FindWindowW(ApplicationWindow::kClassName, title.c_str());
}

HWND MainWindowOf(HWND applicationWindow) {
    const auto mainWindow = static_cast<HWND>(::GetPropW(applicationWindow, kMainWindowProperty));
    return mainWindow && ::IsWindow(mainWindow) ? mainWindow : nullptr;
}

bool HandCommandLine(HWND applicationWindow, const std::wstring& arguments) {
    COPYDATASTRUCT data{kCommandLineData, static_cast<DWORD>(arguments.size() * sizeof(wchar_t)),
                        const_cast<wchar_t*>(arguments.data())};
    DWORD_PTR taken = FALSE;
    return ::SendMessageTimeoutW(applicationWindow, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                                 SMTO_ABORTIFHUNG | SMTO_BLOCK, kHandOverTimeoutMs, &taken) != 0 &&
           taken == TRUE;
}

}  // namespace tpr::win
