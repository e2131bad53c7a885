// The support mail and the log folder's links: the "mailto:" address, shell and drive checks and facts.
#include "core/errors/mail_explorer.h"

#include <gtest/gtest.h>

namespace tpr::err {
namespace {

TEST(BuildMailtoAddress, EscapesSubjectAndBodyAndAddsTheOtherFields) {
    // Characters a mail program would decode or cut the address at are escaped.
    const struct { const wchar_t *subject, *body, *cc, *bcc, *attachment, *address; } cases[] = {
        {L"", L"", L"", L"", L"", L"mailto:A"},
        {L"a b&c", L"", L"", L"", L"", L"mailto:A?Subject=a%20b%26c"},
        {L"", L"line one\r\nline two", L"", L"", L"", L"mailto:A?Body=line%20one%0D%0Aline%20two%0D%0A"},
        {L"x\r\ny\rz\nw", L"", L"", L"", L"", L"mailto:A?Subject=x%0D%0Ay%0Dz%0Aw"},
        {L"", L"", L"c@x", L"b@x", L"C:\\My Logs\\ErrorReport.txt",
         L"mailto:A?CC=c@x&BCC=b@x&Attacth=\"C:\\My Logs\\ErrorReport.txt\""},
        {L"S", L"B", L"c", L"", L"", L"mailto:A?Subject=S&Body=B%0D%0A&CC=c"},
        {L"100% #1?", L"", L"", L"", L"", L"mailto:A?Subject=100%25%20%231?"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BuildMailtoAddress(L"A", c.subject, c.body, c.cc, c.bcc, c.attachment), c.address);
    }
}

TEST(CheckFileManagerPath, ChecksDriveThenDiskThenFile) {
    const std::vector<std::wstring> drives{L"A:\\", L"C:\\", L"E:\\"};
    // asked: the probes' arguments, in order.
    const struct { std::wstring path; FileManagerVerdict is; std::vector<std::wstring> asked; } cases[] = {
        {L"c:\\users\\ann\\x.txt", FileManagerVerdict::Ok, {L"c:\\", L"c:\\users\\ann\\x.txt"}},
        {L"Q:\\x.txt", FileManagerVerdict::DriveNotPresent, {}},
        {L"E:\\photos\\a.jpg", FileManagerVerdict::NoDisk, {L"E:\\"}},
        {L"C:\\gone.txt", FileManagerVerdict::FileNotFound, {L"C:\\", L"C:\\gone.txt"}},
        {L"C:\\", FileManagerVerdict::Ok, {L"C:\\", L"C:\\"}},
        {L"C:", FileManagerVerdict::DriveNotPresent, {}},
        {L"", FileManagerVerdict::DriveNotPresent, {}},
    };
    for (const auto& c : cases) {
        std::vector<std::wstring> asked;
        const auto hasDisk = [&](const std::wstring& d) { asked.push_back(d); return d != L"E:\\"; };
        const auto exists = [&](std::wstring_view p) { asked.emplace_back(p); return p != L"C:\\gone.txt"; };
        const FileManagerVerdict verdict = CheckFileManagerPath(c.path, drives, hasDisk, exists);
        EXPECT_TRUE(verdict == c.is && asked == c.asked) << c.path;
    }
}

TEST(SplitDriveStrings, DropsTheEmptyPiecesAfterTheLastRoot) {
    using namespace std::string_literals;
    EXPECT_EQ(SplitDriveStrings(L"A:\\\0C:\\\0Z:\\\0\0"s),
              (std::vector<std::wstring>{L"A:\\", L"C:\\", L"Z:\\"}));
    EXPECT_TRUE(SplitDriveStrings(L"\0"s).empty());
    EXPECT_TRUE(SplitDriveStrings(L"").empty());
}

TEST(MailAndDriveTexts, SubjectShellErrorsAndDriveFacts) {
    const VolumeInformation volume{L"PHOTOS", 0x0A1B2C3D, L"NTFS"};
    const std::pair<std::optional<std::wstring>, std::optional<std::wstring>> cases[] = {
        // The subject names the major and minor version only.
        {ReportMailSubject(L"Tessaly Photo Resizer", {2, 0, 7}), L"Tessaly Photo Resizer v2.0 Error report"},
        {ReportMailSubject(L"T", {10, 12, 0}), L"T v10.12 Error report"},
        {ShellErrorText(2), L"The specified file was not found."},
        {ShellErrorText(31),
         L"There is no application associated with the given file name extension. This error will also be "
         L"returned if you attempt to print a file that is not printable."},
        {DriveInfoItem(volume, kDriveInfoSerial), L"0A1B-2C3D"},
        {DriveInfoItem(volume, kDriveInfoVolumeName), L"PHOTOS"},
        {DriveInfoItem(volume, kDriveInfoFileSystem), L"NTFS"},
        {DriveInfoItem(volume, 0), std::nullopt}, {DriveInfoItem(volume, 4), std::nullopt},
        {FormatVolumeSerial(0), L"0000-0000"}, {FormatVolumeSerial(0xFFFFFFFF), L"FFFF-FFFF"},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(text, expected);
    // The other codes the shell reports have texts of their own; any other code none.
    for (const int32_t code : {0, 3, 5, 8, 11, 26, 27}) EXPECT_NE(ShellErrorText(code), std::nullopt) << code;
    for (const int32_t code : {1, 28, 29, 30, 32, 33, -1})
        EXPECT_EQ(ShellErrorText(code), std::nullopt) << code;
}

}  // namespace
}  // namespace tpr::err
