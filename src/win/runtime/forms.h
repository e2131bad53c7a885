// The collection of loaded forms: every top-level window of the program that
// has a form name, in the order they were loaded.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace tpr::win {

struct LoadedForm {
    std::wstring name;
    HWND hwnd;
};

// A form as procedures receive it: its window, and its form name, which is
// how error reports print it ("{Form11}").
struct FormRef {
    HWND hwnd = nullptr;
    const wchar_t* name = L"";
};
inline std::wstring ErrTypeName(const FormRef& form) { return form.name; }

void AddLoadedForm(const std::wstring& name, HWND hwnd);
void RemoveLoadedForm(HWND hwnd);
std::vector<LoadedForm> LoadedForms();

}  // namespace tpr::win
