// OpenedClipboard: opening with a few tries, and replacing the content.
#include "win/runtime/clipboard.h"

#include "core/runtime/runtime_error.h"

namespace tpr::win {

OpenedClipboard::OpenedClipboard(HWND owner) {
    constexpr int kTries = 10;
    for (int tried = 1; !::OpenClipboard(owner); ++tried) {
        if (tried == kTries) Raise(kErrClipboardBusy);
        ::Sleep(20);
    }
}

void OpenedClipboard::Replace(TransferData data) {
    if (!::EmptyClipboard()) Raise(kErrClipboardBusy);
    for (TransferFormat& entry : data) {
        if (!::SetClipboardData(entry.format, entry.data.get())) Raise(kErrOutOfMemory);
        entry.data.release();
    }
}

}  // namespace tpr::win
