#include "win/main_window/reg_settings.h"

#include <string>

#include "core/errors/trap.h"
#include "win/runtime/application.h"
#include "win/runtime/settings.h"

namespace tpr::win {

void SaveVersion() {
    err::LeafTrap(L"mRegSettings.SaveVersion", [] {
        const Application& app = App();
        SaveSetting(app.Title, L"Version", L"Major", std::to_wstring(app.Major));
        SaveSetting(app.Title, L"Version", L"Minor", std::to_wstring(app.Minor));
        SaveSetting(app.Title, L"Version", L"Revision", std::to_wstring(app.Revision));
        SaveSetting(app.Title, L"Path", L"AppPath", app.Path);
    });
}

}  // namespace tpr::win
