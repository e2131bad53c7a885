// Whether the file manager can be opened on a path: drive, disk and file.
#include "win/errors/drives.h"

#include "core/common/ui_texts.h"
#include "core/errors/mail_explorer.h"
#include "core/errors/trap.h"
#include "core/runtime/runtime_error.h"
#include "win/common/file_system.h"
#include "win/runtime/message_box.h"

namespace tpr::win {

DriveQueries& Drives() {
    static DriveQueries queries;
    return queries;
}

bool FileManager(const std::wstring& pName) {
    return err::LeafTrap(
        L"mDrive.FileManager(pName)",
        [&] {
            const auto driveNames = GetDriveNames();
            // Without a list there is nothing to look the drive up in.
            if (!driveNames) Raise(kErrSubscriptOutOfRange);
            const err::FileManagerVerdict verdict = err::CheckFileManagerPath(
                pName, *driveNames,
                [](const std::wstring& drive) {
                    return GetDriveInfo(drive, err::kDriveInfoVolumeName).has_value();
                },
                [](std::wstring_view path) { return FolderExist(std::wstring(path)); });
            const std::wstring* message = nullptr;
            switch (verdict) {
                case err::FileManagerVerdict::Ok:
                    return true;
                case err::FileManagerVerdict::DriveNotPresent:
                    message = &texts::DriveNotPresentText;
                    break;
                case err::FileManagerVerdict::NoDisk:
                    message = &texts::NoDiskText;
                    break;
                case err::FileManagerVerdict::FileNotFound:
                    message = &texts::FileNotFoundText;
                    break;
            }
            MsgBox(*message, MB_ICONSTOP | MB_OK, ::GetActiveWindow());
            return false;
        },
        pName);
}

std::optional<std::vector<std::wstring>> GetDriveNames() {
    return err::LeafTrap(L"mDrive.GetDriveNames()", [&]() -> std::optional<std::vector<std::wstring>> {
        const DWORD needed = Drives().logicalDriveStrings(0, nullptr);
        std::wstring buffer(needed, L'\0');
        if (Drives().logicalDriveStrings(needed, buffer.data()) == 0) return std::nullopt;
        return err::SplitDriveStrings(buffer);
    });
}

std::optional<std::wstring> GetDriveInfo(const std::wstring& strDrive, int16_t iType) {
    return err::LeafTrap(
        L"mDrive.GetDriveInfo(strDrive,iType)",
        [&]() -> std::optional<std::wstring> {
            constexpr DWORD kNameLength = 256;
            wchar_t volumeName[kNameLength] = {};
            wchar_t fileSystemName[kNameLength] = {};
            DWORD serial = 0, maximumComponentLength = 0, flags = 0;
            if (!Drives().volumeInformation(strDrive.c_str(), volumeName, kNameLength, &serial,
                                            &maximumComponentLength, &flags, fileSystemName, kNameLength)) {
                return std::nullopt;
            }
            return err::DriveInfoItem({volumeName, serial, fileSystemName}, iType);
        },
        strDrive, iType);
}

}  // namespace tpr::win
