// The text handling of the file dialog class (CFileDialog): the filter list
// handed to the platform and the splitting of a multiple selection.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tpr {

// "All Files (*.*)", NUL, "*.*", NUL, NUL: the filter of a dialog given none.
std::wstring DefaultFilter();

// A mask of names and patterns separated by "|" (JPEG (*.jpg)|*.jpg) as the
// platform's NUL-separated list, ended by two NULs; blanks around the mask
// are dropped. An empty mask gives an empty text.
std::wstring ConvertFilter(const std::wstring& mask);

struct MultiSelection {
    std::wstring path;                // the folder, when several files were chosen; else empty
    std::vector<std::wstring> files;  // full paths, in the dialog's order
};

// The files of a dialog result. `file` is the result buffer, `fileOffset` and
// `extensionOffset` the platform's offsets into it (in UTF-16 characters);
// names follow the folder separated by NUL (Explorer-style dialogs) or by a
// blank. One chosen file (extensionOffset not 0) gives its full path alone.
// Nothing for an empty buffer or an offset that does not fit it.
std::optional<MultiSelection> SplitMultiSelection(const std::wstring& file, int32_t fileOffset,
                                                  int32_t extensionOffset, bool explorerSeparator);

}  // namespace tpr
