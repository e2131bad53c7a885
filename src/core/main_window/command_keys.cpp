// The command keys table and its look-ups.
#include "core/main_window/command_keys.h"

namespace tpr {
namespace {

// The platform's virtual-key codes of the keys that are no letter or digit.
constexpr int16_t kKeyF1 = 0x70;
constexpr int16_t kKeyUp = 0x26;
constexpr int16_t kKeyDown = 0x28;

}  // namespace

const std::vector<CommandKey>& CommandKeys() {
    static const std::vector<CommandKey> kKeys = {
        {kCommandOpen, 'O', kCtrlMask, L"Ctrl+O"},
        {kCommandSave, 'S', kCtrlMask, L"Ctrl+S"},
        {kCommandCopy, 'C', kCtrlMask, L"Ctrl+C"},
        {kCommandPaste, 'V', kCtrlMask, L"Ctrl+V"},
        {kCommandPreset640, '1', kCtrlMask, L"Ctrl+1"},
        {kCommandPreset800, '2', kCtrlMask, L"Ctrl+2"},
        {kCommandPreset1024, '3', kCtrlMask, L"Ctrl+3"},
        {kCommandPreset1280, '4', kCtrlMask, L"Ctrl+4"},
        {kCommandRotateCcw, 'L', kCtrlMask, L"Ctrl+L"},
        {kCommandRotateCw, 'R', kCtrlMask, L"Ctrl+R"},
        {kCommandAbout, kKeyF1, 0, L"F1"},
        {kCommandQualityUp, kKeyUp, kCtrlMask, L"Ctrl+Up"},
        {kCommandQualityDown, kKeyDown, kCtrlMask, L"Ctrl+Down"},
    };
    return kKeys;
}

CommandId CommandOfKey(int16_t keyCode, int16_t shift) {
    for (const CommandKey& key : CommandKeys()) {
        if (key.keyCode == keyCode && key.shift == shift) return key.command;
    }
    return kCommandNone;
}

std::wstring KeyNamesOf(CommandId command) {
    // The quality list is stepped by the keys of two commands.
    const auto named = [command](CommandId keyed) {
        return keyed == command ||
               (command == kCommandQuality && (keyed == kCommandQualityUp || keyed == kCommandQualityDown));
    };
    std::wstring names;
    for (const CommandKey& key : CommandKeys()) {
        if (named(key.command)) names += (names.empty() ? L"" : L", ") + std::wstring(key.name);
    }
    return names;
}

std::wstring WithKeyName(const std::wstring& text, CommandId command) {
    const std::wstring names = KeyNamesOf(command);
    return names.empty() ? text : text + L" (" + names + L")";
}

}  // namespace tpr
