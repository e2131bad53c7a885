// Drag-and-drop: a file dropped on the window opens as the Open dialog's
// choice does, and the photo dragged out of the view is offered as the JPEG
// file Copy makes.
#include "core/common/scoped_flag.h"
#include "core/errors/trap.h"
#include "core/main_window/command_keys.h"
#include "win/main_window/main_window.h"
#include "win/runtime/screen.h"

namespace tpr::win {
namespace {

// The mouse buttons and modifier keys of a drop's MK_ flags.
int16_t ButtonsOf(DWORD keys) {
    return static_cast<int16_t>((keys & MK_LBUTTON ? kLeftButton : 0) |
                                (keys & MK_RBUTTON ? kRightButton : 0) |
                                (keys & MK_MBUTTON ? kMiddleButton : 0));
}
int16_t ShiftOf(DWORD keys) {
    return static_cast<int16_t>((keys & MK_SHIFT ? kShiftMask : 0) | (keys & MK_CONTROL ? kCtrlMask : 0) |
                                (keys & MK_ALT ? kAltMask : 0));
}

}  // namespace

void Form1::AcceptDrops() {
    dropTarget_.Register(
        hwnd(),
        [this](IDataObject& data, DWORD keys, POINTL point) {
            POINT client{point.x, point.y};
            ::ScreenToClient(hwnd(), &client);
            int32_t effect = DROPEFFECT_COPY;
            Form_OLEDragDrop(DataObject(data), effect, ButtonsOf(keys), ShiftOf(keys),
                             static_cast<float>(client.x * TwipsPerPixelX()),
                             static_cast<float>(client.y * TwipsPerPixelY()));
            return effect != DROPEFFECT_NONE;
        },
        DraggingOut);
}

void Form1::Form_OLEDragDrop(const DataObject& Data, int32_t& Effect, int16_t Button, int16_t Shift, float X,
                             float Y) {
    err::TopLevelTrap(
        L"Form1.Form_OLEDragDrop(Data,Effect,Button,Shift,X,Y)",
        [&] {
            if (!OpenFirstFile(Data.Files())) Effect = DROPEFFECT_NONE;
        },
        Data, Effect, Button, Shift, X, Y);
}

bool Form1::OpenFirstFile(const std::vector<std::wstring>& files) {
    if (files.empty()) return false;
    const DWORD attributes = ::GetFileAttributesW(files.front().c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    ShowPhotoFile(files.front());
    return true;
}

// A press on the view becomes a drag once the pointer leaves the system's
// drag rectangle around it; a click stays a click.
void Form1::picBox_MouseDown(int16_t Button, int16_t Shift, float X, float Y) {
    err::TopLevelTrap(
        L"Form1.picBox_MouseDown(Button,Shift,X,Y)",
        [&] {
            if (Button != kLeftButton || !HasPhoto()) return;
            POINT point{PixelsX(X), PixelsY(Y)};
            ::ClientToScreen(picBox.hwnd(), &point);
            if (::DragDetect(picBox.hwnd(), point)) DragPhotoOut();
        },
        Button, Shift, X, Y);
}

// The window refuses its own drag: dropped back on it, the photo would come
// in again as its own JPEG copy.
void Form1::DragPhotoOut() {
    err::LeafTrap(L"Form1.DragPhotoOut", [&] {
        const ComPtr<IDataObject> data = MakeDataObject(PhotoTransferData());
        const ScopedFlag dragging(DraggingOut);
        DragOut(*data.get());
    });
}

}  // namespace tpr::win
