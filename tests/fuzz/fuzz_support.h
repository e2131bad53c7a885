// What the fuzz targets share: bytes as UTF-16 texts, a check that stops the run, runtime errors apart.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "core/runtime/runtime_error.h"

namespace tpr::fuzz {

// One byte per character, so that short inputs reach the characters the program's text rules turn on:
//   0x00-0x0F  NUL \ . " | & CR LF % blank # ( ) , ? and the report's field marker (character 8)
//   0x7F       the next two bytes, high byte first, are any UTF-16 code unit (surrogates included)
//   others     that character (0x10-0x7E as ASCII, 0x80-0xFF as Latin-1)
inline std::wstring DecodeText(std::string_view bytes) {
    static constexpr wchar_t kSpecial[16] = {L'\0', L'\\', L'.', L'"', L'|', L'&', L'\r', L'\n',
                                             L'%',  L' ',  L'#', L'(', L')', L',', L'?',  L'\b'};
    std::wstring text;
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte < 0x10) {
            text += kSpecial[byte];
        } else if (byte == 0x7F && i + 2 < bytes.size()) {
            const auto high = static_cast<unsigned char>(bytes[i + 1]);
            const auto low = static_cast<unsigned char>(bytes[i + 2]);
            text += static_cast<wchar_t>(high << 8 | low);
            i += 2;
        } else {
            text += static_cast<wchar_t>(byte);
        }
    }
    return text;
}

// The next text of the input, ended as FuzzedDataProvider ends random-length strings (a lone backslash).
inline std::wstring ConsumeText(FuzzedDataProvider& input, size_t maxBytes = 512) {
    return DecodeText(input.ConsumeRandomLengthString(maxBytes));
}

[[noreturn]] inline void Violated(const char* property, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: property broken: %s\n", file, line, property);
    std::abort();
}

// Stops the run, so that the fuzzer keeps the input, when a promised property does not hold.
#define TPR_FUZZ_CHECK(property) ((property) ? (void)0 : ::tpr::fuzz::Violated(#property, __FILE__, __LINE__))

// The tpr::RuntimeError `call` raised, if any; any other exception stops the run.
template <class Call>
std::optional<RuntimeError> RaisedBy(Call&& call) {
    try {
        call();
    } catch (const RuntimeError& e) {
        return e;
    } catch (...) {
        Violated("only tpr::RuntimeError is raised", __FILE__, __LINE__);
    }
    return std::nullopt;
}

inline bool StartsWith(std::wstring_view text, std::wstring_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}
inline bool EndsWith(std::wstring_view text, std::wstring_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

}  // namespace tpr::fuzz
