// LinkLabel: a label that is clicked like a button.
#include "win/common/link_label.h"

#include <windowsx.h>

#include <string>

#include "win/runtime/text.h"

namespace tpr::win {

void LinkLabel::Create(HWND parent, int id, const wchar_t* text) {
    static constexpr wchar_t kClassName[] = L"TprLinkLabel";
    RegisterWindowClass(kClassName, CS_HREDRAW | CS_VREDRAW);
    CreateWindowOfClass(kClassName, text, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, 0, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

void LinkLabel::SetFont(HFONT font) {
    font_ = font;
    LOGFONTW face{};
    if (font && ::GetObjectW(font, sizeof face, &face)) {
        face.lfUnderline = TRUE;
        underlined_.reset(::CreateFontIndirectW(&face));
    } else {
        underlined_.reset();
    }
}

void LinkLabel::Paint() {
    PAINTSTRUCT ps;
    const HDC dc = ::BeginPaint(hwnd(), &ps);
    RECT client{};
    ::GetClientRect(hwnd(), &client);
    ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
    const HFONT font = underlined_ ? underlined_.get() : font_;
    const SelectGuard useFont(dc, font ? static_cast<HGDIOBJ>(font) : ::GetStockObject(DEFAULT_GUI_FONT));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, kLinkColour);
    const std::wstring text = WindowText(hwnd());
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &client,
                DT_LEFT | DT_TOP | DT_NOPREFIX | DT_WORDBREAK);
    ::EndPaint(hwnd(), &ps);
}

void LinkLabel::NotifyClick() {
    const int id = ::GetDlgCtrlID(hwnd());
    ::SendMessageW(::GetParent(hwnd()), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(hwnd()));
}

LRESULT LinkLabel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETFONT:
            SetFont(reinterpret_cast<HFONT>(wParam));
            if (LOWORD(lParam)) ::InvalidateRect(hwnd(), nullptr, TRUE);
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(font_);
        case WM_SETTEXT: {
            const LRESULT result = DefaultProcedure(message, wParam, lParam);
            ::InvalidateRect(hwnd(), nullptr, TRUE);
            return result;
        }
        case WM_ERASEBKGND:
            return 1;  // painted with the text
        case WM_PAINT:
            Paint();
            return 0;
        case WM_SETCURSOR:
            ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        case WM_LBUTTONDOWN:
            pressed_ = true;
            ::SetCapture(hwnd());
            return 0;
        case WM_LBUTTONUP: {
            // A click is a press and a release on the label; a release elsewhere
            // takes the click back.
            const bool click = pressed_;
            const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            RECT client{};
            ::GetClientRect(hwnd(), &client);
            if (::GetCapture() == hwnd()) ::ReleaseCapture();
            if (click && ::PtInRect(&client, at)) NotifyClick();
            return 0;
        }
        case WM_CAPTURECHANGED:
            pressed_ = false;
            return 0;
        default:
            return DefaultProcedure(message, wParam, lParam);
    }
}

}  // namespace tpr::win
