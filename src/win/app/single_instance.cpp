// The single-instance rule (module mPrevInstance).
#include "win/app/single_instance.h"

#include <windows.h>

#include <string>

#include "core/errors/trap.h"
#include "win/runtime/application.h"
#include "win/runtime/application_window.h"

namespace tpr::win {

void ShowPrevInstance() {
    err::LeafTrap(L"mPrevInstance.ShowPrevInstance", [] {
        const std::wstring title = App().Title;
        // This instance's own application window must not match the search.
        App().SetTitle(L"abcba - This App Will Be Closed");
        const HWND running = FindApplicationWindow(title);
        if (!running) return;

        // The running instance opens a photo named here as it would at its
        // own start; a command line that names none changes nothing there.
        HandCommandLine(running, App().Command());

        const HWND mainWindow = MainWindowOf(running);
        if (!mainWindow) return;
        // Only a minimised window is restored: a maximised one stays so.
        if (::IsIconic(mainWindow)) ::OpenIcon(mainWindow);
        // This process was started by the user and may take the foreground;
        // the running one may not, so the call is made from here. A modal
        // dialog of the running instance comes forward instead of its
        // disabled owner.
        ::SetForegroundWindow(::GetLastActivePopup(mainWindow));
    });
}

}  // namespace tpr::win
