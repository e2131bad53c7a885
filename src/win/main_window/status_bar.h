// The window's status bar: three panels, the last one taking the rest of the
// bar. Panels are numbered from 1.
#pragma once

#include <windows.h>

#include <string>

namespace tpr::win {

class StatusBar {
public:
    void Create(HWND parent, int id);
    HWND hwnd() const { return hwnd_; }

    void SetPanelText(int panel, const std::wstring& text);
    std::wstring PanelText(int panel) const;
    int HeightPixels() const;
    // Follows the parent's new size (the bar keeps itself at the bottom).
    void Resize();

private:
    void FitPanels();

    HWND hwnd_ = nullptr;
};

}  // namespace tpr::win
