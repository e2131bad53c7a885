// Replacing every occurrence of a text, left to right.
#include "core/runtime/text_replace.h"

#include <cassert>

namespace tpr {

void ReplaceAll(std::wstring& text, std::wstring_view from, std::wstring_view to) {
    assert(!from.empty());
    for (size_t at = text.find(from); at != std::wstring::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

}  // namespace tpr
