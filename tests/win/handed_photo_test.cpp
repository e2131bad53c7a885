// The running instance's main window opening a photo that a later start
// handed over only once a modal loop has ended.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "core/main_window/status_texts.h"
#include "main_window_fixture.h"
#include "test_files.h"
#include "win/app/startup.h"
#include "win/runtime/application.h"
#include "win/runtime/application_window.h"
#include "win/runtime/unique_any.h"

namespace tpr::test {
namespace {

// Stands in for a command whose modal dialog runs its own message loop: the
// later start hands its photo over while that loop runs.
struct ModalCommand {
    std::wstring handedCommandLine;
    win::StatusBar* statusBar = nullptr;
    std::wstring resolutionInside;
};
ModalCommand* g_modalCommand = nullptr;

LRESULT CALLBACK ModalCommandProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_APP) return ::DefWindowProcW(window, message, wParam, lParam);
    win::HandCommandLine(win::App().Window()->hwnd(), g_modalCommand->handedCommandLine);
    MSG nested;
    while (::PeekMessageW(&nested, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&nested);
    g_modalCommand->resolutionInside = g_modalCommand->statusBar->PanelText(2);
    ::PostQuitMessage(0);
    return 0;
}

using HandedPhotoTest = Form1Test;

TEST_F(HandedPhotoTest, OpensFromTheMessageLoopOnlyOnceTheModalLoopHasEnded) {
    const TempFolder folder;
    const std::wstring photo = folder.File(L"handed photo.bmp");
    WritePhoto(photo, 320, 200, L"image/bmp");
    SetWorkArea(800, 600);
    form.SetNoImage();
    const win::RunningInstance instance;
    ModalCommand command{L"\"" + photo + L"\"", &probe.statusBar, {}};
    g_modalCommand = &command;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &ModalCommandProcedure;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"ModalCommandStandIn";
    ::RegisterClassW(&windowClass);
    const win::UniqueHwnd commandWindow(::CreateWindowExW(0, windowClass.lpszClassName, L"", WS_POPUP, 0, 0,
                                                          0, 0, nullptr, nullptr, windowClass.hInstance,
                                                          nullptr));
    ::PostMessageW(commandWindow.get(), WM_APP, 0, 0);

    win::RunMessageLoop();

    EXPECT_EQ(command.resolutionInside, PhotoResolutionText(355, 296)) << "the placeholder still";
    EXPECT_EQ(ShownResolution(), PhotoResolutionText(320, 200));
    g_modalCommand = nullptr;
}

}  // namespace
}  // namespace tpr::test
