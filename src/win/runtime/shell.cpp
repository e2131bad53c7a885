// Starting documents, addresses and programs through the shell.
#include "win/runtime/shell.h"

#include <shellapi.h>

namespace tpr::win {
namespace {

class SystemShell : public ShellLauncher {
public:
    intptr_t Start(const ShellStart& start) override {
        auto optional = [](const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); };
        const HINSTANCE result = ::ShellExecuteW(start.owner, optional(start.verb), start.file.c_str(),
                                                 optional(start.parameters), nullptr, start.show);
        return reinterpret_cast<intptr_t>(result);
    }
};

ShellLauncher* g_launcher = nullptr;

}  // namespace

intptr_t StartWithShell(const ShellStart& start) {
    static SystemShell system;
    return (g_launcher ? *g_launcher : static_cast<ShellLauncher&>(system)).Start(start);
}

void SetShellLauncher(ShellLauncher* launcher) { g_launcher = launcher; }

}  // namespace tpr::win
