#include "e2e_support.h"

#include <commctrl.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <stdexcept>

#include "program_path.h"

namespace tpr::e2e {
namespace {

constexpr wchar_t kSettingsKey[] = L"Software\\VB and VBA Program Settings\\Tessaly Photo Resizer";

std::wstring ToBackslashes(std::wstring path) {
    for (auto& c : path) c = c == L'/' ? L'\\' : c;
    return path;
}

// Top-level windows of one process: visible ones with a title or of a class
// (empty: any), or of a class, hidden ones included.
struct WindowSearch {
    DWORD processId;
    std::wstring title;
    std::vector<HWND> found;
    std::wstring className = {};
    bool hiddenToo = false;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && (search->hiddenToo || ::IsWindowVisible(window)) &&
        (search->title.empty() || test::WindowTextOf(window) == search->title) &&
        (search->className.empty() || ClassNameOf(window) == search->className)) {
        search->found.push_back(window);
    }
    return TRUE;
}

BOOL CALLBACK CollectButton(HWND child, LPARAM param) {
    if (ClassNameOf(child) == L"Button")
        reinterpret_cast<std::vector<std::wstring>*>(param)->push_back(WindowTextOf(child));
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(child);
    return TRUE;
}

BOOL CALLBACK FindVisibleIcon(HWND child, LPARAM param) {
    const bool icon = ClassNameOf(child) == L"Static" && ::IsWindowVisible(child) &&
                      (::GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
                      ::SendMessageW(child, STM_GETICON, 0, 0) != 0;
    if (icon) *reinterpret_cast<bool*>(param) = true;
    return !icon;
}

constexpr wchar_t kAppDefaultsKey[] = L"Software\\Wine\\AppDefaults\\TessalyPhotoResizer.exe";

// Memory in the program's process, for the messages of the common controls
// that answer through a pointer (the system carries only its own controls'
// messages between processes): the answer is written there and read back.
class RemoteBuffer {
public:
    RemoteBuffer(HANDLE process, SIZE_T bytes)
        : process_(process),
          address_(::VirtualAllocEx(process, nullptr, bytes, MEM_COMMIT, PAGE_READWRITE)) {}
    ~RemoteBuffer() { ::VirtualFreeEx(process_, address_, 0, MEM_RELEASE); }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    LPARAM lParam() const { return reinterpret_cast<LPARAM>(address_); }
    template <class T>
    T Read(T value = {}) const {
        SIZE_T read = 0;
        ::ReadProcessMemory(process_, address_, &value, sizeof value, &read);
        return value;
    }
    void ReadInto(void* buffer, SIZE_T bytes) const {
        SIZE_T read = 0;
        ::ReadProcessMemory(process_, address_, buffer, bytes, &read);
    }

private:
    HANDLE process_;
    void* address_;
};

// Runs xdotool with the arguments and waits until it is done. Wine starts a
// Linux program by its path but gives no handle to wait on; the shell around
// it leaves a mark when it ends.
void RunXdotool(const std::wstring& arguments) {
    static int count = 0;
    const std::wstring mark = L"/tmp/tpr-e2e-pointer-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                              std::to_wstring(++count);
    std::wstring command = L"/bin/sh -c \"/usr/bin/xdotool " + arguments + L"; touch " + mark + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process)) {
        throw std::runtime_error("xdotool did not start");
    }
    if (process.hThread) ::CloseHandle(process.hThread);
    if (process.hProcess) ::CloseHandle(process.hProcess);
    const std::wstring markPath = L"Z:" + ToBackslashes(mark);
    if (!WaitUntil(10000, [&] { return FileExists(markPath); })) {
        throw std::runtime_error("xdotool did not end");
    }
    ::DeleteFileW(markPath.c_str());
}

std::wstring PointArguments(POINT screen) {
    return std::to_wstring(screen.x) + L" " + std::to_wstring(screen.y);
}

}  // namespace

std::wstring ProgramPath() { return ToBackslashes(TPR_PROGRAM_PATH); }

RunningProgram::RunningProgram(const std::wstring& arguments, bool waitForMainWindow) {
    std::wstring commandLine = L"\"" + ProgramPath() + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process_)) {
        throw std::runtime_error("program did not start");
    }
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

std::vector<HWND> RunningProgram::WindowsOfClass(const std::wstring& className) const {
    WindowSearch search{process_.dwProcessId, L"", {}, className, true};
    ::EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<std::wstring> RunningProgram::ClassesOfWindowsShownUntilExit(DWORD timeoutMs) {
    std::vector<std::wstring> shown;
    test::WaitUntil(timeoutMs, [&] {
        for (HWND window : TopLevelWindows()) shown.push_back(ClassNameOf(window));
        return WaitForExit(0);
    });
    return shown;
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

HWND RunningProgram::CommandBar() const {
    return ::FindWindowExW(mainWindow_, nullptr, TOOLBARCLASSNAMEW, nullptr);
}

HWND RunningProgram::QualityList() const {
    return ::FindWindowExW(CommandBar(), nullptr, WC_COMBOBOXW, nullptr);
}

RECT RunningProgram::CommandRect(int commandId) const {
    const HWND bar = CommandBar();
    const LRESULT index = ::SendMessageW(bar, TB_COMMANDTOINDEX, static_cast<WPARAM>(commandId), 0);
    const RemoteBuffer remote(process_.hProcess, sizeof(RECT));
    ::SendMessageW(bar, TB_GETITEMRECT, static_cast<WPARAM>(index), remote.lParam());
    RECT rect = remote.Read<RECT>();
    ::MapWindowPoints(bar, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// A list box's messages are carried between processes by the system, so the
// answer comes straight into the driver's own memory.
RECT RunningProgram::DroppedEntryRect(int entry) const {
    for (HWND list : TopLevelWindows()) {
        if (ClassNameOf(list) != L"ComboLBox") continue;
        RECT rect{};
        ::SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(entry), reinterpret_cast<LPARAM>(&rect));
        ::MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
    return {};
}

std::wstring RunningProgram::ShownHint() const {
    for (HWND tip : TopLevelWindows()) {
        if (ClassNameOf(tip) == TOOLTIPS_CLASSW) return WindowTextOf(tip);
    }
    return {};
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

void MovePointerTo(POINT screen) { RunXdotool(L"mousemove " + PointArguments(screen)); }

void ClickAt(POINT screen) { RunXdotool(L"mousemove " + PointArguments(screen) + L" click 1"); }

POINT CentreOf(const RECT& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

OtherProgramWindow::OtherProgramWindow()
    : window_(::CreateWindowExW(0, L"STATIC", L"Another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100,
                                400, 300, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr)) {
    ::SetForegroundWindow(window_);
}

OtherProgramWindow::~OtherProgramWindow() { ::DestroyWindow(window_); }

std::wstring MessageBoxText(HWND box) {
    // The message box's text is the static control with the identifier 0xFFFF.
    const HWND text = ::GetDlgItem(box, 0xFFFF);
    return text ? WindowTextOf(text) : L"<no text>";
}

std::vector<std::wstring> ButtonCaptions(HWND dialog) {
    std::vector<std::wstring> captions;
    ::EnumChildWindows(dialog, &CollectButton, reinterpret_cast<LPARAM>(&captions));
    return captions;
}

bool ShowsAnIcon(HWND dialog) {
    bool found = false;
    ::EnumChildWindows(dialog, &FindVisibleIcon, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::vector<std::wstring> ChildTextsOf(HWND window) {
    std::vector<HWND> children;
    ::EnumChildWindows(window, &CollectChild, reinterpret_cast<LPARAM>(&children));
    std::vector<std::wstring> texts;
    for (const HWND child : children) texts.push_back(WindowTextOf(child));
    return texts;
}

std::wstring ReadSetting(const std::wstring& section, const std::wstring& key) {
    const std::wstring path = std::wstring(kSettingsKey) + L"\\" + section;
    wchar_t value[1024] = {};
    DWORD bytes = sizeof value;
    if (::RegGetValueW(HKEY_CURRENT_USER, path.c_str(), key.c_str(), RRF_RT_REG_SZ, nullptr, value, &bytes) !=
        ERROR_SUCCESS) {
        return L"<absent>";
    }
    return value;
}

void WriteSetting(const std::wstring& section, const std::wstring& key, const std::wstring& value) {
    const std::wstring path = std::wstring(kSettingsKey) + L"\\" + section;
    HKEY hkey = nullptr;
    ::RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &hkey, nullptr);
    ::RegSetValueExW(hkey, key.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(hkey);
}

void ClearSettings() { ::SHDeleteKeyW(HKEY_CURRENT_USER, kSettingsKey); }

bool SettingsExist() {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    ::RegCloseKey(key);
    return true;
}

ReportedWindowsVersion::ReportedWindowsVersion(const std::wstring& version) {
    HKEY key = nullptr;
    ::RegCreateKeyExW(HKEY_CURRENT_USER, kAppDefaultsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                      nullptr);
    ::RegSetValueExW(key, L"Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version.c_str()),
                     static_cast<DWORD>((version.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(key);
}

ReportedWindowsVersion::~ReportedWindowsVersion() {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, kAppDefaultsKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
    ::RegDeleteValueW(key, L"Version");
    ::RegCloseKey(key);
}

std::wstring DocumentsFolder() {
    wchar_t path[MAX_PATH] = {};
    ::SHGetSpecialFolderPathW(nullptr, path, CSIDL_PERSONAL, FALSE);
    return path;
}

std::wstring ErrorLogPath() { return DocumentsFolder() + L"\\Tessaly Photo Resizer\\ErrorReport.txt"; }

}  // namespace tpr::e2e
