// Controls made in code, measured and stacked in columns; the dialog's place on screen.
#include "win/common/dialog_layout.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "win/runtime/text.h"
#include "win/runtime/unique_any.h"

namespace tpr::win {

HWND CreateControl(HWND parent, const wchar_t* className, DWORD style, int id) {
    return ::CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr),
                             nullptr);
}

HWND CreateLabel(HWND parent, int id, DWORD alignment) {
    return CreateControl(parent, WC_STATICW, alignment | SS_NOPREFIX, id);
}

void SetText(HWND window, const std::wstring& text) { ::SetWindowTextW(window, text.c_str()); }

namespace {

// Selects the control's font into the screen's context for measuring.
class ControlFontOnScreen {
public:
    explicit ControlFontOnScreen(HWND control)
        : screen_(::GetDC(nullptr)), font_(screen_.get(), FontOf(control)) {}
    HDC dc() const { return screen_.get(); }

private:
    static HGDIOBJ FontOf(HWND control) {
        const auto font = reinterpret_cast<HGDIOBJ>(::SendMessageW(control, WM_GETFONT, 0, 0));
        return font ? font : ::GetStockObject(DEFAULT_GUI_FONT);
    }

    UniqueScreenDc screen_;
    SelectGuard font_;
};

int AverageCharWidth(HWND control) {
    const ControlFontOnScreen measure(control);
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(measure.dc(), &metrics);
    return metrics.tmAveCharWidth;
}

}  // namespace

SIZE MeasureControlText(HWND control, int wrapWidth) {
    const std::wstring text = WindowText(control);
    const ControlFontOnScreen measure(control);
    RECT bounds{0, 0, wrapWidth, 0};
    const UINT format = DT_CALCRECT | DT_NOPREFIX | DT_LEFT | (wrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE);
    // An empty text still takes one line.
    ::DrawTextW(measure.dc(), text.empty() ? L" " : text.c_str(), -1, &bounds, format);
    return {bounds.right - bounds.left, bounds.bottom - bounds.top};
}

int ColumnWidthFor(std::initializer_list<HWND> controls) {
    int widest = 0;
    for (const HWND control : controls) {
        widest =
            std::max(widest, static_cast<int>(MeasureControlText(control).cx) + AverageCharWidth(control));
    }
    return widest;
}

void ColumnLayout::PlaceAt(HWND control, int indent, int gapAfter, bool centred) {
    const int room = width_ - indent;
    const int spare = std::min(AverageCharWidth(control), room);
    const SIZE text = MeasureControlText(control, room - spare);
    const int width = std::min<int>(text.cx + spare, room);
    const int left = left_ + indent + (centred ? (room - width) / 2 : 0);
    ::MoveWindow(control, left, top_, width, text.cy, FALSE);
    top_ += text.cy + gapAfter;
}

LRESULT DialogFaceColours(HDC dc) {
    ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
    ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
}

RECT WorkArea() {
    RECT area{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

RECT CentredWindowRect(HWND owner, int clientWidth, int clientHeight, DWORD style, DWORD exStyle) {
    RECT frame{0, 0, clientWidth, clientHeight};
    ::AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    const RECT area = WorkArea();
    RECT around = area;
    if (owner && ::IsWindowVisible(owner)) ::GetWindowRect(owner, &around);
    const int left = std::clamp<int>(around.left + ((around.right - around.left) - width) / 2, area.left,
                                     std::max<int>(area.left, area.right - width));
    const int top = std::clamp<int>(around.top + ((around.bottom - around.top) - height) / 2, area.top,
                                    std::max<int>(area.top, area.bottom - height));
    return {left, top, left + width, top + height};
}

}  // namespace tpr::win
