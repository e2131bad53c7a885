// SaveJPG: the quality through each encoder, what it writes or leaves behind; the program's own encoder.
#include "win/imaging/save_jpg.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "core/runtime/runtime_error.h"
#include "linux_side.h"
#include "test_files.h"
#include "test_pictures.h"
#include "win/imaging/jpeg_writer.h"
#include "win/imaging/platform_capabilities.h"

namespace tpr::win {
namespace {

// A photo-like picture: smooth light, some texture.
Picture Scene() {
    return PictureFromBitmap(test::MakeBitmap(800, 600, [](int x, int y) {
        const int texture = ((x * 7919 + y * 104729) >> 3) % 40;
        return RGB((x * 255 / 800 + texture) % 256, (y * 255 / 600 + texture / 2) % 256, 120 + texture);
    }));
}

TEST(SaveJpgTest, OwnEncoderWritesTheChosenQuality) {
    const ForcedCapability ownEncoder(Capability::JpegQualityHonoured, false);
    const test::TempFolder folder(test::kLinuxTmp);
    const Picture scene = Scene();
    size_t previousSize = 0;
    for (const int32_t quality : {10, 30, 50, 70, 85, 100}) {
        const std::wstring path = folder.File(L"q" + std::to_wstring(quality) + L".jpg");
        SaveJPG(scene, path, quality);
        EXPECT_EQ(test::ImageFileSize(path).cx, 800) << quality;
        const size_t size = test::ReadFileBytes(path).size();
        EXPECT_GT(size, previousSize) << quality;
        previousSize = size;
        EXPECT_NEAR(test::IdentifiedJpegQuality(path), quality, 5) << "identify's estimate at " << quality;
    }
}

TEST(SaveJpgTest, PlatformEncoderIsHandedTheQuality) {
    const bool honoured = JpegQualityHonoured();
    const ForcedCapability platformEncoder(Capability::JpegQualityHonoured, true);
    const test::TempFolder folder;
    const Picture scene = Scene();
    SaveJPG(scene, folder.File(L"q10.jpg"), 10);
    SaveJPG(scene, folder.File(L"q90.jpg"), 90);
    const std::string low = test::ReadFileBytes(folder.File(L"q10.jpg"));
    const std::string high = test::ReadFileBytes(folder.File(L"q90.jpg"));
    // Smaller at the lower quality exactly where the probe found that the
    // platform's encoder honours it; else the same bytes.
    EXPECT_TRUE(honoured ? low.size() < high.size() : low == high) << honoured;

    // The parameters as the platform's encoder reads them.
    const int32_t quality = 90;
    const Gdiplus::EncoderParameters parameters = JpegQualityParameters(quality);
    const GUID qualityId = {0x1D5BE4B5, 0xFA4A, 0x452D, {0x9C, 0xDD, 0x5D, 0xB3, 0x51, 0x05, 0xE7, 0xEB}};
    EXPECT_TRUE(parameters.Count == 1 && parameters.Parameter[0].NumberOfValues == 1 &&
                parameters.Parameter[0].Type == 4 && parameters.Parameter[0].Value == &quality);
    EXPECT_EQ(std::memcmp(&parameters.Parameter[0].Guid, &qualityId, sizeof qualityId), 0);
#ifndef _WIN64
    EXPECT_EQ(sizeof parameters, 32u);
#endif
}

// In place: the file keeps its attributes and nothing is left beside it.
TEST(SaveJpgTest, WritesAJpegOfThePicturesSizeOverAnyOldFile) {
    test::TempFolder folder;
    const std::wstring path = folder.File(L"out.jpg");
    test::WriteFileBytes(path, "an older photo");
    constexpr DWORD kMarks = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE;
    ASSERT_TRUE(::SetFileAttributesW(path.c_str(), kMarks));
    SaveJPG(test::SolidPicture(900, 600, RGB(30, 160, 60)), path, 70);
    EXPECT_EQ(test::ReadFileBytes(path).substr(0, 3), "\xFF\xD8\xFF");
    const SIZE size = test::ImageFileSize(path);
    EXPECT_TRUE(size.cx == 900 && size.cy == 600);
    EXPECT_EQ(::GetFileAttributesW(path.c_str()) & kMarks, kMarks);
    EXPECT_EQ(folder.Names(), std::vector<std::wstring>{L"out.jpg"});
}

TEST(SaveJpgTest, FailedSaveRaisesError5WithTheStatusAndLeavesWhatWasThere) {
    test::TempFolder folder;
    const std::wstring kept = folder.File(L"keep.jpg"), taken = folder.File(L"taken.jpg");
    const std::wstring held = folder.File(L"held.jpg");
    test::WriteFileBytes(kept, "the photo saved yesterday");
    test::WriteFileBytes(held, "open in another program");
    UniqueFile holder(::CreateFileW(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(holder);
    ::CreateDirectoryW(taken.c_str(), nullptr);  // a folder of that name: nothing can replace it
    const Picture picture = test::SolidPicture(40, 30, RGB(200, 0, 0));
    const Picture none;
    const struct {
        const char* what;
        const Picture* picture;
        std::wstring path;
        int status;  // 0: any the platform gives
    } cases[] = {
        {"no bitmap to encode", &none, kept, 2},
        {"a folder in the way", &picture, taken, 7},
        {"a file held open without sharing", &picture, held, 7},
        {"a missing folder", &picture, folder.File(L"missing\\out.jpg"), 0},
    };
    for (const auto& c : cases) {  // (a drive that cannot take it: end to end)
        try {
            SaveJPG(*c.picture, c.path, 70);
            ADD_FAILURE() << c.what << ": no error";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number, 5) << c.what;
            const std::wstring prefix = L"Cannot save the image. GDI+ Error:";
            ASSERT_EQ(e.description.rfind(prefix, 0), 0u) << c.what;
            const std::wstring status = e.description.substr(prefix.size());
            EXPECT_EQ(std::to_wstring(std::stoi(status)), status) << c.what << ": the status alone";
            if (c.status) EXPECT_EQ(std::stoi(status), c.status) << c.what;
            EXPECT_TRUE(e.source.empty() && e.helpContext == 0) << c.what;
            if (c.status == 7) EXPECT_NE(e.lastOsError, 0u) << "the platform's reason goes into the report";
        }
    }
    holder.reset();
    EXPECT_EQ(test::ReadFileBytes(kept), "the photo saved yesterday");
    EXPECT_EQ(test::ReadFileBytes(held), "open in another program");
    EXPECT_EQ(folder.Names(), (std::vector<std::wstring>{L"held.jpg", L"keep.jpg", L"taken.jpg"}));
    // Nothing of a failed save stands in the way of the next.
    SaveJPG(picture, kept, 70);
    EXPECT_EQ(test::ImageFileSize(kept).cx, 40);
}

// The program's own encoder, for platforms that ignore the quality.
TEST(JpegWriterTest, WritesAJpegThatDecodesToThePictureAtAQualityTakenWithinItsRange) {
    test::TempFolder folder;
    std::vector<uint32_t> halves;  // rows from the top: left half red, right half blue
    for (int i = 0; i < 80 * 60; ++i) halves.push_back(i % 80 < 40 ? 0xDC1E1E : 0x1E1EDC);
    const auto bytesAt = [&](int quality) {
        const std::wstring path = folder.File(L"at" + std::to_wstring(quality) + L".jpg");
        EXPECT_EQ(WriteJpegWithQuality(halves.data(), 80, 60, quality, path), Gdiplus::Ok);
        return test::ReadFileBytes(path);
    };
    EXPECT_EQ(bytesAt(0), bytesAt(1)) << "0 is the smallest, not the encoder's default";
    EXPECT_EQ(bytesAt(-5), bytesAt(1));
    EXPECT_EQ(bytesAt(250), bytesAt(100));
    EXPECT_NE(bytesAt(1), bytesAt(100));
    const std::wstring path = folder.File(L"at100.jpg");
    EXPECT_EQ(test::ImageFileSize(path).cx, 80);
    EXPECT_TRUE(test::Near(test::ImageFilePixel(path, 8, 30), RGB(220, 30, 30), 24));
    EXPECT_TRUE(test::Near(test::ImageFilePixel(path, 72, 30), RGB(30, 30, 220), 24));
}

TEST(JpegWriterTest, AFileThatCannotBeWrittenGivesTheWriteFailureStatus) {
    test::TempFolder folder;
    const uint32_t pixel = 0x808080;
    EXPECT_EQ(WriteJpegWithQuality(&pixel, 1, 1, 70, folder.File(L"missing\\x.jpg")), Gdiplus::Win32Error);
    EXPECT_EQ(WriteJpegWithQuality(&pixel, 0, 1, 70, folder.File(L"empty.jpg")), Gdiplus::GenericError)
        << "nothing to encode";
    EXPECT_TRUE(folder.Names().empty());
}

}  // namespace
}  // namespace tpr::win
