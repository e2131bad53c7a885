// The operating-system gate and description (module mOSVersion), over the
// platform's narrow-character version query, which the caller supplies.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace tpr {

// The record the platform's version query fills: 148 bytes, size set first.
struct VersionRecord {
    uint32_t size = 148;
    uint32_t major = 0, minor = 0, build = 0, platformId = 0;  // platform: 0 Win32s, 1 95 line, 2 NT line
    char servicePack[128] = {};                                // narrow text, NUL-ended when it fits
};

// Fills the record and returns what the platform's query returned; only
// exactly 1 counts as success.
using VersionQuery = std::function<int(VersionRecord&)>;

// Windows 2000: NT line, version 5.0.
bool IsWin2000(const VersionQuery& query);
// XP, 2003 and Vista on: NT line, version 5.1, 5.2 or 6.anything.
bool IsWinXP(const VersionQuery& query);

// The running system as the error log prints it.
struct OSVersionInfo {
    int32_t PlatformID = 0;
    std::wstring OSName, Version, ServicePack, Build;
};

// Fills `info` from the query; leaves it unchanged when the query fails.
void GetOSVersion(OSVersionInfo& info, const VersionQuery& query);

}  // namespace tpr
