// The systems the program starts on, as Wine reports them: 2000 to 6.x start, older ones are refused.
#include <gtest/gtest.h>

#include <utility>

#include "e2e_support.h"

namespace tpr::e2e {
namespace {

// Makes Wine tell the program that it runs on another Windows version, by its
// per-program setting, read at each start; removed with the object.
class ReportedWindowsVersion {
public:
    explicit ReportedWindowsVersion(const std::wstring& version) {
        ::RegSetKeyValueW(HKEY_CURRENT_USER, kAppDefaultsKey, L"Version", REG_SZ, version.c_str(),
                          static_cast<DWORD>((version.size() + 1) * sizeof(wchar_t)));
    }
    ~ReportedWindowsVersion() { ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kAppDefaultsKey, L"Version"); }
    ReportedWindowsVersion(const ReportedWindowsVersion&) = delete;
    ReportedWindowsVersion& operator=(const ReportedWindowsVersion&) = delete;

private:
    static constexpr wchar_t kAppDefaultsKey[] = L"Software\\Wine\\AppDefaults\\TessalyPhotoResizer.exe";
};

// Whether a dialog shows an icon: a visible icon control that holds one.
bool ShowsAnIcon(HWND dialog) {
    for (HWND child = ::FindWindowExW(dialog, nullptr, L"Static", nullptr); child;
         child = ::FindWindowExW(dialog, child, L"Static", nullptr)) {
        if (::IsWindowVisible(child) && (::GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
            ::SendMessageW(child, STM_GETICON, 0, 0) != 0)
            return true;
    }
    return false;
}

TEST(OperatingSystemGateTest, StartsOnWindows2000ToVistaAndTheSixLineRefusesOlderSystemsWithAMessageOnly) {
    // Windows 7 reports 6.1; Windows 10 reports 6.2 to a program without a
    // manifest that declares it. Wine reports the Windows 95 line to the
    // 64-bit build as well.
    const std::pair<const wchar_t*, bool> systems[] = {
        {L"win2k", true}, {L"winxp", true}, {L"win2003", true}, {L"vista", true}, {L"win7", true},
        {L"win10", true}, {L"nt40", false}, {L"win95", false}, {L"win98", false}, {L"winme", false}};
    for (const auto& [version, starts] : systems) {
        SCOPED_TRACE(version);
        ClearSettings();
        const ReportedWindowsVersion reported(version);
        RunningProgram program(L"", starts);
        if (starts) {
            EXPECT_NE(program.MainWindow(), nullptr);
            EXPECT_TRUE(SettingsExist());
            continue;
        }
        const HWND box = program.WaitForWindow(texts::AppName);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(ClassNameOf(box), L"#32770");
        EXPECT_EQ(WindowTextOf(::GetDlgItem(box, 0xFFFF)), texts::OSNotSupportedMessage) << "a message box's text";
        const HWND ok = ::FindWindowExW(box, nullptr, L"Button", nullptr);
        EXPECT_EQ(WindowTextOf(ok), texts::OkCaption);
        EXPECT_EQ(::FindWindowExW(box, ok, L"Button", nullptr), nullptr) << "one button only";
        EXPECT_TRUE(ShowsAnIcon(box));
        EXPECT_EQ(::FindWindowW(L"ThunderRT6FormDC", nullptr), nullptr) << "no main window, not even hidden";

        ::PostMessageW(box, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(program.WaitForExit(10000));
        EXPECT_EQ(program.ExitCode(), 0u);
        EXPECT_FALSE(SettingsExist());
    }
}

}  // namespace
}  // namespace tpr::e2e
