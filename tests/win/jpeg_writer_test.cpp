// The program's own JPEG encoder: files that decode to the picture, the
// quality's range, and the statuses it gives.
#include "win/imaging/jpeg_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_files.h"
#include "test_pictures.h"
#include "win/imaging/gdiplus_resize.h"

namespace tpr::win {
namespace {

// Rows from the top, as WriteJpegWithQuality takes them.
template <class Fill>
std::vector<uint32_t> PixelsOf(int width, int height, Fill fill) {
    std::vector<uint32_t> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF c = fill(x, y);
            pixels.push_back((GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c));
        }
    }
    return pixels;
}

// A photo-like picture: smooth light, some texture.
COLORREF Scene(int x, int y) {
    const int texture = ((x * 7919 + y * 104729) >> 3) % 40;
    return RGB((x * 255 / 320 + texture) % 256, (y * 255 / 240 + texture / 2) % 256, 120 + texture);
}

class JpegWriterTest : public ::testing::Test {
protected:
    GdiPlusSession session_;
    test::TempFolder folder_;
};

TEST_F(JpegWriterTest, WritesAJpegThatDecodesToThePicture) {
    const auto pixels =
        PixelsOf(64, 48, [](int x, int) { return x < 32 ? RGB(220, 30, 30) : RGB(30, 30, 220); });
    const std::wstring path = folder_.File(L"halves.jpg");
    ASSERT_EQ(WriteJpegWithQuality(pixels.data(), 64, 48, 90, path), Gdiplus::Ok);

    Gdiplus::GpBitmap* decoded = nullptr;
    ASSERT_EQ(Gdiplus::DllExports::GdipCreateBitmapFromFile(path.c_str(), &decoded), Gdiplus::Ok);
    const UniqueGdipImage image(decoded);
    UINT width = 0, height = 0;
    Gdiplus::DllExports::GdipGetImageWidth(decoded, &width);
    Gdiplus::DllExports::GdipGetImageHeight(decoded, &height);
    EXPECT_EQ(width, 64u);
    EXPECT_EQ(height, 48u);
    Gdiplus::ARGB left = 0, right = 0;
    Gdiplus::DllExports::GdipBitmapGetPixel(decoded, 8, 24, &left);
    Gdiplus::DllExports::GdipBitmapGetPixel(decoded, 56, 24, &right);
    const auto asColour = [](Gdiplus::ARGB c) { return RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF); };
    EXPECT_TRUE(test::Near(asColour(left), RGB(220, 30, 30), 24));
    EXPECT_TRUE(test::Near(asColour(right), RGB(30, 30, 220), 24));
}

TEST_F(JpegWriterTest, QualityOutsideTheRangeIsTakenAsItsEnd) {
    const auto pixels = PixelsOf(80, 60, Scene);
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
    const std::wstring path = folder_.File(L"missing\\x.jpg");
    EXPECT_EQ(WriteJpegWithQuality(&pixel, 1, 1, 70, path), Gdiplus::Win32Error);
    EXPECT_EQ(WriteJpegWithQuality(&pixel, 0, 1, 70, folder_.File(L"empty.jpg")), Gdiplus::GenericError)
        << "nothing to encode";
    EXPECT_TRUE(folder_.Names().empty());
}

}  // namespace
}  // namespace tpr::win
