// The running instance's main window opening a photo that a later start
// handed over: as at a start, and only once a modal loop has ended.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "core/main_window/status_texts.h"
#include "main_window_fixture.h"
#include "test_files.h"
#include "win/app/startup.h"
#include "win/main_window/program_state.h"
#include "win/runtime/application.h"
#include "win/runtime/application_window.h"
#include "win/runtime/unique_any.h"

namespace tpr::test {
namespace {

const std::wstring kPlaceholderResolution = PhotoResolutionText(355, 296);
const std::wstring kPhotoResolution = PhotoResolutionText(320, 200);

// The running instance's main window and a photo on disk for a later start
// to name.
class HandedPhotoTest : public Form1Test {
protected:
    void SetUp() override {
        Form1Test::SetUp();
        wchar_t folder[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, folder);
        photo = std::wstring(folder) + L"handed photo " + std::to_wstring(::GetCurrentProcessId()) + L".bmp";
        WritePhoto(photo, 320, 200, L"image/bmp");
        SetWorkArea(800, 600);
        form.SetNoImage();
        win::Program().CurrentPhotoFileName.clear();
    }
    void TearDown() override {
        ::DeleteFileW(photo.c_str());
        Form1Test::TearDown();
    }

    std::wstring photo;
};

TEST_F(HandedPhotoTest, OpensAsAtAStartWhileOtherCommandLinesChangeNothing) {
    for (const std::wstring& commandLine :
         {std::wstring(), L"\"" + photo + L"\" \"" + photo + L"\"", std::wstring(L"C:\\notes.txt")}) {
        win::OpenHandedCommandLine(commandLine);
        EXPECT_EQ(probe.statusBar.PanelText(2), kPlaceholderResolution) << commandLine;
    }

    win::OpenHandedCommandLine(L"\"" + photo + L"\"");
    EXPECT_EQ(probe.statusBar.PanelText(2), kPhotoResolution);
    EXPECT_EQ(win::Program().CurrentPhotoFileName, photo.substr(photo.find_last_of(L'\\') + 1));

    // Not a return to the placeholder, as at a start without a photo.
    win::OpenHandedCommandLine(L"");
    EXPECT_EQ(probe.statusBar.PanelText(2), kPhotoResolution);
}

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

TEST_F(HandedPhotoTest, OpensFromTheMessageLoopOnlyOnceTheModalLoopHasEnded) {
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

    EXPECT_EQ(command.resolutionInside, kPlaceholderResolution);
    EXPECT_EQ(probe.statusBar.PanelText(2), kPhotoResolution);
    g_modalCommand = nullptr;
}

}  // namespace
}  // namespace tpr::test
