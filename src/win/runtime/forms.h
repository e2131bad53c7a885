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

void AddLoadedForm(const std::wstring& name, HWND hwnd);
void RemoveLoadedForm(HWND hwnd);
std::vector<LoadedForm> LoadedForms();

}  // namespace tpr::win
