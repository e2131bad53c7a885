// The program's own JPEG encoder: files that decode to the picture, the
// quality's range, and the statuses it gives. (The quality it writes is
// measured through SaveJPG, in save_jpg_test.)
#include "win/imaging/jpeg_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_files.h"
#include "test_pictures.h"

namespace tpr::win {
namespace {

// Rows from the top, as WriteJpegWithQuality takes them: left half red,
// right half blue.
std::vector<uint32_t> Halves(int width, int height) {
    std::vector<uint32_t> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) pixels.push_back(x < width / 2 ? 0xDC1E1E : 0x1E1EDC);
    }
    return pixels;
}

class JpegWriterTest : public ::testing::Test {
protected:
    test::TempFolder folder_;
};

TEST_F(JpegWriterTest, WritesAJpegThatDecodesToThePicture) {
    const auto pixels = Halves(64, 48);
    const std::wstring path = folder_.File(L"halves.jpg");
    ASSERT_EQ(WriteJpegWithQuality(pixels.data(), 64, 48, 90, path), Gdiplus::Ok);
    const SIZE size = test::ImageFileSize(path);
    EXPECT_EQ(size.cx, 64);
    EXPECT_EQ(size.cy, 48);
    EXPECT_TRUE(test::Near(test::ImageFilePixel(path, 8, 24), RGB(220, 30, 30), 24));
    EXPECT_TRUE(test::Near(test::ImageFilePixel(path, 56, 24), RGB(30, 30, 220), 24));
}

TEST_F(JpegWriterTest, QualityOutsideTheRangeIsTakenAsItsEnd) {
    const auto pixels = Halves(80, 60);
    const auto bytesAt = [&](int quality) {
        const std::wstring path = folder_.File(L"at" + std::to_wstring(quality) + L".jpg");
        EXPECT_EQ(WriteJpegWithQuality(pixels.data(), 80, 60, quality, path), Gdiplus::Ok);
        return test::ReadFileBytes(path);
    };
    EXPECT_EQ(bytesAt(0), bytesAt(1)) << "0 is the smallest, not the encoder's default";
    EXPECT_EQ(bytesAt(-5), bytesAt(1));
    EXPECT_EQ(bytesAt(250), bytesAt(100));
    EXPECT_NE(bytesAt(1), bytesAt(100));
}

TEST_F(JpegWriterTest, AFileThatCannotBeWrittenGivesTheWriteFailureStatus) {
    const uint32_t pixel = 0x808080;
    EXPECT_EQ(WriteJpegWithQuality(&pixel, 1, 1, 70, folder_.File(L"missing\\x.jpg")), Gdiplus::Win32Error);
    EXPECT_EQ(WriteJpegWithQuality(&pixel, 0, 1, 70, folder_.File(L"empty.jpg")), Gdiplus::GenericError)
        << "nothing to encode";
    EXPECT_TRUE(folder_.Names().empty());
}

}  // namespace
}  // namespace tpr::win
