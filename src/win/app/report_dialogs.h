// The error framework joined to the windows: the report dialog shown over
// the window the user works in, or on its own before the main window exists.
#pragma once

#include "core/errors/error_services.h"

namespace tpr::win {

class ProgramReportDialogs final : public err::ReportDialogHost {
public:
    bool IsMainWindowLoaded() override;
    // A modal dialog is owned by the window the user is working in; a
    // modeless one stays until the user closes it.
    void ShowReportDialog(bool modal) override;
};

// The program's services, made on first use.
err::ErrorServices ProgramErrorServices();

// True while a report dialog shown without the main window is open.
bool ModelessReportDialogsOpen();

// Keeps the messages going while such dialogs are open, so that the
// program does not end under a report the user has not seen.
void RunWhileReportDialogsOpen();

}  // namespace tpr::win
