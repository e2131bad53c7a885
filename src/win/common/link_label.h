// A clickable label: its text in blue and underlined, the pointing hand over
// it, and a click reported to the parent as WM_COMMAND with BN_CLICKED, as a
// button reports one. The text is the window text; the font is the one
// handed over with WM_SETFONT.
#pragma once

#include <windows.h>

#include "win/runtime/unique_any.h"
#include "win/runtime/window.h"

namespace tpr::win {

class LinkLabel : public Window<LinkLabel> {
public:
    static constexpr COLORREF kLinkColour = RGB(0, 0, 255);

    void Create(HWND parent, int id, const wchar_t* text = L"");

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void SetFont(HFONT font);
    void Paint();
    void NotifyClick();

    HFONT font_ = nullptr;  // owned by whoever handed it over
    UniqueHfont underlined_;
    bool pressed_ = false;
};

}  // namespace tpr::win
