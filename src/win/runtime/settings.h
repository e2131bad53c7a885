// The per-user settings store: text values under
// HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<application>\<section>,
// the value name being the key.
#pragma once

#include <string>

namespace tpr::win {

// The stored text, or defaultValue when the value or its key is absent.
std::wstring GetSetting(const std::wstring& appName, const std::wstring& section, const std::wstring& key,
                        const std::wstring& defaultValue = {});

// Writes the text, creating the keys on the way; a failure raises a runtime
// error (the registry's reason in its last OS error).
void SaveSetting(const std::wstring& appName, const std::wstring& section, const std::wstring& key,
                 const std::wstring& value);

std::wstring SettingsKeyPath(const std::wstring& appName, const std::wstring& section);

}  // namespace tpr::win
