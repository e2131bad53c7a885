// The About command.
#include "app/program_state.h"
#include "errors/runtime_error.h"
#include "errors/trap.h"
#include "main_window/form1.h"
#include "main_window/form10.h"

namespace tpr::win {

void Form1::mnuHelpAbout_Click() {
    err::TopLevelTrap(L"Form1.mnuHelpAbout_Click", [&] {
        const Form1* main = Program().MainForm;
        if (!main) Raise(kErrObjectNotSet);
        Form10 AboutWindow;
        AboutWindow.ShowModal(main->hwnd());
    });
}

}  // namespace tpr::win
