// The JPEG quality: its stored setting and the command bar's quality list
// ("10" to "100", entries numbered from 1).
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tpr {

inline constexpr int16_t kDefaultJpegQuality = 70;

// The quality kept in the settings store: a whole number from 0 to 100
// (blanks around it allowed), else the default 70, so that an edited or
// damaged setting can neither stop the window from loading nor reach the
// encoder.
int16_t QualityFromStoredText(const std::wstring& stored);

// The list entry shown for a quality: its tens, held between entry 1 ("10")
// and entry 10 ("100"); 85 shows "80".
int QualityListInitialEntry(int16_t quality);

const std::array<const wchar_t*, 10>& QualityListEntries();

// The quality of the list's text, as a 16-bit integer: error 13 for a text
// that is no number, 6 for one out of range.
int16_t QualityFromListText(const std::wstring& text);

}  // namespace tpr
