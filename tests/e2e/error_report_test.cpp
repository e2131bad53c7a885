// A failure in the running program as the user meets it: one entry in
// ErrorReport.txt, the "Program Error" dialog over the main window, and the
// main window usable again once the dialog is closed.
#include <gtest/gtest.h>

#include <algorithm>

#include "e2e_support.h"

namespace tpr::e2e {
namespace {

size_t CountOf(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

TEST(ErrorReportTest, CorruptPhotoOnTheCommandLineIsLoggedAndShownOverTheMainWindow) {
    ClearSettings();
    TempFolder folder;
    const std::wstring photo = folder.File(L"bad.jpg");
    WriteFileBytes(photo, "this is a text file, not a photo\r\n");
    const std::string before = ReadFileBytes(ErrorLogPath());

    RunningProgram program(L"\"" + photo + L"\"");
    ASSERT_NE(program.MainWindow(), nullptr);
    const HWND dialog = program.WaitForWindow(L"Program Error");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(::GetWindow(dialog, GW_OWNER), program.MainWindow());
    EXPECT_FALSE(::IsWindowEnabled(program.MainWindow())) << "the dialog is modal";
    const std::vector<std::wstring> texts = ChildTextsOf(dialog);
    EXPECT_NE(
        std::find(texts.begin(), texts.end(), L"Sorry, an error has occurred. Try to restart the program."),
        texts.end());

    const std::string log = ReadFileBytes(ErrorLogPath());
    ASSERT_EQ(log.substr(0, before.size()), before) << "the log is only appended to";
    const std::string entry = log.substr(before.size());
    EXPECT_EQ(CountOf(entry, "Program path: "), 1u) << entry;
    EXPECT_EQ(CountOf(entry, "  Call Stack: "), 1u) << entry;
    EXPECT_NE(entry.find("  Call Stack: mMain.Main() ---"), std::string::npos) << entry;
    EXPECT_NE(entry.find("  Number: 481 = &H1E1 "), std::string::npos) << entry;

    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    for (int i = 0; i < 100 && ::IsWindow(dialog); ++i) ::Sleep(50);
    EXPECT_FALSE(::IsWindow(dialog));
    EXPECT_TRUE(::IsWindowEnabled(program.MainWindow()));
    DWORD_PTR answer = 0;
    EXPECT_NE(::SendMessageTimeoutW(program.MainWindow(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer), 0)
        << "the main window responds";
    EXPECT_EQ(program.StatusText(3), L"Drag the window border or corner to resize the phoro --->");
    EXPECT_EQ(ReadSetting(L"Version", L"Major"), L"<absent>") << "Main ended at the failed load";
    program.Close();
    EXPECT_TRUE(program.WaitForExit(10000));
}

}  // namespace
}  // namespace tpr::e2e
