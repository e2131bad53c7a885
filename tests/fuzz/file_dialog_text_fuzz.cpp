// The file dialog's multiple selection with any result buffer: the folder and exactly the names that
// follow it up to the first empty one, whatever offset the platform reports. The one-file case (a
// nonzero extension offset) is pinned by the core table.
#include "core/dialogs/file_dialog_text.h"
#include "fuzz_support.h"

namespace tpr::fuzz {
namespace {

void CheckSelection(const std::wstring& file, int32_t fileOffset, bool explorer) {
    const std::optional<MultiSelection> selection = SplitMultiSelection(file, fileOffset, 0, explorer);
    TPR_FUZZ_CHECK(selection.has_value() ==
                   (fileOffset >= 1 && static_cast<size_t>(fileOffset) < file.size()));
    if (!selection) return;
    TPR_FUZZ_CHECK(selection->path == file.substr(0, fileOffset - 1));
    const std::wstring folder = EndsWith(selection->path, L"\\") ? selection->path : selection->path + L'\\';

    // The names, each behind the folder, stand one after the other from the
    // offset, none empty and none holding a separator...
    const wchar_t separator = explorer ? L'\0' : L' ';
    std::wstring names;
    for (const std::wstring& chosen : selection->files) {
        TPR_FUZZ_CHECK(StartsWith(chosen, folder) && chosen.size() > folder.size());
        const std::wstring name = chosen.substr(folder.size());
        TPR_FUZZ_CHECK(name.find(L'\0') == std::wstring::npos && name.find(separator) == std::wstring::npos);
        names += (names.empty() ? L"" : std::wstring(1, separator)) + name;
    }
    TPR_FUZZ_CHECK(file.compare(fileOffset, names.size(), names) == 0);
    // ... and the list ends at an empty name or, blank-separated, at a NUL.
    size_t end = fileOffset + names.size();
    if (!names.empty() && end < file.size() && file[end] == separator) ++end;
    TPR_FUZZ_CHECK(end >= file.size() || file[end] == L'\0' || file[end] == separator);
}

}  // namespace
}  // namespace tpr::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tpr::fuzz;
    FuzzedDataProvider input(data, size);
    const std::wstring file = ConsumeText(input, 1024);
    // Mostly offsets inside the buffer, as the platform reports them; now
    // and then any 16-bit value, sign-extended as the dialog record holds it.
    const int32_t fileOffset =
        input.ConsumeBool() ? input.ConsumeIntegralInRange<int32_t>(-1, static_cast<int32_t>(file.size()) + 1)
                            : input.ConsumeIntegral<int16_t>();
    const bool explorer = input.ConsumeBool();

    CheckSelection(file, fileOffset, explorer);
    return 0;
}
