// The command bar as the user meets it: its controls, labels, hints, icons
// and separators, the quality list, wrapping in a narrow window, and docking.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/main_window/status_texts.h"
#include "main_window_fixture.h"
#include "win/main_window/program_state.h"
#include "win/runtime/screen.h"
#include "win/runtime/text.h"

namespace tpr::test {
namespace {

using win::CommandBarControl;

// One item of the bar as the toolbar holds it.
struct BarItem {
    int id;
    bool separator;
    bool hasIcon;
    std::wstring label;
};

std::vector<BarItem> ItemsOf(HWND toolbar) {
    std::vector<BarItem> items;
    const auto count = static_cast<int>(::SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TBBUTTON button{};
        ::SendMessageW(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        wchar_t label[64] = {};
        if (!(button.fsStyle & BTNS_SEP)) {
            ::SendMessageW(toolbar, TB_GETBUTTONTEXTW, button.idCommand, reinterpret_cast<LPARAM>(label));
        }
        items.push_back({button.idCommand, (button.fsStyle & BTNS_SEP) != 0, button.iBitmap >= 0, label});
    }
    return items;
}

// The hint the window gives the bar for a button, asked as the bar asks.
std::wstring ButtonHint(const win::Form1& form, const win::MainWindowProbe& probe, int id) {
    wchar_t text[INFOTIPSIZE] = {};
    NMTBGETINFOTIPW request{};
    request.hdr.hwndFrom = probe.standardBar->hwnd();
    request.hdr.code = TBN_GETINFOTIPW;
    request.pszText = text;
    request.cchTextMax = INFOTIPSIZE;
    request.iItem = id;
    ::SendMessageW(form.hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
    return text;
}

// The hint the bar's tooltip control keeps for a window of its own (the list).
std::wstring WindowHint(HWND toolbar, HWND window) {
    wchar_t text[INFOTIPSIZE] = {};
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = toolbar;
    tool.uId = reinterpret_cast<UINT_PTR>(window);
    tool.lpszText = text;
    const auto tooltips = reinterpret_cast<HWND>(::SendMessageW(toolbar, TB_GETTOOLTIPS, 0, 0));
    ::SendMessageW(tooltips, TTM_GETTEXTW, INFOTIPSIZE, reinterpret_cast<LPARAM>(&tool));
    return text;
}

// The rows the bar's controls stand in: their different tops.
int RowsOf(HWND toolbar) {
    std::vector<LONG> tops;
    for (const BarItem& item : ItemsOf(toolbar)) {
        if (item.separator) continue;
        RECT rect{};
        ::SendMessageW(toolbar, TB_GETITEMRECT, ::SendMessageW(toolbar, TB_COMMANDTOINDEX, item.id, 0),
                       reinterpret_cast<LPARAM>(&rect));
        if (std::find(tops.begin(), tops.end(), rect.top) == tops.end()) tops.push_back(rect.top);
    }
    return static_cast<int>(tops.size());
}

// A rectangle of a child window, in the main window's client pixels.
RECT ClientRectOf(HWND form, HWND child, RECT rect) {
    ::MapWindowPoints(child, form, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Chooses a list entry (from 1) as the list reports a choice to its bar.
void ChooseEntry(const CommandBarControl& list, int entry) {
    ::SendMessageW(list.ListWindow(), CB_SETCURSEL, entry - 1, 0);
    ::SendMessageW(::GetParent(list.ListWindow()), WM_COMMAND, MAKEWPARAM(list.Id(), CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(list.ListWindow()));
}

TEST_F(Form1Test, BarHoldsTheCommandsInOrderWithLabelsHintsIconsAndSeparators) {
    ASSERT_NE(probe.standardBar, nullptr);
    const HWND toolbar = probe.standardBar->hwnd();
    EXPECT_EQ(win::WindowText(toolbar), L"ToolbarStandard");
    RECT bar{};
    ::GetWindowRect(toolbar, &bar);
    ::MapWindowPoints(nullptr, form.hwnd(), reinterpret_cast<POINT*>(&bar), 2);
    EXPECT_EQ(bar.top, 0) << "at the top edge";
    EXPECT_EQ(win::PixelsY(probe.clientAreaTop), bar.bottom) << "the free area starts below it";

    struct Expected {
        BarItem item;
        const wchar_t* hint;
    };
    const Expected expected[] = {
        {{1, false, true, L"Open"}, L"Open"},
        {{2, false, true, L"Save..."}, L"Save as..."},
        {{22, false, false, L""}, L"Jpeg quality"},
        {{0, true, false, L""}, nullptr},
        {{3, false, false, L"640x480"}, L"Work area resolution: 640x480"},
        {{4, false, false, L"800x600"}, L"Work area resolution: 800x600"},
        {{5, false, false, L"1024x768"}, L"Work area resolution: 1024x768"},
        {{6, false, false, L"1280x1024"}, L"Work area resolution: 1280x1024"},
        {{0, true, false, L""}, nullptr},
        {{7, false, true, L"Rotate CCW"}, L"Counter-clockwise rotation"},
        {{8, false, true, L"Rotate CW"}, L"Clockwise rotation"},
        {{0, true, false, L""}, nullptr},
        {{9, false, true, L"About"}, L"About"},
    };
    const std::vector<BarItem> items = ItemsOf(toolbar);
    ASSERT_EQ(items.size(), std::size(expected));
    const CommandBarControl& list = *probe.commandBars.FindControl(22);
    for (size_t i = 0; i < items.size(); ++i) {
        const BarItem& want = expected[i].item;
        EXPECT_EQ(items[i].separator, want.separator) << i;
        if (want.separator) continue;
        EXPECT_EQ(items[i].id, want.id) << i;
        EXPECT_EQ(items[i].label, want.label) << want.id;
        EXPECT_EQ(items[i].hasIcon, want.hasIcon) << want.id;
        const std::wstring hint =
            want.id == 22 ? WindowHint(toolbar, list.ListWindow()) : ButtonHint(form, probe, want.id);
        EXPECT_EQ(hint, expected[i].hint) << want.id;
    }
    EXPECT_EQ(::ImageList_GetImageCount(probe.icons.handle()), 5) << "every icon was loaded";

    EXPECT_EQ(list.ListCount(), 10) << "the quality list's entries";
}

TEST_F(Form1Test, QualityListShowsItsLongestEntryWholeWithinTheBar) {
    const CommandBarControl& list = *probe.commandBars.FindControl(22);
    // The longest entry fits beside the drop-down arrow.
    RECT field{};
    ::GetClientRect(list.ListWindow(), &field);
    const win::UniqueScreenDc screen(::GetDC(nullptr));
    const win::SelectGuard font(
        screen.get(), reinterpret_cast<HGDIOBJ>(::SendMessageW(list.ListWindow(), WM_GETFONT, 0, 0)));
    SIZE text{};
    ::GetTextExtentPoint32W(screen.get(), L"100", 3, &text);
    EXPECT_GE(field.right, 45);
    EXPECT_GE(field.right - ::GetSystemMetrics(SM_CXVSCROLL), text.cx + 4);
    // It sits within the bar.
    RECT listRect{};
    ::GetClientRect(list.ListWindow(), &listRect);
    listRect = ClientRectOf(form.hwnd(), list.ListWindow(), listRect);
    EXPECT_GE(listRect.top, 0);
    EXPECT_LE(listRect.bottom, win::PixelsY(probe.clientAreaTop));
}

TEST_F(Form1Test, ChoosingInTheQualityListSetsTheQuality) {
    CommandBarControl& list = *probe.commandBars.FindControl(22);
    ChooseEntry(list, 10);
    EXPECT_EQ(win::Program().JpegQuality, 100);
    ChooseEntry(list, 1);
    EXPECT_EQ(win::Program().JpegQuality, 10);
    EXPECT_TRUE(dialogs.shownModal.empty());

    // An entry that is no quality is reported by the dispatcher and changes nothing.
    list.AddItem(L"best");
    ChooseEntry(list, 11);
    EXPECT_EQ(win::Program().JpegQuality, 10);
    EXPECT_EQ(dialogs.shownModal.size(), 1u);
    EXPECT_NE(Log().find(L"Number: 13 "), std::wstring::npos) << win::ToNarrow(Log());
    EXPECT_NE(Log().find(L"Call Stack: Form1.CommandBars1_Execute(Control=22)"), std::wstring::npos);
}

TEST_F(Form1Test, AnUnknownCommandDoesNothing) {
    const std::wstring panel1 = probe.statusBar.PanelText(1);
    RECT before{};
    ::GetWindowRect(form.hwnd(), &before);
    ::SendMessageW(form.hwnd(), WM_COMMAND, MAKEWPARAM(99, 0), 0);
    form.CommandBars1_Execute(0);
    form.CommandBars1_Execute(-1);
    form.Toolbar1_ButtonClick(probe.hiddenToolbar.Buttons(12));  // the drop-down button has no key

    RECT after{};
    ::GetWindowRect(form.hwnd(), &after);
    EXPECT_TRUE(::EqualRect(&before, &after));
    EXPECT_EQ(probe.statusBar.PanelText(1), panel1);
    EXPECT_EQ(win::Program().JpegQuality, 70);
    EXPECT_TRUE(dialogs.shownModal.empty()) << "nothing is reported";
    EXPECT_TRUE(Log().empty());
}

TEST_F(Form1Test, NarrowWindowWrapsTheBarAndKeepsEveryControlWhole) {
    const HWND toolbar = probe.standardBar->hwnd();
    EXPECT_EQ(RowsOf(toolbar), 1) << "at 800 pixels one row holds them all";
    const auto expectAllWhole = [&](const char* when) {
        RECT client{};
        ::GetClientRect(form.hwnd(), &client);
        const int barBottom = win::PixelsY(probe.clientAreaTop);
        for (const BarItem& item : ItemsOf(toolbar)) {
            if (item.separator) continue;
            RECT rect{};
            ::SendMessageW(toolbar, TB_GETITEMRECT, ::SendMessageW(toolbar, TB_COMMANDTOINDEX, item.id, 0),
                           reinterpret_cast<LPARAM>(&rect));
            rect = ClientRectOf(form.hwnd(), toolbar, rect);
            EXPECT_GE(rect.left, 0) << when << ", control " << item.id;
            EXPECT_LE(rect.right, client.right) << when << ", control " << item.id;
            EXPECT_LE(rect.bottom, barBottom) << when << ", control " << item.id;
        }
    };

    form.CommandBars1_Execute(3);
    EXPECT_EQ(RowsOf(toolbar), 2) << "640 pixels are too narrow for one row";
    expectAllWhole("640x480");

    // As narrow as the window goes: a control or two a row.
    RECT window{};
    ::GetWindowRect(form.hwnd(), &window);
    ::SetWindowPos(form.hwnd(), nullptr, 0, 0, ::GetSystemMetrics(SM_CXMINTRACK), window.bottom - window.top,
                   SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_GE(RowsOf(toolbar), 5);
    expectAllWhole("narrowest");

    form.CommandBars1_Execute(6);
    EXPECT_EQ(RowsOf(toolbar), 1) << "1280 pixels hold one row again";
}

TEST_F(Form1Test, DockingABarRightOfAnotherPutsItOnTheSameRow) {
    win::CommandBar& extra = probe.commandBars.Add(L"Extra", win::BarPosition::Top);
    extra.Controls().Add(win::ControlType::Button, 50, L"Extra");
    int32_t l1, t1, r1, b1, l2, t2, r2, b2;
    probe.standardBar->GetWindowRect(l1, t1, r1, b1);
    extra.GetWindowRect(l2, t2, r2, b2);
    EXPECT_EQ(t2, b1) << "a new bar takes a row of its own below";
    EXPECT_EQ(win::PixelsY(probe.clientAreaTop), b2);
    form.DockCommandBarRightOf(extra, *probe.standardBar);
    probe.standardBar->GetWindowRect(l1, t1, r1, b1);
    extra.GetWindowRect(l2, t2, r2, b2);
    EXPECT_EQ(t2, t1);
    EXPECT_EQ(l2, r1);
    EXPECT_EQ(win::PixelsY(probe.clientAreaTop), std::max(b1, b2)) << "one row of bars again";
    const SIZE area = MeasuredWorkArea();
    EXPECT_EQ(probe.statusBar.PanelText(1), WorkAreaResolutionText(area.cx, area.cy)) << "the panel follows";
}

}  // namespace
}  // namespace tpr::test
