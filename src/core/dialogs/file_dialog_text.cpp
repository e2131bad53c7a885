// CFileDialog's filter list and the file names a selection returns.
#include "core/dialogs/file_dialog_text.h"

#include <algorithm>

#include "core/runtime/text_helpers.h"

namespace tpr {
namespace {

using namespace std::string_literals;

std::wstring UpToFirstNul(const std::wstring& text) { return text.substr(0, text.find(L'\0')); }

}  // namespace

std::wstring DefaultFilter() { return L"All Files (*.*)\0*.*\0\0"s; }

std::wstring ConvertFilter(const std::wstring& mask) {
    if (mask.empty()) return {};
    std::wstring filter(TrimBlanks(mask));
    std::replace(filter.begin(), filter.end(), L'|', L'\0');
    return filter + L"\0\0"s;
}

std::optional<MultiSelection> SplitMultiSelection(const std::wstring& file, int32_t fileOffset,
                                                  int32_t extensionOffset, bool explorerSeparator) {
    if (file.empty()) return std::nullopt;
    MultiSelection selection;
    if (extensionOffset != 0) {
        selection.files.push_back(UpToFirstNul(file));
        return selection;
    }
    // The folder ends just before the first name, at its separator; a
    // selection needs at least one name after it.
    if (fileOffset < 1 || static_cast<size_t>(fileOffset) >= file.size()) return std::nullopt;
    selection.path = file.substr(0, fileOffset - 1);
    const std::wstring folder =
        selection.path.empty() || selection.path.back() != L'\\' ? selection.path + L'\\' : selection.path;

    // Blank-separated names end with the first NUL; NUL-separated ones with an
    // empty name, the closing double NUL. The end of the text ends the last
    // name too, so that a name without its NUL is not lost.
    const wchar_t separator = explorerSeparator ? L'\0' : L' ';
    const size_t end = explorerSeparator ? file.size() : std::min(file.find(L'\0', fileOffset), file.size());
    size_t pos = static_cast<size_t>(fileOffset);
    while (pos < end) {
        const size_t next = std::min(file.find(separator, pos), end);
        if (next == pos) break;
        selection.files.push_back(folder + file.substr(pos, next - pos));
        pos = next + 1;
    }
    return selection;
}

}  // namespace tpr
