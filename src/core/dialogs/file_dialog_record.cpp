// The state of CFileDialog between the platform's dialog calls.
#include "core/dialogs/file_dialog_record.h"

#include <algorithm>

#include "core/dialogs/file_dialog_text.h"
#include "core/runtime/runtime_error.h"

namespace tpr {
namespace {

std::wstring UpToFirstNul(const std::wstring& text) { return text.substr(0, text.find(L'\0')); }

}  // namespace

uint32_t DialogModeFlags(int32_t mode) {
    switch (mode) {
        case kDialogModeOpen:
            return kOpenDialogFlags;
        case kDialogModeSave:
            return kSaveDialogFlags;
        default:
            return 0;
    }
}

void PrepareForDialog(FileDialogRecord& record, int32_t mode) {
    record.fileTitle.assign(kFileTitleBufferSize, L'\0');
    // A suggested name longer than the buffer keeps its full length and one
    // NUL after it, so the platform never reads past what it was given.
    const size_t bufferSize =
        (record.flags & kFlagsAllowMultiSelect) ? kMultiSelectFileBufferSize : kFileBufferSize;
    record.file = UpToFirstNul(record.file);
    record.file.resize(std::max(bufferSize, record.file.size() + 1), L'\0');
    record.filter = record.filter.empty() ? DefaultFilter() : ConvertFilter(record.filter);
    if (record.flags == 0) record.flags = DialogModeFlags(mode);
}

void TakeDialogResults(FileDialogRecord& record) {
    if (record.flags & kFlagsAllowMultiSelect) {
        record.fileTitle.clear();
    } else {
        record.file = UpToFirstNul(record.file);
        record.initialDir = record.file.substr(0, std::min<size_t>(record.fileOffset, record.file.size()));
        record.fileTitle = UpToFirstNul(record.fileTitle);
        // Offset 0 means a name ending in a dot: no extension, not the whole path.
        record.defaultExtension =
            record.fileExtension == 0
                ? std::wstring()
                : record.file.substr(std::min<size_t>(record.fileExtension, record.file.size()));
    }
}

FileNameValue ChosenFileName(FileDialogRecord& record) {
    if (!(record.flags & kFlagsAllowMultiSelect)) return record.file;
    const auto selection =
        SplitMultiSelection(record.file, static_cast<int16_t>(record.fileOffset),
                            static_cast<int16_t>(record.fileExtension), (record.flags & kFlagsExplorer) != 0);
    if (!selection) return std::monostate{};
    if (record.fileExtension == 0) record.initialDir = selection->path;
    return selection->files;
}

std::wstring FileNameText(const FileNameValue& value) {
    if (std::holds_alternative<std::vector<std::wstring>>(value)) Raise(kErrTypeMismatch);
    if (const auto* path = std::get_if<std::wstring>(&value)) return *path;
    return {};
}

}  // namespace tpr
