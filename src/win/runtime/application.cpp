// Application: the program's title, version, folder and running instance.
#include "win/runtime/application.h"

#include <windows.h>

#include <utility>

#include "core/runtime/product.h"
#include "win/runtime/application_window.h"
#include "win/runtime/unique_any.h"

namespace tpr::win {
namespace {

std::wstring ExecutableFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.find_last_of(L'\\'));
}

// A named mutex that lives as long as the instance runs; `existed` tells
// whether another process had made it already.
UniqueKernelHandle CreateRunningMark(const std::wstring& name, bool& existed) {
    UniqueKernelHandle mark(::CreateMutexW(nullptr, FALSE, name.c_str()));
    existed = ::GetLastError() == ERROR_ALREADY_EXISTS;
    return mark;
}

}  // namespace

struct Application::Instance {
    // The mark is named after the title the program starts with, which a
    // second start renames only after it has made its own mark.
    explicit Instance(const std::wstring& title)
        : runningMark(CreateRunningMark(title + L" is running", prevInstance)), window(title) {}

    bool prevInstance = false;
    UniqueKernelHandle runningMark;
    ApplicationWindow window;
};

Application::Application(std::wstring title, int major, int minor, int revision, std::wstring path)
    : Major(major), Minor(minor), Revision(revision), Path(std::move(path)), title_(std::move(title)) {}

Application::~Application() = default;

std::wstring Application::Command() const { return ArgumentsOfCommandLine(::GetCommandLineW()); }

void Application::SetTitle(std::wstring title) {
    title_ = std::move(title);
    if (instance_) instance_->window.Rename(title_);
}

bool Application::PrevInstance() const { return instance_ && instance_->prevInstance; }

ApplicationWindow* Application::Window() const { return instance_ ? &instance_->window : nullptr; }

Application& App() {
    static Application app(kProductName, kVersionMajor, kVersionMinor, kVersionRevision,
                           ExecutableFolder());
    return app;
}

RunningInstance::RunningInstance() { App().instance_ = std::make_unique<Application::Instance>(App().Title); }

RunningInstance::~RunningInstance() { App().instance_.reset(); }

std::wstring ArgumentsOfCommandLine(const std::wstring& commandLine) {
    size_t i = 0;
    if (i < commandLine.size() && commandLine[i] == L'"') {
        const size_t closing = commandLine.find(L'"', 1);
        i = closing == std::wstring::npos ? commandLine.size() : closing + 1;
    } else {
        while (i < commandLine.size() && commandLine[i] != L' ' && commandLine[i] != L'\t') ++i;
    }
    while (i < commandLine.size() && (commandLine[i] == L' ' || commandLine[i] == L'\t')) ++i;
    return commandLine.substr(i);
}

}  // namespace tpr::win
