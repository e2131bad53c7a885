// Drag-and-drop with the shell and other programs: a window that takes
// dropped files, and a drag that offers data from the program.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <ole2.h>

#include <functional>

#include "win/runtime/com_ptr.h"

namespace tpr::win {

// What a drop brings: the data, the mouse buttons and modifier keys held
// (the MK_ flags) and the point on screen; whether the data was taken.
using DropHandler = std::function<bool(IDataObject& data, DWORD keys, POINTL point)>;

// A window registered as a drop target for as long as this lives (the
// window must outlive it). Data that offers a file list shows the copy
// cursor and is handed to the handler when dropped; other data is refused,
// and so is every drag while `refusing` is set (it must outlive this).
class DropTargetRegistration {
public:
    DropTargetRegistration() = default;
    DropTargetRegistration(const DropTargetRegistration&) = delete;
    DropTargetRegistration& operator=(const DropTargetRegistration&) = delete;
    ~DropTargetRegistration() { Revoke(); }

    // Registration needs OLE in the thread; without it the window takes no
    // drops and goes on otherwise.
    void Register(HWND window, DropHandler onDrop, const bool& refusing);
    void Revoke();

private:
    HWND window_ = nullptr;
    ComPtr<IDropTarget> target_;
};

// Drags the data from the window under the pointer to wherever the left
// button is released, offering it to be copied; whether a target took it.
bool DragOut(IDataObject& data);

}  // namespace tpr::win
