// The report dialog's mail address and subject, and the file manager's command.
#include "core/errors/mail_explorer.h"

#include "core/runtime/text_replace.h"

namespace tpr::err {
namespace {

// Escapes what a mail program would otherwise misread in a query value. "%"
// goes first, so that the escapes made here are not escaped again.
std::wstring EscapedMailText(std::wstring_view text) {
    std::wstring escaped(text);
    ReplaceAll(escaped, L"%", L"%25");
    ReplaceAll(escaped, L"#", L"%23");
    ReplaceAll(escaped, L"&", L"%26");
    ReplaceAll(escaped, L" ", L"%20");
    ReplaceAll(escaped, L"\r\n", L"%0D%0A");
    ReplaceAll(escaped, L"\r", L"%0D");
    ReplaceAll(escaped, L"\n", L"%0A");
    return escaped;
}

std::wstring UpperCaseAscii(std::wstring_view text) {
    std::wstring upper(text);
    for (wchar_t& c : upper) {
        if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
    }
    return upper;
}

}  // namespace

std::wstring ReportMailSubject(std::wstring_view appTitle, const AppVersion& version) {
    return std::wstring(appTitle) + L" v" + std::to_wstring(version.major) + L'.' +
           std::to_wstring(version.minor) + L" Error report";
}

std::wstring BuildMailtoAddress(std::wstring_view address, std::wstring_view subject, std::wstring_view body,
                                std::wstring_view cc, std::wstring_view bcc, std::wstring_view attachment) {
    std::wstring query;
    if (!subject.empty()) query += L"&Subject=" + EscapedMailText(subject);
    if (!body.empty()) query += L"&Body=" + EscapedMailText(body) + L"%0D%0A";
    if (!cc.empty()) query += L"&CC=" + std::wstring(cc);
    if (!bcc.empty()) query += L"&BCC=" + std::wstring(bcc);
    // "Attacth" is the field name the program has always sent; kept as it is.
    if (!attachment.empty()) query += L"&Attacth=\"" + std::wstring(attachment) + L'"';
    if (!query.empty()) query[0] = L'?';
    return L"mailto:" + std::wstring(address) + query;
}

std::optional<std::wstring> ShellErrorText(int32_t code) {
    switch (code) {
        case 0:
            return L"The operating system is out of memory or resources.";
        case 2:
            return L"The specified file was not found.";
        case 3:
            return L"The specified path was not found.";
        case 5:
            return L"The operating system denied access to the specified file.";
        case 8:
            return L"There was not enough memory to complete the operation.";
        case 11:
            return L"The .exe file is invalid (non-Win32 .exe or error in .exe image).";
        case 26:
            return L"A sharing violation occurred.";
        case 27:
            return L"The file name association is incomplete or invalid.";
        case 31:
            return L"There is no application associated with the given file name extension. This error will "
                   L"also be returned if you attempt to print a file that is not printable.";
        default:
            return std::nullopt;
    }
}

FileManagerVerdict CheckFileManagerPath(std::wstring_view path, const std::vector<std::wstring>& driveNames,
                                        const std::function<bool(const std::wstring& drive)>& volumeReadable,
                                        const std::function<bool(std::wstring_view path)>& pathExists) {
    const std::wstring drive(path.substr(0, 3));
    const std::wstring upperDrive = UpperCaseAscii(drive);
    bool present = false;
    for (const std::wstring& name : driveNames) present = present || name == upperDrive;
    if (!present) return FileManagerVerdict::DriveNotPresent;
    if (!volumeReadable(drive)) return FileManagerVerdict::NoDisk;
    if (!pathExists(path)) return FileManagerVerdict::FileNotFound;
    return FileManagerVerdict::Ok;
}

std::vector<std::wstring> SplitDriveStrings(std::wstring_view buffer) {
    std::vector<std::wstring> pieces;
    for (size_t start = 0;;) {
        const size_t nul = buffer.find(L'\0', start);
        pieces.emplace_back(buffer.substr(start, nul - start));
        if (nul == std::wstring_view::npos) break;
        start = nul + 1;
    }
    // The two empty pieces after the last root's NUL and the closing NUL. A
    // buffer too short to hold them holds no drive.
    pieces.resize(pieces.size() < 2 ? 0 : pieces.size() - 2);
    return pieces;
}

std::wstring FormatVolumeSerial(uint32_t serial) {
    static constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
    std::wstring text(9, L'-');
    for (int i = 7; i >= 0; --i, serial /= 16) text[i < 4 ? i : i + 1] = kDigits[serial % 16];
    return text;
}

std::optional<std::wstring> DriveInfoItem(const VolumeInformation& volume, int16_t infoType) {
    switch (infoType) {
        case kDriveInfoSerial:
            return FormatVolumeSerial(volume.serial);
        case kDriveInfoVolumeName:
            return volume.volumeName;
        case kDriveInfoFileSystem:
            return volume.fileSystemName;
        default:
            return std::nullopt;
    }
}

}  // namespace tpr::err
