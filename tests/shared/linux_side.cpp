#include "linux_side.h"

#include <windows.h>

#include "test_files.h"

namespace tpr::test {
namespace {

// Linux takes its paths and command lines in UTF-8.
std::string ToUtf8(const std::wstring& text) {
    const int length = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                             nullptr, nullptr);
    std::string utf8(static_cast<size_t>(length), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), length, nullptr,
                          nullptr);
    return utf8;
}

std::wstring FromUtf8(const std::string& text) {
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

}  // namespace

std::string LinuxPath(const std::wstring& windowsPath) {
    std::string path = ToUtf8(windowsPath.substr(2));  // after "Z:"
    for (char& c : path) c = c == '\\' ? '/' : c;
    return path;
}

std::string LinuxShellOutput(const std::wstring& folder, const std::string& command, int timeoutSeconds) {
    // Wine gives no handle to wait on for a Linux process: the output is
    // moved into place once complete, and waited for. Its name holds the
    // moment of the call, as processes of separate Wine prefixes may share
    // a process id and the folder.
    static int calls = 0;
    LARGE_INTEGER now{};
    ::QueryPerformanceCounter(&now);
    const std::wstring output = folder + L"\\shell-" + std::to_wstring(now.QuadPart) + L"-" +
                                std::to_wstring(++calls) + L".txt";
    const std::string part = LinuxPath(output) + ".part";
    std::wstring line =
        L"sh -c \"" +
        FromUtf8("(" + command + ") > " + part + " && mv " + part + " " + LinuxPath(output)) + L"\"";
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
