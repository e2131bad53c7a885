// The command bar under the user's mouse and keys: Open, turns, presets, hints, the kept quality.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "core/main_window/commands.h"
#include "e2e_support.h"
#include "linux_side.h"

namespace tpr::e2e {
namespace {

// The user's keyboard and pointer, driven through the X server as real ones
// drive it by xdotool's commands; returns once they are done.
void Xdotool(const std::string& commands) {
    ASSERT_EQ(test::LinuxShellOutput(test::kLinuxTmp, "/usr/bin/xdotool " + commands + " && echo done"), "done\n");
}

std::string PointerTo(const RECT& rect) {
    return "mousemove " + std::to_string((rect.left + rect.right) / 2) + " " +
           std::to_string((rect.top + rect.bottom) / 2);
}

// The program as it stands after its first activation.
void WaitForTheFirstLayout(const RunningProgram& program) {
    ASSERT_NE(program.MainWindow(), nullptr);
    ASSERT_TRUE(WaitUntil(10000, [&] { return program.StatusText(1) == WorkAreaResolutionText(800, 600); }))
        << program.StatusText(1);
}

// The quality list's last entry, by clicking the list open and taking its
// last entry with the keys.
void ChooseTheLastQuality(const RunningProgram& program) {
    const HWND list = program.QualityList();
    RECT field{};
    ::GetWindowRect(list, &field);
    Xdotool(PointerTo(field) + " click 1");
    ASSERT_TRUE(WaitUntil(5000, [&] { return ::SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0) != 0; }));
    Xdotool("key End Return");
    ASSERT_TRUE(WaitUntil(5000, [&] { return ::SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0) == 0; }));
}

TEST(CommandBarTest, ClicksAndHintsWorkAndTheChosenQualityIsShownAtTheNextStart) {
    ClearSettings();
    {
        RunningProgram program;
        WaitForTheFirstLayout(program);
        Xdotool(PointerTo(program.CommandRect(kCommandOpen)) + " click 1");
        EXPECT_TRUE(test::AnswerFileDialog(program.ProcessId(), texts::SelectPhotoTitle, {L"", IDCANCEL}).shown);
        Xdotool(PointerTo(program.CommandRect(kCommandRotateCcw)) + " click 1");
        EXPECT_TRUE(WaitUntil(5000, [&] { return program.StatusText(2) == PhotoResolutionText(296, 355); }))
            << "the placeholder turned: " << program.StatusText(2);
        Xdotool(PointerTo(program.CommandRect(kCommandPreset1024)) + " click 1");
        EXPECT_TRUE(WaitUntil(5000, [&] { return program.StatusText(1) == WorkAreaResolutionText(1024, 768); }))
            << program.StatusText(1);

        // Which hint each control has is the in-process tests' matter.
        Xdotool(PointerTo(program.CommandRect(kCommandSave)));
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
    WaitForTheFirstLayout(next);
    EXPECT_EQ(WindowTextOf(next.QualityList()), L"100");
}

}  // namespace
}  // namespace tpr::e2e
