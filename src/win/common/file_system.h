// Existence tests, the loaded-window test and the shell's special folders.
#pragma once

#include <string>

namespace tpr::win {

// True when a file or folder matches the path (wildcards act as wildcards).
bool FileExist(const std::wstring& FilePath);
// As FileExist, but a three-character path (a drive root) is taken as present.
bool FolderExist(const std::wstring& folderPath);
// True when a form of exactly this name (case-sensitive) is loaded.
bool isLoad(const std::wstring& sFormName);
// The path of a shell special folder (5: the user's documents), or empty.
std::wstring GetSpecialFolder(void* hwnd, int folder);

}  // namespace tpr::win
