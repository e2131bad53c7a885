// The error tests' support: recording services, window watchers and layout checks.
#include "error_test_support.h"

#include <chrono>

#include "core/errors/error_framework.h"
#include "core/errors/trap.h"
#include "core/runtime/runtime_error.h"
#include "win/common/dialog_layout.h"
#include "win/common/file_system.h"
#include "win/runtime/text.h"

namespace tpr::test {
namespace {

BOOL CALLBACK CollectChild(HWND child, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(child);
    return TRUE;
}

std::vector<HWND> Children(HWND window) {
    std::vector<HWND> children;
    ::EnumChildWindows(window, &CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

// Whether the control's rightmost column of pixels shows only the dialog's
// face: text that reaches the edge is cut there.
bool RightEdgeIsBlank(HWND control) {
    ::UpdateWindow(control);
    RECT client{};
    ::GetClientRect(control, &client);
    const HDC dc = ::GetDC(control);
    bool blank = true;
    for (int y = 0; y < client.bottom; ++y)
        blank = blank && ::GetPixel(dc, client.right - 1, y) == ::GetSysColor(COLOR_BTNFACE);
    ::ReleaseDC(control, dc);
    return blank;
}

}  // namespace

bool ReportDialogRecorder::IsMainWindowLoaded() { return win::isLoad(L"Form1"); }

void InstallTestErrorServices() {
    static ReportDialogRecorder recorder;
    err::ErrorServices services = win::ProgramErrorServices();
    services.dialogs = &recorder;
    err::InstallErrorServices(services);
}

WindowWatcher::WindowWatcher(std::wstring title, std::function<void(HWND)> act, std::wstring className)
    : thread_([this, title = std::move(title), act = std::move(act), className = std::move(className)] {
          const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(15);
          while (!stop_ && std::chrono::steady_clock::now() < end) {
              const std::vector<HWND> windows = WindowsTitled(title, className);
              if (!windows.empty()) {
                  found_ = true;
                  return act(windows.front());
              }
              ::Sleep(20);
          }
      }) {}

void WindowWatcher::Stop() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
}

// The message box keeps its text in the static control 0xFFFF.
MessageBoxCatcher::MessageBoxCatcher()
    : watcher_(
          L"Tessaly Photo Resizer",
          [this](HWND box) {
              text_ = win::WindowText(::GetDlgItem(box, 0xFFFF));
              PressButton(box, IDOK);
          },
          L"#32770") {}

const std::wstring& MessageBoxCatcher::Text() {
    WaitUntil(300, [this] { return watcher_.Found(); });
    watcher_.Stop();
    return text_;
}

std::vector<HWND> WindowsTitled(const std::wstring& title, const std::wstring& className) {
    std::vector<HWND> found;
    for (const HWND window : TopLevelWindowsOf(::GetCurrentProcessId())) {
        wchar_t text[256] = {};
        ::InternalGetWindowText(window, text, 256);  // no message: the test's thread may be busy
        if (title == text && (className.empty() || ClassNameOf(window) == className)) found.push_back(window);
    }
    return found;
}

std::vector<std::wstring> ChildTexts(HWND window) {
    std::vector<std::wstring> texts;
    for (const HWND child : Children(window)) texts.push_back(win::WindowText(child));
    return texts;
}

void Click(HWND control) {
    ::SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
    ::SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
}

void ExpectTextsFit(HWND dialog) {
    RECT client{};
    ::GetClientRect(dialog, &client);
    std::vector<std::pair<RECT, std::string>> placed;
    for (const HWND child : Children(dialog)) {
        const std::string text = win::ToNarrow(win::WindowText(child));
        const bool button = ClassNameOf(child) == L"Button";
        if (text.empty() || (button && (::GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX))
            continue;
        RECT rect{}, overlap{};
        ::GetWindowRect(child, &rect);
        ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_TRUE(rect.left >= 0 && rect.top >= 0 && rect.right <= client.right &&
                    rect.bottom <= client.bottom)
            << "outside the dialog: " << text;
        if (!button) {
            const SIZE needed = win::MeasureControlText(child, rect.right - rect.left);
            EXPECT_TRUE(needed.cx <= rect.right - rect.left && needed.cy <= rect.bottom - rect.top)
                << "cut: " << text;
            EXPECT_TRUE(RightEdgeIsBlank(child)) << "drawn up to the edge: " << text;
        }
        for (const auto& [other, otherText] : placed)
            EXPECT_FALSE(::IntersectRect(&overlap, &rect, &other)) << text << " overlaps " << otherText;
        placed.emplace_back(rect, text);
    }
}

void ErrorReportTest::SetUp() {
    err::ResetErrorFramework();
    err::ErrorServices services = win::ProgramErrorServices();
    services.files = &files_;
    services.dialogs = &dialogs_;
    err::InstallErrorServices(services);
}

void ErrorReportTest::TearDown() {
    InstallTestErrorServices();
    err::ResetErrorFramework();
}

void ErrorReportTest::UseProgramDialogs() {
    err::ErrorServices services = win::ProgramErrorServices();
    services.files = &files_;
    err::InstallErrorServices(services);
}

void ErrorReportTest::FailInAnEvent(const wchar_t* handler, int32_t number) {
    const std::wstring sFullPath = L"C:\\Photos\\cat.jpg", point = L".";
    err::TopLevelTrap(handler, [&] {
        err::LeafTrap(L"Form1.ResizePhotoInProperties", [&] {
            err::LeafTrap(
                L"mCommon.Spliting(sFullPath,point)", [&] { Raise(number); }, sFullPath, point);
        });
    });
}

}  // namespace tpr::test
