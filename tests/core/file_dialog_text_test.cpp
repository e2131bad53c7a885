#include "core/dialogs/file_dialog_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tpr {
namespace {

using namespace std::string_literals;

TEST(ConvertFilter, BarsBecomeNulsAndTheListEndsWithTwo) {
    EXPECT_EQ(ConvertFilter(L"A|*.a|B|*.b"), L"A\0*.a\0B\0*.b\0\0"s);
    EXPECT_EQ(ConvertFilter(L"  JPEG (*.jpg)|*.jpg  "), L"JPEG (*.jpg)\0*.jpg\0\0"s);
    EXPECT_EQ(ConvertFilter(L""), L"");
    EXPECT_EQ(DefaultFilter(), L"All Files (*.*)\0*.*\0\0"s);
}

TEST(SplitMultiSelection, SplitsFolderAndNames) {
    struct Case {
        const char* what;
        std::wstring file;
        int32_t fileOffset, extensionOffset;
        bool explorer;
        std::optional<std::wstring> path;  // nothing: no selection at all
        std::vector<std::wstring> files;
    };
    const std::wstring pad(20, L'\0');
    const Case cases[] = {
        {"empty buffer", L"", 0, 0, true, std::nullopt, {}},
        {"one file", L"C:\\Photos\\cat.jpg\0"s + pad, 10, 14, true, L"", {L"C:\\Photos\\cat.jpg"}},
        {"NUL-separated",
         L"C:\\Photos\0a.jpg\0b b.jpg\0"s + pad,
         10,
         0,
         true,
         L"C:\\Photos",
         {L"C:\\Photos\\a.jpg", L"C:\\Photos\\b b.jpg"}},
        {"drive root", L"C:\\\0a.jpg\0b.jpg\0"s + pad, 4, 0, true, L"C:\\", {L"C:\\a.jpg", L"C:\\b.jpg"}},
        {"blank-separated",
         L"C:\\PHOTOS A.JPG B.JPG\0"s + pad,
         10,
         0,
         false,
         L"C:\\PHOTOS",
         {L"C:\\PHOTOS\\A.JPG", L"C:\\PHOTOS\\B.JPG"}},
        // Older buffer content after the list's end is not read as names.
        {"old text after blanks",
         L"C:\\P A.JPG B.JPG\0my old name.jpg\0"s,
         5,
         0,
         false,
         L"C:\\P",
         {L"C:\\P\\A.JPG", L"C:\\P\\B.JPG"}},
        {"old text after NULs", L"C:\\P\0a.jpg\0\0old.jpg\0"s, 5, 0, true, L"C:\\P", {L"C:\\P\\a.jpg"}},
        {"last name without NUL",
         L"C:\\Photos\0a.jpg\0b"s,
         10,
         0,
         true,
         L"C:\\Photos",
         {L"C:\\Photos\\a.jpg", L"C:\\Photos\\b"}},
        {"no name", L"C:\\Photos\0\0"s, 10, 0, true, L"C:\\Photos", {}},
        {"offset 0", L"C:\\Photos\0a.jpg\0\0"s, 0, 0, true, std::nullopt, {}},
        {"offset at the end", L"C:\\Photos\0"s, 10, 0, true, std::nullopt, {}},
    };
    for (const Case& c : cases) {
        const auto selection = SplitMultiSelection(c.file, c.fileOffset, c.extensionOffset, c.explorer);
        ASSERT_EQ(selection.has_value(), c.path.has_value()) << c.what;
        if (!selection) continue;
        EXPECT_EQ(selection->path, *c.path) << c.what;
        EXPECT_EQ(selection->files, c.files) << c.what;
    }
}

}  // namespace
}  // namespace tpr
