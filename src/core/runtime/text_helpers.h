// Small text operations shared by the core's rules.
#pragma once

#include <string>
#include <string_view>

namespace tpr {

// The text with A to Z turned into a to z; every other character unchanged,
// so matching the program's own ASCII keywords (file extensions) does not
// depend on the user's locale.
std::wstring AsciiLower(std::wstring text);

// The text without the blanks (spaces only) at either end.
std::wstring_view TrimBlanks(std::wstring_view text);

}  // namespace tpr
