// The command-line rule with any argument string: a photo is named exactly
// when the arguments are not empty, hold no quote-blank-quote of several
// dropped files, and end, once every double quote is gone, in one of the
// photo extensions; the path is then the arguments without their quotes.
#include <algorithm>
#include <array>

#include "core/app/command_line.h"
#include "fuzz_error_services.h"
#include "fuzz_support.h"

namespace tpr::fuzz {
namespace {

bool SameLetterIgnoringAsciiCase(wchar_t c, wchar_t lower) {
    return c == lower || (lower >= L'a' && lower <= L'z' && c == lower - L'a' + L'A');
}

bool EndsWithPhotoExtension(std::wstring_view path) {
    static constexpr std::array<std::wstring_view, 3> kExtensions = {L".jpg", L".bmp", L".gif"};
    return std::any_of(kExtensions.begin(), kExtensions.end(), [&](std::wstring_view extension) {
        if (path.size() < extension.size()) return false;
        const std::wstring_view tail = path.substr(path.size() - extension.size());
        return std::equal(tail.begin(), tail.end(), extension.begin(), SameLetterIgnoringAsciiCase);
    });
}

}  // namespace
}  // namespace tpr::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tpr::fuzz;
    const FakeErrorServices services;
    const std::wstring arguments = DecodeText({reinterpret_cast<const char*>(data), size});

    const std::optional<std::wstring> photo = tpr::PhotoPathFromCommandLine(arguments);

    std::wstring unquoted = arguments;
    unquoted.erase(std::remove(unquoted.begin(), unquoted.end(), L'"'), unquoted.end());
    const bool namesPhoto = !arguments.empty() && arguments.find(L"\" \"") == std::wstring::npos &&
                            EndsWithPhotoExtension(unquoted);
    TPR_FUZZ_CHECK(photo.has_value() == namesPhoto);
    TPR_FUZZ_CHECK(!photo || *photo == unquoted);
    return 0;
}
