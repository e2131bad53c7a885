// The command keys: which key runs which command, and the hints that name them.
#include "core/main_window/command_keys.h"

#include <gtest/gtest.h>

#include <set>

namespace tpr {
namespace {

TEST(CommandKeys, EachKeyRunsItsCommandAndOnlyWithItsModifiers) {
    const struct {
        int16_t keyCode, shift;
        CommandId command;
    } cases[] = {
        {'O', kCtrlMask, kCommandOpen},
        {'S', kCtrlMask, kCommandSave},
        {'C', kCtrlMask, kCommandCopy},
        {'V', kCtrlMask, kCommandPaste},
        {'1', kCtrlMask, kCommandPreset640},
        {'4', kCtrlMask, kCommandPreset1280},
        {'L', kCtrlMask, kCommandRotateCcw},
        {'R', kCtrlMask, kCommandRotateCw},
        {0x70, 0, kCommandAbout},
        {0x26, kCtrlMask, kCommandQualityUp},
        {0x28, kCtrlMask, kCommandQualityDown},
        {'O', 0, kCommandNone},
        {'O', kCtrlMask | kShiftMask, kCommandNone},
        {0x70, kCtrlMask, kCommandNone},
        {'5', kCtrlMask, kCommandNone},
        {0x26, 0, kCommandNone},
    };
    for (const auto& c : cases) EXPECT_EQ(CommandOfKey(c.keyCode, c.shift), c.command) << c.keyCode;
    // One key a command, and no key twice.
    std::set<int> commands, keys;
    for (const CommandKey& key : CommandKeys()) {
        EXPECT_TRUE(commands.insert(key.command).second) << key.command;
        EXPECT_TRUE(keys.insert(key.shift << 16 | key.keyCode).second) << key.keyCode;
    }
    EXPECT_EQ(commands.size(), 13u);
}

TEST(CommandKeys, HintsAndMenuNameTheKeyAfterTheirText) {
    const struct {
        const wchar_t* text;
        CommandId command;
        const wchar_t *names, *hint;
    } cases[] = {
        {L"Open", kCommandOpen, L"Ctrl+O", L"Open (Ctrl+O)"},
        {L"Save as...", kCommandSave, L"Ctrl+S", L"Save as... (Ctrl+S)"},
        {L"Work area resolution: 1024x768", kCommandPreset1024, L"Ctrl+3",
         L"Work area resolution: 1024x768 (Ctrl+3)"},
        {L"About", kCommandAbout, L"F1", L"About (F1)"},
        {L"Jpeg quality", kCommandQuality, L"Ctrl+Up, Ctrl+Down", L"Jpeg quality (Ctrl+Up, Ctrl+Down)"},
        {L"Nothing", kCommandNone, L"", L"Nothing"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(KeyNamesOf(c.command), c.names);
        EXPECT_EQ(WithKeyName(c.text, c.command), c.hint);
    }
}

}  // namespace
}  // namespace tpr
