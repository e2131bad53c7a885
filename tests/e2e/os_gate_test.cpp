// The systems the program starts on, as Wine reports them to it: Windows 2000
// to Vista and those that report 6.x start; older systems are told so and
// get neither a window nor a setting.
#include <gtest/gtest.h>

#include "e2e_support.h"

namespace tpr::e2e {
namespace {

class OperatingSystemGateTest : public ::testing::Test {
protected:
    void SetUp() override { ClearSettings(); }
};

TEST_F(OperatingSystemGateTest, StartsOnWindows2000ToVistaAndTheSixLine) {
    // Windows 7 reports 6.1; Windows 10 reports 6.2 to a program without a
    // manifest that declares it.
    for (const wchar_t* version : {L"win2k", L"winxp", L"win2003", L"vista", L"win7", L"win10"}) {
        SCOPED_TRACE(version);
        ClearSettings();
        const ReportedWindowsVersion reported(version);
        RunningProgram program;
        ASSERT_NE(program.MainWindow(), nullptr);
        EXPECT_EQ(program.StatusText(2), L"Photo resolution: 355x296  ");
        program.Close();
        EXPECT_TRUE(program.WaitForExit(10000));
        EXPECT_EQ(ReadSetting(L"Version", L"Major"), L"2");
    }
}

TEST_F(OperatingSystemGateTest, RefusesOlderSystemsWithAMessageOnly) {
    // Wine reports the Windows 95 line to the 64-bit build as well.
    for (const wchar_t* version : {L"nt40", L"win95", L"win98", L"winme"}) {
        SCOPED_TRACE(version);
        const ReportedWindowsVersion reported(version);
        RunningProgram program(L"", false);
        const HWND box = program.WaitForWindow(L"Tessaly Photo Resizer");
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(ClassNameOf(box), L"#32770");
        EXPECT_EQ(MessageBoxText(box), L"Tessaly Photo Resizer supports only Windows 2000/XP/2003/Vista");
        EXPECT_EQ(ButtonCaptions(box), std::vector<std::wstring>{L"OK"});
        EXPECT_TRUE(ShowsAnIcon(box));
        EXPECT_TRUE(program.WindowsOfClass(L"ThunderRT6FormDC").empty());

        ::PostMessageW(box, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(program.WaitForExit(10000));
        EXPECT_EQ(program.ExitCode(), 0u);
        EXPECT_FALSE(SettingsExist());
    }
}

}  // namespace
}  // namespace tpr::e2e
