// Starting a mail to technical support and opening the file manager on the
// error log (module mCommon).
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "win/runtime/forms.h"

namespace tpr::win {

// Starts a new message in the user's mail program. Empty parts are left
// out; whether the mail program started is not checked.
void SendMail(HWND lhWnd, const std::wstring& Address, const std::wstring& Subject, const std::wstring& Body,
              const std::wstring& CC, const std::wstring& bcc, const std::wstring& Attachement);

// Opens the file manager on the folder of pPath with that file selected,
// once FileManager has found the drive, disk and file there.
void OpenInExplorerList(const FormRef& frm, const std::wstring& pPath);

// Tells the user why a shell start failed, for the codes that have a
// message; other codes show nothing.
void ShellErrorMessage(int32_t lngReturn);

// The file manager in the Windows folder. Named by its full path: a bare
// name could be found first in the current folder, which may be a photo
// folder holding anything.
std::wstring FileManagerPath();

}  // namespace tpr::win
