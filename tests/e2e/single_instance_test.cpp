// Starting the program while it runs: the running window comes forward with the photo; the second ends.
#include <gtest/gtest.h>

#include "e2e_support.h"
#include "win/runtime/unique_any.h"

namespace tpr::e2e {
namespace {

TEST(SingleInstanceTest, SecondStartHandsItsPhotoToTheMinimisedWindowAndEnds) {
    ClearSettings();
    const TempFolder folder;
    const std::wstring photo = folder.File(L"second photo.jpg");
    WritePhoto(photo, 640, 480);
    RunningProgram first;
    ASSERT_NE(first.MainWindow(), nullptr);
    ::ShowWindow(first.MainWindow(), SW_MINIMIZE);
    ASSERT_TRUE(WaitUntil(5000, [&] { return ::IsIconic(first.MainWindow()); }));
    // Another program's window in front, where the user works.
    const win::UniqueHwnd other(::CreateWindowExW(0, L"STATIC", L"Another program",
                                                  WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400, 300,
                                                  nullptr, nullptr, nullptr, nullptr));
    ::SetForegroundWindow(other.get());
    ASSERT_EQ(::GetForegroundWindow(), other.get());
    ClearSettings();

    RunningProgram second(L"\"" + photo + L"\"", false);
    ASSERT_TRUE(WaitUntil(20000, [&] {
        EXPECT_EQ(second.TopLevelWindows(), std::vector<HWND>{}) << "the second start shows nothing";
        return second.WaitForExit(0);
    }));
    EXPECT_EQ(second.ExitCode(), 0u);
    EXPECT_FALSE(SettingsExist()) << "the second start wrote settings";

    EXPECT_TRUE(WaitUntil(10000, [&] { return first.StatusText(2) == PhotoResolutionText(640, 480); }))
        << first.StatusText(2);
    // The running instance takes the activation once its message loop runs
    // again, after it has opened the photo.
    EXPECT_TRUE(WaitUntil(5000, [&] {
        return !::IsIconic(first.MainWindow()) && ::GetForegroundWindow() == first.MainWindow();
    }));
}

}  // namespace
}  // namespace tpr::e2e
