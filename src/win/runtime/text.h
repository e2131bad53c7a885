// The one place where text changes encoding: UTF-16 for everything the
// program shows, stores and opens; the system code page for the few narrow
// calls and the error log.
#pragma once

#include <string>
#include <string_view>

namespace tpr::win {

std::wstring ToWide(std::string_view narrow);  // from the system code page
std::string ToNarrow(std::wstring_view wide);  // to the system code page

// Text of a window or control.
std::wstring WindowText(void* hwnd);

}  // namespace tpr::win
