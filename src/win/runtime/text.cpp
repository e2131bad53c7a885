// Conversions between UTF-16 and the system code page.
#include "win/runtime/text.h"

#include <windows.h>

namespace tpr::win {

std::wstring ToWide(std::string_view narrow) {
    if (narrow.empty()) return {};
    const int size = ::MultiByteToWideChar(CP_ACP, 0, narrow.data(), static_cast<int>(narrow.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(size), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, narrow.data(), static_cast<int>(narrow.size()), wide.data(), size);
    return wide;
}

std::string ToNarrow(std::wstring_view wide) {
    if (wide.empty()) return {};
    const int size =
        ::WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(size), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), narrow.data(), size, nullptr,
                          nullptr);
    return narrow;
}

std::wstring WindowText(void* hwnd) {
    const auto window = static_cast<HWND>(hwnd);
    const int length = ::GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied));
    return text;
}

}  // namespace tpr::win
