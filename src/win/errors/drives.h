// Whether the file manager can be opened on a path: the drive, its disk and
// the file must be there (module mDrive).
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tpr::win {

// True when the path can be shown. Otherwise the user has been told why: the
// drive is not present, there is no disk in it, or the file is not found.
bool FileManager(const std::wstring& pName);

// The root paths of all logical drives ("C:\", "D:\"), or no list at all
// when the system will not tell.
std::optional<std::vector<std::wstring>> GetDriveNames();

// Item iType (1 serial number, 2 volume name, 3 file system) of the volume
// at the root path strDrive; nothing when the volume cannot be read.
std::optional<std::wstring> GetDriveInfo(const std::wstring& strDrive, int16_t iType);

// The system's drive queries. Tests put their own in to take a drive list or
// a disk away.
struct DriveQueries {
    DWORD(WINAPI* logicalDriveStrings)(DWORD length, LPWSTR buffer) = &::GetLogicalDriveStringsW;
    BOOL(WINAPI* volumeInformation)
    (LPCWSTR root, LPWSTR volumeName, DWORD volumeNameSize, LPDWORD serial, LPDWORD maximumComponentLength,
     LPDWORD fileSystemFlags, LPWSTR fileSystemName, DWORD fileSystemNameSize) = &::GetVolumeInformationW;
};
DriveQueries& Drives();

}  // namespace tpr::win
