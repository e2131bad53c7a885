// Starting the program while it runs: the running window comes to the front,
// restored if minimised, with the photo the second start names; the second
// start shows nothing, writes nothing and ends.
#include <gtest/gtest.h>

#include "e2e_support.h"

namespace tpr::e2e {
namespace {

// A window of the test's own made the foreground window, as another
// program's window the user works in; destroyed with the object.
class OtherProgramWindow {
public:
    OtherProgramWindow()
        : window_(::CreateWindowExW(0, L"STATIC", L"Another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100,
                                    400, 300, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr)) {
        ::SetForegroundWindow(window_);
    }
    ~OtherProgramWindow() { ::DestroyWindow(window_); }
    OtherProgramWindow(const OtherProgramWindow&) = delete;
    OtherProgramWindow& operator=(const OtherProgramWindow&) = delete;
    HWND hwnd() const { return window_; }

private:
    HWND window_;
};

TEST(SingleInstanceTest, SecondStartHandsItsPhotoToTheMinimisedWindowAndEnds) {
    ClearSettings();
    const TempFolder folder;
    const std::wstring photo = folder.File(L"second photo.jpg");
    WritePhoto(photo, 640, 480);
    RunningProgram first;
    ASSERT_NE(first.MainWindow(), nullptr);
    ::ShowWindow(first.MainWindow(), SW_MINIMIZE);
    ASSERT_TRUE(WaitUntil(5000, [&] { return ::IsIconic(first.MainWindow()); }));
    const OtherProgramWindow other;
    ASSERT_EQ(::GetForegroundWindow(), other.hwnd());
    ClearSettings();

    RunningProgram second(L"\"" + photo + L"\"", false);
    EXPECT_EQ(second.ClassesOfWindowsShownUntilExit(20000), std::vector<std::wstring>{});
    ASSERT_TRUE(second.WaitForExit(0));
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
