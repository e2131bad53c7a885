#include "core/main_window/hidden_toolbar.h"

#include <gtest/gtest.h>

#include "error_number.h"

namespace tpr {
namespace {

TEST(Toolbar1, FourteenButtonsAsLaidOut) {
    struct Expected {
        const wchar_t* key;
        const wchar_t* caption;
        ButtonStyle style;
        const wchar_t* toolTip;
    };
    constexpr auto S = ButtonStyle::Separator, G = ButtonStyle::ButtonGroup, D = ButtonStyle::Default;
    const Expected expected[] = {
        {L"Open", L"Open", D, L""},
        {L"Save", L"Save", D, L""},
        {L"", L"", S, L""},
        {L"640x480", L"640x480", G, L"Work area resolution"},
        {L"800x600", L"800x600", G, L"Work area resolution"},
        {L"1024x768", L"1024x768", G, L"Work area resolution"},
        {L"1280x1024", L"1280x1024", G, L"Work area resolution"},
        {L"", L"", S, L""},
        {L"CCW", L"CCW", D, L""},
        {L"CW", L"CW", D, L""},
        {L"", L"", S, L""},
        {L"", L"70%", ButtonStyle::DropDown, L"Photo quality"},
        {L"", L"", S, L""},
        {L"About", L"About", D, L""},
    };
    const Toolbar toolbar = MakeToolbar1();
    ASSERT_EQ(toolbar.Count(), 14);
    for (int i = 1; i <= 14; ++i) {
        const ToolbarButton& button = toolbar.Buttons(i);
        const Expected& e = expected[i - 1];
        EXPECT_EQ(button.Index, i);
        EXPECT_EQ(button.Key, e.key) << i;
        EXPECT_EQ(button.Caption, e.caption) << i;
        EXPECT_EQ(button.Style, e.style) << i;
        EXPECT_EQ(button.ToolTipText, e.toolTip) << i;
        EXPECT_EQ(button.Pressed, i == 4) << "only 640x480 is pressed at first, button " << i;
        EXPECT_TRUE(button.Image.empty()) << i;
        EXPECT_TRUE(button.ButtonMenus.empty()) << i;
    }
    EXPECT_EQ(toolbar.Buttons(L"CW").Index, 10);
    EXPECT_EQ(toolbar.Buttons(L"About").Index, 14);
}

TEST(Toolbar1, MissingButtonsRaiseTheToolbarsErrors) {
    const Toolbar toolbar = MakeToolbar1();
    EXPECT_EQ(ErrorNumberOf([&] { toolbar.Buttons(0); }), 35600);
    EXPECT_EQ(ErrorNumberOf([&] { toolbar.Buttons(15); }), 35600);
    EXPECT_EQ(ErrorNumberOf([&] { toolbar.Buttons(L"open"); }), 35601);
    EXPECT_EQ(ErrorNumberOf([&] { toolbar.Buttons(L""); }), 35601) << "separators have no key";
}

TEST(Toolbar1, PressingAPresetReleasesTheOtherPresetsOnly) {
    Toolbar toolbar = MakeToolbar1();
    toolbar.SetPressed(5, true);
    EXPECT_FALSE(toolbar.Buttons(4).Pressed);
    EXPECT_TRUE(toolbar.Buttons(5).Pressed);
    toolbar.SetPressed(7, true);
    EXPECT_FALSE(toolbar.Buttons(5).Pressed);
    EXPECT_TRUE(toolbar.Buttons(7).Pressed);

    // Buttons outside the group press on their own and release nothing.
    toolbar.SetPressed(9, true);
    EXPECT_TRUE(toolbar.Buttons(9).Pressed);
    EXPECT_TRUE(toolbar.Buttons(7).Pressed);
    toolbar.SetPressed(4, true);
    EXPECT_TRUE(toolbar.Buttons(9).Pressed);

    // Releasing one leaves the group without a pressed button.
    toolbar.SetPressed(4, false);
    for (int i = kFirstPresetButton; i <= kLastPresetButton; ++i)
        EXPECT_FALSE(toolbar.Buttons(i).Pressed) << i;
}

TEST(Toolbar1, QualityMenuIsFilledOnceInOrder) {
    Toolbar toolbar = MakeToolbar1();
    for (int layout = 0; layout < 25; ++layout) EnsureQualityMenu(toolbar);
    const auto& menus = toolbar.Buttons(kQualityButton).ButtonMenus;
    ASSERT_EQ(menus.size(), 10u);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(menus[i].Index, i + 1);
        EXPECT_EQ(menus[i].Text, std::to_wstring((i + 1) * 10) + L"%");
    }
    for (int i = 1; i <= 14; ++i) {
        if (i == kQualityButton) continue;
        EXPECT_TRUE(toolbar.Buttons(i).ButtonMenus.empty()) << i;
    }
}

TEST(Toolbar1, ImagesComeFromTheAssignedListByKey) {
    Toolbar toolbar = MakeToolbar1();
    EXPECT_EQ(ErrorNumberOf([&] { toolbar.SetImage(L"Open", L"Open"); }), 35601) << "no list assigned yet";
    toolbar.SetImageList({L"Open", L"Save", L"", L"", L"Info"});
    toolbar.SetImage(L"Open", L"Open");
    toolbar.SetImage(L"Save", L"Save");
    toolbar.SetImage(L"About", L"Info");
    EXPECT_EQ(toolbar.Buttons(1).Image, L"Open");
    EXPECT_EQ(toolbar.Buttons(2).Image, L"Save");
    EXPECT_EQ(toolbar.Buttons(14).Image, L"Info");
    EXPECT_EQ(ErrorNumberOf([&] { toolbar.SetImage(L"About", L"About"); }), 35601);
    EXPECT_EQ(ErrorNumberOf([&] { toolbar.SetImage(L"CW", L""); }), 35601)
        << "unkeyed images are not reachable";
    EXPECT_EQ(toolbar.Buttons(14).Image, L"Info") << "a failed assignment keeps the image";
}

}  // namespace
}  // namespace tpr
