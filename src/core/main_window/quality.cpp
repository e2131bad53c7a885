#include "core/main_window/quality.h"

#include <algorithm>

#include "core/runtime/conversions.h"
#include "core/runtime/text_helpers.h"

namespace tpr {

int16_t QualityFromStoredText(const std::wstring& stored) {
    const std::wstring_view digits = TrimBlanks(stored);
    if (digits.empty()) return kDefaultJpegQuality;
    int value = 0;
    for (const wchar_t c : digits) {
        if (c < L'0' || c > L'9') return kDefaultJpegQuality;
        value = value * 10 + (c - L'0');
        if (value > 100) return kDefaultJpegQuality;
    }
    return static_cast<int16_t>(value);
}

int QualityListInitialEntry(int16_t quality) { return std::clamp(quality / 10, 1, 10); }

const std::array<const wchar_t*, 10>& QualityListEntries() {
    static constexpr std::array<const wchar_t*, 10> kEntries = {L"10", L"20", L"30", L"40", L"50",
                                                                L"60", L"70", L"80", L"90", L"100"};
    return kEntries;
}

int16_t QualityFromListText(const std::wstring& text) { return TextToInteger(text); }

}  // namespace tpr
