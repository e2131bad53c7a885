// The least a Windows program does to show a window: registers a class,
// shows one window and runs its message loop until the window is closed. It
// loads the system libraries the photo resizer loads, with its manifest
// (empty_window.rc), and sets up OLE and the common controls as it does, so
// that what the platform costs at a start is on both sides when the
// benchmark times its start beside the photo resizer's.
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <gdiplus.h>
#include <ole2.h>
#include <shlobj.h>

namespace {

// One function of each library the photo resizer imports that this program
// does not call, so that the loader loads it here too.
void* const volatile kImported[] = {
    reinterpret_cast<void*>(&Gdiplus::GdiplusStartup), reinterpret_cast<void*>(&GetOpenFileNameW),
    reinterpret_cast<void*>(&SHGetFolderPathW), reinterpret_cast<void*>(&SysFreeString),
    reinterpret_cast<void*>(&RegOpenKeyExW)};

LRESULT CALLBACK EmptyWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    ::OleInitialize(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_WIN95_CLASSES | ICC_USEREX_CLASSES};
    ::InitCommonControlsEx(&controls);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &EmptyWindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = L"TprBenchEmptyWindow";
    if (!::RegisterClassW(&windowClass)) return 1;
    const HWND window =
        ::CreateWindowExW(0, windowClass.lpszClassName, L"Empty window", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                          CW_USEDEFAULT, 816, 700, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    ::ShowWindow(window, SW_SHOW);
    ::UpdateWindow(window);
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    ::OleUninitialize();
    return static_cast<int>(message.wParam);
}
