// The "mailto:" address with any parts: the escaped subject and body carry no
// blank, "&" or line break (a mail program would cut or split the address
// there) and decode back to exactly the text given; the other parts go in
// unchanged.
#include "core/errors/mail_explorer.h"
#include "fuzz_support.h"

namespace tpr::fuzz {
namespace {

int HexDigitValue(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return -1;
}

// Undoes "%XX" escapes; nothing when a "%" starts no complete escape.
std::optional<std::wstring> PercentDecoded(std::wstring_view escaped) {
    std::wstring text;
    for (size_t i = 0; i < escaped.size(); ++i) {
        if (escaped[i] != L'%') {
            text += escaped[i];
            continue;
        }
        if (i + 2 >= escaped.size()) return std::nullopt;
        const int high = HexDigitValue(escaped[i + 1]);
        const int low = HexDigitValue(escaped[i + 2]);
        if (high < 0 || low < 0) return std::nullopt;
        text += static_cast<wchar_t>(high * 16 + low);
        i += 2;
    }
    return text;
}

void CheckEscaped(std::wstring_view escaped, std::wstring_view original) {
    TPR_FUZZ_CHECK(escaped.find_first_of(L" &\r\n") == std::wstring_view::npos);
    TPR_FUZZ_CHECK(PercentDecoded(escaped) == original);
}

// The escaped text between `prefix` and `suffix` of `address`.
std::wstring_view Between(std::wstring_view address, std::wstring_view prefix, std::wstring_view suffix) {
    TPR_FUZZ_CHECK(StartsWith(address, prefix));
    TPR_FUZZ_CHECK(address.size() >= prefix.size() + suffix.size() && EndsWith(address, suffix));
    return address.substr(prefix.size(), address.size() - prefix.size() - suffix.size());
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
    const std::wstring cc = ConsumeText(input, 32);
    const std::wstring bcc = ConsumeText(input, 32);
    const std::wstring attachment = ConsumeText(input, 64);
    const std::wstring start = L"mailto:" + address;

    const std::wstring withSubject = BuildMailtoAddress(address, subject, L"", L"", L"", L"");
    if (subject.empty()) {
        TPR_FUZZ_CHECK(withSubject == start);
    } else {
        CheckEscaped(Between(withSubject, start + L"?Subject=", L""), subject);
    }

    const std::wstring withBody = BuildMailtoAddress(address, L"", body, L"", L"", L"");
    std::wstring_view escapedBody;
    if (body.empty()) {
        TPR_FUZZ_CHECK(withBody == start);
    } else {
        // The body always ends with a line break of its own.
        escapedBody = Between(withBody, start + L"?Body=", L"%0D%0A");
        CheckEscaped(escapedBody, body);
    }

    // All parts together: the first part after "?", the others after "&",
    // in the order subject, body, copy, blind copy, attachment.
    const std::wstring all = BuildMailtoAddress(address, subject, body, cc, bcc, attachment);
    std::wstring query;
    if (!subject.empty()) query += withSubject.substr(start.size());
    if (!body.empty()) query += L"&Body=" + std::wstring(escapedBody) + L"%0D%0A";
    if (!cc.empty()) query += L"&CC=" + cc;
    if (!bcc.empty()) query += L"&BCC=" + bcc;
    if (!attachment.empty()) query += L"&Attacth=\"" + attachment + L'"';
    if (!query.empty()) query[0] = L'?';
    TPR_FUZZ_CHECK(all == start + query);
    return 0;
}
