// DialogWindow: the shape the program's dialog-like windows (the About
// window, the report dialog) share. Each is made for one use, laid out around
// its texts, then shown modal over the window the user works in or, without
// an owner, on its own; its common messages are answered here once.
#pragma once

#include <windows.h>

#include "win/common/dialog_layout.h"
#include "win/runtime/forms.h"
#include "win/runtime/modal.h"
#include "win/runtime/window.h"

namespace tpr::win {

// Form gives kFormName, kClassName, CreateControls(), Form_Load(),
// bnOK_Click(), OnCommand(id) and Layout(owner), which ends with
// FinishLayout; it may hide Unload() to run an unload handler first.
template <class Form>
class DialogWindow : public Window<Form> {
public:
    ~DialogWindow() override {
        if (this->hwnd()) RemoveLoadedForm(this->hwnd());
    }

    // Loads the window and shows it modal over `owner`; returns when it is
    // closed.
    void ShowModal(HWND owner) {
        Load(owner);
        modal_.Run(this->hwnd());
    }
    // Loads the window and shows it without an owner; it stays until the
    // user closes it.
    void Show() {
        Load(nullptr);
        ::ShowWindow(this->hwnd(), SW_SHOW);
    }
    bool IsOpen() const { return this->hwnd() != nullptr; }

    HWND bnOK = nullptr;

    // Created, the window joins the loaded forms under its name, makes its
    // controls and runs its load handler; destroyed, it leaves them. It shows
    // the dialog face colours and keeps the focus on its OK button; OK is a
    // click on that button, Esc and the close box unload it, and the commands
    // of its other controls go to its OnCommand.
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        Form& form = static_cast<Form&>(*this);
        switch (message) {
            case WM_CREATE:
                AddLoadedForm(Form::kFormName, this->hwnd());
                form.CreateControls();
                form.Form_Load();
                return 0;
            case WM_SETFOCUS: ::SetFocus(bnOK); return 0;
            case WM_CTLCOLORSTATIC:
            case WM_CTLCOLORBTN: return DialogFaceColours(reinterpret_cast<HDC>(wParam));
            case WM_COMMAND:
                if (LOWORD(wParam) == IDOK) {
                    form.bnOK_Click();
                } else if (LOWORD(wParam) == IDCANCEL) {
                    form.Unload();
                } else {
                    form.OnCommand(LOWORD(wParam));
                }
                return 0;
            case WM_CLOSE: form.Unload(); return 0;
            case WM_DESTROY: RemoveLoadedForm(this->hwnd()); return 0;
            default: return this->DefaultProcedure(message, wParam, lParam);
        }
    }

protected:
    // Without WS_CLIPCHILDREN: the dialog paints its face behind frames,
    // which show only their edges.
    static constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    static constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
    // Layout in pixels.
    static constexpr int kMargin = 12;
    static constexpr int kLineGap = 4;
    static constexpr int kButtonWidth = 75, kButtonHeight = 23;

    void Unload() { modal_.Close(this->hwnd()); }

    // Puts OK at the right edge, `buttonTop` from the top, and sizes the
    // window round a client area that ends a margin below it, centred over
    // the owner.
    void FinishLayout(HWND owner, int clientWidth, int buttonTop) {
        ::MoveWindow(bnOK, clientWidth - kMargin - kButtonWidth, buttonTop, kButtonWidth, kButtonHeight, FALSE);
        const RECT frame =
            CentredWindowRect(owner, clientWidth, buttonTop + kButtonHeight + kMargin, kStyle, kExStyle);
        ::MoveWindow(this->hwnd(), frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top,
                     FALSE);
    }

private:
    void Load(HWND owner) {
        this->RegisterWindowClass(Form::kClassName, 0);
        this->CreateWindowOfClass(Form::kClassName, L"", kStyle, kExStyle, 0, 0, 0, 0, owner);
        static_cast<Form&>(*this).Layout(owner);
    }

    ModalLoop modal_;
};

}  // namespace tpr::win
