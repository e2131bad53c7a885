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
    const auto resize = [&](int clientWidth, int workAreaHeight) {
        RECT window{}, client{};
        ::GetWindowRect(form.hwnd(), &window);
        ::GetClientRect(form.hwnd(), &client);
        const int frameWidth = (window.right - window.left) - client.right;
        const int frameHeight = (window.bottom - window.top) - client.bottom;
        const int top = win::PixelsY(probe.clientAreaTop);
        const int status = probe.statusBar.HeightPixels();
        ::SetWindowPos(form.hwnd(), nullptr, 0, 0, clientWidth + frameWidth,
                       workAreaHeight + top + status + frameHeight, SWP_NOMOVE | SWP_NOZORDER);
    };
    resize(width, height);
    resize(width, height);
}

SIZE Form1Test::MeasuredWorkArea() const {
    RECT client{}, bar{}, status{};
    ::GetClientRect(form.hwnd(), &client);
    ::GetWindowRect(probe.standardBar->hwnd(), &bar);
    ::GetWindowRect(probe.statusBar.hwnd(), &status);
    ::MapWindowPoints(nullptr, form.hwnd(), reinterpret_cast<POINT*>(&bar), 2);
    ::MapWindowPoints(nullptr, form.hwnd(), reinterpret_cast<POINT*>(&status), 2);
    return {client.right, status.top - bar.bottom};
}

RECT Form1Test::ViewRect() const {
    RECT rect{};
    ::GetWindowRect(probe.view.hwnd(), &rect);
    ::MapWindowPoints(nullptr, form.hwnd(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace tpr::test
