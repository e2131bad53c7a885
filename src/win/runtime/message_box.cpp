// MsgBox: a message box under the application's title.
#include "win/runtime/message_box.h"

#include <windows.h>

#include "win/runtime/application.h"

namespace tpr::win {

int MsgBox(const std::wstring& text, unsigned int style, void* owner) {
    return ::MessageBoxW(static_cast<HWND>(owner), text.c_str(), App().Title.c_str(), style);
}

}  // namespace tpr::win
