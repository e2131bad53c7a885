#include "runtime/application.h"

#include <windows.h>

#include "main_window/app_info.h"

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

}  // namespace

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

std::wstring Application::Command() const { return ArgumentsOfCommandLine(::GetCommandLineW()); }

Application& App() {
    static Application app{L"Tessaly Photo Resizer", kVersionMajor, kVersionMinor, kVersionRevision,
                           ExecutableFolder()};
    return app;
}

}  // namespace tpr::win
