// The collection of loaded forms.
#include "win/runtime/forms.h"

#include <algorithm>

namespace tpr::win {
namespace {

std::vector<LoadedForm>& Forms() {
    static std::vector<LoadedForm> forms;
    return forms;
}

}  // namespace

void AddLoadedForm(const std::wstring& name, HWND hwnd) { Forms().push_back({name, hwnd}); }

void RemoveLoadedForm(HWND hwnd) {
    auto& forms = Forms();
    forms.erase(std::remove_if(forms.begin(), forms.end(), [hwnd](const LoadedForm& f) { return f.hwnd == hwnd; }),
                forms.end());
}

std::vector<LoadedForm> LoadedForms() { return Forms(); }

}  // namespace tpr::win
