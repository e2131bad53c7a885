// Command dispatch: every control of the command bar reports its command
// identifier here, which is also its WM_COMMAND id.
#include "errors/trap.h"
#include "main_window/form1.h"

namespace tpr::win {

void Form1::CommandBars1_Execute(int32_t Control) {
    err::TopLevelTrap(L"Form1.CommandBars1_Execute(Control)", [&] {
        switch (Control) {
        case kCommandOpen: bnOpen(); break;
        case kCommandSave: bnSave(); break;
        case kCommandRotateCcw: RotateCCW(); break;
        case kCommandRotateCw: RotateCW(); break;
        case kCommandAbout: mnuHelpAbout_Click(); break;
        default: break;  // an identifier without a command does nothing
        }
    }, Control);
}

}  // namespace tpr::win
