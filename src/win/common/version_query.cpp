// The platform's narrow version query.
#include "win/common/version_query.h"

#include <windows.h>

#include <cstring>

namespace tpr::win {

int QueryVersionExA(VersionRecord& record) {
    OSVERSIONINFOA info{};
    static_assert(sizeof info == 148, "the narrow version record is 148 bytes");
    info.dwOSVersionInfoSize = sizeof info;
    const int result = ::GetVersionExA(&info);
    record.size = info.dwOSVersionInfoSize;
    record.major = info.dwMajorVersion;
    record.minor = info.dwMinorVersion;
    record.build = info.dwBuildNumber;
    record.platformId = info.dwPlatformId;
    std::memcpy(record.servicePack, info.szCSDVersion, sizeof record.servicePack);
    return result;
}

}  // namespace tpr::win
