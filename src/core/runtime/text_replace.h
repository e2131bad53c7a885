// Replacing every occurrence of a text, left to right, as the classic
// runtime's Replace does: replaced text is never scanned again, so a
// replacement that contains the searched text cannot loop.
#pragma once

#include <string>
#include <string_view>

namespace tpr {

// Replaces every occurrence of `from` (not empty) in `text` by `to`.
void ReplaceAll(std::wstring& text, std::wstring_view from, std::wstring_view to);

}  // namespace tpr
