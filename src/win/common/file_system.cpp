// Existence tests, the loaded-window test and the special folders (module mSpecialFolders).
#include "win/common/file_system.h"

#include <windows.h>
#include <shlobj.h>

#include "core/errors/trap.h"
#include "win/runtime/forms.h"
#include "win/runtime/unique_any.h"

namespace tpr::win {

// The search is the wide one, so that folders named outside the system code
// page (a user name in another script) are found too.
bool FileExist(const std::wstring& FilePath) {
    return err::LeafTrap(L"mMain.FileExist(FilePath)", [&] {
        WIN32_FIND_DATAW found;
        const UniqueFind search(::FindFirstFileW(FilePath.c_str(), &found));
        return static_cast<bool>(search);
    }, FilePath);
}

bool FolderExist(const std::wstring& folderPath) {
    return err::LeafTrap(L"mMain.FolderExist(folderPath)", [&] {
        return folderPath.size() == 3 || FileExist(folderPath);
    }, folderPath);
}

bool isLoad(const std::wstring& sFormName) {
    return err::LeafTrap(L"mMain.isLoad(sFormName)", [&] {
        for (const LoadedForm& form : LoadedForms()) {
            if (form.name == sFormName) return true;
        }
        return false;
    }, sFormName);
}

std::wstring GetSpecialFolder(void* hwnd, int folder) {
    wchar_t buffer[MAX_PATH] = {};
    const auto owner = static_cast<HWND>(hwnd);
    if (::SHGetSpecialFolderPathW(owner, buffer, folder, FALSE) && buffer[0] != L'\0') return buffer;

    UniqueCoTaskMem itemList;
    LPITEMIDLIST items = nullptr;
    if (::SHGetSpecialFolderLocation(owner, folder, &items) == S_OK && items) {
        itemList.reset(items);
        if (::SHGetPathFromIDListW(items, buffer)) return buffer;
    }
    return {};
}

}  // namespace tpr::win
