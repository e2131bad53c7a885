// The work-area presets, the hidden toolbar's record of them, the first activation, the session's end.
// (The quality kept in the settings store at a close: end to end.)
#include <string>

#include "core/main_window/status_texts.h"
#include "main_window_fixture.h"
#include "win/main_window/program_state.h"
#include "win/runtime/application.h"
#include "win/runtime/settings.h"
#include "win/runtime/text.h"

namespace tpr::test {
namespace {

bool PresetPressed(const win::MainWindowProbe& probe, int button) {
    return probe.hiddenToolbar.Buttons(button).Pressed;
}

// Sizes the window as a user dragging its border would.
void DragToSize(const win::Form1& form, int width, int height) {
    ::SetWindowPos(form.hwnd(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
}

TEST_F(Form1Test, EachPresetGivesExactlyItsWorkArea) {
    const std::pair<int, SIZE> cases[] = {
        {6, {1280, 1024}}, {3, {640, 480}}, {5, {1024, 768}}, {4, {800, 600}}};
    for (const auto& [command, want] : cases) {
        form.CommandBars1_Execute(command);
        const SIZE area = MeasuredWorkArea();
        EXPECT_TRUE(area.cx == want.cx && area.cy == want.cy) << command;
        EXPECT_EQ(probe.statusBar.PanelText(1), WorkAreaResolutionText(want.cx, want.cy));
        EXPECT_FALSE(probe.resizingByPreset);
    }

    // The hidden toolbar's buttons lead to the same presets, by key.
    form.Toolbar1_ButtonClick(probe.hiddenToolbar.Buttons(L"1024x768"));
    EXPECT_EQ(probe.statusBar.PanelText(1), WorkAreaResolutionText(1024, 768));

    // A maximised window is restored and then sized.
    ::ShowWindow(form.hwnd(), SW_MAXIMIZE);
    form.CommandBars1_Execute(3);
    EXPECT_FALSE(::IsZoomed(form.hwnd()));
    EXPECT_TRUE(MeasuredWorkArea().cx == 640 && MeasuredWorkArea().cy == 480);
    EXPECT_TRUE(Log().empty());
}

TEST_F(Form1Test, DraggingTheBorderReleasesThePresetButtonsAPresetDoesNot) {
    ASSERT_TRUE(PresetPressed(probe, 5)) << "pressed by the first activation";
    form.CommandBars1_Execute(5);
    EXPECT_TRUE(PresetPressed(probe, 5)) << "a preset leaves the buttons as they are";

    DragToSize(form, 700, 500);
    for (int button = 4; button <= 7; ++button) EXPECT_FALSE(PresetPressed(probe, button)) << button;

    // A preset that finds the window at its size already resizes nothing;
    // the flag it raised must not outlive it, or the next drag would keep
    // the buttons pressed.
    probe.hiddenToolbar.SetPressed(6, true);
    form.CommandBars1_Execute(5);
    form.CommandBars1_Execute(5);
    EXPECT_FALSE(probe.resizingByPreset);
    EXPECT_TRUE(PresetPressed(probe, 6));
    DragToSize(form, 720, 520);
    EXPECT_FALSE(PresetPressed(probe, 6));
}

TEST_F(Form1Test, HiddenToolbarKeepsTenQualityEntriesAndItsImagesThroughResizes) {
    for (int i = 0; i < 20; ++i) DragToSize(form, 500 + 10 * i, 400 + 5 * i);
    const auto& menus = probe.hiddenToolbar.Buttons(12).ButtonMenus;
    ASSERT_EQ(menus.size(), 10u) << "filled once";
    EXPECT_EQ(probe.hiddenToolbar.Buttons(L"About").Image, L"Info");

    // Its drop-down entries only change the button's caption.
    form.Toolbar1_ButtonMenuClick(menus[2]);
    EXPECT_EQ(probe.hiddenToolbar.Buttons(12).Caption, L"30%");
    form.Toolbar1_ButtonMenuClick(ButtonMenu{11, L"110%"});
    EXPECT_EQ(probe.hiddenToolbar.Buttons(12).Caption, L"30%");
    EXPECT_EQ(win::Program().JpegQuality, 70);
}

TEST_F(Form1Test, OnlyTheFirstActivationAppliesTheDefaultPreset) {
    EXPECT_TRUE(win::Program().WindowActivated);
    EXPECT_TRUE(MeasuredWorkArea().cx == 800 && MeasuredWorkArea().cy == 600);
    EXPECT_TRUE(PresetPressed(probe, 5) && !PresetPressed(probe, 4));
    // The window opened at that size: the activation had nothing to resize.
    RECT activated{};
    ::GetWindowRect(form.hwnd(), &activated);
    EXPECT_TRUE(::EqualRect(&windowAsShown, &activated));

    DragToSize(form, 600, 450);
    const SIZE dragged = MeasuredWorkArea();
    // Another window takes the focus, then the main window gets it back.
    const win::UniqueHwnd other(::CreateWindowExW(0, WC_STATICW, L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50,
                                                  50, nullptr, nullptr, nullptr, nullptr));
    ::SetActiveWindow(other.get());
    ASSERT_NE(::GetActiveWindow(), form.hwnd());
    ::SetActiveWindow(form.hwnd());
    ASSERT_EQ(::GetActiveWindow(), form.hwnd());
    PumpMessages();
    EXPECT_TRUE(MeasuredWorkArea().cx == dragged.cx && MeasuredWorkArea().cy == dragged.cy);
}

TEST_F(Form1Test, EndingTheSessionKeepsTheQualityAsACloseDoes) {
    EXPECT_EQ(::SendMessageW(form.hwnd(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    win::Program().JpegQuality = 30;
    ::SendMessageW(form.hwnd(), WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);  // the log-off was cancelled
    EXPECT_EQ(win::GetSetting(win::App().Title, L"Settings", L"JpegQuality", L"none"), L"none");
    ::SendMessageW(form.hwnd(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(win::GetSetting(win::App().Title, L"Settings", L"JpegQuality", L"none"), L"30");
}

}  // namespace
}  // namespace tpr::test
