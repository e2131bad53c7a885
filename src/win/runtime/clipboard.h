// The system clipboard, open for one exchange and closed again.
#pragma once

#include <windows.h>

#include "win/runtime/data_object.h"

namespace tpr::win {

class OpenedClipboard {
public:
    // Another program may hold the clipboard for a moment, so opening tries
    // for a short while; error 521 when it stays held.
    explicit OpenedClipboard(HWND owner);
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    ~OpenedClipboard() { ::CloseClipboard(); }

    // Empties the clipboard and puts every format of `data` on it, which
    // owns their memory from then on.
    void Replace(TransferData data);
};

}  // namespace tpr::win
