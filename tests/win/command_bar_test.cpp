// The command bar as the user meets it: its controls, labels, hints, icons
// and separators, the quality list, wrapping in a narrow window, and docking.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <algorithm>
#include <set>
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

// The bar's controls (separators as id 0) and their rectangles in the main
// window's client pixels.
std::vector<std::pair<int, RECT>> ItemsOf(HWND form, HWND toolbar) {
    std::vector<std::pair<int, RECT>> items;
    const auto count = static_cast<int>(::SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TBBUTTON button{};
        RECT rect{};
        ::SendMessageW(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        ::SendMessageW(toolbar, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&rect));
        ::MapWindowPoints(toolbar, form, reinterpret_cast<POINT*>(&rect), 2);
        items.push_back({button.fsStyle & BTNS_SEP ? 0 : button.idCommand, rect});
    }
    return items;
}

// Chooses a list entry (from 1) as the list reports a choice to its bar.
void ChooseEntry(const CommandBarControl& list, int entry) {
    ::SendMessageW(list.ListWindow(), CB_SETCURSEL, entry - 1, 0);
    ::SendMessageW(::GetParent(list.ListWindow()), WM_COMMAND, MAKEWPARAM(list.Id(), CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(list.ListWindow()));
}

TEST_F(Form1Test, BarHoldsTheCommandsInOrderWithLabelsHintsIconsAndSeparators) {
    const HWND toolbar = probe.standardBar->hwnd();
    EXPECT_EQ(win::WindowText(toolbar), L"ToolbarStandard");
    const HWND list = probe.commandBars.FindControl(22)->ListWindow();
    const struct {
        int id;  // 0: a separator
        bool icon;
        const wchar_t *label, *hint;
    } expected[] = {
        {1, true, L"Open", L"Open (Ctrl+O)"},
        {2, true, L"Save...", L"Save as... (Ctrl+S)"},
        {22, false, L"", L"Jpeg quality (Ctrl+Up, Ctrl+Down)"},
        {0},
        {3, false, L"640x480", L"Work area resolution: 640x480 (Ctrl+1)"},
        {4, false, L"800x600", L"Work area resolution: 800x600 (Ctrl+2)"},
        {5, false, L"1024x768", L"Work area resolution: 1024x768 (Ctrl+3)"},
        {6, false, L"1280x1024", L"Work area resolution: 1280x1024 (Ctrl+4)"},
        {0},
        {7, true, L"Rotate CCW", L"Counter-clockwise rotation (Ctrl+L)"},
        {8, true, L"Rotate CW", L"Clockwise rotation (Ctrl+R)"},
        {0},
        {9, true, L"About", L"About (F1)"},
    };
    const auto items = ItemsOf(form.hwnd(), toolbar);
    ASSERT_EQ(items.size(), std::size(expected));
    for (size_t i = 0; i < items.size(); ++i) {
        const auto& want = expected[i];
        EXPECT_EQ(items[i].first, want.id) << i;
        if (!want.id) continue;
        TBBUTTONINFOW info{sizeof info, TBIF_IMAGE};
        wchar_t label[64] = {}, hint[INFOTIPSIZE] = {};
        ::SendMessageW(toolbar, TB_GETBUTTONINFOW, want.id, reinterpret_cast<LPARAM>(&info));
        ::SendMessageW(toolbar, TB_GETBUTTONTEXTW, want.id, reinterpret_cast<LPARAM>(label));
        if (want.id == 22) {  // the list's hint, kept by the bar's tooltips
            TOOLINFOW tool{TTTOOLINFOW_V2_SIZE, 0, toolbar, reinterpret_cast<UINT_PTR>(list)};
            tool.lpszText = hint;
            ::SendMessageW(reinterpret_cast<HWND>(::SendMessageW(toolbar, TB_GETTOOLTIPS, 0, 0)),
                           TTM_GETTEXTW, INFOTIPSIZE, reinterpret_cast<LPARAM>(&tool));
        } else {  // asked of the window, as the bar asks
            NMTBGETINFOTIPW request{
                {toolbar, 0, static_cast<UINT>(TBN_GETINFOTIPW)}, hint, INFOTIPSIZE, want.id};
            ::SendMessageW(form.hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
        }
        EXPECT_EQ(info.iImage >= 0, want.icon) << want.id;
        EXPECT_EQ(std::wstring(label), want.label) << want.id;
        EXPECT_EQ(std::wstring(hint), want.hint) << want.id;
    }
    EXPECT_EQ(::ImageList_GetImageCount(probe.icons.handle()), 5) << "every icon was loaded";
    EXPECT_EQ(probe.commandBars.FindControl(22)->ListCount(), 10) << "the quality list's entries";
}

TEST_F(Form1Test, QualityListShowsItsLongestEntryWholeWithinTheBar) {
    const HWND list = probe.commandBars.FindControl(22)->ListWindow();
    RECT field{};
    ::GetClientRect(list, &field);
    const win::UniqueScreenDc screen(::GetDC(nullptr));
    const win::SelectGuard font(screen.get(),
                                reinterpret_cast<HGDIOBJ>(::SendMessageW(list, WM_GETFONT, 0, 0)));
    SIZE text{};
    ::GetTextExtentPoint32W(screen.get(), L"100", 3, &text);
    EXPECT_GE(field.right - ::GetSystemMetrics(SM_CXVSCROLL), text.cx + 4) << "beside the drop-down arrow";
    ::MapWindowPoints(list, form.hwnd(), reinterpret_cast<POINT*>(&field), 2);
    EXPECT_TRUE(field.top >= 0 && field.bottom <= win::PixelsY(probe.clientAreaTop));
}

// A quality chosen in the list: end to end.
TEST_F(Form1Test, ChoosingANonNumberInTheQualityListIsReportedAndChangesNothing) {
    CommandBarControl& list = *probe.commandBars.FindControl(22);
    ChooseEntry(list, 1);
    EXPECT_EQ(win::Program().JpegQuality, 10);
    list.AddItem(L"best");
    ChooseEntry(list, 11);
    EXPECT_EQ(win::Program().JpegQuality, 10);
    EXPECT_NE(Log().find(L"Call Stack: Form1.CommandBars1_Execute(Control=22)"), std::wstring::npos);
}

TEST_F(Form1Test, AnUnknownCommandDoesNothing) {
    const std::wstring panel1 = probe.statusBar.PanelText(1);
    RECT before{}, after{};
    ::GetWindowRect(form.hwnd(), &before);
    ::SendMessageW(form.hwnd(), WM_COMMAND, MAKEWPARAM(99, 0), 0);
    form.CommandBars1_Execute(0);
    form.CommandBars1_Execute(-1);
    form.Toolbar1_ButtonClick(probe.hiddenToolbar.Buttons(12));  // the drop-down button has no key
    ::GetWindowRect(form.hwnd(), &after);
    EXPECT_TRUE(::EqualRect(&before, &after));
    EXPECT_EQ(probe.statusBar.PanelText(1), panel1);
    EXPECT_EQ(win::Program().JpegQuality, 70);
    EXPECT_TRUE(Log().empty()) << "nothing is reported";
}

TEST_F(Form1Test, NarrowWindowWrapsTheBarAndKeepsEveryControlWhole) {
    const HWND toolbar = probe.standardBar->hwnd();
    const auto expectRowsAllWhole = [&](size_t least, size_t most, const char* when) {
        RECT client{};
        ::GetClientRect(form.hwnd(), &client);
        std::set<LONG> rowTops;
        for (const auto& [id, rect] : ItemsOf(form.hwnd(), toolbar)) {
            if (!id) continue;
            rowTops.insert(rect.top);
            EXPECT_TRUE(rect.left >= 0 && rect.right <= client.right &&
                        rect.bottom <= win::PixelsY(probe.clientAreaTop))
                << when << ", control " << id;
        }
        EXPECT_TRUE(rowTops.size() >= least && rowTops.size() <= most)
            << when << ": " << rowTops.size() << " rows";
    };
    expectRowsAllWhole(1, 1, "800x600");
    form.CommandBars1_Execute(3);
    expectRowsAllWhole(2, 2, "640x480");
    RECT window{};  // as narrow as the window goes: a control or two a row
    ::GetWindowRect(form.hwnd(), &window);
    ::SetWindowPos(form.hwnd(), nullptr, 0, 0, ::GetSystemMetrics(SM_CXMINTRACK), window.bottom - window.top,
                   SWP_NOMOVE | SWP_NOZORDER);
    expectRowsAllWhole(5, 99, "narrowest");
    form.CommandBars1_Execute(6);
    expectRowsAllWhole(1, 1, "1280x1024");
}

TEST_F(Form1Test, DockingABarRightOfAnotherPutsItOnTheSameRow) {
    win::CommandBar& extra = probe.commandBars.Add(L"Extra", win::BarPosition::Top);
    extra.Controls().Add(win::ControlType::Button, 50, L"Extra");
    int32_t l1, t1, r1, b1, l2, t2, r2, b2;
    probe.standardBar->GetWindowRect(l1, t1, r1, b1);
    extra.GetWindowRect(l2, t2, r2, b2);
    EXPECT_EQ(t1, 0) << "the first bar at the top edge";
    EXPECT_EQ(t2, b1) << "a new bar takes a row of its own below";
    EXPECT_EQ(win::PixelsY(probe.clientAreaTop), b2) << "the free area starts below the bars";
    form.DockCommandBarRightOf(extra, *probe.standardBar);
    probe.standardBar->GetWindowRect(l1, t1, r1, b1);
    extra.GetWindowRect(l2, t2, r2, b2);
    EXPECT_TRUE(t2 == t1 && l2 == r1);
    EXPECT_EQ(win::PixelsY(probe.clientAreaTop), std::max(b1, b2)) << "one row of bars again";
    const SIZE area = MeasuredWorkArea();
    EXPECT_EQ(probe.statusBar.PanelText(1), WorkAreaResolutionText(area.cx, area.cy)) << "the panel follows";
}

}  // namespace
}  // namespace tpr::test
