// Starting the program while it runs: the running window comes to the front,
// restored if minimised, with the photo the second start names; the second
// start shows nothing and ends.
#include <gtest/gtest.h>

#include "e2e_support.h"

namespace tpr::e2e {
namespace {

class SingleInstanceTest : public ::testing::Test {
protected:
    void SetUp() override { ClearSettings(); }
    TempFolder folder;
};

TEST_F(SingleInstanceTest, SecondStartRestoresTheMinimisedWindowAndEnds) {
    RunningProgram first;
    ASSERT_NE(first.MainWindow(), nullptr);
    ::ShowWindow(first.MainWindow(), SW_MINIMIZE);
    ASSERT_TRUE(WaitUntil(5000, [&] { return ::IsIconic(first.MainWindow()); }));
    const OtherProgramWindow other;
    ASSERT_EQ(::GetForegroundWindow(), other.hwnd());
    ClearSettings();

    RunningProgram second(L"", false);
    EXPECT_EQ(second.ClassesOfWindowsShownUntilExit(20000), std::vector<std::wstring>{});
    ASSERT_TRUE(second.WaitForExit(0));
    EXPECT_EQ(second.ExitCode(), 0u);

    EXPECT_TRUE(WaitUntil(5000, [&] {
        return !::IsIconic(first.MainWindow()) && ::GetForegroundWindow() == first.MainWindow();
    }));
    EXPECT_FALSE(SettingsExist()) << "the second start wrote settings";
    EXPECT_EQ(first.StatusText(2), L"Photo resolution: 355x296  ");
}

TEST_F(SingleInstanceTest, SecondStartHandsItsPhotoToTheRunningWindow) {
    const std::wstring photo = folder.File(L"second photo.jpg");
    WritePhoto(photo, 640, 480);
    RunningProgram first;
    ASSERT_NE(first.MainWindow(), nullptr);
    ASSERT_EQ(first.StatusText(2), L"Photo resolution: 355x296  ");
    const OtherProgramWindow other;
    ASSERT_EQ(::GetForegroundWindow(), other.hwnd());

    RunningProgram second(L"\"" + photo + L"\"", false);
    EXPECT_EQ(second.ClassesOfWindowsShownUntilExit(20000), std::vector<std::wstring>{});
    ASSERT_TRUE(second.WaitForExit(0));
    EXPECT_EQ(second.ExitCode(), 0u);

    EXPECT_TRUE(WaitUntil(10000, [&] { return first.StatusText(2) == L"Photo resolution: 640x480  "; }))
        << first.StatusText(2);
    // The running instance takes the activation once its message loop runs
    // again, after it has opened the photo.
    EXPECT_TRUE(WaitUntil(5000, [&] { return ::GetForegroundWindow() == first.MainWindow(); }));
}

}  // namespace
}  // namespace tpr::e2e
