// The command bar under the user's mouse: a preset button sizes the work
// area, the quality list takes a choice that the next start still shows, and
// every control has its hint.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "e2e_support.h"

namespace tpr::e2e {
namespace {

constexpr int kPreset640 = 3, kPreset1024 = 5, kSave = 2, kAbout = 9;

class CommandBarTest : public ::testing::Test {
protected:
    void SetUp() override { ClearSettings(); }

    // The program as it stands after its first activation.
    static void WaitForTheFirstLayout(const RunningProgram& program) {
        ASSERT_NE(program.MainWindow(), nullptr);
        ASSERT_TRUE(WaitUntil(10000, [&] {
            return program.StatusText(1) == L"Work area resolution: 800x600 ";
        })) << program.StatusText(1);
    }

    // The quality list's choice, by clicking it open and clicking an entry.
    static void ChooseQuality(const RunningProgram& program, int entry) {
        const HWND list = program.QualityList();
        RECT field{};
        ::GetWindowRect(list, &field);
        ClickAt(CentreOf(field));
        ASSERT_TRUE(WaitUntil(5000, [&] { return ::SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0) != 0; }));
        RECT entryRect{};
        ASSERT_TRUE(WaitUntil(5000, [&] {
            entryRect = program.DroppedEntryRect(entry - 1);
            return entryRect.bottom > entryRect.top;
        }));
        ClickAt(CentreOf(entryRect));
        ASSERT_TRUE(WaitUntil(5000, [&] { return ::SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0) == 0; }));
    }
};

TEST_F(CommandBarTest, ClickedPresetsGiveTheirWorkAreas) {
    RunningProgram program;
    WaitForTheFirstLayout(program);

    ClickAt(CentreOf(program.CommandRect(kPreset1024)));
    EXPECT_TRUE(WaitUntil(5000, [&] { return program.StatusText(1) == L"Work area resolution: 1024x768 "; }))
        << program.StatusText(1);

    // At 640 pixels the bar takes a second row, and every control can still
    // be clicked: About stands on the second row, inside the window.
    ClickAt(CentreOf(program.CommandRect(kPreset640)));
    EXPECT_TRUE(WaitUntil(5000, [&] { return program.StatusText(1) == L"Work area resolution: 640x480 "; }))
        << program.StatusText(1);
    RECT client{};
    ::GetClientRect(program.MainWindow(), &client);
    ::MapWindowPoints(program.MainWindow(), nullptr, reinterpret_cast<POINT*>(&client), 2);
    const RECT about = program.CommandRect(kAbout);
    EXPECT_LE(about.right, client.right);
    EXPECT_GT(about.top, program.CommandRect(kPreset640).top);
    ClickAt(CentreOf(program.CommandRect(kPreset1024)));
    EXPECT_TRUE(WaitUntil(5000, [&] { return program.StatusText(1) == L"Work area resolution: 1024x768 "; }));
}

TEST_F(CommandBarTest, PointerRestingOnAControlShowsItsHint) {
    RunningProgram program;
    WaitForTheFirstLayout(program);
    MovePointerTo(CentreOf(program.CommandRect(kSave)));
    EXPECT_TRUE(WaitUntil(5000, [&] { return program.ShownHint() == L"Save as..."; }))
        << program.ShownHint().size();

    RECT list{};
    ::GetWindowRect(program.QualityList(), &list);
    MovePointerTo(CentreOf(list));
    EXPECT_TRUE(WaitUntil(5000, [&] { return program.ShownHint() == L"Jpeg quality"; }));
}

TEST_F(CommandBarTest, ChosenQualityIsStoredAtCloseAndShownAtTheNextStart) {
    {
        RunningProgram program;
        WaitForTheFirstLayout(program);
        EXPECT_EQ(WindowTextOf(program.QualityList()), L"70");
        ChooseQuality(program, 10);
        EXPECT_EQ(WindowTextOf(program.QualityList()), L"100");
        EXPECT_EQ(ReadSetting(L"Settings", L"JpegQuality"), L"<absent>") << "kept until the window closes";
        program.Close();
        ASSERT_TRUE(program.WaitForExit(10000));
    }
    EXPECT_EQ(ReadSetting(L"Settings", L"JpegQuality"), L"100");

    RunningProgram next;
    WaitForTheFirstLayout(next);
    EXPECT_EQ(WindowTextOf(next.QualityList()), L"100");
    ChooseQuality(next, 1);
    next.Close();
    ASSERT_TRUE(next.WaitForExit(10000));
    EXPECT_EQ(ReadSetting(L"Settings", L"JpegQuality"), L"10");
}

}  // namespace
}  // namespace tpr::e2e
