// A later start of the program, in the cases a real second start does not reach, and the running
// instance opening a handed photo only once a modal loop has ended.
#include "win/app/single_instance.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "core/main_window/status_texts.h"
#include "core/runtime/product.h"
#include "main_window_fixture.h"
#include "test_files.h"
#include "win/app/startup.h"
#include "win/runtime/application.h"
#include "win/runtime/application_window.h"
#include "win/runtime/unique_any.h"

namespace tpr::test {
namespace {

constexpr const wchar_t* kTitle = kProductName;
constexpr wchar_t kLeavingTitle[] = L"abcba - This App Will Be Closed";

// A shown top-level window standing in for a window of the running instance.
win::UniqueHwnd ShownWindow(const wchar_t* title, HWND owner = nullptr) {
    return win::UniqueHwnd(::CreateWindowExW(0, L"STATIC", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                                             300, 200, owner, nullptr, ::GetModuleHandleW(nullptr), nullptr));
}

// This test process as a second start of the program; a window of the
// process stands in for each window of the instance that runs already.
class SecondStartTest : public ::testing::Test {
protected:
    void TearDown() override { win::App().SetTitle(kTitle); }

    win::RunningInstance instance;
};

TEST_F(SecondStartTest, FindsTheRunningMainWindowWhateverLiesAboveItsApplicationWindow) {
    win::ApplicationWindow running(kTitle);
    const auto mainWindow = ShownWindow(L"main");
    running.SetMainWindow(mainWindow.get());
    // As measured: just above the application window lies the quality list's drop-down.
    const auto dropDown = ShownWindow(L"drop-down");
    ::SetForegroundWindow(dropDown.get());
    ::SetWindowPos(running.hwnd(), dropDown.get(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_EQ(::GetWindow(running.hwnd(), GW_HWNDPREV), dropDown.get());
    ASSERT_NE(::GetForegroundWindow(), mainWindow.get());

    win::ShowPrevInstance();
    EXPECT_EQ(::GetForegroundWindow(), mainWindow.get());
}

TEST_F(SecondStartTest, MaximisedWindowStaysMaximisedAndABusyOneShowsItsDialog) {
    win::ApplicationWindow running(kTitle);
    const auto mainWindow = ShownWindow(L"main");
    running.SetMainWindow(mainWindow.get());
    ::ShowWindow(mainWindow.get(), SW_MAXIMIZE);
    const auto other = ShownWindow(L"another program");
    ::SetForegroundWindow(other.get());

    win::ShowPrevInstance();
    EXPECT_TRUE(::IsZoomed(mainWindow.get()));
    EXPECT_EQ(::GetForegroundWindow(), mainWindow.get());

    // A modal dialog disables its owner: the dialog is what comes forward.
    const auto dialog = ShownWindow(L"dialog", mainWindow.get());
    ::SetForegroundWindow(dialog.get());
    ::EnableWindow(mainWindow.get(), FALSE);
    ::SetForegroundWindow(other.get());
    ASSERT_EQ(::GetForegroundWindow(), other.get());

    win::App().SetTitle(kTitle);
    win::ShowPrevInstance();
    EXPECT_EQ(::GetForegroundWindow(), dialog.get());
}

TEST_F(SecondStartTest, WithoutARunningMainWindowNothingComesForwardYetARunningInstanceGetsTheCommandLine) {
    const auto other = ShownWindow(L"another program");
    ::SetForegroundWindow(other.get());
    win::ShowPrevInstance();  // no running instance at all
    EXPECT_EQ(win::App().Title, kLeavingTitle);
    win::App().SetTitle(kTitle);
    win::ApplicationWindow running(kTitle);  // one without a main window yet
    win::ShowPrevInstance();
    EXPECT_EQ(running.TakeHandedCommandLine(), win::App().Command());
    EXPECT_EQ(::GetForegroundWindow(), other.get());
}

TEST(RunningInstance, IsSeenByTheNextStartUntilItEnds) {
    {
        const win::RunningInstance first;
        EXPECT_FALSE(win::App().PrevInstance());
        const HWND window = win::FindApplicationWindow(kTitle);
        EXPECT_TRUE(window && window == win::App().Window()->hwnd() && !::IsWindowVisible(window));
        // Another process's mark, as a later start sees the first one's.
        const win::UniqueKernelHandle othersMark(
            ::OpenMutexW(SYNCHRONIZE, FALSE, L"Tessaly Photo Resizer is running"));
        EXPECT_TRUE(othersMark);
    }
    EXPECT_TRUE(!win::App().Window() && !win::FindApplicationWindow(kTitle) && !win::App().PrevInstance());

    const win::UniqueKernelHandle runningMark(
        ::CreateMutexW(nullptr, FALSE, L"Tessaly Photo Resizer is running"));
    const win::RunningInstance second;
    EXPECT_TRUE(win::App().PrevInstance());
}

TEST(ApplicationWindow, KeepsTheNewestHandedCommandLineAndWakesTheLoop) {
    win::ApplicationWindow window(kTitle);
    EXPECT_EQ(window.TakeHandedCommandLine(), std::nullopt);
    EXPECT_TRUE(win::HandCommandLine(window.hwnd(), L"\"C:\\Photos\\a.jpg\""));
    EXPECT_TRUE(win::HandCommandLine(window.hwnd(), L"\"C:\\Photos\\b b.jpg\""));
    MSG wake{};
    EXPECT_TRUE(::PeekMessageW(&wake, window.hwnd(), WM_NULL, WM_NULL, PM_REMOVE));
    EXPECT_EQ(window.TakeHandedCommandLine(), L"\"C:\\Photos\\b b.jpg\"");
    EXPECT_EQ(window.TakeHandedCommandLine(), std::nullopt);

    EXPECT_TRUE(win::HandCommandLine(window.hwnd(), L""));
    EXPECT_EQ(window.TakeHandedCommandLine(), L"");

    // Data of another kind is refused and kept nowhere.
    wchar_t text[] = L"C:\\a.jpg";
    COPYDATASTRUCT foreign{1, sizeof text, text};
    EXPECT_EQ(::SendMessageW(window.hwnd(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&foreign)), FALSE);
    EXPECT_EQ(window.TakeHandedCommandLine(), std::nullopt);
}

TEST(ApplicationWindow, PointsAtTheMainWindowWhileThatExists) {
    win::ApplicationWindow window(kTitle);
    auto mainWindow = ShownWindow(L"main");
    window.SetMainWindow(mainWindow.get());
    EXPECT_EQ(win::MainWindowOf(window.hwnd()), mainWindow.get());
    window.SetMainWindow(nullptr);
    EXPECT_EQ(win::MainWindowOf(window.hwnd()), nullptr);
    window.SetMainWindow(mainWindow.get());
    mainWindow.reset();
    EXPECT_EQ(win::MainWindowOf(window.hwnd()), nullptr) << "once the main window is gone";
}

// Stands in for a command whose modal dialog runs its own message loop: the
// later start hands its photo over while that loop runs.
std::wstring g_handedCommandLine, g_resolutionInside;
win::StatusBar* g_statusBar = nullptr;

void CALLBACK ModalCommand(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    win::HandCommandLine(win::App().Window()->hwnd(), g_handedCommandLine);
    MSG nested;
    while (::PeekMessageW(&nested, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&nested);
    g_resolutionInside = g_statusBar->PanelText(2);
    ::PostQuitMessage(0);
}

using HandedPhotoTest = Form1Test;

TEST_F(HandedPhotoTest, OpensFromTheMessageLoopOnlyOnceTheModalLoopHasEnded) {
    const TempFolder folder;
    const std::wstring photo = folder.File(L"handed photo.bmp");
    WritePhoto(photo, 320, 200, L"image/bmp");
    SetWorkArea(800, 600);
    form.SetNoImage();
    const win::RunningInstance instance;
    g_handedCommandLine = L"\"" + photo + L"\"";
    g_statusBar = &probe.statusBar;
    ::SetTimer(nullptr, 0, 0, &ModalCommand);

    win::RunMessageLoop();

    EXPECT_EQ(g_resolutionInside, PhotoResolutionText(355, 296)) << "the placeholder still";
    EXPECT_EQ(ShownResolution(), PhotoResolutionText(320, 200));
}

}  // namespace
}  // namespace tpr::test
