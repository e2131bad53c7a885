// Runs the Win32 tests in a process set up as the program sets itself up,
// with the report dialog recorded, not shown.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <gtest/gtest.h>

#include "core/common/ui_texts.h"
#include "core/runtime/runtime_error.h"
#include "error_test_support.h"

int main(int argc, char** argv) {
    ::OleInitialize(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_WIN95_CLASSES | ICC_USEREX_CLASSES};
    ::InitCommonControlsEx(&controls);
    tpr::SetLastOsErrorReader([]() -> uint32_t { return ::GetLastError(); });
    tpr::texts::LoadLanguageStrings();
    tpr::test::InstallTestErrorServices();
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    ::OleUninitialize();
    return result;
}
