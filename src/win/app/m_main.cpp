#include "app/m_main.h"

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <memory>

#include "app/command_line.h"
#include "app/program_state.h"
#include "common/path_helpers.h"
#include "common/ui_texts.h"
#include "errors/program_error_services.h"
#include "errors/runtime_error.h"
#include "errors/trap.h"
#include "main_window/form1.h"
#include "main_window/reg_settings.h"
#include "runtime/application.h"
#include "runtime/picture.h"

namespace tpr::win {
namespace {

std::unique_ptr<Form1>& MainWindowOwner() {
    static std::unique_ptr<Form1> owner;
    return owner;
}

uint32_t ReadLastOsError() { return ::GetLastError(); }

class OleSession {
public:
    OleSession() : initialized_(SUCCEEDED(::OleInitialize(nullptr))) {}
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;
    ~OleSession() {
        if (initialized_) ::OleUninitialize();
    }

private:
    bool initialized_;
};

}  // namespace

void Main() {
    err::TopLevelTrap(L"mMain.Main", [] {
        texts::LoadLanguageStrings();

        auto& owner = MainWindowOwner();
        owner = std::make_unique<Form1>();
        Form1& form = *owner;
        Program().MainForm = &form;
        form.Show();

        if (const auto path = PhotoPathFromCommandLine(App().Command())) {
            // The name changes only once the photo has loaded: a failed load
            // keeps the previous name with the previous picture.
            Picture photo = LoadPicture(*path);
            form.picImage.SetPicture(std::move(photo));
            Program().CurrentPhotoFileName = SplitingFolder(*path, L"\\");
            form.ResizePhotoInProperties();
        } else {
            form.SetNoImage();
        }
        SaveVersion();
    });
}

int RunMessageLoop() {
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

int RunProgram() {
    SetLastOsErrorReader(&ReadLastOsError);
    err::InstallErrorServices(ProgramErrorServices());
    const OleSession ole;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_WIN95_CLASSES | ICC_USEREX_CLASSES};
    ::InitCommonControlsEx(&controls);

    Main();
    int exitCode = 0;
    if (Program().MainForm) exitCode = RunMessageLoop();
    RunWhileReportDialogsOpen();
    Program().MainForm = nullptr;
    MainWindowOwner().reset();
    return exitCode;
}

}  // namespace tpr::win
