// GetSetting and SaveSetting: the per-user settings store.
#include "win/runtime/settings.h"

#include <windows.h>

#include "core/runtime/runtime_error.h"
#include "win/runtime/unique_any.h"

namespace tpr::win {

std::wstring SettingsKeyPath(const std::wstring& appName, const std::wstring& section) {
    return L"Software\\VB and VBA Program Settings\\" + appName + L"\\" + section;
}

std::wstring GetSetting(const std::wstring& appName, const std::wstring& section, const std::wstring& key,
                        const std::wstring& defaultValue) {
    UniqueHkey hkey;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, SettingsKeyPath(appName, section).c_str(), 0, KEY_QUERY_VALUE,
                        hkey.put()) != ERROR_SUCCESS) {
        return defaultValue;
    }
    DWORD type = 0, bytes = 0;
    if (::RegQueryValueExW(hkey.get(), key.c_str(), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return defaultValue;
    }
    std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    if (::RegQueryValueExW(hkey.get(), key.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(value.data()),
                           &bytes) != ERROR_SUCCESS) {
        return defaultValue;
    }
    value.resize(wcsnlen(value.c_str(), value.size()));
    return value;
}

void SaveSetting(const std::wstring& appName, const std::wstring& section, const std::wstring& key,
                 const std::wstring& value) {
    UniqueHkey hkey;
    LONG status = ::RegCreateKeyExW(HKEY_CURRENT_USER, SettingsKeyPath(appName, section).c_str(), 0, nullptr, 0,
                                    KEY_SET_VALUE, nullptr, hkey.put(), nullptr);
    if (status == ERROR_SUCCESS) {
        status = ::RegSetValueExW(hkey.get(), key.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                  static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }
    if (status != ERROR_SUCCESS) {
        ::SetLastError(static_cast<DWORD>(status));
        Raise(kErrInvalidCall);
    }
}

}  // namespace tpr::win
