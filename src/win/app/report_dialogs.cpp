// ProgramReportDialogs: the report dialog over the window the user works in, or on its own.
#include "win/app/report_dialogs.h"

#include <windows.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "win/dialogs/report_dialog.h"
#include "win/errors/program_error_services.h"
#include "win/main_window/main_window.h"
#include "win/main_window/program_state.h"
#include "win/common/file_system.h"
#include "win/runtime/modal.h"

namespace tpr::win {
namespace {

// Dialogs shown while the main window is not loaded live until the user
// closes them.
std::vector<std::unique_ptr<Form11>>& ModelessDialogs() {
    static std::vector<std::unique_ptr<Form11>> dialogs;
    return dialogs;
}

void ForgetClosedDialogs() {
    auto& dialogs = ModelessDialogs();
    dialogs.erase(std::remove_if(dialogs.begin(), dialogs.end(), [](const auto& d) { return !d->IsOpen(); }),
                  dialogs.end());
}

// The window the user is working in (the main window, or a dialog over it).
HWND ModalOwner() {
    const HWND active = ::GetActiveWindow();
    if (active && ::IsWindowEnabled(active)) return active;
    const Form1* main = Program().MainForm;
    return main ? main->hwnd() : nullptr;
}

}  // namespace

bool ProgramReportDialogs::IsMainWindowLoaded() { return isLoad(L"Form1"); }

void ProgramReportDialogs::ShowReportDialog(bool modal) {
    if (modal) {
        Form11 dialog;
        dialog.ShowModal(ModalOwner());
        return;
    }
    ForgetClosedDialogs();
    ModelessDialogs().push_back(std::make_unique<Form11>());
    ModelessDialogs().back()->Show();
}

err::ErrorServices ProgramErrorServices() {
    static ProgramErrorPlatform platform;
    static ProgramLogFiles files;
    static ProgramReportDialogs dialogs;
    return {&platform, &files, &dialogs};
}

bool ModelessReportDialogsOpen() {
    const auto& dialogs = ModelessDialogs();
    return std::any_of(dialogs.begin(), dialogs.end(), [](const auto& d) { return d->IsOpen(); });
}

void RunWhileReportDialogsOpen() {
    PumpMessagesUntil([] { return !ModelessReportDialogsOpen(); });
    ModelessDialogs().clear();
}

}  // namespace tpr::win
