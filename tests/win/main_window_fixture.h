// A shown main window for the tests, and ways to give it a work area of an
// exact size and to see where its photo view is.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include "fake_error_services.h"
#include "main_window_probe.h"
#include "win/main_window/main_window.h"
#include "win/main_window/program_state.h"

namespace tpr::test {

// Handles the messages waiting for this thread, as the program's loop does.
void PumpMessages();

// The main window shown as on a first run (an empty settings store), its
// first activation handled; errors that reach a top-level trap go to fakes.
class Form1Test : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    const std::wstring& Log() { return files.files[err::testing::kLogPath]; }
    // Sizes the window so that the area between the command bar and the
    // status bar is exactly width x height pixels.
    void SetWorkArea(int width, int height);
    // Puts the picture in as the photo and shows it fitted.
    void ShowPicture(win::Picture picture) {
        probe.photo.SetPicture(std::move(picture));
        form.ResizePhotoInProperties();
    }
    // The size the photo is shown at, in the status bar.
    std::wstring ShownResolution() const { return probe.statusBar.PanelText(2); }
    // A control's rectangle in client pixels; the photo view's.
    RECT RectOf(HWND control) const;
    RECT ViewRect() const { return RectOf(probe.view.hwnd()); }
    // The work area as measured on screen, between the bars, in pixels.
    SIZE MeasuredWorkArea() const;

    err::testing::FakePlatform platform;
    err::testing::FakeFileSystem files;
    err::testing::FakeDialogs dialogs;
    win::Form1 form;
    win::MainWindowProbe probe{form};
    RECT windowAsShown{};  // before its first activation
};

}  // namespace tpr::test
