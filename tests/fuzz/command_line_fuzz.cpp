// The command-line rule with any argument string: a photo is named exactly
// when the arguments are not empty, hold no quote-blank-quote of several
// dropped files, and end, once every double quote is gone, in .jpg, .bmp or
// .gif in any letter case; the path is then the arguments without quotes.
#include <algorithm>

#include "core/app/command_line.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tpr::fuzz;
    const std::wstring arguments = DecodeText({reinterpret_cast<const char*>(data), size});
    const std::optional<std::wstring> photo = tpr::PhotoPathFromCommandLine(arguments);

    std::wstring unquoted = arguments;
    unquoted.erase(std::remove(unquoted.begin(), unquoted.end(), L'"'), unquoted.end());
    std::wstring extension = unquoted.substr(unquoted.size() - std::min<size_t>(4, unquoted.size()));
    for (wchar_t& c : extension) c = c >= L'A' && c <= L'Z' ? c - L'A' + L'a' : c;
    const bool namesPhoto = arguments.find(L"\" \"") == std::wstring::npos &&
                            (extension == L".jpg" || extension == L".bmp" || extension == L".gif");
    TPR_FUZZ_CHECK(photo.has_value() == namesPhoto);
    TPR_FUZZ_CHECK(!photo || *photo == unquoted);
    return 0;
}
