#include "win/main_window/status_bar.h"

#include <commctrl.h>

#include "core/common/ui_texts.h"
#include "win/runtime/unique_any.h"

namespace tpr::win {
namespace {

// Width of a panel that holds the text, in the bar's font.
int PanelWidthFor(HWND bar, const std::wstring& text) {
    const UniqueScreenDc screen(::GetDC(bar));
    const SelectGuard font(screen.get(), reinterpret_cast<HGDIOBJ>(::SendMessageW(bar, WM_GETFONT, 0, 0)));
    SIZE size{};
    ::GetTextExtentPoint32W(screen.get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx + 16;
}

}  // namespace

void StatusBar::Create(HWND parent, int id) {
    hwnd_ = ::CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr),
                              nullptr);
    // Parts first: texts of parts that do not exist yet are lost.
    FitPanels();
    SetPanelText(3, texts::kDragHintText);
}

void StatusBar::SetPanelText(int panel, const std::wstring& text) {
    ::SendMessageW(hwnd_, SB_SETTEXTW, static_cast<WPARAM>(panel - 1), reinterpret_cast<LPARAM>(text.c_str()));
    if (panel < 3) FitPanels();
}

// The first two panels as wide as their texts, so that the hint in the last
// has all the room left, at any display scale.
void StatusBar::FitPanels() {
    const int first = PanelWidthFor(hwnd_, PanelText(1));
    const int edges[3] = {first, first + PanelWidthFor(hwnd_, PanelText(2)), -1};
    ::SendMessageW(hwnd_, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
}

std::wstring StatusBar::PanelText(int panel) const {
    const auto length = LOWORD(::SendMessageW(hwnd_, SB_GETTEXTLENGTHW, static_cast<WPARAM>(panel - 1), 0));
    std::wstring text(length + 1u, L'\0');
    ::SendMessageW(hwnd_, SB_GETTEXTW, static_cast<WPARAM>(panel - 1), reinterpret_cast<LPARAM>(text.data()));
    text.resize(length);
    return text;
}

int StatusBar::HeightPixels() const {
    RECT rect{};
    ::GetWindowRect(hwnd_, &rect);
    return rect.bottom - rect.top;
}

void StatusBar::Resize() { ::SendMessageW(hwnd_, WM_SIZE, 0, 0); }

}  // namespace tpr::win
