// The installer as a user meets it: install, "Open with", refusal while running, clean uninstall.
#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "core/main_window/status_texts.h"
#include "e2e_support.h"
#include "program_path.h"

namespace tpr::install {
namespace {

using namespace e2e;

constexpr wchar_t kProgramFile[] = L"TessalyPhotoResizer.exe";
constexpr wchar_t kUninstallKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tessaly Photo Resizer";
constexpr wchar_t kApplicationKey[] = L"Software\\Classes\\Applications\\TessalyPhotoResizer.exe";
constexpr const wchar_t* kPhotoExtensions[] = {L".jpg", L".jpeg", L".bmp", L".gif", L".png", L".tif", L".tiff"};

// The program part of the registered open command: what the driver starts.
std::wstring registeredProgram;

std::wstring OpenWithListKey(const std::wstring& extension) {
    return L"Software\\Classes\\" + extension + L"\\OpenWithList\\" + kProgramFile;
}

std::wstring ShellFolder(int csidl) {
    wchar_t path[MAX_PATH] = {};
    ::SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

}  // namespace

std::wstring InstalledProgramPath() { return registeredProgram; }

TEST(Installer, InstallsOpensAPhotoFromOpenWithAndUninstallsCleanly) {
    const std::wstring programsFolder = ShellFolder(CSIDL_LOCAL_APPDATA) + L"\\Programs";
    const std::wstring installFolder = programsFolder + L"\\Tessaly Photo Resizer";
    const std::wstring installedProgram = installFolder + L"\\" + kProgramFile;
    const std::wstring shortcut = ShellFolder(CSIDL_PROGRAMS) + L"\\Tessaly Photo Resizer.lnk";
    const bool programsFolderExisted = FileExists(programsFolder);
    ClearSettings();

    ASSERT_EQ(RunToItsEnd(Quoted(TPR_INSTALLER_PATH) + L" /S"), 0u);
    EXPECT_TRUE(FileExists(installedProgram));
    EXPECT_TRUE(FileExists(shortcut));
    EXPECT_EQ(ReadRegistryText(kUninstallKey, L"DisplayName"), L"Tessaly Photo Resizer");
    for (const wchar_t* extension : kPhotoExtensions) {
        EXPECT_TRUE(ReadRegistryText(std::wstring(kApplicationKey) + L"\\SupportedTypes", extension))
            << extension;
        EXPECT_TRUE(RegistryKeyExists(OpenWithListKey(extension))) << extension;
        // Offered, never made the default program of the type.
        EXPECT_FALSE(ReadRegistryText(std::wstring(L"Software\\Classes\\") + extension, L"")) << extension;
    }

    // What the shell runs for "Open with": the quoted program, then the quoted file.
    const std::wstring command =
        ReadRegistryText(std::wstring(kApplicationKey) + L"\\shell\\open\\command", L"").value_or(L"");
    const std::wstring fileArgument = L" \"%1\"";
    ASSERT_GT(command.size(), fileArgument.size());
    ASSERT_EQ(command.substr(command.size() - fileArgument.size()), fileArgument) << command;
    registeredProgram = command.substr(1, command.size() - fileArgument.size() - 2);
    EXPECT_EQ(Quoted(registeredProgram), command.substr(0, command.size() - fileArgument.size()));
    EXPECT_EQ(registeredProgram, installedProgram);
    {
        TempFolder folder;
        const std::wstring photo = folder.File(L"Holiday photo.jpeg");
        WritePhoto(photo, 640, 480);
        RunningProgram program(Quoted(photo));
        ASSERT_TRUE(program.MainWindow());
        EXPECT_TRUE(WaitUntil(10000, [&] { return program.StatusText(2) == PhotoResolutionText(640, 480); }))
            << program.StatusText(2);

        // The running program holds its file: a silent install or uninstall
        // ends without touching it (exit code 2: stopped by the installer).
        const std::wstring refused[] = {
            Quoted(TPR_INSTALLER_PATH) + L" /S",
            Quoted(installFolder + L"\\uninstall.exe") + L" /S _?=" + installFolder,
        };
        for (const std::wstring& run : refused) EXPECT_EQ(RunToItsEnd(run), 2u) << run;
        EXPECT_TRUE(FileExists(installedProgram));
    }

    WriteSetting(L"Options", L"Kept", L"yes");
    RunToItsEnd(
        ReadRegistryText(kUninstallKey, L"QuietUninstallString").value_or(L"no uninstaller registered"));
    // The uninstaller hands over to a copy of itself in the temporary folder,
    // which removes the install folder and then, a moment later, its parent.
    EXPECT_TRUE(WaitUntil(30000, [&] {
        return !FileExists(installFolder) && FileExists(programsFolder) == programsFolderExisted;
    }));
    EXPECT_FALSE(FileExists(shortcut));
    EXPECT_FALSE(RegistryKeyExists(kUninstallKey));
    EXPECT_FALSE(RegistryKeyExists(kApplicationKey));
    for (const wchar_t* extension : kPhotoExtensions)
        EXPECT_FALSE(RegistryKeyExists(OpenWithListKey(extension))) << extension;
    EXPECT_EQ(ReadSetting(L"Options", L"Kept"), L"yes");
    ClearSettings();
}

}  // namespace tpr::install
