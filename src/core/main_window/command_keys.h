// The key of each command: the accelerator the main window's message loop
// translates, the name its hints and menu show, and the command a key runs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/main_window/commands.h"

namespace tpr {

// The modifier keys an input event reports: bit 1 Shift, bit 2 Ctrl, bit 4 Alt;
// and the mouse buttons.
enum ShiftMask : int16_t { kShiftMask = 1, kCtrlMask = 2, kAltMask = 4 };
enum MouseButton : int16_t { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };

struct CommandKey {
    CommandId command;
    int16_t keyCode;  // the platform's virtual-key code
    int16_t shift;    // ShiftMask bits held with it
    const wchar_t* name;
};

// Every command's key, one each.
const std::vector<CommandKey>& CommandKeys();

// The command a key with these modifiers runs; kCommandNone for any other.
CommandId CommandOfKey(int16_t keyCode, int16_t shift);

// The name of the command's key, "Ctrl+O"; of both keys that step the
// quality list, "Ctrl+Up, Ctrl+Down"; empty for a command without a key.
std::wstring KeyNamesOf(CommandId command);

// A hint followed by the command's key in brackets,
// "Open (Ctrl+O)"; the text alone for a command without a key.
std::wstring WithKeyName(const std::wstring& text, CommandId command);

}  // namespace tpr
