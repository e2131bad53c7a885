// The end-to-end driver: the running program seen from outside its process.
#include "e2e_support.h"

#include <commctrl.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <stdexcept>

#include "linux_side.h"
#include "program_path.h"

namespace tpr::e2e {
namespace {

constexpr wchar_t kSettingsKey[] = L"Software\\VB and VBA Program Settings\\Tessaly Photo Resizer";

// Memory in the program's process for common-control messages that answer through a pointer (the system
// carries only its own controls' messages between processes): the answer is written there and read back.
class RemoteBuffer {
public:
    RemoteBuffer(HANDLE process, SIZE_T bytes)
        : process_(process),
          address_(::VirtualAllocEx(process, nullptr, bytes, MEM_COMMIT, PAGE_READWRITE)) {}
    ~RemoteBuffer() { ::VirtualFreeEx(process_, address_, 0, MEM_RELEASE); }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    LPARAM lParam() const { return reinterpret_cast<LPARAM>(address_); }
    void ReadInto(void* buffer, SIZE_T bytes) const {
        SIZE_T read = 0;
        ::ReadProcessMemory(process_, address_, buffer, bytes, &read);
    }

private:
    HANDLE process_;
    void* address_;
};

PROCESS_INFORMATION Start(std::wstring commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process)) {
        throw std::runtime_error("could not start the command line");
    }
    return process;
}

}  // namespace

std::wstring ProgramPath() {
    // The benchmark times the stripped program that ships.
    wchar_t overridden[MAX_PATH] = {};
    const DWORD length = ::GetEnvironmentVariableW(L"TPR_PROGRAM", overridden, MAX_PATH);
    std::wstring path = length > 0 && length < MAX_PATH ? overridden : TPR_PROGRAM_PATH;
    for (auto& c : path) c = c == L'/' ? L'\\' : c;
    return path;
}

RunningProgram::RunningProgram(const std::wstring& arguments, bool waitForMainWindow)
    : process_(Start(Quoted(ProgramPath()) + (arguments.empty() ? L"" : L" " + arguments))) {
    if (!waitForMainWindow) return;
    test::WaitUntil(20000, [&] { return FindMainWindow(); });
    ::WaitForInputIdle(process_.hProcess, 10000);
}

bool RunningProgram::FindMainWindow() {
    for (HWND window : TopLevelWindows()) {
        if (ClassNameOf(window) == L"ThunderRT6FormDC") mainWindow_ = window;
    }
    return mainWindow_ != nullptr;
}

RunningProgram::~RunningProgram() {
    if (!WaitForExit(0)) {
        Close();
        if (!WaitForExit(5000)) ::TerminateProcess(process_.hProcess, 1);
    }
    ::CloseHandle(process_.hThread);
    ::CloseHandle(process_.hProcess);
}

std::vector<HWND> RunningProgram::TopLevelWindows() const {
    return test::TopLevelWindowsOf(process_.dwProcessId);
}

HWND RunningProgram::WaitForWindow(const std::wstring& title, DWORD timeoutMs) const {
    HWND result = nullptr;
    test::WaitUntil(timeoutMs, [&] {
        const auto found = test::TopLevelWindowsOf(process_.dwProcessId, title);
        result = found.empty() ? nullptr : found.front();
        return result != nullptr;
    });
    return result;
}

std::wstring RunningProgram::StatusText(int panel) const {
    const HWND bar = ::FindWindowExW(mainWindow_, nullptr, STATUSCLASSNAMEW, nullptr);
    if (!bar) return {};
    std::wstring text(1024, L'\0');
    const RemoteBuffer remote(process_.hProcess, text.size() * sizeof(wchar_t));
    const LRESULT result = ::SendMessageW(bar, SB_GETTEXTW, static_cast<WPARAM>(panel - 1), remote.lParam());
    remote.ReadInto(text.data(), text.size() * sizeof(wchar_t));
    text.resize(LOWORD(result));
    return text;
}

HWND RunningProgram::QualityList() const {
    return ::FindWindowExW(::FindWindowExW(mainWindow_, nullptr, TOOLBARCLASSNAMEW, nullptr), nullptr,
                           WC_COMBOBOXW, nullptr);
}

RECT RunningProgram::CommandRect(int commandId) const {
    const HWND bar = ::FindWindowExW(mainWindow_, nullptr, TOOLBARCLASSNAMEW, nullptr);
    const LRESULT index = ::SendMessageW(bar, TB_COMMANDTOINDEX, static_cast<WPARAM>(commandId), 0);
    const RemoteBuffer remote(process_.hProcess, sizeof(RECT));
    ::SendMessageW(bar, TB_GETITEMRECT, static_cast<WPARAM>(index), remote.lParam());
    RECT rect{};
    remote.ReadInto(&rect, sizeof rect);
    ::MapWindowPoints(bar, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::wstring RunningProgram::ShownHint() const {
    for (HWND tip : TopLevelWindows()) {
        if (ClassNameOf(tip) == TOOLTIPS_CLASSW) return WindowTextOf(tip);
    }
    return {};
}

bool RunningProgram::Responds() const {
    DWORD_PTR answer = 0;
    return ::SendMessageTimeoutW(mainWindow_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer) != 0;
}

bool RunningProgram::WaitForExit(DWORD timeoutMs) {
    return ::WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

DWORD RunningProgram::ExitCode() const {
    DWORD code = 0;
    ::GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

void RunningProgram::Close() {
    if (mainWindow_) ::PostMessageW(mainWindow_, WM_CLOSE, 0, 0);
}

bool AcknowledgeReport(const RunningProgram& program) {
    const HWND dialog = program.WaitForWindow(texts::ProgramErrorTitle);
    if (!dialog) return false;
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return WaitUntil(5000, [&] { return !::IsWindow(dialog); });
}

DWORD RunToItsEnd(const std::wstring& commandLine) {
    const PROCESS_INFORMATION process = Start(commandLine);
    ::WaitForSingleObject(process.hProcess, 60000);
    DWORD exitCode = static_cast<DWORD>(-1);
    ::GetExitCodeProcess(process.hProcess, &exitCode);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return exitCode;
}

std::optional<std::wstring> ReadRegistryText(const std::wstring& key, const std::wstring& value) {
    wchar_t text[1024] = {};
    DWORD bytes = sizeof text;
    if (::RegGetValueW(HKEY_CURRENT_USER, key.c_str(), value.c_str(), RRF_RT_REG_SZ, nullptr, text, &bytes) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return text;
}

bool RegistryKeyExists(const std::wstring& key) {
    HKEY opened = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
    ::RegCloseKey(opened);
    return true;
}

std::wstring ReadSetting(const std::wstring& section, const std::wstring& key) {
    return ReadRegistryText(std::wstring(kSettingsKey) + L"\\" + section, key).value_or(L"<absent>");
}

void WriteSetting(const std::wstring& section, const std::wstring& key, const std::wstring& value) {
    const std::wstring path = std::wstring(kSettingsKey) + L"\\" + section;
    ::RegSetKeyValueW(HKEY_CURRENT_USER, path.c_str(), key.c_str(), REG_SZ, value.c_str(),
                      static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

void ClearSettings() { ::SHDeleteKeyW(HKEY_CURRENT_USER, kSettingsKey); }

bool SettingsExist() { return RegistryKeyExists(kSettingsKey); }

ErrorLogWatch::ErrorLogWatch() {
    wchar_t documents[MAX_PATH] = {};
    ::SHGetSpecialFolderPathW(nullptr, documents, CSIDL_PERSONAL, FALSE);
    path_ = std::wstring(documents) + L"\\Tessaly Photo Resizer\\ErrorReport.txt";
    before_ = ReadFileBytes(path_);
}

std::string ErrorLogWatch::NewEntries() const {
    const std::string log = ReadFileBytes(path_);
    if (log.compare(0, before_.size(), before_) != 0) return "the log was rewritten, not appended to";
    return log.substr(before_.size());
}

}  // namespace tpr::e2e

namespace tpr::e2e {

bool Xdotool(const std::string& commands) {
    return test::LinuxShellOutput(test::kLinuxTmp, "/usr/bin/xdotool " + commands + " && echo done") == "done\n";
}

std::string PointerTo(const RECT& rect) {
    return "mousemove " + std::to_string((rect.left + rect.right) / 2) + " " +
           std::to_string((rect.top + rect.bottom) / 2);
}

bool WaitForTheFirstLayout(const RunningProgram& program) {
    return program.MainWindow() &&
           WaitUntil(10000, [&] { return program.StatusText(1) == WorkAreaResolutionText(800, 600); });
}

}  // namespace tpr::e2e
