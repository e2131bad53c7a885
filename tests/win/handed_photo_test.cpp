// The running instance's main window opening a photo that a later start
// handed over only once a modal loop has ended.
#include <gtest/gtest.h>
#include <windows.h>

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
