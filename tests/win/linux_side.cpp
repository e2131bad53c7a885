#include "linux_side.h"

#include <windows.h>

#include "runtime/text.h"
#include "test_files.h"

namespace tpr::test {

std::string LinuxPath(const std::wstring& windowsPath) {
    std::string path = win::ToNarrow(windowsPath.substr(2));  // after "Z:"
    for (char& c : path) c = c == '\\' ? '/' : c;
    return path;
}

std::string LinuxShellOutput(const std::wstring& folder, const std::string& command, int timeoutSeconds) {
    // Wine gives no handle to wait on for a Linux process: the output is
    // moved into place once complete, and waited for.
    static int calls = 0;
    const std::wstring output = folder + L"\\shell-" + std::to_wstring(++calls) + L".txt";
    const std::string part = LinuxPath(output) + ".part";
    std::wstring line =
        L"sh -c \"" +
        win::ToWide("(" + command + ") > " + part + " && mv " + part + " " + LinuxPath(output)) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(L"Z:\\bin\\sh", line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process)) {
        return {};
    }
    if (process.hThread) ::CloseHandle(process.hThread);
    if (process.hProcess) ::CloseHandle(process.hProcess);
    for (int waited = 0; waited < timeoutSeconds * 10 && !FileExists(output); ++waited) ::Sleep(100);
    std::string printed = ReadFileBytes(output);
    ::DeleteFileW(output.c_str());
    return printed;
}

int IdentifiedJpegQuality(const std::wstring& path) {
    const std::wstring folder = path.substr(0, path.find_last_of(L'\\'));
    const std::string printed =
        LinuxShellOutput(folder, "identify -verbose " + LinuxPath(path) + " | sed -n 's/^ *Quality: //p'");
    return printed.empty() ? -1 : std::stoi(printed);
}

}  // namespace tpr::test
