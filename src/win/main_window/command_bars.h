// The window's command bars: toolbars docked in rows along the top of the
// client area, built on the common controls' toolbar (text, 16 x 16 icons,
// separators, hints and drop-down lists embedded in the bar). A bar wraps
// its controls onto further rows when the window is too narrow for one, so
// every control stays within reach; each change of the layout is reported
// to the window, which then finds the client area the bars leave free.
//
// Every control carries a command identifier, which is also the platform's
// command id of its button.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tpr::win {

class CommandBar;
class CommandBars;
class ImageList;

enum class ControlType : int32_t { Button = 1, ComboBox = 5 };
enum class BarPosition : int32_t { Top = 0 };

class CommandBarControl {
public:
    CommandBarControl(const CommandBarControl&) = delete;
    CommandBarControl& operator=(const CommandBarControl&) = delete;

    int32_t Id() const { return id_; }
    // The hint the bar shows while the pointer rests on the control.
    const std::wstring& TooltipText() const { return tooltipText_; }

    // A group start stands behind a separator.
    void SetBeginGroup(bool beginGroup);
    void SetTooltipText(std::wstring text);

    // Lists. The width is in pixels; the list is widened when its widest
    // entry would not show whole. Entries are numbered from 1; 0 selects none.
    void SetWidth(int pixels);
    void AddItem(const std::wstring& text);
    int ListCount() const;
    void SetListIndex(int entry);
    int ListIndex() const;
    // The selected entry's text; empty when none is selected.
    std::wstring Text() const;
    // The list's own window (null for a button).
    HWND ListWindow() const { return list_; }

private:
    friend class CommandBar;
    friend class CommandBarControls;
    friend class CommandBars;
    CommandBarControl(CommandBar& bar, int32_t id, std::wstring caption);

    int ButtonIndex() const;
    int ListWidthPixels() const;

    CommandBar& bar_;
    int32_t id_;
    std::wstring caption_;  // the bar shows this very text
    std::wstring tooltipText_;
    bool beginGroup_ = false;
    HWND list_ = nullptr;
    int width_ = 0;
};

class CommandBarControls {
public:
    explicit CommandBarControls(CommandBar& bar) : bar_(bar) {}
    CommandBarControls(const CommandBarControls&) = delete;
    CommandBarControls& operator=(const CommandBarControls&) = delete;

    // Adds a control at the end of the bar; an empty caption shows none.
    CommandBarControl& Add(ControlType type, int32_t id, const std::wstring& caption);
    int Count() const { return static_cast<int>(controls_.size()); }
    CommandBarControl* Find(int32_t id) const;

private:
    friend class CommandBar;
    friend class CommandBars;
    CommandBar& bar_;
    std::vector<std::unique_ptr<CommandBarControl>> controls_;
};

class CommandBar {
public:
    CommandBar(CommandBars& owner, HWND parent, const std::wstring& title, BarPosition position);
    CommandBar(const CommandBar&) = delete;
    CommandBar& operator=(const CommandBar&) = delete;

    // The bar's window, whose text is the bar's title.
    HWND hwnd() const { return hwnd_; }
    BarPosition Position() const { return position_; }
    CommandBarControls& Controls() { return controls_; }
    const CommandBarControls& Controls() const { return controls_; }

    // The bar's rectangle in pixels of its window's client area.
    void GetWindowRect(int32_t& left, int32_t& top, int32_t& right, int32_t& bottom) const;

private:
    friend class CommandBars;
    friend class CommandBarControl;
    friend class CommandBarControls;

    // Gives the bar its place and width and lays its controls out in as many
    // rows as they need; returns the height this takes.
    int Arrange(int x, int y, int width);
    // Whether the bar shows the font it was last arranged with.
    bool ArrangedInItsFont() const;
    // The width of all controls side by side on one row.
    int SingleRowWidth() const;
    void FitControlWidths();
    void SetButtonWidth(int32_t id, int width) const;
    RECT ItemRect(int index) const;
    void ShowIcons(const ImageList& images);
    void PlaceLists() const;
    HWND Tooltips() const;

    CommandBars& owner_;
    HWND hwnd_ = nullptr;
    BarPosition position_;
    CommandBarControls controls_{*this};
    HFONT arrangedFont_ = nullptr;
};

class CommandBars {
public:
    CommandBars() = default;
    CommandBars(const CommandBars&) = delete;
    CommandBars& operator=(const CommandBars&) = delete;

    // Attaches the bars to their window; each bar shows its text in font,
    // and onLayout runs after every layout.
    void Create(HWND parent, HFONT font, std::function<void()> onLayout);

    // A new bar on a row of its own below the others.
    CommandBar& Add(const std::wstring& title, BarPosition position);
    // Shows on each control the picture whose tag is the control's identifier.
    void SetIcons(const ImageList& images);
    // Lays the bars out again at the window's present width; nothing while
    // a LayoutHeld is alive.
    void RecalcLayout();
    // After the window's size changed: the bars' rows depend only on its
    // width and on the bars' font, so a change of height alone leaves them
    // as laid out, and only onLayout runs, for the free area's new height.
    void FollowWindowSize();

    // Holds the layout back while many controls are added: each would lay
    // out every bar again and measure every list entry, a cost that grows
    // with the square of the entries. Whoever holds it calls RecalcLayout
    // once it is gone.
    class LayoutHeld {
    public:
        explicit LayoutHeld(CommandBars& bars) : bars_(bars) { ++bars_.layoutHeld_; }
        ~LayoutHeld() { --bars_.layoutHeld_; }
        LayoutHeld(const LayoutHeld&) = delete;
        LayoutHeld& operator=(const LayoutHeld&) = delete;

    private:
        CommandBars& bars_;
    };
    // The part of the window's client area the bars leave free, in twips.
    void GetClientRect(int32_t& left, int32_t& top, int32_t& right, int32_t& bottom) const;
    // Moves a bar to the row that holds the point (left, top), placed among
    // the bars of that row by left; a point below every row starts a new one.
    void DockToolBar(CommandBar& bar, int32_t left, int32_t top, BarPosition position);

    // The control whose execution a WM_COMMAND reports (a button clicked, a
    // list entry chosen); null for every other command.
    const CommandBarControl* ExecutedControl(WPARAM wParam, LPARAM lParam) const;
    // Any bar's control with this identifier; null when none.
    CommandBarControl* FindControl(int32_t id) const;
    // Answers a bar's request for a hint (WM_NOTIFY); false for other notifications.
    bool HandleNotify(const NMHDR& header) const;

private:
    friend class CommandBar;

    HWND parent_ = nullptr;
    HFONT font_ = nullptr;
    std::function<void()> onLayout_;
    std::vector<std::unique_ptr<CommandBar>> bars_;
    std::vector<std::vector<CommandBar*>> rows_;  // top to bottom, each left to right
    int freeTop_ = 0;
    int layoutHeld_ = 0;
    int laidOutWidth_ = -1;  // the parent's client width at the last layout
};

// How an error report names these arguments.
inline std::wstring ErrTypeName(const CommandBarControl&) { return L"CommandBarControl"; }
inline std::wstring ErrTypeName(const CommandBarControls&) { return L"CommandBarControls"; }
inline std::wstring ErrTypeName(const CommandBar&) { return L"CommandBar"; }

}  // namespace tpr::win
