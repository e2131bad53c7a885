// The keys and the view's menu: every command has a key, translated from the
// window's accelerator table in the message loop wherever the focus is in
// the window, and a right-click on the view lists the commands with their keys.
#include <windows.h>

#include "core/errors/trap.h"
#include "core/main_window/command_keys.h"
#include "core/runtime/runtime_error.h"
#include "win/main_window/main_window.h"
#include "win/runtime/screen.h"

namespace tpr::win {
namespace {

// An accelerator reports its key as its identifier: the modifiers above the
// key code.
WORD AcceleratorId(const CommandKey& key) { return static_cast<WORD>(key.shift << 8 | key.keyCode); }

}  // namespace

void Form1::LoadKeys() {
    std::vector<ACCEL> table;
    for (const CommandKey& key : CommandKeys()) {
        BYTE modifiers = FVIRTKEY;
        if (key.shift & kShiftMask) modifiers |= FSHIFT;
        if (key.shift & kCtrlMask) modifiers |= FCONTROL;
        if (key.shift & kAltMask) modifiers |= FALT;
        table.push_back({modifiers, static_cast<WORD>(key.keyCode), AcceleratorId(key)});
    }
    accelerators_.reset(::CreateAcceleratorTableW(table.data(), static_cast<int>(table.size())));
    if (!accelerators_) Raise(kErrOutOfMemory);
}

bool Form1::TranslateKey(MSG& message) {
    if (!hwnd() || !accelerators_) return false;
    // A modal dialog disables its owner, and its keys are its own; so are a
    // modeless window's.
    if (!::IsWindowEnabled(hwnd())) return false;
    if (message.hwnd != hwnd() && !::IsChild(hwnd(), message.hwnd)) return false;
    return ::TranslateAcceleratorW(hwnd(), accelerators_.get(), &message) != 0;
}

void Form1::AcceleratorKeyDown(WORD id) {
    int16_t keyCode = LOBYTE(id);
    int16_t shift = HIBYTE(id);
    Form_KeyDown(keyCode, shift);
}

void Form1::Form_KeyDown(int16_t& KeyCode, int16_t& Shift) {
    err::TopLevelTrap(
        L"Form1.Form_KeyDown(KeyCode,Shift)",
        [&] {
            const CommandId command = CommandOfKey(KeyCode, Shift);
            if (command != kCommandNone) RunCommand(command);
        },
        KeyCode, Shift);
}

void Form1::picBox_MouseUp(int16_t Button, int16_t Shift, float X, float Y) {
    err::TopLevelTrap(
        L"Form1.picBox_MouseUp(Button,Shift,X,Y)",
        [&] {
            if (Button != kRightButton) return;
            POINT point{PixelsX(X), PixelsY(Y)};
            ::ClientToScreen(picBox.hwnd(), &point);
            ShowViewMenu(point);
        },
        Button, Shift, X, Y);
}

void Form1::ShowViewMenu(POINT screenPoint) {
    struct MenuEntry {
        CommandId command;
        bool beginGroup;
    };
    static constexpr MenuEntry kEntries[] = {
        {kCommandOpen, false},      {kCommandSave, false},     {kCommandCopy, true}, {kCommandPaste, false},
        {kCommandRotateCcw, true}, {kCommandRotateCw, false}, {kCommandAbout, true},
    };
    const UniqueHmenu menu(::CreatePopupMenu());
    if (!menu) Raise(kErrOutOfMemory);
    for (const MenuEntry& entry : kEntries) {
        if (entry.beginGroup) ::AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
        // A tab puts the key in the menu's column of keys.
        const std::wstring text = std::wstring(CommandCaption(entry.command)) + L"\t" + KeyNamesOf(entry.command);
        if (!::AppendMenuW(menu.get(), MF_STRING, entry.command, text.c_str())) Raise(kErrOutOfMemory);
    }
    const int chosen = ::TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                        screenPoint.x, screenPoint.y, 0, hwnd(), nullptr);
    if (chosen) RunCommand(chosen);
}

}  // namespace tpr::win
