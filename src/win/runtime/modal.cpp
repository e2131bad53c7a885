// ModalLoop and the message pump that runs it.
#include "win/runtime/modal.h"

namespace tpr::win {

bool PumpOneMessage() {
    MSG message{};
    const BOOL result = ::GetMessageW(&message, nullptr, 0, 0);
    if (result == 0) {
        ::PostQuitMessage(static_cast<int>(message.wParam));
        return false;
    }
    // -1: the thread's queue could not be read, so there is nothing to wait
    // for; the loop ends rather than spin on the failure.
    if (result == -1) return false;
    // The dialog key handling applies to the top-level window the message
    // belongs to.
    const HWND root = message.hwnd ? ::GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root && ::IsDialogMessageW(root, &message)) return true;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
    return true;
}

void ModalLoop::Run(HWND dialog) {
    const HWND owner = ::GetWindow(dialog, GW_OWNER);
    // An owner that is already disabled belongs to an outer modal dialog,
    // which enables it again itself.
    const bool disableOwner = owner && ::IsWindowEnabled(owner);
    if (disableOwner) ::EnableWindow(owner, FALSE);
    running_ = true;
    closeRequested_ = false;
    ::ShowWindow(dialog, SW_SHOW);
    PumpMessagesUntil([&] { return closeRequested_ || !::IsWindow(dialog); });
    running_ = false;
    if (disableOwner) ::EnableWindow(owner, TRUE);
    if (::IsWindow(dialog)) ::DestroyWindow(dialog);
}

void ModalLoop::Close(HWND dialog) {
    if (!running_) {
        ::DestroyWindow(dialog);
        return;
    }
    closeRequested_ = true;
    // A close requested by a sent message leaves the loop waiting in
    // GetMessage: wake it.
    ::PostMessageW(dialog, WM_NULL, 0, 0);
}

}  // namespace tpr::win
