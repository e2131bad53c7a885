// The error tests' support: recording services, window watchers and layout checks.
#include "error_test_support.h"

#include <shellapi.h>

#include <chrono>

#include "core/errors/error_framework.h"
#include "core/errors/trap.h"
#include "core/runtime/runtime_error.h"
#include "win/common/dialog_layout.h"
#include "win/common/file_system.h"
#include "win/main_window/program_state.h"
#include "win/runtime/text.h"

namespace tpr::test {
namespace {

ReportDialogRecorder& DefaultRecorder() {
    static ReportDialogRecorder recorder;
    return recorder;
}

struct TitleSearch {
    std::wstring title;
    std::wstring className;
    std::vector<HWND> found;
};

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, 64);
    return name;
}

// Reads titles without sending messages, so that the watcher never waits
// for the test's thread.
BOOL CALLBACK CollectTitled(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<TitleSearch*>(param);
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    wchar_t title[256] = {};
    if (process == ::GetCurrentProcessId() && ::IsWindowVisible(window) &&
        ::InternalGetWindowText(window, title, 256) >= 0 && search->title == title &&
        (search->className.empty() || ClassOf(window) == search->className)) {
        search->found.push_back(window);
    }
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(child);
    return TRUE;
}

std::vector<HWND> Children(HWND window) {
    std::vector<HWND> children;
    ::EnumChildWindows(window, &CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

// True when the control's rightmost column of pixels shows only the dialog's
// face: nothing of the text reaches the edge, where it would be cut.
bool RightEdgeIsBlank(HWND control) {
    ::UpdateWindow(control);
    RECT client{};
    ::GetClientRect(control, &client);
    const HDC dc = ::GetDC(control);
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    bool blank = true;
    for (int y = 0; y < client.bottom; ++y) blank = blank && ::GetPixel(dc, client.right - 1, y) == face;
    ::ReleaseDC(control, dc);
    return blank;
}

void RemoveFolder(const std::wstring& path) {
    std::wstring from = path + L'\0';
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    ::SHFileOperationW(&operation);
}

}  // namespace

bool ReportDialogRecorder::IsMainWindowLoaded() { return win::isLoad(L"Form1"); }

void InstallTestErrorServices() {
    err::ErrorServices services = win::ProgramErrorServices();
    services.dialogs = &DefaultRecorder();
    err::InstallErrorServices(services);
}

WindowWatcher::WindowWatcher(std::wstring title, std::function<void(HWND)> act, DWORD timeoutMs,
                             std::wstring className)
    : thread_([this, title = std::move(title), act = std::move(act), timeoutMs,
               className = std::move(className)] {
          const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
          while (!stop_ && std::chrono::steady_clock::now() < end) {
              const std::vector<HWND> windows = WindowsTitled(title, className);
              if (!windows.empty()) {
                  found_ = true;
                  act(windows.front());
                  return;
              }
              ::Sleep(20);
          }
      }) {}

void WindowWatcher::Stop() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
}

MessageBoxCatcher::MessageBoxCatcher()
    : watcher_(
          L"Tessaly Photo Resizer",
          [this](HWND box) {
              // The message box keeps its text in the static control 0xFFFF.
              text_ = win::WindowText(::GetDlgItem(box, 0xFFFF));
              PressButton(box, IDOK);
          },
          15000, L"#32770") {}

std::vector<HWND> WindowsTitled(const std::wstring& title, const std::wstring& className) {
    TitleSearch search{title, className, {}};
    ::EnumWindows(&CollectTitled, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<std::wstring> ChildTexts(HWND window) {
    std::vector<std::wstring> texts;
    for (const HWND child : Children(window)) texts.push_back(win::WindowText(child));
    return texts;
}

HWND Child(HWND window, int id) { return ::GetDlgItem(window, id); }

void Click(HWND control) {
    ::SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
    ::SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
}

void ExpectTextsFit(HWND dialog) {
    RECT client{};
    ::GetClientRect(dialog, &client);
    std::vector<std::pair<RECT, std::wstring>> placed;
    for (const HWND child : Children(dialog)) {
        const std::wstring text = win::WindowText(child);
        const std::wstring kind = ClassOf(child);
        const bool frame =
            kind == L"Button" && (::GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
        if (text.empty() || frame) continue;
        RECT rect{};
        ::GetWindowRect(child, &rect);
        ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_TRUE(rect.left >= 0 && rect.top >= 0 && rect.right <= client.right &&
                    rect.bottom <= client.bottom)
            << "outside the dialog: " << win::ToNarrow(text);
        if (kind != L"Button") {
            const SIZE needed = win::MeasureControlText(child, rect.right - rect.left);
            EXPECT_LE(needed.cx, rect.right - rect.left) << "cut on the right: " << win::ToNarrow(text);
            EXPECT_LE(needed.cy, rect.bottom - rect.top) << "cut at the bottom: " << win::ToNarrow(text);
            EXPECT_TRUE(RightEdgeIsBlank(child)) << "drawn up to the edge: " << win::ToNarrow(text);
        }
        for (const auto& [other, otherText] : placed) {
            RECT overlap{};
            EXPECT_FALSE(::IntersectRect(&overlap, &rect, &other))
                << win::ToNarrow(text) << " overlaps " << win::ToNarrow(otherText);
        }
        placed.emplace_back(rect, text);
    }
}

size_t CountOf(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

void ErrorReportTest::SetUp() {
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    documents_ = std::wstring(temp) + L"tpr-documents-" + std::to_wstring(::GetCurrentProcessId());
    ::CreateDirectoryW(documents_.c_str(), nullptr);
    files_ = std::make_unique<win::ProgramLogFiles>(documents_);
    err::ResetErrorFramework();
    err::ErrorServices services = win::ProgramErrorServices();
    services.files = files_.get();
    services.dialogs = &dialogs_;
    err::InstallErrorServices(services);
}

void ErrorReportTest::TearDown() {
    if (main_) {
        win::Program().MainForm = nullptr;
        main_.reset();
    }
    InstallTestErrorServices();
    err::ResetErrorFramework();
    RemoveFolder(documents_);
}

void ErrorReportTest::UseProgramDialogs() {
    err::ErrorServices services = win::ProgramErrorServices();
    services.files = files_.get();
    err::InstallErrorServices(services);
}

void ErrorReportTest::ShowMainWindow() {
    main_ = std::make_unique<win::Form1>();
    win::Program().MainForm = main_.get();
    main_->Show();
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
