// Starting a document, an address or a program through the shell. Every
// start goes through one replaceable launcher, so that tests can see exactly
// what would have been started without starting it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace tpr::win {

struct ShellStart {
    HWND owner = nullptr;
    std::wstring verb;  // empty: the shell's default action
    std::wstring file;
    std::wstring parameters;
    int show = SW_SHOWNORMAL;
};

class ShellLauncher {
public:
    virtual ~ShellLauncher() = default;
    // Above 32 on success, the shell's error code otherwise.
    virtual intptr_t Start(const ShellStart& start) = 0;
};

// Hands the start to the installed launcher (the system's shell unless
// replaced).
intptr_t StartWithShell(const ShellStart& start);

// Replaces the launcher; null puts the system's shell back.
void SetShellLauncher(ShellLauncher* launcher);

}  // namespace tpr::win
