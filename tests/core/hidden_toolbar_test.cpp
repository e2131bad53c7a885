// The hidden toolbar: its buttons, the commands of its keys, its preset group, quality menu and images.
#include "core/main_window/hidden_toolbar.h"

#include <gtest/gtest.h>

#include "core/main_window/commands.h"
#include "error_number.h"

namespace tpr {
namespace {

constexpr int32_t kIndexOutOfBounds = 35600, kElementNotFound = 35601;

TEST(Toolbar1, FindsButtonsByNumberAndKeyElseRaisesTheToolbarsErrors) {
    const Toolbar toolbar = MakeToolbar1();
    ASSERT_EQ(toolbar.Count(), 14);
    for (int i = 1; i <= 14; ++i) {
        const ToolbarButton& button = toolbar.Buttons(i);
        EXPECT_EQ(button.Index, i);
        if (!button.Key.empty()) { EXPECT_EQ(&toolbar.Buttons(button.Key), &button) << i; }
        EXPECT_EQ(button.Pressed, i == 4) << "only 640x480 is pressed at first, button " << i;
    }
    EXPECT_EQ(ErrorNumberOf([&] { toolbar.Buttons(0); }), kIndexOutOfBounds);
    EXPECT_EQ(ErrorNumberOf([&] { toolbar.Buttons(15); }), kIndexOutOfBounds);
    EXPECT_EQ(ErrorNumberOf([&] { toolbar.Buttons(L"open"); }), kElementNotFound);
    EXPECT_EQ(ErrorNumberOf([&] { toolbar.Buttons(L""); }), kElementNotFound) << "separators have no key";
}

TEST(CommandOfToolbarKey, EachKeyOfTheHiddenToolbarNamesItsCommand) {
    // Keys compare exactly; the drop-down and the separators have none.
    const std::pair<std::wstring, CommandId> cases[] = {
        {L"Open", kCommandOpen}, {L"Save", kCommandSave}, {L"640x480", kCommandPreset640},
        {L"800x600", kCommandPreset800}, {L"1024x768", kCommandPreset1024}, {L"CCW", kCommandRotateCcw},
        {L"1280x1024", kCommandPreset1280}, {L"CW", kCommandRotateCw}, {L"About", kCommandAbout},
        {L"open", kCommandNone}, {L"800x600 ", kCommandNone}, {L"", kCommandNone}, {L"Info", kCommandNone}};
    for (const auto& [key, command] : cases) EXPECT_EQ(CommandOfToolbarKey(key), command) << key;
}

TEST(Toolbar1, PressingAPresetReleasesTheOtherPresetsOnly) {
    Toolbar toolbar = MakeToolbar1();
    const auto pressed = [&] {
        std::wstring buttons;
        for (int i = 1; i <= toolbar.Count(); ++i) buttons += toolbar.Buttons(i).Pressed ? L'x' : L'.';
        return buttons;
    };
    // Button 9 is outside the group: pressed on its own. Releasing leaves the group with none pressed.
    const struct { int button; bool press; const wchar_t* after; } steps[] = {
        {5, true, L"....x........."}, {9, true, L"....x...x....."}, {4, true, L"...x....x....."},
        {4, false, L"........x....."}};
    for (const auto& step : steps) {
        toolbar.SetPressed(step.button, step.press);
        EXPECT_EQ(pressed(), step.after) << step.button;
    }
}

TEST(Toolbar1, QualityMenuIsFilledOnceInOrder) {
    Toolbar toolbar = MakeToolbar1();
    for (int layout = 0; layout < 25; ++layout) EnsureQualityMenu(toolbar);
    const auto& menus = toolbar.Buttons(kQualityButton).ButtonMenus;
    ASSERT_EQ(menus.size(), 10u);
    for (int i = 0; i < 10; ++i) {
        EXPECT_TRUE(menus[i].Index == i + 1 && menus[i].Text == std::to_wstring((i + 1) * 10) + L"%") << i;
    }
    for (int i = 1; i <= 14; ++i) EXPECT_EQ(toolbar.Buttons(i).ButtonMenus.empty(), i != kQualityButton) << i;
}

TEST(Toolbar1, ImagesComeFromTheAssignedListByKey) {
    Toolbar toolbar = MakeToolbar1();
    EXPECT_EQ(ErrorNumberOf([&] { toolbar.SetImage(L"Open", L"Open"); }), kElementNotFound) << "no list yet";
    toolbar.SetImageList({L"Open", L"Save", L"", L"", L"Info"});
    toolbar.SetImage(L"Open", L"Open");
    toolbar.SetImage(L"About", L"Info");
    EXPECT_EQ(toolbar.Buttons(1).Image, L"Open");
    EXPECT_EQ(ErrorNumberOf([&] { toolbar.SetImage(L"About", L"About"); }), kElementNotFound);
    EXPECT_EQ(ErrorNumberOf([&] { toolbar.SetImage(L"CW", L""); }), kElementNotFound)
        << "unkeyed images are not reachable";
    EXPECT_EQ(toolbar.Buttons(14).Image, L"Info") << "a failed assignment keeps the image";
}

}  // namespace
}  // namespace tpr
