// The file dialog's texts with any mask and any result buffer: a converted
// filter is the mask without its outer blanks, "|" as NUL, ended by two
// NULs; a split selection is the folder and exactly the names that follow it
// in the buffer, whatever offsets the platform reports.
#include <algorithm>

#include "core/dialogs/file_dialog_text.h"
#include "fuzz_support.h"

namespace tpr::fuzz {
namespace {

using namespace std::string_literals;

void CheckFilter(const std::wstring& mask) {
    const std::wstring filter = ConvertFilter(mask);
    if (mask.empty()) {
        TPR_FUZZ_CHECK(filter.empty());
        return;
    }
    TPR_FUZZ_CHECK(EndsWith(filter, L"\0\0"s));
    const std::wstring_view list = std::wstring_view(filter).substr(0, filter.size() - 2);
    TPR_FUZZ_CHECK(list.find(L'|') == std::wstring_view::npos);
    TPR_FUZZ_CHECK(list.empty() || (list.front() != L' ' && list.back() != L' '));
    // The mask is blanks, the list with NUL for "|", blanks.
    std::wstring nulMask = mask;
    for (wchar_t& c : nulMask) {
        if (c == L'|') c = L'\0';
    }
    const size_t first = std::min(nulMask.find_first_not_of(L' '), nulMask.size());
    TPR_FUZZ_CHECK(nulMask.compare(first, list.size(), list) == 0);
    TPR_FUZZ_CHECK(nulMask.find_first_not_of(L' ', first + list.size()) == std::wstring::npos);
}

// Whether the name starting at `pos` is empty: the text ends, or a separator
// (or, for blank-separated names, the closing NUL) comes at once.
bool NameEndsAt(const std::wstring& file, size_t pos, bool explorerSeparator) {
    if (pos >= file.size()) return true;
    return file[pos] == L'\0' || (!explorerSeparator && file[pos] == L' ');
}

void CheckSelection(const std::wstring& file, int32_t fileOffset, int32_t extensionOffset,
                    bool explorerSeparator) {
    const std::optional<MultiSelection> selection =
        SplitMultiSelection(file, fileOffset, extensionOffset, explorerSeparator);
    if (file.empty()) {
        TPR_FUZZ_CHECK(!selection);
        return;
    }
    if (extensionOffset != 0) {
        TPR_FUZZ_CHECK(selection && selection->path.empty() && selection->files.size() == 1);
        TPR_FUZZ_CHECK(selection->files[0] == file.substr(0, file.find(L'\0')));
        return;
    }
    const bool offsetInside = fileOffset >= 1 && static_cast<size_t>(fileOffset) < file.size();
    TPR_FUZZ_CHECK(selection.has_value() == offsetInside);
    if (!selection) return;

    TPR_FUZZ_CHECK(selection->path == file.substr(0, fileOffset - 1));
    const std::wstring& path = selection->path;
    const std::wstring folder = EndsWith(path, L"\\") ? path : path + L'\\';
    // Walk the buffer from the first name: each file is the folder and the
    // next name, and the walk ends at the first empty name.
    size_t pos = static_cast<size_t>(fileOffset);
    for (const std::wstring& chosen : selection->files) {
        TPR_FUZZ_CHECK(StartsWith(chosen, folder));
        const std::wstring_view name = std::wstring_view(chosen).substr(folder.size());
        TPR_FUZZ_CHECK(!name.empty() && file.compare(pos, name.size(), name) == 0);
        for (const size_t end = pos + name.size(); pos < end; ++pos) {
            TPR_FUZZ_CHECK(!NameEndsAt(file, pos, explorerSeparator));
        }
        TPR_FUZZ_CHECK(NameEndsAt(file, pos, explorerSeparator));
        if (pos < file.size() && file[pos] == L'\0' && !explorerSeparator) return;  // the closing NUL
        ++pos;
    }
    TPR_FUZZ_CHECK(NameEndsAt(file, pos, explorerSeparator));
}

}  // namespace
}  // namespace tpr::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tpr::fuzz;
    FuzzedDataProvider input(data, size);
    const std::wstring mask = ConsumeText(input);
    const std::wstring file = ConsumeText(input, 1024);
    // Mostly offsets inside the buffer, as the platform reports them; now
    // and then any 16-bit value, sign-extended as the dialog record holds it.
    const int32_t fileOffset =
        input.ConsumeBool() ? input.ConsumeIntegralInRange<int32_t>(-1, static_cast<int32_t>(file.size()) + 1)
                            : input.ConsumeIntegral<int16_t>();
    const int32_t extensionOffset = input.ConsumeBool() ? 0 : input.ConsumeIntegral<int16_t>();
    const bool explorerSeparator = input.ConsumeBool();

    CheckFilter(mask);
    CheckSelection(file, fileOffset, extensionOffset, explorerSeparator);
    return 0;
}
