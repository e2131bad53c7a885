// The "mailto:" address with any subject and body: each is escaped so that it carries no blank, "&" or
// line break (a mail program would cut or split the address there) and decodes back to exactly the
// text given; the body ends with a line break of its own.
#include "core/errors/mail_explorer.h"
#include "fuzz_support.h"

namespace tpr::fuzz {
namespace {

// Undoes "%XX" escapes; nothing when a "%" starts no complete escape.
std::optional<std::wstring> PercentDecoded(std::wstring_view escaped) {
    const auto hex = [](wchar_t c) {
        return c >= L'0' && c <= L'9' ? c - L'0' : c >= L'A' && c <= L'F' ? c - L'A' + 10 : -1;
    };
    std::wstring text;
    for (size_t i = 0; i < escaped.size(); ++i) {
        if (escaped[i] != L'%') {
            text += escaped[i];
        } else if (i + 2 < escaped.size() && hex(escaped[i + 1]) >= 0 && hex(escaped[i + 2]) >= 0) {
            text += static_cast<wchar_t>(hex(escaped[i + 1]) * 16 + hex(escaped[i + 2]));
            i += 2;
        } else {
            return std::nullopt;
        }
    }
    return text;
}

// `address` is `prefix`, `text` escaped, then `suffix`; or just the bare address when there is no text.
void CheckEscaped(std::wstring_view address, std::wstring_view bare, std::wstring_view prefix,
                  const std::wstring& text, std::wstring_view suffix) {
    if (text.empty()) {
        TPR_FUZZ_CHECK(address == bare);
        return;
    }
    const std::wstring start = std::wstring(bare) + std::wstring(prefix);
    TPR_FUZZ_CHECK(address.size() >= start.size() + suffix.size() && StartsWith(address, start) &&
                   EndsWith(address, suffix));
    const std::wstring_view escaped =
        address.substr(start.size(), address.size() - start.size() - suffix.size());
    TPR_FUZZ_CHECK(escaped.find_first_of(L" &\r\n") == std::wstring_view::npos);
    TPR_FUZZ_CHECK(PercentDecoded(escaped) == text);
}

}  // namespace
}  // namespace tpr::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tpr::fuzz;
    using tpr::err::BuildMailtoAddress;
    FuzzedDataProvider input(data, size);
    const std::wstring address = ConsumeText(input, 64);
    const std::wstring subject = ConsumeText(input);
    const std::wstring body = ConsumeText(input);
    const std::wstring bare = L"mailto:" + address;

    CheckEscaped(BuildMailtoAddress(address, subject, L"", L"", L"", L""), bare, L"?Subject=", subject, L"");
    CheckEscaped(BuildMailtoAddress(address, L"", body, L"", L"", L""), bare, L"?Body=", body, L"%0D%0A");
    return 0;
}
