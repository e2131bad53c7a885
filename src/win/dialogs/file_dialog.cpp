// CFileDialog: the platform's Open and Save dialogs.
#include "win/dialogs/file_dialog.h"

#include <commdlg.h>

#include <cstddef>

#include "core/runtime/runtime_error.h"

namespace tpr::win {
namespace {

// The record as Windows 2000 and older systems know it, without the fields
// added later, so that every supported system accepts it.
constexpr DWORD kRecordSize = offsetof(OPENFILENAMEW, lpTemplateName) + sizeof(OPENFILENAMEW::lpTemplateName);
#ifndef _WIN64
static_assert(kRecordSize == 76);
#endif

// An empty text is no text for the dialog: its own title, no default extension.
const wchar_t* TextOrNull(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

}  // namespace

void CFileDialog::SetDialogMode(int32_t mode) {
    mode_ = mode;
    record_.flags = DialogModeFlags(mode);
}

int16_t CFileDialog::DefaultFilterIndex() const {
    if (record_.filterIndex < INT16_MIN || record_.filterIndex > INT16_MAX) Raise(kErrOverflow);
    return static_cast<int16_t>(record_.filterIndex);
}

FileNameValue CFileDialog::FileName() {
    if (!ShowDialog()) return std::wstring();
    return ChosenFileName(record_);
}

bool CFileDialog::ShowDialog() {
    PrepareForDialog(record_, mode_);
    lastError_ = 0;
    BOOL chosen = FALSE;
    OPENFILENAMEW dialog{};
    if (mode_ == kDialogModeOpen || mode_ == kDialogModeSave) {
        dialog.lStructSize = kRecordSize;
        dialog.hwndOwner = hwndOwner();
        dialog.lpstrFilter = record_.filter.c_str();
        // Index 0 would ask for the custom filter, which there is none of;
        // index 1 is the first filter everywhere.
        dialog.nFilterIndex = record_.filterIndex == 0 ? 1 : static_cast<DWORD>(record_.filterIndex);
        dialog.lpstrFile = record_.file.data();
        dialog.nMaxFile = static_cast<DWORD>(record_.file.size());
        dialog.lpstrFileTitle = record_.fileTitle.data();
        dialog.nMaxFileTitle = static_cast<DWORD>(record_.fileTitle.size());
        dialog.lpstrInitialDir = TextOrNull(record_.initialDir);
        dialog.lpstrTitle = TextOrNull(record_.title);
        dialog.Flags = record_.flags;
        dialog.lpstrDefExt = TextOrNull(record_.defaultExtension);
        chosen = mode_ == kDialogModeOpen ? ::GetOpenFileNameW(&dialog) : ::GetSaveFileNameW(&dialog);
        if (!chosen) lastError_ = static_cast<int32_t>(::CommDlgExtendedError());
    }
    if (!chosen) {
        record_ = FileDialogRecord{};
        return false;
    }
    record_.filterIndex = static_cast<int32_t>(dialog.nFilterIndex);
    record_.flags = dialog.Flags;
    record_.fileOffset = dialog.nFileOffset;
    record_.fileExtension = dialog.nFileExtension;
    TakeDialogResults(record_);
    return true;
}

std::wstring CFileDialog::GetFileTitle(const std::wstring& fileName) {
    std::wstring title(255, L'\0');
    ::GetFileTitleW(fileName.c_str(), title.data(), static_cast<WORD>(title.size()));
    return title.substr(0, title.find(L'\0'));
}

}  // namespace tpr::win
