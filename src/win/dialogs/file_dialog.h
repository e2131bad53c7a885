// CFileDialog: the platform's common Open and Save dialogs behind a few
// properties. A fresh instance serves one use: set the properties, then read
// FileName, which shows the dialog. The wide dialog is used, so names outside
// the system code page come back intact and offsets count UTF-16 characters.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

#include "core/dialogs/file_dialog_record.h"

namespace tpr::win {

class CFileDialog {
public:
    // Extended error code of the last failed dialog (0 when cancelled).
    int32_t LastError() const { return lastError_; }
    int32_t FileOffset() const { return static_cast<int16_t>(record_.fileOffset); }
    int32_t ExtensionOffset() const { return static_cast<int16_t>(record_.fileExtension); }
    // The pattern the user typed, as a custom filter would bring it back: the
    // dialog is given none (see FileDialogRecord), so there is never one.
    std::wstring CustomFilter() const { return {}; }
    const std::wstring& FileTitle() const { return record_.fileTitle; }

    int32_t Flags() const { return static_cast<int32_t>(record_.flags); }
    void SetFlags(int32_t flags) { record_.flags = static_cast<uint32_t>(flags); }
    int32_t DialogMode() const { return mode_; }
    // Also sets the mode's default flags (none for a mode other than Open or Save).
    void SetDialogMode(int32_t mode);
    // Error 6 when the index the dialog left does not fit 16 bits.
    int16_t DefaultFilterIndex() const;
    void SetDefaultFilterIndex(int16_t index) { record_.filterIndex = index; }
    // Default extension, without its dot; after a choice, the chosen file's.
    const std::wstring& Extension() const { return record_.defaultExtension; }
    void SetExtension(std::wstring extension) { record_.defaultExtension = std::move(extension); }
    HWND hwndOwner() const { return static_cast<HWND>(record_.owner); }
    void SethwndOwner(HWND owner) { record_.owner = owner; }
    const std::wstring& Title() const { return record_.title; }
    void SetTitle(std::wstring title) { record_.title = std::move(title); }
    // Initial folder; after a choice, the chosen file's folder with its trailing backslash.
    const std::wstring& Path() const { return record_.initialDir; }
    void SetPath(std::wstring path) { record_.initialDir = std::move(path); }
    // Names and patterns separated by "|": JPEG (*.jpg)|*.jpg.
    const std::wstring& Mask() const { return record_.filter; }
    void SetMask(std::wstring mask) { record_.filter = std::move(mask); }

    // The suggested name. A value of any other kind leaves it as it was.
    void SetFileName(std::wstring_view name) { record_.file = name; }
    template <class Other, std::enable_if_t<!std::is_convertible_v<const Other&, std::wstring_view>, int> = 0>
    void SetFileName(const Other&) {}

    // Shows the dialog, each time it is read. The chosen path (a list with
    // multiple selection); the empty string when the user cancelled or the
    // dialog failed, which also clears every property but DialogMode and
    // LastError.
    FileNameValue FileName();

    // The file's title as the platform would show it.
    static std::wstring GetFileTitle(const std::wstring& fileName);

private:
    bool ShowDialog();

    FileDialogRecord record_;
    int32_t mode_ = 0;
    int32_t lastError_ = 0;
};

}  // namespace tpr::win
