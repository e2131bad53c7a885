// The entry procedure Main (module mMain), the message loop and the run around them.
#include "win/app/startup.h"

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "core/app/command_line.h"
#include "core/common/os_version.h"
#include "core/common/ui_texts.h"
#include "core/errors/trap.h"
#include "core/runtime/runtime_error.h"
#include "win/app/single_instance.h"
#include "win/common/version_query.h"
#include "win/app/report_dialogs.h"
#include "win/main_window/main_window.h"
#include "win/main_window/program_state.h"
#include "win/main_window/reg_settings.h"
#include "win/runtime/application.h"
#include "win/runtime/application_window.h"
#include "win/runtime/message_box.h"

namespace tpr::win {
namespace {

std::unique_ptr<Form1>& MainWindowOwner() {
    static std::unique_ptr<Form1> owner;
    return owner;
}

// How long the start takes from reading the photo's path to the photo on
// show at the first activation, written as "open <ms>" to the file named by
// the environment variable TPR_OPEN_TIMING_FILE, for the benchmark; nothing
// is timed where it is not set.
class OpenTiming {
public:
    void Start() {
        const DWORD length = ::GetEnvironmentVariableW(L"TPR_OPEN_TIMING_FILE", file_, MAX_PATH);
        if (length > 0 && length < MAX_PATH) ::QueryPerformanceCounter(&started_);
    }
    // Writes the time once the main window was first activated.
    void EndOnceActivated() {
        if (started_.QuadPart == 0 || !Program().WindowActivated) return;
        LARGE_INTEGER now, frequency;
        ::QueryPerformanceCounter(&now);
        ::QueryPerformanceFrequency(&frequency);
        if (FILE* out = ::_wfopen(file_, L"w")) {
            std::fprintf(out, "open %.1f\n",
                         1000.0 * (now.QuadPart - started_.QuadPart) / frequency.QuadPart);
            std::fclose(out);
        }
        started_.QuadPart = 0;
    }

private:
    wchar_t file_[MAX_PATH] = {};
    LARGE_INTEGER started_{};
};

OpenTiming& OpenTimingOfThisStart() {
    static OpenTiming timing;
    return timing;
}

// Opens the photo that a command line names, by the rules of a start; false
// when it names none, or one in a format the program cannot open.
bool OpenCommandLinePhoto(Form1& form, const std::wstring& arguments) {
    const auto path = PhotoPathFromCommandLine(arguments);
    return path && form.ShowPhotoFile(*path);
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

        // Both tests run, whatever the first answers.
        const bool winXP = IsWinXP(&QueryVersionExA);
        const bool win2000 = IsWin2000(&QueryVersionExA);
        if (!winXP && !win2000) {
            MsgBox(texts::OSNotSupportedMessage, MB_ICONEXCLAMATION | MB_OK);
            return;
        }
        if (App().PrevInstance()) {
            ShowPrevInstance();
            return;
        }

        auto& owner = MainWindowOwner();
        owner = std::make_unique<Form1>();
        Form1& form = *owner;
        Program().MainForm = &form;
        form.Show();
        if (ApplicationWindow* window = App().Window()) window->SetMainWindow(form.hwnd());

        OpenTimingOfThisStart().Start();
        if (!OpenCommandLinePhoto(form, App().Command())) form.SetNoImage();
        SaveVersion();
    });
}

void OpenHandedCommandLine(const std::wstring& sCommand) {
    err::TopLevelTrap(
        L"mMain.OpenHandedCommandLine(sCommand)",
        [&] {
            if (Form1* form = Program().MainForm) OpenCommandLinePhoto(*form, sCommand);
        },
        sCommand);
}

int RunMessageLoop() {
    MSG message{};
    for (;;) {
        const BOOL result = ::GetMessageW(&message, nullptr, 0, 0);
        if (result == 0) break;
        // The queue could not be read: the program cannot go on answering.
        if (result == -1) return EXIT_FAILURE;
        // The main window's keys, wherever the focus is in it.
        Form1* form = Program().MainForm;
        if (!form || !form->TranslateKey(message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        OpenTimingOfThisStart().EndOnceActivated();
        // A command line handed over by a later start arrived inside that
        // dispatch, perhaps while a modal dialog ran there, or woke this
        // loop. It is opened here, where no dialog is open, so that no
        // dialog's work sees the photo change under it.
        ApplicationWindow* window = App().Window();
        if (auto handed = window ? window->TakeHandedCommandLine() : std::nullopt) {
            OpenHandedCommandLine(*handed);
        }
    }
    return static_cast<int>(message.wParam);
}

int RunProgram() {
    SetLastOsErrorReader(&ReadLastOsError);
    err::InstallErrorServices(ProgramErrorServices());
    const OleSession ole;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_WIN95_CLASSES | ICC_USEREX_CLASSES};
    ::InitCommonControlsEx(&controls);

    const RunningInstance instance;
    Main();
    int exitCode = 0;
    if (Program().MainForm) exitCode = RunMessageLoop();
    RunWhileReportDialogsOpen();
    Program().MainForm = nullptr;
    MainWindowOwner().reset();
    return exitCode;
}

}  // namespace tpr::win
