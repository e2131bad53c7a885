// The state of the file dialog class (CFileDialog) between the platform's
// calls: the dialog record with its text fields as UTF-16 buffers, how it is
// prepared before the dialog is shown, and what it holds afterwards. Only
// the call of the common dialog itself is left to the platform layer.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace tpr {

// Dialog modes.
inline constexpr int32_t kDialogModeOpen = 1;
inline constexpr int32_t kDialogModeSave = 2;

// Flags of the dialog record (the platform's values).
inline constexpr uint32_t kFlagsAllowMultiSelect = 0x200;
inline constexpr uint32_t kFlagsExplorer = 0x80000;
// Explorer look, file and path must exist, working folder kept, no read-only box.
inline constexpr uint32_t kOpenDialogFlags = 0x8180C;
// Explorer look, create and overwrite prompts, path must exist, working folder
// kept, no read-only box.
inline constexpr uint32_t kSaveDialogFlags = 0x8280E;

// The default flags of a mode: those of Open or Save, none for any other.
uint32_t DialogModeFlags(int32_t mode);

// The record handed to the common dialog, field by field. While the dialog
// runs, `file` and `fileTitle` are its result buffers: NUL padded to their
// capacity, which is their length. The dialog gets no custom filter: an empty
// one leaves some platforms' list of types empty, and the typed pattern it
// would bring back was never used.
struct FileDialogRecord {
    void* owner = nullptr;    // owner window
    std::wstring filter;      // the mask ("|" separated) until shown, then the platform's NUL list
    int32_t filterIndex = 0;  // 1-based
    std::wstring file;        // suggested name in, chosen path out
    std::wstring fileTitle;   // chosen file name without folder
    std::wstring initialDir;  // the Path property
    std::wstring title;
    uint32_t flags = 0;
    uint16_t fileOffset = 0;     // of the name in `file`, in UTF-16 characters
    uint16_t fileExtension = 0;  // of the extension (after its dot) in `file`
    std::wstring defaultExtension;
};

// Capacities of the result buffers, in characters.
inline constexpr size_t kFileBufferSize = 260;
inline constexpr size_t kMultiSelectFileBufferSize = 1024;
inline constexpr size_t kFileTitleBufferSize = 260;

// Gets the record ready for the dialog: an empty title buffer, the suggested
// name padded to the file buffer, the mask converted to the
// platform's list (or the default filter when there is none), and the mode's
// flags when none were set.
void PrepareForDialog(FileDialogRecord& record, int32_t mode);

// After a chosen file: the path, its folder (the Path, with its trailing
// backslash), its name and its extension taken out of the result buffers. A
// multiple selection keeps `file` whole for splitting.
void TakeDialogResults(FileDialogRecord& record);

// What reading FileName gives: the chosen path; with multiple selection the
// chosen files, or nothing when the selection cannot be split.
using FileNameValue = std::variant<std::monostate, std::wstring, std::vector<std::wstring>>;

// The value of FileName once the dialog has returned a choice. Splitting a
// multiple selection of several files also sets the Path to their folder.
FileNameValue ChosenFileName(FileDialogRecord& record);

// FileName's value as a path: empty for nothing; error 13 "Type mismatch"
// for a list of files.
std::wstring FileNameText(const FileNameValue& value);

}  // namespace tpr
