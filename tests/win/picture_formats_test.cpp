// PNG and TIFF pictures through the program's loader: each kind GDI+ reads, upright, transparent parts on white.
#include <gtest/gtest.h>

#include "linux_side.h"
#include "test_files.h"
#include "test_pictures.h"
#include "win/runtime/picture.h"
#include "win/runtime/text.h"

namespace tpr::test {
namespace {

TEST(PictureFormats, PngAndTiffOpenUprightAtTheirSizeWithTransparencyOnWhite) {
    const TempFolder folder(kLinuxTmp);
    LinuxShellOutput(folder.path(), std::string("/usr/bin/python3 ") + TPR_TEST_SCRIPTS + "/make_formats.py " +
                                        LinuxPath(folder.path()));
    constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kWhite = RGB(255, 255, 255);
    const struct {
        const wchar_t* file;
        SIZE size;
        COLORREF topLeft, topRight;
    } cases[] = {
        {L"transparent.png", {64, 48}, kWhite, kRed},
        {L"palette.png", {64, 48}, kRed, kBlue},
        {L"grey.png", {64, 48}, RGB(0, 0, 0), RGB(128, 128, 128)},
        {L"sixteen-bit.png", {64, 48}, RGB(0, 0, 0), RGB(128, 128, 128)},
        {L"named-wrongly.jpg", {64, 48}, kRed, kBlue},  // told by its content, not its name
        {L"two-pages.tif", {64, 48}, kRed, kBlue},      // the first page
        {L"turned.tiff", {48, 64}, kBlue, kRed},        // its orientation tag says: turn right
    };
    for (const auto& c : cases) {
        const Pixels pixels = ReadPixels(win::LoadPicture(folder.File(c.file)));
        const std::string name = win::ToNarrow(c.file);
        EXPECT_TRUE(pixels.width == c.size.cx && pixels.height == c.size.cy) << name;
        if (pixels.width != c.size.cx || pixels.height != c.size.cy) continue;
        EXPECT_TRUE(Near(pixels.at(2, 2), c.topLeft)) << name << " " << std::hex << pixels.at(2, 2);
        EXPECT_TRUE(Near(pixels.at(c.size.cx - 3, 2), c.topRight)) << name << " " << std::hex << pixels.at(c.size.cx - 3, 2);
    }
}

}  // namespace
}  // namespace tpr::test
