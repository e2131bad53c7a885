// SaveJPG: what it hands the encoder, what it writes, and what it leaves
// behind when it cannot write.
#include "win/imaging/save_jpg.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "core/runtime/runtime_error.h"
#include "test_files.h"
#include "test_pictures.h"

namespace tpr::win {
namespace {

constexpr wchar_t kErrorPrefix[] = L"Cannot save the image. GDI+ Error:";

// The error SaveJPG raised; the test fails when it raised none.
RuntimeError SaveError(const Picture& picture, const std::wstring& path) {
    try {
        SaveJPG(picture, path, 70);
    } catch (const RuntimeError& e) {
        return e;
    }
    ADD_FAILURE() << "no error for " << std::string(path.begin(), path.end());
    return RuntimeError(0);
}

// A picture with detail everywhere, so that the quality shows in the size.
Picture NoisyPicture(int width, int height) {
    return PictureFromBitmap(test::MakeBitmap(width, height, [](int x, int y) {
        const unsigned v = static_cast<unsigned>(x * 7919 + y * 104729) * 2654435761u;
        return RGB(v >> 24, (v >> 16) & 0xFF, (v >> 8) & 0xFF);
    }));
}

TEST(SaveJpgTest, QualityParameterPointsAtTheQuality) {
    const int32_t quality = 90;
    const Gdiplus::EncoderParameters parameters = JpegQualityParameters(quality);
    EXPECT_EQ(parameters.Count, 1u);
    const GUID qualityId = {0x1D5BE4B5, 0xFA4A, 0x452D, {0x9C, 0xDD, 0x5D, 0xB3, 0x51, 0x05, 0xE7, 0xEB}};
    EXPECT_EQ(std::memcmp(&parameters.Parameter[0].Guid, &qualityId, sizeof qualityId), 0);
    EXPECT_EQ(parameters.Parameter[0].NumberOfValues, 1u);
    EXPECT_EQ(parameters.Parameter[0].Type, 4u);
    EXPECT_EQ(parameters.Parameter[0].Value, &quality);
#ifndef _WIN64
    EXPECT_EQ(sizeof parameters, 32u);
#endif
}

TEST(SaveJpgTest, WritesAJpegOfThePicturesSize) {
    test::TempFolder folder;
    const std::wstring path = folder.File(L"out.jpg");
    SaveJPG(test::SolidPicture(900, 600, RGB(30, 160, 60)), path, 70);
    const std::string bytes = test::ReadFileBytes(path);
    ASSERT_GE(bytes.size(), 3u);
    EXPECT_EQ(bytes.substr(0, 3), "\xFF\xD8\xFF");
    const SIZE size = test::ImageFileSize(path);
    EXPECT_EQ(size.cx, 900);
    EXPECT_EQ(size.cy, 600);
    EXPECT_EQ(folder.Names(), std::vector<std::wstring>{L"out.jpg"}) << "no temporary file is left";
}

TEST(SaveJpgTest, ReplacesAnExistingFile) {
    test::TempFolder folder;
    const std::wstring path = folder.File(L"out.jpg");
    test::WriteFileBytes(path, "an older photo");
    SaveJPG(test::SolidPicture(40, 30, RGB(200, 0, 0)), path, 70);
    EXPECT_EQ(test::ImageFileSize(path).cx, 40);
    EXPECT_EQ(folder.Names(), std::vector<std::wstring>{L"out.jpg"});
}

TEST(SaveJpgTest, UnwritablePathRaisesError5WithTheStatus) {
    test::TempFolder folder;
    const Picture picture = test::SolidPicture(40, 30, RGB(200, 0, 0));
    for (const std::wstring& path : {folder.File(L"missing\\out.jpg"), std::wstring(L"Z:\\proc\\out.jpg")}) {
        const RuntimeError error = SaveError(picture, path);
        EXPECT_EQ(error.number, 5);
        const std::wstring description = error.description;
        ASSERT_EQ(description.rfind(kErrorPrefix, 0), 0u)
            << std::string(description.begin(), description.end());
        const std::wstring status = description.substr(std::wcslen(kErrorPrefix));
        EXPECT_GT(std::stoi(status), 0);
        EXPECT_EQ(std::to_wstring(std::stoi(status)), status) << "the status alone, in decimal";
        EXPECT_EQ(error.source, L"");
        EXPECT_EQ(error.helpFile, L"");
        EXPECT_EQ(error.helpContext, 0);
    }
    EXPECT_TRUE(folder.Names().empty());
}

TEST(SaveJpgTest, FailedSaveLeavesTheExistingFileAndNoTemporaryOne) {
    test::TempFolder folder;
    const std::wstring path = folder.File(L"keep.jpg");
    test::WriteFileBytes(path, "the photo saved yesterday");

    // No bitmap to encode: GDI+ refuses it as an invalid parameter.
    const RuntimeError error = SaveError(Picture(), path);
    EXPECT_EQ(error.number, 5);
    EXPECT_EQ(error.description, std::wstring(kErrorPrefix) + L"2");
    EXPECT_EQ(test::ReadFileBytes(path), "the photo saved yesterday");
    EXPECT_EQ(folder.Names(), std::vector<std::wstring>{L"keep.jpg"});
}

TEST(SaveJpgTest, WrittenFileThatCannotTakeTheTargetsPlaceIsRemoved) {
    test::TempFolder folder;
    const std::wstring target = folder.File(L"taken.jpg");
    ::CreateDirectoryW(target.c_str(), nullptr);  // a folder of that name: nothing can replace it
    const RuntimeError error = SaveError(test::SolidPicture(40, 30, RGB(200, 0, 0)), target);
    EXPECT_EQ(error.number, 5);
    EXPECT_EQ(error.description, std::wstring(kErrorPrefix) + L"7");
    EXPECT_NE(error.lastOsError, 0u) << "the platform's reason goes into the report";
    EXPECT_EQ(::GetFileAttributesW(target.c_str()) & FILE_ATTRIBUTE_DIRECTORY,
              DWORD{FILE_ATTRIBUTE_DIRECTORY});
    EXPECT_EQ(folder.Names(), std::vector<std::wstring>{L"taken.jpg"});
}

TEST(SaveJpgTest, QualityReachesTheEncoder) {
    test::TempFolder folder;
    const Picture picture = NoisyPicture(300, 200);
    SaveJPG(picture, folder.File(L"q10.jpg"), 10);
    SaveJPG(picture, folder.File(L"q90.jpg"), 90);
    const size_t low = test::ReadFileBytes(folder.File(L"q10.jpg")).size();
    const size_t high = test::ReadFileBytes(folder.File(L"q90.jpg")).size();
    if (low == high) GTEST_SKIP() << "this platform's JPEG encoder ignores the quality parameter";
    EXPECT_LT(low, high);
}

}  // namespace
}  // namespace tpr::win
