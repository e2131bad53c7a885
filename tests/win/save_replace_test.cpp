// SaveJPG over an existing file: the file is replaced in place, keeping what
// belongs to it.
#include <gtest/gtest.h>

#include <vector>

#include "test_files.h"
#include "test_pictures.h"
#include "win/imaging/save_jpg.h"

namespace tpr::win {
namespace {

TEST(SaveReplaceTest, ReplacedFileKeepsItsAttributesAndTakesTheNewPhoto) {
    test::TempFolder folder;
    const std::wstring target = folder.File(L"kept.jpg");
    test::WritePhoto(target, 64, 48);
    constexpr DWORD kMarks = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE;
    ASSERT_TRUE(::SetFileAttributesW(target.c_str(), kMarks));

    SaveJPG(test::SolidPicture(40, 30, RGB(200, 0, 0)), target, 70);

    EXPECT_EQ(::GetFileAttributesW(target.c_str()) & kMarks, kMarks);
    EXPECT_EQ(test::ImageFileSize(target).cx, 40);
    EXPECT_EQ(folder.Names(), std::vector<std::wstring>{L"kept.jpg"}) << "nothing left beside it";
}

}  // namespace
}  // namespace tpr::win
