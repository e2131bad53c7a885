// The command bar: one toolbar at the top, its controls in the order of the
// command table, and the work-area panel that follows its layout.
#include "core/errors/skip_failure.h"
#include "core/common/ui_texts.h"
#include "core/errors/trap.h"
#include "core/main_window/command_keys.h"
#include "core/main_window/quality.h"
#include "core/main_window/status_texts.h"
#include "core/runtime/conversions.h"
#include "win/main_window/main_window.h"
#include "win/main_window/program_state.h"
#include "win/runtime/screen.h"

namespace tpr::win {
namespace {

struct CommandEntry {
    ControlType type;
    CommandId id;
    const wchar_t* caption;  // the list shows none: its text becomes its hint
    bool beginGroup;
    const wchar_t* hint;  // a button's; null for the list
};

constexpr CommandEntry kCommandTable[] = {
    {ControlType::Button, kCommandOpen, L"Open", false, L"Open"},
    {ControlType::Button, kCommandSave, L"Save...", false, L"Save as..."},
    {ControlType::ComboBox, kCommandQuality, L"Jpeg quality", false, nullptr},
    {ControlType::Button, kCommandPreset640, L"640x480", true, L"Work area resolution: 640x480"},
    {ControlType::Button, kCommandPreset800, L"800x600", false, L"Work area resolution: 800x600"},
    {ControlType::Button, kCommandPreset1024, L"1024x768", false, L"Work area resolution: 1024x768"},
    {ControlType::Button, kCommandPreset1280, L"1280x1024", false, L"Work area resolution: 1280x1024"},
    {ControlType::Button, kCommandRotateCcw, L"Rotate CCW", true, L"Counter-clockwise rotation"},
    {ControlType::Button, kCommandRotateCw, L"Rotate CW", false, L"Clockwise rotation"},
    {ControlType::Button, kCommandAbout, L"About", true, L"About"},
};

// The quality list's width in the bar's units (pixels).
constexpr int kQualityListWidth = 45;

}  // namespace

const wchar_t* Form1::CommandCaption(CommandId id) {
    for (const CommandEntry& entry : kCommandTable) {
        if (entry.id == id) return entry.caption;
    }
    return id == kCommandCopy ? texts::CopyCaption.c_str() : id == kCommandPaste ? texts::PasteCaption.c_str() : L"";
}

void Form1::LoadMenuToolbar() {
    err::LeafTrap(L"Form1.LoadMenuToolbar", [&] {
        {
            const CommandBars::LayoutHeld oneLayoutAtTheEnd(CommandBars1);
            StandardToolbar = &CommandBars1.Add(L"ToolbarStandard", BarPosition::Top);
            CommandBarControls& controls = StandardToolbar->Controls();
            for (const CommandEntry& entry : kCommandTable) {
                const bool isList = entry.type == ControlType::ComboBox;
                CommandBarControl& control =
                    AddButton(controls, entry.type, entry.id, entry.caption, entry.beginGroup, !isList);
                // The key follows each fixed hint; the list's caption is its hint.
                control.SetTooltipText(WithKeyName(isList ? entry.caption : entry.hint, entry.id));
                if (!isList) continue;
                control.SetWidth(kQualityListWidth);
                for (const wchar_t* text : QualityListEntries()) control.AddItem(text);
                control.SetListIndex(QualityListInitialEntry(Program().JpegQuality));
            }
            CommandBars1.SetIcons(ImageMenu);
        }
        CommandBars1.RecalcLayout();
    });
}

CommandBarControl& Form1::AddButton(CommandBarControls& Controls, win::ControlType ControlType, int32_t ID,
                                    const std::wstring& Caption, bool BeginGroup, bool EnableCaption) {
    const auto body = [&]() -> CommandBarControl& {
        CommandBarControl& control = Controls.Add(ControlType, ID, EnableCaption ? Caption : L"");
        if (!EnableCaption) control.SetTooltipText(Caption);
        control.SetBeginGroup(BeginGroup);
        return control;
    };
    return err::LeafTrap(L"Form1.AddButton(Controls,ControlType,ID,Caption,BeginGroup)", body, Controls,
                         static_cast<int32_t>(ControlType), ID, Caption, BeginGroup);
}

void Form1::DockCommandBarRightOf(CommandBar& BarToDock, CommandBar& BarOnLeft) {
    err::LeafTrap(L"Form1.DockCommandBarRightOf(BarToDock,BarOnLeft)", [&] {
        CommandBars1.RecalcLayout();
        int32_t left = 0, top = 0, right = 0, bottom = 0;
        BarOnLeft.GetWindowRect(left, top, right, bottom);
        // At the height of BarOnLeft's middle and far past its right edge:
        // the bar goes to the end of BarOnLeft's row.
        const int32_t middle = RoundToLong((top + bottom) / 2.0);
        CommandBars1.DockToolBar(BarToDock, right + 30000, middle, BarOnLeft.Position());
    }, BarToDock, BarOnLeft);
}

// No trap: a step that fails is skipped, and the panel is still written from
// what the steps before it produced.
void Form1::CommandBars1_Resize() {
    err::SkipFailure([&] {
        CommandBars1.GetClientRect(ClientAreaLeft, ClientAreaTop, ClientAreaRight, ClientAreaBottom);
    });
    PixelSize area{0, 0};
    err::SkipFailure([&] {
        area = WorkAreaPixels(ScaleWidth(), ScaleHeight(), TwipsPerPixelX(), TwipsPerPixelY(), ClientAreaTop,
                              StatusBarHeight());
    });
    err::SkipFailure([&] { StatusBar1.SetPanelText(1, WorkAreaResolutionText(area.width, area.height)); });
}

}  // namespace tpr::win
