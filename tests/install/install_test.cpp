// The installer as a user meets it: a silent install, the program started on a
// photo by the "Open with" command the installer registered, an install and
// an uninstall refused while the program runs, a silent uninstall that leaves
// nothing of the installer behind but keeps the user's settings.
#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "e2e_support.h"
#include "program_path.h"

namespace tpr::install {
namespace {

constexpr wchar_t kProgramFile[] = L"TessalyPhotoResizer.exe";
constexpr wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tessaly Photo Resizer";
constexpr wchar_t kApplicationKey[] = L"Software\\Classes\\Applications\\TessalyPhotoResizer.exe";
constexpr const wchar_t* kPhotoExtensions[] = {L".jpg", L".jpeg", L".bmp", L".gif"};

// The program part of the registered open command: what the driver starts.
std::wstring registeredProgram;

std::wstring OpenWithListKey(const std::wstring& extension) {
    return L"Software\\Classes\\" + extension + L"\\OpenWithList\\" + kProgramFile;
}

bool KeyExists(const std::wstring& key) {
    HKEY opened = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
    ::RegCloseKey(opened);
    return true;
}

// A text value of a key of the current user; nothing when the key or the
// value is absent.
std::optional<std::wstring> ReadText(const std::wstring& key, const wchar_t* value) {
    HKEY opened = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return {};
    wchar_t buffer[1024] = {};
    DWORD bytes = sizeof buffer - sizeof(wchar_t);
    const LONG result =
        ::RegQueryValueExW(opened, value, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &bytes);
    ::RegCloseKey(opened);
    if (result != ERROR_SUCCESS) return {};
    return std::wstring(buffer);
}

std::wstring ShellFolder(int csidl) {
    wchar_t path[MAX_PATH] = {};
    ::SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

// Runs a command line to its end; its exit code.
DWORD RunToItsEnd(std::wstring commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process)) {
        return static_cast<DWORD>(-1);
    }
    ::WaitForSingleObject(process.hProcess, 60000);
    DWORD exitCode = static_cast<DWORD>(-1);
    ::GetExitCodeProcess(process.hProcess, &exitCode);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return exitCode;
}

}  // namespace

std::wstring InstalledProgramPath() { return registeredProgram; }

TEST(Installer, InstallsOpensAPhotoFromOpenWithAndUninstallsCleanly) {
    const std::wstring programsFolder = ShellFolder(CSIDL_LOCAL_APPDATA) + L"\\Programs";
    const std::wstring installFolder = programsFolder + L"\\Tessaly Photo Resizer";
    const std::wstring installedProgram = installFolder + L"\\" + kProgramFile;
    const std::wstring shortcut = ShellFolder(CSIDL_PROGRAMS) + L"\\Tessaly Photo Resizer.lnk";
    const bool programsFolderExisted = e2e::FileExists(programsFolder);
    e2e::ClearSettings();

    ASSERT_EQ(RunToItsEnd(e2e::Quoted(TPR_INSTALLER_PATH) + L" /S"), 0u);
    EXPECT_TRUE(e2e::FileExists(installedProgram));
    EXPECT_TRUE(e2e::FileExists(shortcut));
    EXPECT_EQ(ReadText(kUninstallKey, L"DisplayName"), L"Tessaly Photo Resizer");
    for (const wchar_t* extension : kPhotoExtensions) {
        EXPECT_TRUE(ReadText(std::wstring(kApplicationKey) + L"\\SupportedTypes", extension)) << extension;
        EXPECT_TRUE(KeyExists(OpenWithListKey(extension))) << extension;
        // Offered, never made the default program of the type.
        EXPECT_FALSE(ReadText(std::wstring(L"Software\\Classes\\") + extension, L"")) << extension;
    }

    // What the shell runs for "Open with": the quoted program, then the quoted file.
    const std::wstring command =
        ReadText(std::wstring(kApplicationKey) + L"\\shell\\open\\command", L"").value_or(L"");
    const std::wstring fileArgument = L" \"%1\"";
    ASSERT_GT(command.size(), fileArgument.size());
    ASSERT_EQ(command.substr(command.size() - fileArgument.size()), fileArgument) << command;
    registeredProgram = command.substr(1, command.size() - fileArgument.size() - 2);
    EXPECT_EQ(e2e::Quoted(registeredProgram), command.substr(0, command.size() - fileArgument.size()));
    EXPECT_EQ(registeredProgram, installedProgram);
    {
        e2e::TempFolder folder;
        const std::wstring photo = folder.File(L"Holiday photo.jpeg");
        e2e::WritePhoto(photo, 640, 480);
        e2e::RunningProgram program(e2e::Quoted(photo));
        ASSERT_TRUE(program.MainWindow());
        EXPECT_TRUE(e2e::WaitUntil(10000, [&] { return program.StatusText(2) == L"Photo resolution: 640x480  "; }))
            << program.StatusText(2);

        // The running program holds its file: a silent install or uninstall
        // ends without touching it (exit code 2: stopped by the installer).
        const std::wstring refused[] = {
            e2e::Quoted(TPR_INSTALLER_PATH) + L" /S",
            e2e::Quoted(installFolder + L"\\uninstall.exe") + L" /S _?=" + installFolder,
        };
        for (const std::wstring& run : refused) EXPECT_EQ(RunToItsEnd(run), 2u) << run;
        EXPECT_TRUE(e2e::FileExists(installedProgram));
    }

    e2e::WriteSetting(L"Options", L"Kept", L"yes");
    RunToItsEnd(ReadText(kUninstallKey, L"QuietUninstallString").value_or(L"no uninstaller registered"));
    // The uninstaller hands over to a copy of itself in the temporary folder.
    EXPECT_TRUE(e2e::WaitUntil(30000, [&] { return !e2e::FileExists(installFolder); }));
    EXPECT_EQ(e2e::FileExists(programsFolder), programsFolderExisted);
    EXPECT_FALSE(e2e::FileExists(shortcut));
    EXPECT_FALSE(KeyExists(kUninstallKey));
    EXPECT_FALSE(KeyExists(kApplicationKey));
    for (const wchar_t* extension : kPhotoExtensions) EXPECT_FALSE(KeyExists(OpenWithListKey(extension))) << extension;
    EXPECT_EQ(e2e::ReadSetting(L"Options", L"Kept"), L"yes");
    e2e::ClearSettings();
}

}  // namespace tpr::install
