// Toolbar1, the toolbar the main window carries without showing it: fourteen
// buttons laid out once. It takes no room and no clicks, but its click path
// sizes the window at the first activation and its preset buttons record
// which work-area preset is current. Buttons and menu entries are numbered
// from 1.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tpr {

enum class ButtonStyle { Default, Separator, ButtonGroup, DropDown };

struct ButtonMenu {
    int Index = 0;
    std::wstring Text;
};

struct ToolbarButton {
    int Index = 0;
    std::wstring Key;
    std::wstring Caption;
    ButtonStyle Style = ButtonStyle::Default;
    std::wstring ToolTipText;
    bool Pressed = false;
    std::wstring Image;  // key of its picture in the toolbar's image list; empty: none
    std::vector<ButtonMenu> ButtonMenus;
};

// How an error report names these arguments.
inline std::wstring ErrTypeName(const ToolbarButton&) { return L"Button"; }
inline std::wstring ErrTypeName(const ButtonMenu&) { return L"ButtonMenu"; }

class Toolbar {
public:
    explicit Toolbar(std::vector<ToolbarButton> buttons);

    int Count() const { return static_cast<int>(buttons_.size()); }
    // Error 35600 "Index out of bounds" for a number without a button, 35601
    // "Element not found" for a key without one.
    const ToolbarButton& Buttons(int index) const;
    const ToolbarButton& Buttons(std::wstring_view key) const;

    // Pressing a button of a group releases the other buttons of the group
    // (the group runs between the separators around it).
    void SetPressed(int index, bool pressed);
    void SetCaption(int index, std::wstring caption);
    void AddButtonMenu(int index, std::wstring text);

    // The image list is known by its keys; a button's image must be one of
    // them (error 35601 otherwise, also while no list is assigned).
    void SetImageList(std::vector<std::wstring> imageKeys);
    void SetImage(std::wstring_view buttonKey, std::wstring imageKey);

private:
    ToolbarButton& At(int index);
    ToolbarButton& At(std::wstring_view key);

    std::vector<ToolbarButton> buttons_;
    std::vector<std::wstring> imageKeys_;
};

// Toolbar1 as laid out: Open, Save, the four presets (640x480 pressed),
// CCW, CW, the quality drop-down and About, with separators.
Toolbar MakeToolbar1();

// Toolbar1's numbers of the four preset buttons and of the quality
// drop-down button.
inline constexpr int kFirstPresetButton = 4, kLastPresetButton = 7, kQualityButton = 12;

// The quality drop-down's entries, "10%" to "100%".
const std::array<const wchar_t*, 10>& QualityMenuTexts();

// Gives the quality drop-down button its ten entries when its menu is empty,
// and leaves a filled menu alone, however often the window is laid out.
void EnsureQualityMenu(Toolbar& toolbar);

}  // namespace tpr
