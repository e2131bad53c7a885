// Base of every window class of the program: one static window procedure that
// finds the object (stored at WM_NCCREATE, cleared at WM_NCDESTROY) and hands
// each message to its HandleMessage. Event handlers trap their own errors; the
// procedure is noexcept so that nothing can unwind through the platform's
// frames.
#pragma once

#include <windows.h>

namespace tpr::win {

template <class Derived>
class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window() {
        if (hwnd_) {
            ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
            ::DestroyWindow(hwnd_);
        }
    }

    HWND hwnd() const { return hwnd_; }

protected:
    static void RegisterWindowClass(const wchar_t* className, UINT style = CS_HREDRAW | CS_VREDRAW,
                                    HICON icon = nullptr, HBRUSH background = nullptr) {
        WNDCLASSEXW wc{};
        if (::GetClassInfoExW(::GetModuleHandleW(nullptr), className, &wc)) return;
        wc.cbSize = sizeof wc;
        wc.style = style;
        wc.lpfnWndProc = &Window::Procedure;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.hIcon = icon;
        wc.hIconSm = icon;
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = background ? background : reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = className;
        ::RegisterClassExW(&wc);
    }

    HWND CreateWindowOfClass(const wchar_t* className, const wchar_t* title, DWORD style, DWORD exStyle, int x,
                             int y, int width, int height, HWND parent, HMENU idOrMenu = nullptr) {
        return ::CreateWindowExW(exStyle, className, title, style, x, y, width, height, parent, idOrMenu,
                                 ::GetModuleHandleW(nullptr), this);
    }

    LRESULT DefaultProcedure(UINT message, WPARAM wParam, LPARAM lParam) {
        return ::DefWindowProcW(hwnd_, message, wParam, lParam);
    }

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
        Window* self = nullptr;
        if (message == WM_NCCREATE) {
            self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
            self->hwnd_ = hwnd;
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        } else {
            self = reinterpret_cast<Window*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        }
        if (!self) return ::DefWindowProcW(hwnd, message, wParam, lParam);
        const LRESULT result = static_cast<Derived*>(self)->HandleMessage(message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            self->hwnd_ = nullptr;
        }
        return result;
    }

    HWND hwnd_ = nullptr;
};

}  // namespace tpr::win
