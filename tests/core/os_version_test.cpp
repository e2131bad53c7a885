// The system the program runs on: the start-up gate and the names it reports.
#include "core/common/os_version.h"

#include <gtest/gtest.h>

#include <cstring>

#include "error_number.h"

namespace tpr {
namespace {

// A version query that reports the given system and returns `result`.
VersionQuery Reporting(uint32_t platformId, uint32_t major, uint32_t minor, int result = 1,
                       uint32_t build = 0, const char* servicePack = "") {
    return [=](VersionRecord& v) {
        EXPECT_EQ(v.size, 148u);
        v = {v.size, major, minor, build, platformId, {}};
        std::strncpy(v.servicePack, servicePack, sizeof v.servicePack);
        return result;
    };
}

TEST(OperatingSystemGate, PassesTheNTLineFromVersionFiveToSix) {
    // NT 4, 5.3 and 10 fail; so do the 95 line, Win32s and failed queries (result 0 or 2).
    const struct { uint32_t platformId, major, minor; int result; bool win2000, winXP; } cases[] = {
        {2, 5, 0, 1, true, false},  {2, 5, 1, 1, false, true},  {2, 5, 2, 1, false, true},
        {2, 6, 0, 1, false, true},  {2, 6, 3, 1, false, true},  {2, 4, 0, 1, false, false},
        {2, 5, 3, 1, false, false}, {2, 10, 0, 1, false, false}, {1, 4, 90, 1, false, false},
        {1, 5, 0, 1, false, false}, {0, 5, 1, 1, false, false}, {2, 5, 1, 0, false, false},
        {2, 5, 0, 2, false, false}};
    for (const auto& c : cases) {
        const VersionQuery query = Reporting(c.platformId, c.major, c.minor, c.result);
        EXPECT_EQ(IsWin2000(query), c.win2000) << c.platformId << " " << c.major << "." << c.minor;
        EXPECT_EQ(IsWinXP(query), c.winXP) << c.platformId << " " << c.major << "." << c.minor;
    }
    const VersionQuery failing = [](VersionRecord&) -> int { Raise(kErrOutOfMemory); };
    EXPECT_EQ(ErrorNumberOf([&] { IsWinXP(failing); }), kErrOutOfMemory);
}

TEST(GetOSVersion, NamesTheSystem) {
    const struct { uint32_t platformId, major, minor; const wchar_t *name, *version; } cases[] = {
        {0, 1, 20, L"Win32s", L"1.20"},     {1, 4, 0, L"Windows 95", L"4.0"},
        {1, 4, 10, L"Windows 98", L"4.10"}, {1, 4, 90, L"Windows ME", L"4.90"},
        {2, 4, 0, L"Windows NT", L"4.0"},   {2, 5, 0, L"Windows 2000", L"5.0"},
        {2, 5, 1, L"Windows XP", L"5.1"},   {2, 5, 2, L"Windows NT", L"5.2"},
        {2, 6, 1, L"Windows NT", L"6.1"},   {3, 10, 0, L"", L"10.0"},
    };
    for (const auto& c : cases) {
        OSVersionInfo info;
        GetOSVersion(info, Reporting(c.platformId, c.major, c.minor));
        EXPECT_EQ(info.PlatformID, static_cast<int32_t>(c.platformId)) << c.version;
        EXPECT_EQ(info.OSName + L" " + info.Version, c.name + (L" " + std::wstring(c.version)));
    }
}

TEST(GetOSVersion, BuildLowBitsServicePackUpToNulAndFailedQueries) {
    OSVersionInfo info;
    GetOSVersion(info, Reporting(1, 4, 90, 1, 0x045A0BB8, " A "));  // the 95 line's high word is the version
    EXPECT_EQ(info.Build, L"3000");
    EXPECT_EQ(info.ServicePack, L" A ");

    GetOSVersion(info, [](VersionRecord& v) {  // a service pack without its NUL
        v.platformId = 2;
        std::memset(v.servicePack, 'S', sizeof v.servicePack);
        return 1;
    });
    EXPECT_EQ(info.ServicePack, L"");

    for (const int result : {0, 2}) {
        OSVersionInfo untouched;
        GetOSVersion(untouched, Reporting(2, 5, 1, result, 2600, "Service Pack 3"));
        EXPECT_EQ(untouched.PlatformID, 0);
        EXPECT_EQ(untouched.OSName + untouched.Version + untouched.ServicePack + untouched.Build, L"");
    }
}

}  // namespace
}  // namespace tpr
