// The main window's commands: the identifiers its command bar reports and the
// keys the hidden toolbar's buttons carry for the same commands.
#pragma once

#include <cstdint>
#include <string_view>

namespace tpr {

// Command identifiers of the command bar's controls, in bar order 1, 2, 22,
// 3 ... 9: the quality list stands third but was numbered last.
enum CommandId : int32_t {
    kCommandNone = 0,
    kCommandOpen = 1,
    kCommandSave = 2,
    kCommandPreset640 = 3,
    kCommandPreset800 = 4,
    kCommandPreset1024 = 5,
    kCommandPreset1280 = 6,
    kCommandRotateCcw = 7,
    kCommandRotateCw = 8,
    kCommandAbout = 9,
    // Reached by their keys and the view's menu only.
    kCommandCopy = 10,
    kCommandPaste = 11,
    kCommandQualityUp = 12,
    kCommandQualityDown = 13,
    kCommandQuality = 22,
};

// The command of a hidden-toolbar button key, compared exactly (letter case
// included); kCommandNone for any other key, the empty key included.
CommandId CommandOfToolbarKey(std::wstring_view key);

}  // namespace tpr
