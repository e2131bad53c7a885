// Command dispatch: the command bar reports each executed control by its
// command identifier (also its WM_COMMAND id), the hidden toolbar by its
// button key; both lead to the same commands.
#include <windows.h>

#include <algorithm>

#include "core/common/scoped_flag.h"
#include "core/errors/trap.h"
#include "core/main_window/quality.h"
#include "core/runtime/runtime_error.h"
#include "win/main_window/main_window.h"
#include "win/main_window/program_state.h"
#include "win/runtime/screen.h"

namespace tpr::win {

void Form1::CommandBars1_Execute(int32_t Control) {
    err::TopLevelTrap(L"Form1.CommandBars1_Execute(Control)", [&] { RunCommand(Control); }, Control);
}

void Form1::Toolbar1_ButtonClick(const ToolbarButton& Button) {
    err::TopLevelTrap(L"Form1.Toolbar1_ButtonClick(Button)", [&] {
        RunCommand(CommandOfToolbarKey(Button.Key));
    }, Button);
}

// Only the drop-down button's caption follows the entry; the quality in force
// is the command bar's.
void Form1::Toolbar1_ButtonMenuClick(const ButtonMenu& ButtonMenu) {
    err::TopLevelTrap(L"Form1.Toolbar1_ButtonMenuClick(ButtonMenu)", [&] {
        const auto& texts = QualityMenuTexts();
        if (ButtonMenu.Index >= 1 && ButtonMenu.Index <= static_cast<int>(texts.size())) {
            Toolbar1.SetCaption(kQualityButton, texts[static_cast<size_t>(ButtonMenu.Index) - 1]);
        }
    }, ButtonMenu);
}

void Form1::RunCommand(int32_t command) {
    switch (command) {
    case kCommandOpen: bnOpen(); break;
    case kCommandSave: bnSave(); break;
    case kCommandPreset640:
    case kCommandPreset800:
    case kCommandPreset1024:
    case kCommandPreset1280: ApplyWorkAreaPreset(*PresetByCommandId(command)); break;
    case kCommandRotateCcw: RotateCCW(); break;
    case kCommandRotateCw: RotateCW(); break;
    case kCommandAbout: mnuHelpAbout_Click(); break;
    case kCommandQuality: ChooseQuality(); break;
    case kCommandCopy: CopyPhoto(); break;
    case kCommandPaste: PastePhoto(); break;
    case kCommandQualityUp: StepQuality(1); break;
    case kCommandQualityDown: StepQuality(-1); break;
    default: break;  // an identifier without a command does nothing
    }
}

// The frame is measured with the sizing-frame height (metric 33) on both
// axes, and the caption with metric 4; the bars above and the status bar
// below are added in twips as they are now. Width goes first: at a narrow
// width the command bar wraps onto more rows, which the height then counts.
void Form1::ApplyWorkAreaPreset(const WorkAreaPreset& preset) {
    // Each change of size runs the resize handler before it returns; the flag
    // tells the handler that a preset is sizing the window, and it is down
    // again afterwards even when the size did not change (no resize ran).
    const auto bySize = [this](auto&& change) {
        const ScopedFlag byPreset(ResizingByPreset);
        change();
    };
    // The photo is fitted once, at the final size: by the resize the height
    // makes, or below when the height was already right.
    const int frame = ::GetSystemMetrics(SM_CYFRAME);
    {
        const ScopedFlag fitAtTheEnd(PhotoFitHeld);
        // A maximised or minimised window is a normal one again first: only
        // then does a size of its own apply.
        if (::IsZoomed(hwnd()) || ::IsIconic(hwnd())) bySize([&] { ::ShowWindow(hwnd(), SW_RESTORE); });
        bySize([&] { SetWidth(static_cast<float>(PresetWindowWidth(preset.width, TwipsPerPixelX(), frame))); });
    }
    bySize([&] {
        const int caption = ::GetSystemMetrics(SM_CYCAPTION);
        const double height =
            PresetWindowHeight(preset.height, TwipsPerPixelY(), caption, frame, ClientAreaTop, StatusBarHeight());
        SetHeight(static_cast<float>(height));
    });
    if (PhotoFitOwed) {
        PhotoFitOwed = false;
        ResizePhotoInProperties();
    }
}

// The quality is kept until the window closes, when it is stored.
void Form1::ChooseQuality() {
    const CommandBarControl* list = CommandBars1.FindControl(kCommandQuality);
    if (!list) Raise(kErrObjectNotSet);
    Program().JpegQuality = QualityFromListText(list->Text());
}

// One entry up (a higher quality) or down the list, as choosing it there does.
void Form1::StepQuality(int step) {
    CommandBarControl* list = CommandBars1.FindControl(kCommandQuality);
    if (!list) Raise(kErrObjectNotSet);
    list->SetListIndex(std::clamp(list->ListIndex() + step, 1, list->ListCount()));
    ChooseQuality();
}

}  // namespace tpr::win
