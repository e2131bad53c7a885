// The main window fixture: settings store, message pump and work-area sizing.
#include "main_window_fixture.h"

#include <shlwapi.h>

#include "error_test_support.h"
#include "win/runtime/application.h"
#include "win/runtime/modal.h"
#include "win/runtime/screen.h"
#include "win/runtime/settings.h"

namespace tpr::test {

void Form1Test::SetUp() {
    // The settings store is every test process's.
    const std::wstring appKey = win::SettingsKeyPath(win::App().Title, L"");
    ::SHDeleteKeyW(HKEY_CURRENT_USER, appKey.substr(0, appKey.size() - 1).c_str());
    err::InstallErrorServices({&platform, &files, &dialogs});
    win::Program().MainForm = &form;
    form.Show();
    ::GetWindowRect(form.hwnd(), &windowAsShown);
    PumpMessages();
}

void Form1Test::TearDown() {
    win::Program().MainForm = nullptr;
    InstallTestErrorServices();
}

void PumpMessages() {
    win::PumpMessagesUntil([] {
        MSG waiting;
        return !::PeekMessageW(&waiting, nullptr, 0, 0, PM_NOREMOVE);
    });
}

// In two passes: a change of width may wrap the command bar onto more or
// fewer rows, and the second pass counts the bar as it then stands.
void Form1Test::SetWorkArea(int width, int height) {
    for (int pass = 0; pass < 2; ++pass) {
        RECT window{}, client{};
        ::GetWindowRect(form.hwnd(), &window);
        ::GetClientRect(form.hwnd(), &client);
        ::SetWindowPos(form.hwnd(), nullptr, 0, 0, width + (window.right - window.left) - client.right,
                       height + win::PixelsY(probe.clientAreaTop) + probe.statusBar.HeightPixels() +
                           (window.bottom - window.top) - client.bottom,
                       SWP_NOMOVE | SWP_NOZORDER);
    }
}

RECT Form1Test::RectOf(HWND control) const {
    RECT rect{};
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(nullptr, form.hwnd(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

SIZE Form1Test::MeasuredWorkArea() const {
    RECT client{};
    ::GetClientRect(form.hwnd(), &client);
    return {client.right, RectOf(probe.statusBar.hwnd()).top - RectOf(probe.standardBar->hwnd()).bottom};
}

}  // namespace tpr::test
