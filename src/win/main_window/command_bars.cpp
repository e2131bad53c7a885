#include "win/main_window/command_bars.h"

#include <algorithm>

#include "core/runtime/conversions.h"
#include "core/runtime/runtime_error.h"
#include "win/runtime/image_list.h"
#include "win/runtime/screen.h"
#include "win/runtime/unique_any.h"

namespace tpr::win {
namespace {

// Height of a list with its entries dropped down: the list shrinks to its
// entries when they need less.
constexpr int kDroppedListHeight = 260;
// Space below the last row of controls.
constexpr int kBottomMargin = 2;

HINSTANCE Instance() { return ::GetModuleHandleW(nullptr); }

// A control whose window cannot be made is reported as the classic runtime
// reported it: out of memory.
HWND CheckCreated(HWND window) {
    if (!window) Raise(kErrOutOfMemory);
    return window;
}

}  // namespace

CommandBarControl::CommandBarControl(CommandBar& bar, int32_t id, std::wstring caption)
    : bar_(bar), id_(id), caption_(std::move(caption)) {}

int CommandBarControl::ButtonIndex() const {
    return static_cast<int>(::SendMessageW(bar_.hwnd_, TB_COMMANDTOINDEX, static_cast<WPARAM>(id_), 0));
}

void CommandBarControl::SetBeginGroup(bool beginGroup) {
    if (beginGroup == beginGroup_) return;
    const int index = ButtonIndex();
    if (beginGroup) {
        TBBUTTON separator{};
        separator.fsStyle = BTNS_SEP;
        ::SendMessageW(bar_.hwnd_, TB_INSERTBUTTONW, static_cast<WPARAM>(index),
                       reinterpret_cast<LPARAM>(&separator));
    } else {
        ::SendMessageW(bar_.hwnd_, TB_DELETEBUTTON, static_cast<WPARAM>(index - 1), 0);
    }
    beginGroup_ = beginGroup;
    bar_.owner_.RecalcLayout();
}

void CommandBarControl::SetTooltipText(std::wstring text) {
    tooltipText_ = std::move(text);
    // A button's hint is asked for when it is due (TBN_GETINFOTIP); a list is
    // a window of its own, which the bar's tooltip control watches.
    if (!list_) return;
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = bar_.hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(list_);
    tool.lpszText = tooltipText_.data();
    const HWND tooltips = bar_.Tooltips();
    ::SendMessageW(tooltips, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    ::SendMessageW(tooltips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void CommandBarControl::SetWidth(int pixels) {
    width_ = pixels;
    bar_.owner_.RecalcLayout();
}

void CommandBarControl::AddItem(const std::wstring& text) {
    ::SendMessageW(list_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    bar_.owner_.RecalcLayout();
}

int CommandBarControl::ListCount() const {
    return list_ ? static_cast<int>(::SendMessageW(list_, CB_GETCOUNT, 0, 0)) : 0;
}

void CommandBarControl::SetListIndex(int entry) {
    ::SendMessageW(list_, CB_SETCURSEL, static_cast<WPARAM>(entry - 1), 0);
}

int CommandBarControl::ListIndex() const {
    return list_ ? static_cast<int>(::SendMessageW(list_, CB_GETCURSEL, 0, 0)) + 1 : 0;
}

// Read from the entries rather than from the list's field: while the list
// reports a new choice, its field may still show the old one.
std::wstring CommandBarControl::Text() const {
    const int entry = ListIndex();
    if (entry < 1) return {};
    const auto length = ::SendMessageW(list_, CB_GETLBTEXTLEN, static_cast<WPARAM>(entry - 1), 0);
    if (length <= 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const auto copied = ::SendMessageW(list_, CB_GETLBTEXT, static_cast<WPARAM>(entry - 1),
                                       reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

int CommandBarControl::ListWidthPixels() const {
    const UniqueScreenDc screen(::GetDC(nullptr));
    const auto font = reinterpret_cast<HGDIOBJ>(::SendMessageW(list_, WM_GETFONT, 0, 0));
    const SelectGuard useFont(screen.get(), font ? font : ::GetStockObject(DEFAULT_GUI_FONT));
    int widest = 0;
    for (int entry = 1; entry <= ListCount(); ++entry) {
        const auto length = ::SendMessageW(list_, CB_GETLBTEXTLEN, static_cast<WPARAM>(entry - 1), 0);
        std::wstring text(static_cast<size_t>(std::max<LRESULT>(length, 0)) + 1, L'\0');
        ::SendMessageW(list_, CB_GETLBTEXT, static_cast<WPARAM>(entry - 1),
                       reinterpret_cast<LPARAM>(text.data()));
        SIZE size{};
        ::GetTextExtentPoint32W(screen.get(), text.c_str(), static_cast<int>(wcslen(text.c_str())), &size);
        widest = std::max<int>(widest, size.cx);
    }
    // The entry's text between the field's margins, beside the drop-down arrow.
    constexpr int kTextMargins = 8;
    const int needed =
        widest + kTextMargins + ::GetSystemMetrics(SM_CXVSCROLL) + 2 * ::GetSystemMetrics(SM_CXEDGE);
    return std::max(width_, needed);
}

CommandBarControl& CommandBarControls::Add(ControlType type, int32_t id, const std::wstring& caption) {
    std::unique_ptr<CommandBarControl> control(new CommandBarControl(bar_, id, caption));
    TBBUTTON button{};
    button.idCommand = id;
    button.iBitmap = I_IMAGENONE;
    // Each label goes with its own button: a list of labels would end at the
    // first empty one.
    button.iString = control->caption_.empty() ? -1 : reinterpret_cast<INT_PTR>(control->caption_.c_str());
    if (type == ControlType::ComboBox) {
        // A disabled, empty button keeps the list's place on the bar; it
        // wraps like any button and the list covers it.
        button.fsStyle = BTNS_BUTTON;
        control->list_ = CheckCreated(
            ::CreateWindowExW(0, WC_COMBOBOXW, L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, 0,
                              0, 0, kDroppedListHeight, bar_.hwnd_,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), Instance(), nullptr));
        ::SendMessageW(control->list_, WM_SETFONT, ::SendMessageW(bar_.hwnd_, WM_GETFONT, 0, 0), FALSE);
    } else {
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE;
    }
    controls_.push_back(std::move(control));
    ::SendMessageW(bar_.hwnd_, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
    bar_.owner_.RecalcLayout();
    return *controls_.back();
}

CommandBarControl* CommandBarControls::Find(int32_t id) const {
    for (const auto& control : controls_) {
        if (control->id_ == id) return control.get();
    }
    return nullptr;
}

CommandBar::CommandBar(CommandBars& owner, HWND parent, const std::wstring& title, BarPosition position)
    : owner_(owner), position_(position) {
    // Laid out by the bars, not by itself: no resizing or aligning of its own.
    constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | TBSTYLE_FLAT |
                             TBSTYLE_LIST | TBSTYLE_TOOLTIPS | TBSTYLE_WRAPABLE | CCS_NORESIZE |
                             CCS_NOPARENTALIGN | CCS_NODIVIDER;
    hwnd_ = CheckCreated(::CreateWindowExW(0, TOOLBARCLASSNAMEW, title.c_str(), kStyle, 0, 0, 0, 0, parent,
                                           nullptr, Instance(), nullptr));
    ::SendMessageW(hwnd_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    if (owner_.font_) ::SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(owner_.font_), FALSE);
}

void CommandBar::GetWindowRect(int32_t& left, int32_t& top, int32_t& right, int32_t& bottom) const {
    RECT rect{};
    ::GetWindowRect(hwnd_, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(hwnd_), reinterpret_cast<POINT*>(&rect), 2);
    left = rect.left;
    top = rect.top;
    right = rect.right;
    bottom = rect.bottom;
}

HWND CommandBar::Tooltips() const {
    return reinterpret_cast<HWND>(::SendMessageW(hwnd_, TB_GETTOOLTIPS, 0, 0));
}

bool CommandBar::ArrangedInItsFont() const {
    return arrangedFont_ == reinterpret_cast<HFONT>(::SendMessageW(hwnd_, WM_GETFONT, 0, 0));
}

int CommandBar::Arrange(int x, int y, int width) {
    arrangedFont_ = reinterpret_cast<HFONT>(::SendMessageW(hwnd_, WM_GETFONT, 0, 0));
    FitControlWidths();
    const auto count = static_cast<int>(::SendMessageW(hwnd_, TB_BUTTONCOUNT, 0, 0));
    const auto extent = [&] {
        RECT all{};
        for (int i = 0; i < count; ++i) {
            const RECT item = ItemRect(i);
            all = {0, 0, std::max(all.right, item.right), std::max(all.bottom, item.bottom)};
        }
        return all;
    };
    RECT old{};
    ::GetClientRect(hwnd_, &old);
    constexpr UINT kFlags = SWP_NOZORDER | SWP_NOACTIVATE;
    // The toolbar wraps its controls at its own width, but keeps a control on
    // a row as long as part of it shows; so the bar is laid out narrower, by
    // what stuck out, until every control shows whole (or one control alone
    // is wider than the row).
    int wrapWidth = width;
    for (int attempt = 0; attempt <= count; ++attempt) {
        ::SetWindowPos(hwnd_, nullptr, x, y, wrapWidth, std::max<int>(old.bottom, 1), kFlags);
        ::SendMessageW(hwnd_, TB_AUTOSIZE, 0, 0);
        const int overflow = extent().right - wrapWidth;
        if (overflow <= 0 || wrapWidth - overflow <= 0) break;
        wrapWidth -= overflow;
    }
    const RECT laidOut = extent();
    const int height = laidOut.bottom > 0 ? laidOut.bottom + kBottomMargin : 0;
    ::SetWindowPos(hwnd_, nullptr, x, y, wrapWidth, height, kFlags);
    PlaceLists();
    return height;
}

// Each control is given the width it needs: a list its entries', a button its
// own measure. Wrapping then counts what each control really takes (some
// toolbars count the widest button's width for every sized-to-fit button).
void CommandBar::FitControlWidths() {
    for (const auto& control : controls_.controls_) {
        SetButtonWidth(control->id_, control->list_ ? control->ListWidthPixels() : 0);
    }
    ::SendMessageW(hwnd_, TB_AUTOSIZE, 0, 0);
    for (const auto& control : controls_.controls_) {
        if (control->list_) continue;
        const RECT measured = ItemRect(control->ButtonIndex());
        SetButtonWidth(control->id_, measured.right - measured.left);
    }
}

void CommandBar::SetButtonWidth(int32_t id, int width) const {
    TBBUTTONINFOW info{};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_SIZE;
    info.cx = static_cast<WORD>(std::max(width, 0));
    ::SendMessageW(hwnd_, TB_SETBUTTONINFOW, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&info));
}

RECT CommandBar::ItemRect(int index) const {
    RECT item{};
    ::SendMessageW(hwnd_, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return item;
}

int CommandBar::SingleRowWidth() const {
    int width = 0;
    const auto count = static_cast<int>(::SendMessageW(hwnd_, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const RECT item = ItemRect(i);
        width += item.right - item.left;
    }
    return width;
}

void CommandBar::ShowIcons(const ImageList& images) {
    ::SendMessageW(hwnd_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images.handle()));
    for (const auto& control : controls_.controls_) {
        if (control->list_) continue;
        const int index = images.IndexOfTag(control->id_);
        TBBUTTONINFOW info{};
        info.cbSize = sizeof info;
        info.dwMask = TBIF_IMAGE;
        info.iImage = index >= 0 ? index : I_IMAGENONE;
        ::SendMessageW(hwnd_, TB_SETBUTTONINFOW, static_cast<WPARAM>(control->id_),
                       reinterpret_cast<LPARAM>(&info));
    }
}

// Each list covers its place on the bar, centred on the row.
void CommandBar::PlaceLists() const {
    for (const auto& control : controls_.controls_) {
        if (!control->list_) continue;
        const RECT place = ItemRect(control->ButtonIndex());
        RECT field{};
        ::GetWindowRect(control->list_, &field);
        const int top = place.top + ((place.bottom - place.top) - (field.bottom - field.top)) / 2;
        ::SetWindowPos(control->list_, nullptr, place.left, std::max<int>(top, 0), place.right - place.left,
                       kDroppedListHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void CommandBars::Create(HWND parent, HFONT font, std::function<void()> onLayout) {
    parent_ = parent;
    font_ = font;
    onLayout_ = std::move(onLayout);
}

CommandBar& CommandBars::Add(const std::wstring& title, BarPosition position) {
    bars_.push_back(std::make_unique<CommandBar>(*this, parent_, title, position));
    rows_.push_back({bars_.back().get()});
    RecalcLayout();
    return *bars_.back();
}

void CommandBars::SetIcons(const ImageList& images) {
    for (const auto& bar : bars_) bar->ShowIcons(images);
    RecalcLayout();
}

void CommandBars::RecalcLayout() {
    if (layoutHeld_ > 0) {
        laidOutWidth_ = -1;  // owed: no size may pass for laid out
        return;
    }
    RECT client{};
    ::GetClientRect(parent_, &client);
    int y = 0;
    for (const auto& row : rows_) {
        int x = 0, rowHeight = 0;
        for (size_t i = 0; i < row.size(); ++i) {
            // The last bar of a row takes the rest of it, and wraps in it.
            const bool last = i + 1 == row.size();
            const int width = last ? std::max<int>(client.right - x, 0) : row[i]->SingleRowWidth();
            rowHeight = std::max(rowHeight, row[i]->Arrange(x, y, width));
            x += width;
        }
        y += rowHeight;
    }
    freeTop_ = y;
    laidOutWidth_ = client.right;
    if (onLayout_) onLayout_();
}

void CommandBars::FollowWindowSize() {
    RECT client{};
    ::GetClientRect(parent_, &client);
    const bool asLaidOut = layoutHeld_ == 0 && client.right == laidOutWidth_ &&
                           std::all_of(bars_.begin(), bars_.end(),
                                       [](const auto& bar) { return bar->ArrangedInItsFont(); });
    if (!asLaidOut) {
        RecalcLayout();
    } else if (onLayout_) {
        onLayout_();
    }
}

void CommandBars::GetClientRect(int32_t& left, int32_t& top, int32_t& right, int32_t& bottom) const {
    RECT client{};
    ::GetClientRect(parent_, &client);
    const double tppX = TwipsPerPixelX(), tppY = TwipsPerPixelY();
    left = 0;
    top = RoundToLong(freeTop_ * tppY);
    right = RoundToLong(client.right * tppX);
    bottom = RoundToLong(client.bottom * tppY);
}

void CommandBars::DockToolBar(CommandBar& bar, int32_t left, int32_t top, BarPosition position) {
    struct Span {
        int32_t top, bottom;
    };
    const auto spanOf = [](const std::vector<CommandBar*>& row) {
        Span span{INT32_MAX, INT32_MIN};
        for (const CommandBar* member : row) {
            int32_t l, t, r, b;
            member->GetWindowRect(l, t, r, b);
            span = {std::min(span.top, t), std::max(span.bottom, b)};
        }
        return span;
    };
    const auto leftOf = [](const CommandBar* member) {
        int32_t l, t, r, b;
        member->GetWindowRect(l, t, r, b);
        return l;
    };
    for (auto& row : rows_) row.erase(std::remove(row.begin(), row.end(), &bar), row.end());
    rows_.erase(std::remove_if(rows_.begin(), rows_.end(), [](const auto& row) { return row.empty(); }),
                rows_.end());
    bar.position_ = position;
    auto row = rows_.begin();
    for (; row != rows_.end(); ++row) {
        const Span span = spanOf(*row);
        if (top < span.top) {
            row = rows_.insert(row, {&bar});
            break;
        }
        if (top < span.bottom) {
            const auto after =
                std::find_if(row->begin(), row->end(), [&](CommandBar* m) { return leftOf(m) > left; });
            row->insert(after, &bar);
            break;
        }
    }
    if (row == rows_.end()) rows_.push_back({&bar});
    RecalcLayout();
}

const CommandBarControl* CommandBars::ExecutedControl(WPARAM wParam, LPARAM lParam) const {
    const auto from = reinterpret_cast<HWND>(lParam);
    if (!from) return nullptr;
    const UINT code = HIWORD(wParam);
    for (const auto& bar : bars_) {
        for (const auto& control : bar->controls_.controls_) {
            const bool executed = control->list_ ? from == control->list_ && code == CBN_SELCHANGE
                                                 : from == bar->hwnd_ && code == BN_CLICKED &&
                                                       LOWORD(wParam) == static_cast<WORD>(control->id_);
            if (executed) return control.get();
        }
    }
    return nullptr;
}

CommandBarControl* CommandBars::FindControl(int32_t id) const {
    for (const auto& bar : bars_) {
        if (CommandBarControl* control = bar->controls_.Find(id)) return control;
    }
    return nullptr;
}

bool CommandBars::HandleNotify(const NMHDR& header) const {
    if (header.code != TBN_GETINFOTIPW) return false;
    for (const auto& bar : bars_) {
        if (header.hwndFrom != bar->hwnd_) continue;
        const auto& request = reinterpret_cast<const NMTBGETINFOTIPW&>(header);
        const CommandBarControl* control = bar->controls_.Find(request.iItem);
        if (control && request.pszText && request.cchTextMax > 0) {
            ::lstrcpynW(request.pszText, control->TooltipText().c_str(), request.cchTextMax);
        }
        return true;
    }
    return false;
}

}  // namespace tpr::win
