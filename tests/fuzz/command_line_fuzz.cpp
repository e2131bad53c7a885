// The command-line rule with any argument string: a photo is named exactly
// when the arguments are not empty, hold no quote-blank-quote of several
// dropped files, and end, once every double quote is gone, in .jpg, .jpeg,
// .bmp, .gif, .png, .tif, .tiff, .webp, .heic, .heif or .avif in any letter case; the path is then the arguments without quotes.
#include <algorithm>

#include "core/app/command_line.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tpr::fuzz;
    const std::wstring arguments = DecodeText({reinterpret_cast<const char*>(data), size});
    const std::optional<std::wstring> photo = tpr::PhotoPathFromCommandLine(arguments);

    std::wstring unquoted = arguments;
    unquoted.erase(std::remove(unquoted.begin(), unquoted.end(), L'"'), unquoted.end());
    std::wstring lower = unquoted;
    for (wchar_t& c : lower) c = c >= L'A' && c <= L'Z' ? c - L'A' + L'a' : c;
    const auto endsIn = [&](std::wstring_view ending) {
        return lower.size() >= ending.size() && lower.compare(lower.size() - ending.size(), ending.size(), ending) == 0;
    };
    const bool namesPhoto = arguments.find(L"\" \"") == std::wstring::npos &&
                            (endsIn(L".jpg") || endsIn(L".jpeg") || endsIn(L".bmp") || endsIn(L".gif") ||
                             endsIn(L".png") || endsIn(L".tif") || endsIn(L".tiff") || endsIn(L".webp") ||
                             endsIn(L".heic") || endsIn(L".heif") || endsIn(L".avif"));
    TPR_FUZZ_CHECK(photo.has_value() == namesPhoto);
    TPR_FUZZ_CHECK(!photo || *photo == unquoted);
    return 0;
}
