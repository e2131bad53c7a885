// A user opens a photo through the Open dialog and saves it through the Save
// dialog, as the toolbar's Open and Save buttons start them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cwchar>

#include "e2e_support.h"

namespace tpr::e2e {
namespace {

constexpr WPARAM kOpenCommand = 1;
constexpr WPARAM kSaveCommand = 2;

TEST(UserOpenSaveTest, PhotoOpenedThroughTheDialogIsSavedAtTheSizeShown) {
    ClearSettings();
    TempFolder folder;
    const std::wstring photo = folder.File(L"holiday.jpg");
    WritePhoto(photo, 2400, 1600);
    RunningProgram program;
    ASSERT_NE(program.MainWindow(), nullptr);
    const std::wstring placeholder = program.StatusText(2);

    ::PostMessageW(program.MainWindow(), WM_COMMAND, kOpenCommand, 0);
    const test::FileDialogSeen opened =
        test::AnswerFileDialog(program.ProcessId(), L"Select photo", test::FileDialogAnswer{photo});
    ASSERT_TRUE(opened.shown);
    ASSERT_TRUE(test::WaitUntil(10000, [&] { return program.StatusText(2) != placeholder; }));
    int width = 0, height = 0;
    ASSERT_EQ(std::swscanf(program.StatusText(2).c_str(), L"Photo resolution: %dx%d", &width, &height), 2);
    EXPECT_LE(std::abs(width * 2 - height * 3), 3) << "the photo's proportions, to the pixel";
    EXPECT_LT(width, 2400) << "fitted into the window";

    ::PostMessageW(program.MainWindow(), WM_COMMAND, kSaveCommand, 0);
    const std::wstring target = folder.File(L"holiday_resized.jpg");
    const test::FileDialogSeen saved =
        test::AnswerFileDialog(program.ProcessId(), L"Save photo", test::FileDialogAnswer{target});
    ASSERT_TRUE(saved.shown);
    EXPECT_EQ(saved.suggestedName, L"holiday_resized.jpg");
    ASSERT_TRUE(test::WaitUntil(10000, [&] { return ImageFileSize(target).cx != 0; }));
    EXPECT_EQ(ReadFileBytes(target).substr(0, 2), "\xFF\xD8") << "JPEG data";
    const SIZE size = ImageFileSize(target);
    EXPECT_EQ(size.cx, width);
    EXPECT_EQ(size.cy, height);
    EXPECT_EQ(folder.Names(), (std::vector<std::wstring>{L"holiday.jpg", L"holiday_resized.jpg"}));
}

}  // namespace
}  // namespace tpr::e2e
