#include "core/main_window/commands.h"

#include "core/main_window/presets.h"

namespace tpr {

CommandId CommandOfToolbarKey(std::wstring_view key) {
    if (const WorkAreaPreset* preset = PresetByKey(key)) return static_cast<CommandId>(preset->commandId);
    struct KeyedCommand {
        std::wstring_view key;
        CommandId command;
    };
    static constexpr KeyedCommand kKeyed[] = {
        {L"Open", kCommandOpen},   {L"Save", kCommandSave},   {L"CCW", kCommandRotateCcw},
        {L"CW", kCommandRotateCw}, {L"About", kCommandAbout},
    };
    for (const KeyedCommand& keyed : kKeyed) {
        if (keyed.key == key) return keyed.command;
    }
    return kCommandNone;
}

}  // namespace tpr
