// Starting the program as a user does: with a photo, with none, with what a
// file manager passes when several files are dropped on it.
#include <gtest/gtest.h>

#include "e2e_support.h"

namespace tpr::e2e {
namespace {

class StartTest : public ::testing::Test {
protected:
    void SetUp() override { ClearSettings(); }
    TempFolder folder;
};

TEST_F(StartTest, QuotedPhotoPathOpensThePhotoFitted) {
    const std::wstring photo = folder.File(L"a b.jpg");
    WritePhoto(photo, 640, 480);
    RunningProgram program(L"\"" + photo + L"\"");
    ASSERT_NE(program.MainWindow(), nullptr);
    EXPECT_EQ(WindowTextOf(program.MainWindow()), L"Tessaly Photo Resizer");
    EXPECT_EQ(program.StatusText(2), L"Photo resolution: 640x480  ");
    EXPECT_EQ(program.StatusText(3), L"Drag the window border or corner to resize the phoro --->");
}

TEST_F(StartTest, EveryStartRecordsTheVersionAndFolder) {
    RunningProgram program;
    ASSERT_NE(program.MainWindow(), nullptr);
    EXPECT_EQ(program.StatusText(2), L"Photo resolution: 355x296  ") << "the placeholder";
    EXPECT_EQ(ReadSetting(L"Version", L"Major"), L"2");
    EXPECT_EQ(ReadSetting(L"Version", L"Minor"), L"0");
    EXPECT_EQ(ReadSetting(L"Version", L"Revision"), L"0");
    const std::wstring exe = ProgramPath();
    EXPECT_EQ(ReadSetting(L"Path", L"AppPath"), exe.substr(0, exe.find_last_of(L'\\')));
}

TEST_F(StartTest, SeveralDroppedFilesShowThePlaceholder) {
    const std::wstring first = folder.File(L"one.jpg"), second = folder.File(L"two.jpg");
    WritePhoto(first, 640, 480);
    WritePhoto(second, 640, 480);
    RunningProgram program(L"\"" + first + L"\" \"" + second + L"\"");
    ASSERT_NE(program.MainWindow(), nullptr);
    EXPECT_EQ(program.StatusText(2), L"Photo resolution: 355x296  ");
}

TEST_F(StartTest, CameraNamesInCapitalsOpen) {
    const std::wstring photo = folder.File(L"IMG_0001.JPG");
    WritePhoto(photo, 320, 240);
    RunningProgram program(L"\"" + photo + L"\"");
    ASSERT_NE(program.MainWindow(), nullptr);
    EXPECT_EQ(program.StatusText(2), L"Photo resolution: 320x240  ");
}

TEST_F(StartTest, LargePhotoIsShrunkToTheWorkArea) {
    const std::wstring photo = folder.File(L"wide.bmp");
    WritePhoto(photo, 3200, 1600, L"image/bmp");
    RunningProgram program(photo);
    ASSERT_NE(program.MainWindow(), nullptr);
    RECT client{};
    ::GetClientRect(program.MainWindow(), &client);
    const std::wstring expected =
        L"Photo resolution: " + std::to_wstring(client.right) + L"x" + std::to_wstring(client.right / 2) + L"  ";
    EXPECT_EQ(program.StatusText(2), expected);
}

}  // namespace
}  // namespace tpr::e2e
