// Starting a mail and opening the file manager (module mCommon's launchers).
#include "win/errors/shell_launch.h"

#include "core/errors/mail_explorer.h"
#include "core/errors/trap.h"
#include "core/runtime/runtime_error.h"
#include "win/errors/drives.h"
#include "win/runtime/message_box.h"
#include "win/runtime/shell.h"

namespace tpr::win {

void SendMail(HWND lhWnd, const std::wstring& Address, const std::wstring& Subject, const std::wstring& Body,
              const std::wstring& CC, const std::wstring& bcc, const std::wstring& Attachement) {
    // The handle as the 32-bit number the report prints.
    const auto handle = static_cast<int32_t>(HandleToLong(lhWnd));
    err::LeafTrap(
        L"mCommon.SendMail(lhWnd,Address,Subject,Body,CC,bcc,Attachement)",
        [&] {
            const std::wstring address =
                err::BuildMailtoAddress(Address, Subject, Body, CC, bcc, Attachement);
            StartWithShell({lhWnd, L"open", address, L"", SW_SHOWNORMAL});
        },
        handle, Address, Subject, Body, CC, bcc, Attachement);
}

void OpenInExplorerList(const FormRef& frm, const std::wstring& pPath) {
    err::LeafTrap(
        L"mCommon.OpenInExplorerList(frm,pPath)",
        [&] {
            if (!FileManager(pPath)) return;
            const intptr_t result =
                StartWithShell({frm.hwnd, L"open", FileManagerPath(), L"/e,/select," + pPath, SW_SHOWNORMAL});
            if (result <= 32) ShellErrorMessage(static_cast<int32_t>(result));
        },
        frm, pPath);
}

void ShellErrorMessage(int32_t lngReturn) {
    err::LeafTrap(
        L"mCommon.ShellErrorMessage(lngReturn)",
        [&] {
            if (const auto message = err::ShellErrorText(lngReturn)) {
                MsgBox(*message, MB_ICONEXCLAMATION | MB_OK, ::GetActiveWindow());
            }
        },
        lngReturn);
}

std::wstring FileManagerPath() {
    std::wstring folder(MAX_PATH, L'\0');
    UINT length = ::GetWindowsDirectoryW(folder.data(), static_cast<UINT>(folder.size()));
    if (length >= folder.size()) {
        folder.resize(length);
        length = ::GetWindowsDirectoryW(folder.data(), static_cast<UINT>(folder.size()));
    }
    // Never fall back to the bare name.
    if (length == 0) Raise(kErrPathNotFound);
    folder.resize(length);
    if (folder.back() && folder.back() != L'\\') folder += L'\\';
    return folder + L"explorer.exe";
}

}  // namespace tpr::win
