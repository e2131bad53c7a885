// The photo path a start-up command line names, by its extension.
#include "core/app/command_line.h"

#include <algorithm>
#include <array>

#include "core/common/path_helpers.h"
#include "core/runtime/text_helpers.h"

namespace tpr {

std::optional<std::wstring> PhotoPathFromCommandLine(const std::wstring& arguments) {
    if (arguments.empty() || arguments.find(L"\" \"") != std::wstring::npos) return std::nullopt;

    std::wstring path = arguments;
    path.erase(std::remove(path.begin(), path.end(), L'"'), path.end());

    // Cameras write IMG_0001.JPG: the extension is matched in any letter case.
    // The shell hands over every extension the program is offered for. The
    // formats it knows but cannot open count too, so that it can say so.
    static constexpr std::array<const wchar_t*, 11> kPhotoExtensions = {
        L".jpg", L".jpeg", L".bmp", L".gif", L".png", L".tif", L".tiff", L".webp", L".heic", L".heif", L".avif"};
    const std::wstring extension = AsciiLower(Spliting(path, L"."));
    const bool isPhoto = std::any_of(kPhotoExtensions.begin(), kPhotoExtensions.end(),
                                     [&](const wchar_t* known) { return extension == known; });
    if (!isPhoto) return std::nullopt;
    return path;
}

}  // namespace tpr
