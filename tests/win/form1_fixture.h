// A shown main window for the tests, and ways to give it a work area of an
// exact size and to see where its photo view is.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include "app/program_state.h"
#include "main_window/form1.h"

namespace tpr::test {

class Form1Test : public ::testing::Test {
protected:
    void SetUp() override {
        win::Program().MainForm = &form;
        form.Show();
    }
    void TearDown() override { win::Program().MainForm = nullptr; }

    // Sizes the window so that the area between the command bar and the
    // status bar is exactly width x height pixels.
    void SetWorkArea(int width, int height);

    // The photo view's rectangle in client pixels.
    RECT ViewRect() const;

    win::Form1 form;
};

}  // namespace tpr::test
