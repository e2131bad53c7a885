// Turning the photo from the command bar, as the user does.
#include <gtest/gtest.h>

#include "e2e_support.h"

namespace tpr::e2e {
namespace {

// Runs a command of the command bar and returns when the program has handled it.
void RunCommand(const RunningProgram& program, WORD command) {
    ::SendMessageW(program.MainWindow(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

TEST(RotationEndToEnd, EachTurnSwapsThePhotosSides) {
    ClearSettings();
    TempFolder folder;
    const std::wstring photo = folder.File(L"landscape.jpg");
    WritePhoto(photo, 400, 300);
    RunningProgram program(L"\"" + photo + L"\"");
    ASSERT_NE(program.MainWindow(), nullptr);
    ASSERT_EQ(program.StatusText(2), L"Photo resolution: 400x300  ");

    RunCommand(program, 7);  // rotate counter-clockwise
    EXPECT_EQ(program.StatusText(2), L"Photo resolution: 300x400  ");
    RunCommand(program, 8);  // rotate clockwise
    EXPECT_EQ(program.StatusText(2), L"Photo resolution: 400x300  ");
    RunCommand(program, 8);
    EXPECT_EQ(program.StatusText(2), L"Photo resolution: 300x400  ");
    EXPECT_TRUE(program.TopLevelWindows().size() == 1) << "no error report";
}

}  // namespace
}  // namespace tpr::e2e
