// The About command.
#include "core/errors/trap.h"
#include "core/runtime/runtime_error.h"
#include "win/main_window/about_window.h"
#include "win/main_window/main_window.h"
#include "win/main_window/program_state.h"

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
