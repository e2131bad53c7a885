// Which command lines name a photo to open at start-up.
#include "core/app/command_line.h"

#include <gtest/gtest.h>

namespace tpr {
namespace {

TEST(PhotoPathFromCommandLine, DecidesWhetherTheArgumentsNameAPhoto) {
    const std::pair<std::wstring, std::optional<std::wstring>> cases[] = {
        {L"", std::nullopt},
        {L"\"C:\\Photos\\a b.jpg\"", L"C:\\Photos\\a b.jpg"},
        {L"C:\\Photos\\cat.bmp", L"C:\\Photos\\cat.bmp"},
        {L"C:\\Pho\"tos\\c\"at.gif", L"C:\\Photos\\cat.gif"},  // every quote goes
        // Several dropped files: quote-blank-quote voids the whole line.
        {L"\"C:\\Photos\\a.jpg\" \"C:\\Photos\\b.jpg\"", std::nullopt},
        {L"\"D:\\DCIM\\IMG_0001.JPG\"", L"D:\\DCIM\\IMG_0001.JPG"},  // any letter case
        {L"C:\\Photos\\Cat.Gif", L"C:\\Photos\\Cat.Gif"},
        {L"C:\\Photos\\cat.JPEG", L"C:\\Photos\\cat.JPEG"},  // the shell hands over .jpeg too
        {L"C:\\Scans\\page.TIFF", L"C:\\Scans\\page.TIFF"}, {L"C:\\Shots\\screen.png", L"C:\\Shots\\screen.png"},
        {L"C:\\Photos\\cat.webp", L"C:\\Photos\\cat.webp"},  // opened to be named as what it is
        {L"C:\\Photos\\cat.svg", std::nullopt},
        {L"C:\\my.photos\\cat", std::nullopt},  // the "extension" is .photos\cat
        {L"a.jpg", L"a.jpg"},                   // a bare name loads from the current folder
    };
    for (const auto& [arguments, photo] : cases) EXPECT_EQ(PhotoPathFromCommandLine(arguments), photo);
}

}  // namespace
}  // namespace tpr
