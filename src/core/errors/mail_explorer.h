// The decisions behind the report dialog's links: the "mailto:" address that
// starts a message to technical support, the messages for a failed shell
// start, and whether the file manager can be opened on the log file. The
// Win32 side makes the platform calls and shows the messages.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/errors/error_services.h"

namespace tpr::err {

// The subject of a mail to technical support: "Tessaly Photo Resizer v2.0
// Error report". The revision is left out.
std::wstring ReportMailSubject(std::wstring_view appTitle, const AppVersion& version);

// "mailto:" with the address and a query of the non-empty parts: subject and
// body escaped ("&", blanks, line breaks, and "%" and "#", which would
// otherwise be decoded or cut the address), copy, blind copy and attachment
// as given.
std::wstring BuildMailtoAddress(std::wstring_view address, std::wstring_view subject, std::wstring_view body,
                                std::wstring_view cc, std::wstring_view bcc, std::wstring_view attachment);

// The message for a shell start result of 32 or less; nothing for codes
// without one.
std::optional<std::wstring> ShellErrorText(int32_t code);

enum class FileManagerVerdict {
    Ok,
    DriveNotPresent,  // DriveNotPresentText
    NoDisk,           // NoDiskText
    FileNotFound,     // FileNotFoundText
};

// Whether the file manager can show `path`: its drive (the first three
// characters, compared in upper case) must be among `driveNames`, the volume
// of that drive readable, and the path present. The probes are asked in that
// order and only as far as needed.
FileManagerVerdict CheckFileManagerPath(std::wstring_view path, const std::vector<std::wstring>& driveNames,
                                        const std::function<bool(const std::wstring& drive)>& volumeReadable,
                                        const std::function<bool(std::wstring_view path)>& pathExists);

// The root paths of a logical-drive list: NUL-separated, ended by an extra
// NUL ("C:\<NUL>D:\<NUL><NUL>").
std::vector<std::wstring> SplitDriveStrings(std::wstring_view buffer);

// A volume serial number as "1234-ABCD".
std::wstring FormatVolumeSerial(uint32_t serial);

// What the system tells about a readable volume; names up to their first NUL.
struct VolumeInformation {
    std::wstring volumeName;
    uint32_t serial = 0;
    std::wstring fileSystemName;
};

enum DriveInfoType : int16_t {
    kDriveInfoSerial = 1,
    kDriveInfoVolumeName = 2,
    kDriveInfoFileSystem = 3,
};

// The item `infoType` of a readable volume; nothing for an unknown type.
std::optional<std::wstring> DriveInfoItem(const VolumeInformation& volume, int16_t infoType);

}  // namespace tpr::err
