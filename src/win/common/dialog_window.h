// What the program's dialog-like windows (the About window, the report
// dialog) do alike with their messages.
#pragma once

#include <windows.h>

#include "win/common/dialog_layout.h"
#include "win/runtime/forms.h"

namespace tpr::win {

// Answers a message as every dialog form does: created, it joins the loaded
// forms under its name, makes its controls and runs its load handler;
// destroyed, it leaves them. It shows the dialog face colours and keeps the
// focus on its OK button; OK is a click on that button, Esc and the close
// box unload it, and the commands of its other controls go to its
// OnCommand. Messages of its own it answers before calling this.
template <class Form>
LRESULT DialogFormMessage(Form& form, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            AddLoadedForm(Form::kFormName, form.hwnd());
            form.CreateControls();
            form.Form_Load();
            return 0;
        case WM_SETFOCUS:
            ::SetFocus(form.bnOK);
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return DialogFaceColours(reinterpret_cast<HDC>(wParam));
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                form.bnOK_Click();
            } else if (LOWORD(wParam) == IDCANCEL) {
                form.Unload();
            } else {
                form.OnCommand(LOWORD(wParam));
            }
            return 0;
        case WM_CLOSE:
            form.Unload();
            return 0;
        case WM_DESTROY:
            RemoveLoadedForm(form.hwnd());
            return 0;
        default:
            return ::DefWindowProcW(form.hwnd(), message, wParam, lParam);
    }
}

}  // namespace tpr::win
