// The operating-system gate and description (module mOSVersion).
#include "core/common/os_version.h"

#include <cstring>
#include <optional>

#include "core/errors/trap.h"

namespace tpr {
namespace {

constexpr uint32_t kPlatformWin32s = 0;
constexpr uint32_t kPlatformWindows = 1;
constexpr uint32_t kPlatformNT = 2;

std::optional<VersionRecord> QueryVersion(const VersionQuery& query) {
    VersionRecord record;
    if (query(record) != 1) return std::nullopt;
    return record;
}

const wchar_t* OSName(const VersionRecord& v) {
    switch (v.platformId) {
        case kPlatformWin32s:
            return L"Win32s";
        case kPlatformWindows:
            if (v.minor == 0) return L"Windows 95";
            if (v.minor == 90) return L"Windows ME";
            return L"Windows 98";
        case kPlatformNT:
            if (v.major == 5 && v.minor == 0) return L"Windows 2000";
            if (v.major == 5 && v.minor == 1) return L"Windows XP";
            return L"Windows NT";
        default:
            return L"";
    }
}

// The service-pack text up to its NUL; none when the field holds no NUL.
// The platform writes these names in plain ASCII, so each byte is one
// character.
std::wstring ServicePackText(const VersionRecord& v) {
    const void* end = std::memchr(v.servicePack, '\0', sizeof v.servicePack);
    if (!end) return {};
    const auto* first = reinterpret_cast<const unsigned char*>(v.servicePack);
    return std::wstring(first, static_cast<const unsigned char*>(end));
}

}  // namespace

bool IsWin2000(const VersionQuery& query) {
    return err::LeafTrap(L"mOSVersion.IsWin2000", [&] {
        const auto v = QueryVersion(query);
        return v && v->platformId == kPlatformNT && v->major == 5 && v->minor == 0;
    });
}

bool IsWinXP(const VersionQuery& query) {
    return err::LeafTrap(L"mOSVersion.IsWinXP", [&] {
        const auto v = QueryVersion(query);
        return v && v->platformId == kPlatformNT &&
               ((v->major == 5 && (v->minor == 1 || v->minor == 2)) || v->major == 6);
    });
}

void GetOSVersion(OSVersionInfo& info, const VersionQuery& query) {
    const auto v = QueryVersion(query);
    if (!v) return;
    info.PlatformID = static_cast<int32_t>(v->platformId);
    info.OSName = OSName(*v);
    info.Version = std::to_wstring(v->major) + L"." + std::to_wstring(v->minor);
    info.Build = std::to_wstring(v->build & 65535u);
    info.ServicePack = ServicePackText(*v);
}

}  // namespace tpr
