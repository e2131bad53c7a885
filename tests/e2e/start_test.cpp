// Starting the program as a user does, with a photo, none, several or a bad path; what a start records.
#include <gtest/gtest.h>

#include "e2e_support.h"
#include "exif_photo.h"

namespace tpr::e2e {
namespace {

struct Start {
    const wchar_t* what;
    std::wstring arguments;  // "@" stands for the test's folder
    SIZE shown;              // the photo's size in the status bar
    int error = 0;           // the number logged when the photo cannot be opened
    bool toldPlainly = false;  // a message box says the format cannot be opened
};

TEST(StartTest, EachCommandLineShowsItsPhotoOrReportsIt) {
    const TempFolder folder;
    WritePhoto(folder.File(L"a b.jpg"), 640, 480);
    WritePhoto(folder.File(L"IMG_0001.JPG"), 320, 240);
    WritePhoto(folder.File(L"wide.bmp"), 3200, 1600, L"image/bmp");
    WritePhoto(folder.File(L"screen.png"), 500, 300, L"image/png");
    WriteFileBytes(folder.File(L"photo.webp"), std::string("RIFF\x24\0\0\0WEBPVP8 ", 16));
    WritePhoto(folder.File(L"scan.TIFF"), 400, 500, L"image/tiff");
    const std::wstring portrait = folder.File(L"portrait.jpg");  // landscape pixels, to be turned right
    WritePhoto(portrait, 640, 480);
    WriteFileBytes(portrait, ReadFileBytes(portrait).insert(2, ExifSegment({OrientationEntry(6)})));
    constexpr SIZE kPlaceholder{355, 296};  // shown before any photo is opened
    const Start starts[] = {
        {L"nothing", L"", kPlaceholder},
        {L"a quoted path with a blank", L"\"@\\a b.jpg\"", {640, 480}},
        {L"a camera's name in capitals", L"\"@\\IMG_0001.JPG\"", {320, 240}},
        {L"a phone's portrait photo, upright", L"\"@\\portrait.jpg\"", {450, 600}},
        {L"an unquoted photo larger than the work area", L"@\\wide.bmp", {800, 400}},
        {L"a screenshot", L"@\\screen.png", {500, 300}},
        {L"a scan", L"\"@\\scan.TIFF\"", {400, 500}},
        {L"a WebP picture", L"@\\photo.webp", kPlaceholder, 0, true},
        {L"several dropped files", L"\"@\\a b.jpg\" \"@\\IMG_0001.JPG\"", kPlaceholder},
        {L"a missing folder", L"\"@\\no such folder\\photo.jpg\"", {0, 0}, 76},
    };
    for (const Start& start : starts) {
        SCOPED_TRACE(start.what);
        ClearSettings();
        std::wstring arguments = start.arguments;
        for (size_t at = arguments.find(L'@'); at != std::wstring::npos; at = arguments.find(L'@', at))
            arguments.replace(at, 1, folder.path());
        const ErrorLogWatch log;
        RunningProgram program(arguments);
        ASSERT_NE(program.MainWindow(), nullptr);
        EXPECT_EQ(WindowTextOf(program.MainWindow()), texts::AppName);
        if (start.toldPlainly) {
            HWND box = nullptr;
            WaitUntil(10000, [&] {
                for (const HWND window : TopLevelWindowsOf(program.ProcessId(), texts::AppName))
                    if (ClassNameOf(window) == L"#32770") box = window;
                return box != nullptr;
            });
            ASSERT_NE(box, nullptr);
            EXPECT_NE(WindowTextOf(::GetDlgItem(box, 0xFFFF)).find(L"WebP"), std::wstring::npos);
            ::PostMessageW(box, WM_COMMAND, IDOK, 0);
            // The start goes on once the box is answered.
            EXPECT_TRUE(WaitUntil(5000, [] { return ReadSetting(L"Version", L"Major") != L"<absent>"; }));
        }
        if (start.error) {
            EXPECT_TRUE(AcknowledgeReport(program));
            EXPECT_NE(log.NewEntries().find("  Number: " + std::to_string(start.error) + " = "),
                      std::string::npos)
                << log.NewEntries();
            EXPECT_FALSE(SettingsExist()) << "Main ended at the failed load";
        } else {
            EXPECT_EQ(log.NewEntries(), "");
            const std::wstring exe = ProgramPath();
            EXPECT_EQ(ReadSetting(L"Path", L"AppPath"), exe.substr(0, exe.find_last_of(L'\\')));
            EXPECT_NE(ReadSetting(L"Version", L"Major"), L"<absent>");
        }
        EXPECT_EQ(program.StatusText(2), PhotoResolutionText(start.shown.cx, start.shown.cy));
    }
}

}  // namespace
}  // namespace tpr::e2e
