#include "core/main_window/commands.h"

#include <gtest/gtest.h>

#include <string>

namespace tpr {
namespace {

TEST(CommandOfToolbarKey, EachKeyOfTheHiddenToolbarNamesItsCommand) {
    const std::pair<std::wstring, CommandId> cases[] = {
        {L"Open", kCommandOpen},
        {L"Save", kCommandSave},
        {L"640x480", kCommandPreset640},
        {L"800x600", kCommandPreset800},
        {L"1024x768", kCommandPreset1024},
        {L"1280x1024", kCommandPreset1280},
        {L"CCW", kCommandRotateCcw},
        {L"CW", kCommandRotateCw},
        {L"About", kCommandAbout},
        // Keys compare exactly; the drop-down and the separators have none.
        {L"open", kCommandNone},
        {L"ABOUT", kCommandNone},
        {L"Cw", kCommandNone},
        {L"800x600 ", kCommandNone},
        {L"", kCommandNone},
        {L"Info", kCommandNone},
    };
    for (const auto& [key, command] : cases) EXPECT_EQ(CommandOfToolbarKey(key), command) << key;
}

}  // namespace
}  // namespace tpr
