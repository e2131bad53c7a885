#include "core/main_window/hidden_toolbar.h"

#include <algorithm>

#include "core/runtime/runtime_error.h"

namespace tpr {
namespace {

// The toolbar's own error numbers.
constexpr int32_t kErrIndexOutOfBounds = 35600;
constexpr int32_t kErrElementNotFound = 35601;

[[noreturn]] void RaiseElementNotFound() { throw RuntimeError(kErrElementNotFound, L"Element not found"); }

}  // namespace

Toolbar::Toolbar(std::vector<ToolbarButton> buttons) : buttons_(std::move(buttons)) {
    for (size_t i = 0; i < buttons_.size(); ++i) buttons_[i].Index = static_cast<int>(i) + 1;
}

const ToolbarButton& Toolbar::Buttons(int index) const { return const_cast<Toolbar*>(this)->At(index); }

const ToolbarButton& Toolbar::Buttons(std::wstring_view key) const {
    return const_cast<Toolbar*>(this)->At(key);
}

ToolbarButton& Toolbar::At(int index) {
    if (index < 1 || index > Count()) throw RuntimeError(kErrIndexOutOfBounds, L"Index out of bounds");
    return buttons_[static_cast<size_t>(index) - 1];
}

ToolbarButton& Toolbar::At(std::wstring_view key) {
    const auto it = std::find_if(buttons_.begin(), buttons_.end(),
                                 [&](const ToolbarButton& b) { return !key.empty() && b.Key == key; });
    if (it == buttons_.end()) RaiseElementNotFound();
    return *it;
}

void Toolbar::SetPressed(int index, bool pressed) {
    ToolbarButton& button = At(index);
    if (pressed && button.Style == ButtonStyle::ButtonGroup) {
        const auto isGroup = [](const ToolbarButton& b) { return b.Style == ButtonStyle::ButtonGroup; };
        auto first = buttons_.begin() + (index - 1);
        while (first != buttons_.begin() && isGroup(*(first - 1))) --first;
        const auto last = std::find_if_not(first, buttons_.end(), isGroup);
        for (auto it = first; it != last; ++it) it->Pressed = false;
    }
    button.Pressed = pressed;
}

void Toolbar::SetCaption(int index, std::wstring caption) { At(index).Caption = std::move(caption); }

void Toolbar::AddButtonMenu(int index, std::wstring text) {
    ToolbarButton& button = At(index);
    button.ButtonMenus.push_back({static_cast<int>(button.ButtonMenus.size()) + 1, std::move(text)});
}

void Toolbar::SetImageList(std::vector<std::wstring> imageKeys) { imageKeys_ = std::move(imageKeys); }

void Toolbar::SetImage(std::wstring_view buttonKey, std::wstring imageKey) {
    ToolbarButton& button = At(buttonKey);
    if (imageKey.empty() || std::find(imageKeys_.begin(), imageKeys_.end(), imageKey) == imageKeys_.end()) {
        RaiseElementNotFound();
    }
    button.Image = std::move(imageKey);
}

Toolbar MakeToolbar1() {
    const auto button = [](const wchar_t* key, ButtonStyle style = ButtonStyle::Default,
                           const wchar_t* toolTip = L"") {
        return ToolbarButton{0, key, key, style, toolTip, false, {}, {}};
    };
    const ToolbarButton separator = button(L"", ButtonStyle::Separator);
    constexpr wchar_t kPresetTip[] = L"Work area resolution";
    Toolbar toolbar({
        button(L"Open"),
        button(L"Save"),
        separator,
        button(L"640x480", ButtonStyle::ButtonGroup, kPresetTip),
        button(L"800x600", ButtonStyle::ButtonGroup, kPresetTip),
        button(L"1024x768", ButtonStyle::ButtonGroup, kPresetTip),
        button(L"1280x1024", ButtonStyle::ButtonGroup, kPresetTip),
        separator,
        button(L"CCW"),
        button(L"CW"),
        separator,
        ToolbarButton{0, L"", L"70%", ButtonStyle::DropDown, L"Photo quality", false, {}, {}},
        separator,
        button(L"About"),
    });
    toolbar.SetPressed(kFirstPresetButton, true);
    return toolbar;
}

const std::array<const wchar_t*, 10>& QualityMenuTexts() {
    static constexpr std::array<const wchar_t*, 10> kTexts = {L"10%", L"20%", L"30%", L"40%", L"50%",
                                                              L"60%", L"70%", L"80%", L"90%", L"100%"};
    return kTexts;
}

void EnsureQualityMenu(Toolbar& toolbar) {
    if (!toolbar.Buttons(kQualityButton).ButtonMenus.empty()) return;
    for (const wchar_t* text : QualityMenuTexts()) toolbar.AddButtonMenu(kQualityButton, text);
}

}  // namespace tpr
