// The interface font and how windows hand it to their controls.
#include "win/common/fonts.h"

#include "win/runtime/screen.h"


namespace tpr::win {
namespace {

// The main window's hidden label that carries the interface font, while it exists.
HWND g_fontContainer = nullptr;

BOOL CALLBACK SetFontOfChild(HWND child, LPARAM font) {
    ::SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), TRUE);
    return TRUE;
}

void ApplyFont(HWND form, HFONT font) {
    if (form && font) ::EnumChildWindows(form, &SetFontOfChild, reinterpret_cast<LPARAM>(font));
}

}  // namespace

UniqueHfont CreateInterfaceFont() {
    // 8-point Tahoma, the interface face of the systems the program targets,
    // at the display's scale (11 pixels at 96 dots per inch).
    LOGFONTW font{};
    font.lfHeight = -::MulDiv(8, ScreenDotsPerInch(), 72);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    wcscpy(font.lfFaceName, L"Tahoma");
    return UniqueHfont(::CreateFontIndirectW(&font));
}

void SetFontContainer(HWND label) { g_fontContainer = label; }

void ApplyContainerFont(HWND form) {
    const HWND label = g_fontContainer;
    ApplyFont(form, label ? reinterpret_cast<HFONT>(::SendMessageW(label, WM_GETFONT, 0, 0)) : nullptr);
}

void ApplyFormFont(HWND form) {
    ApplyFont(form, reinterpret_cast<HFONT>(::SendMessageW(form, WM_GETFONT, 0, 0)));
}

}  // namespace tpr::win
