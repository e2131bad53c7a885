// The life of a window shown as a dialog: modal over its owner (the owner is
// disabled and messages are processed here until the dialog closes), or
// modeless. Either way the keyboard works as in the system's dialogs: Tab
// moves, Enter presses the default button, Esc cancels.
#pragma once

#include <windows.h>

namespace tpr::win {

class ModalLoop {
public:
    // Shows `dialog` and returns once Close was called or the window is gone.
    // The owner is enabled again before the dialog goes, so that the owner,
    // not another program, becomes active.
    void Run(HWND dialog);

    // Ends a running loop, which then destroys the dialog; a dialog that is
    // not running modally is destroyed at once.
    void Close(HWND dialog);

private:
    bool running_ = false;
    bool closeRequested_ = false;
};

// Processes one message, with the keyboard handling of dialogs for the
// window it belongs to; false for WM_QUIT, which is posted again for the
// outer loop, and when no message can be read.
bool PumpOneMessage();

// Processes messages until `done` says so; false when WM_QUIT came first.
template <class Done>
bool PumpMessagesUntil(Done done) {
    while (!done()) {
        if (!PumpOneMessage()) return false;
    }
    return true;
}

}  // namespace tpr::win
