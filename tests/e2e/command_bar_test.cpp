// The command bar under the user's mouse and keys: Open, turns, presets, hints, the kept quality.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "core/main_window/commands.h"
#include "e2e_support.h"

namespace tpr::e2e {
namespace {

// The quality list's last entry, by clicking the list open and taking its
// last entry with the keys.
void ChooseTheLastQuality(const RunningProgram& program) {
    const HWND list = program.QualityList();
    RECT field{};
    ::GetWindowRect(list, &field);
    ASSERT_TRUE(Xdotool(PointerTo(field) + " click 1"));
    ASSERT_TRUE(WaitUntil(5000, [&] { return ::SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0) != 0; }));
    ASSERT_TRUE(Xdotool("key End Return"));
    ASSERT_TRUE(WaitUntil(5000, [&] { return ::SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0) == 0; }));
}

TEST(CommandBarTest, ClicksAndHintsWorkAndTheChosenQualityIsShownAtTheNextStart) {
    ClearSettings();
    {
        RunningProgram program;
        ASSERT_TRUE(WaitForTheFirstLayout(program)) << program.StatusText(1);
        ASSERT_TRUE(Xdotool(PointerTo(program.CommandRect(kCommandOpen)) + " click 1"));
        EXPECT_TRUE(test::AnswerFileDialog(program.ProcessId(), texts::SelectPhotoTitle, {L"", IDCANCEL}).shown);
        ASSERT_TRUE(Xdotool(PointerTo(program.CommandRect(kCommandRotateCcw)) + " click 1"));
        EXPECT_TRUE(WaitUntil(5000, [&] { return program.StatusText(2) == PhotoResolutionText(296, 355); }))
            << "the placeholder turned: " << program.StatusText(2);
        ASSERT_TRUE(Xdotool(PointerTo(program.CommandRect(kCommandPreset1024)) + " click 1"));
        EXPECT_TRUE(WaitUntil(5000, [&] { return program.StatusText(1) == WorkAreaResolutionText(1024, 768); }))
            << program.StatusText(1);

        // Which hint each control has is the in-process tests' matter.
        ASSERT_TRUE(Xdotool(PointerTo(program.CommandRect(kCommandSave))));
        EXPECT_TRUE(WaitUntil(5000, [&] { return !program.ShownHint().empty(); }));

        EXPECT_EQ(WindowTextOf(program.QualityList()), L"70");
        ChooseTheLastQuality(program);
        EXPECT_EQ(WindowTextOf(program.QualityList()), L"100");
        EXPECT_EQ(ReadSetting(L"Settings", L"JpegQuality"), L"<absent>") << "kept until the window closes";
        program.Close();
        ASSERT_TRUE(program.WaitForExit(10000));
    }
    EXPECT_EQ(ReadSetting(L"Settings", L"JpegQuality"), L"100");
    RunningProgram next;
    ASSERT_TRUE(WaitForTheFirstLayout(next)) << next.StatusText(1);
    EXPECT_EQ(WindowTextOf(next.QualityList()), L"100");
}

}  // namespace
}  // namespace tpr::e2e
