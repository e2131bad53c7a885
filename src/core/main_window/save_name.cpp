#include "core/main_window/save_name.h"

#include "core/common/path_helpers.h"
#include "core/runtime/text_helpers.h"

namespace tpr {

std::wstring SuggestedSaveName(const std::wstring& currentPhotoFileName) {
    if (currentPhotoFileName.empty()) return {};
    std::wstring extension = Spliting(currentPhotoFileName, L".");
    const std::wstring folded = AsciiLower(extension);
    if (folded != L".jpg" && folded != L".jpeg") extension = L".jpg";
    return SplitingFileName(currentPhotoFileName) + L"_resized" + extension;
}

}  // namespace tpr
