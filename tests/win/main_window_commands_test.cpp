// The work-area presets, the hidden toolbar's record of them, the first
// activation, and the quality and version kept in the settings store.
#include <string>

#include "main_window_fixture.h"
#include "win/main_window/program_state.h"
#include "win/main_window/reg_settings.h"
#include "win/runtime/application.h"
#include "win/runtime/settings.h"
#include "win/runtime/text.h"

namespace tpr::test {
namespace {

std::wstring Stored(const wchar_t* section, const wchar_t* key) {
    return win::GetSetting(win::App().Title, section, key, L"<absent>");
}

bool PresetPressed(const win::Form1& form, int button) { return form.Toolbar1.Buttons(button).Pressed; }

// Sizes the window as a user dragging its border would.
void DragToSize(const win::Form1& form, int width, int height) {
    ::SetWindowPos(form.hwnd(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
}

TEST_F(Form1Test, EachPresetGivesExactlyItsWorkArea) {
    struct Case {
        int command;
        SIZE area;
        const wchar_t* panel;
    };
    const Case cases[] = {
        {6, {1280, 1024}, L"Work area resolution: 1280x1024 "},
        {3, {640, 480}, L"Work area resolution: 640x480 "},
        {5, {1024, 768}, L"Work area resolution: 1024x768 "},
        {4, {800, 600}, L"Work area resolution: 800x600 "},
    };
    for (const Case& c : cases) {
        form.CommandBars1_Execute(c.command);
        const SIZE area = MeasuredWorkArea();
        EXPECT_EQ(area.cx, c.area.cx) << c.command;
        EXPECT_EQ(area.cy, c.area.cy) << c.command;
        EXPECT_EQ(form.StatusBar1.PanelText(1), c.panel);
        EXPECT_FALSE(form.ResizingByPreset);
    }

    // The hidden toolbar's buttons lead to the same presets, by key.
    form.Toolbar1_ButtonClick(form.Toolbar1.Buttons(L"1024x768"));
    EXPECT_EQ(form.StatusBar1.PanelText(1), L"Work area resolution: 1024x768 ");

    // A maximised window is restored and then sized.
    ::ShowWindow(form.hwnd(), SW_MAXIMIZE);
    form.CommandBars1_Execute(3);
    EXPECT_FALSE(::IsZoomed(form.hwnd()));
    EXPECT_EQ(MeasuredWorkArea().cx, 640);
    EXPECT_EQ(MeasuredWorkArea().cy, 480);
    EXPECT_TRUE(dialogs.shownModal.empty());
}

TEST_F(Form1Test, DraggingTheBorderReleasesThePresetButtonsAPresetDoesNot) {
    ASSERT_TRUE(PresetPressed(form, 5)) << "pressed by the first activation";
    form.CommandBars1_Execute(5);
    EXPECT_TRUE(PresetPressed(form, 5)) << "a preset leaves the buttons as they are";

    DragToSize(form, 700, 500);
    for (int button = 4; button <= 7; ++button) EXPECT_FALSE(PresetPressed(form, button)) << button;

    // A preset that finds the window at its size already resizes nothing;
    // the flag it raised must not outlive it, or the next drag would keep
    // the buttons pressed.
    form.Toolbar1.SetPressed(6, true);
    form.CommandBars1_Execute(5);
    form.CommandBars1_Execute(5);
    EXPECT_FALSE(form.ResizingByPreset);
    EXPECT_TRUE(PresetPressed(form, 6));
    DragToSize(form, 720, 520);
    EXPECT_FALSE(PresetPressed(form, 6));
}

TEST_F(Form1Test, HiddenToolbarKeepsTenQualityEntriesAndItsImagesThroughResizes) {
    for (int i = 0; i < 20; ++i) DragToSize(form, 500 + 10 * i, 400 + 5 * i);
    const auto& menus = form.Toolbar1.Buttons(12).ButtonMenus;
    ASSERT_EQ(menus.size(), 10u);
    EXPECT_EQ(menus.front().Text, L"10%");
    EXPECT_EQ(menus.back().Text, L"100%");
    EXPECT_EQ(form.Toolbar1.Buttons(L"Open").Image, L"Open");
    EXPECT_EQ(form.Toolbar1.Buttons(L"Save").Image, L"Save");
    EXPECT_EQ(form.Toolbar1.Buttons(L"About").Image, L"Info");

    // Its drop-down entries only change the button's caption.
    form.Toolbar1_ButtonMenuClick(menus[2]);
    EXPECT_EQ(form.Toolbar1.Buttons(12).Caption, L"30%");
    form.Toolbar1_ButtonMenuClick(ButtonMenu{11, L"110%"});
    EXPECT_EQ(form.Toolbar1.Buttons(12).Caption, L"30%");
    EXPECT_EQ(win::Program().JpegQuality, 70);
}

TEST_F(Form1Test, OnlyTheFirstActivationAppliesTheDefaultPreset) {
    EXPECT_TRUE(win::Program().WindowActivated);
    EXPECT_EQ(MeasuredWorkArea().cx, 800);
    EXPECT_EQ(MeasuredWorkArea().cy, 600);
    EXPECT_TRUE(PresetPressed(form, 5));
    EXPECT_FALSE(PresetPressed(form, 4));

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
    EXPECT_EQ(MeasuredWorkArea().cx, dragged.cx);
    EXPECT_EQ(MeasuredWorkArea().cy, dragged.cy);
}

TEST_F(Form1Test, QualityAndVersionAreKeptInTheSettingsStore) {
    win::Program().JpegQuality = 90;
    int16_t cancel = 0;
    form.Form_Unload(cancel);
    EXPECT_EQ(cancel, 0) << "the window always closes";
    EXPECT_EQ(Stored(L"Settings", L"JpegQuality"), L"90");

    win::SaveVersion();
    EXPECT_EQ(Stored(L"Version", L"Major"), L"2");
    EXPECT_EQ(Stored(L"Version", L"Minor"), L"0");
    EXPECT_EQ(Stored(L"Version", L"Revision"), L"0");
    EXPECT_EQ(Stored(L"Path", L"AppPath"), win::App().Path);

    // The next window starts with the stored quality.
    win::Program().JpegQuality = 70;
    win::Form1 next;
    next.Show();
    EXPECT_EQ(win::Program().JpegQuality, 90);
    EXPECT_EQ(win::WindowText(next.CommandBars1.FindControl(22)->ListWindow()), L"90");

    // A quality between the entries is kept as it is; the list shows its tens.
    win::SaveSetting(win::App().Title, L"Settings", L"JpegQuality", L"85");
    win::Form1 third;
    third.Show();
    EXPECT_EQ(win::Program().JpegQuality, 85);
    EXPECT_EQ(win::WindowText(third.CommandBars1.FindControl(22)->ListWindow()), L"80");
}

TEST_F(Form1Test, DamagedStoredQualityGivesTheDefaultAndAWorkingBar) {
    for (const wchar_t* stored : {L"abc", L"150", L"-1", L"100"}) {
        win::SaveSetting(win::App().Title, L"Settings", L"JpegQuality", stored);
        win::Program().JpegQuality = 0;
        win::Form1 next;
        next.Show();
        const bool valid = std::wstring(stored) == L"100";
        EXPECT_EQ(win::Program().JpegQuality, valid ? 100 : 70) << stored;
        ASSERT_NE(next.StandardToolbar, nullptr) << stored;
        EXPECT_EQ(next.StandardToolbar->Controls().Count(), 10) << stored;
        EXPECT_EQ(win::WindowText(next.CommandBars1.FindControl(22)->ListWindow()), valid ? L"100" : L"70");
        EXPECT_TRUE(dialogs.shownModal.empty()) << stored;
    }
}

}  // namespace
}  // namespace tpr::test
