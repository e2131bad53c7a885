// The Linux side of the Wine the tests run in: its /tmp as a
// Windows folder, and its shell, for checking the program's files with
// Linux tools.
#pragma once

#include <string>

namespace tpr::test {

// The Linux /tmp as the Windows side names it (Wine's drive Z: is the root).
constexpr wchar_t kLinuxTmp[] = L"Z:\\tmp\\";

// The Linux path of a path on drive Z:.
std::string LinuxPath(const std::wstring& windowsPath);

// What a Linux shell command line prints; "" when it cannot be run or has
// not finished within the time. Its output goes through a file in `folder`
// (a folder on drive Z:).
std::string LinuxShellOutput(const std::wstring& folder, const std::string& command, int timeoutSeconds = 30);

// The quality that ImageMagick's `identify -verbose` estimates for a JPEG
// file on drive Z: from its quantisation tables; -1 when it gives none.
int IdentifiedJpegQuality(const std::wstring& path);

}  // namespace tpr::test
