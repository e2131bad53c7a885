// LoadPicture on JPEGs: each colour model and coding in its true colours, by the program's own decoder.
#include "win/runtime/jpeg_decoder.h"

#include <gtest/gtest.h>

#include <jpeglib.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "core/runtime/runtime_error.h"
#include "test_files.h"
#include "test_pictures.h"
#include "win/runtime/picture.h"

namespace tpr::win {
namespace {

// A 64 x 48 JPEG written as samples of the input colour space, one set per
// quadrant (upper left, upper right, lower left, lower right), stored in the
// given colour space.
struct Variant {
    const wchar_t* file;
    J_COLOR_SPACE input;
    int components;
    J_COLOR_SPACE stored;
    bool adobeMarker;
    bool progressive;
    uint8_t samples[4][4];
    COLORREF shown[4];
};

// Red, green, blue and mid grey as each colour model writes them. Adobe's
// programs store inks inverted (255 = none).
#define TPR_RGB {255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {127, 127, 127}
#define TPR_INKS {0, 255, 255, 0}, {255, 0, 255, 0}, {255, 255, 0, 0}, {0, 0, 0, 128}
#define TPR_INVERTED_INKS {255, 0, 0, 255}, {0, 255, 0, 255}, {0, 0, 255, 255}, {255, 255, 255, 127}
#define TPR_SHOWN {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(127, 127, 127)}
const Variant kVariants[] = {
    {L"colour.jpg", JCS_RGB, 3, JCS_YCbCr, false, false, {TPR_RGB}, TPR_SHOWN},
    {L"progressive.jpg", JCS_RGB, 3, JCS_YCbCr, false, true, {TPR_RGB}, TPR_SHOWN},
    {L"grey-named.bmp", JCS_GRAYSCALE, 1, JCS_GRAYSCALE, false, false, {{30}, {100}, {170}, {240}},
     {RGB(30, 30, 30), RGB(100, 100, 100), RGB(170, 170, 170), RGB(240, 240, 240)}},
    {L"cmyk-adobe.jpg", JCS_CMYK, 4, JCS_CMYK, true, false, {TPR_INVERTED_INKS}, TPR_SHOWN},
    {L"cmyk-plain.jpg", JCS_CMYK, 4, JCS_CMYK, false, false, {TPR_INKS}, TPR_SHOWN},
    {L"ycck-adobe.jpg", JCS_CMYK, 4, JCS_YCCK, true, true, {TPR_INVERTED_INKS}, TPR_SHOWN},
};

std::string Encoded(const Variant& variant) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = 64;
    info.image_height = 48;
    info.input_components = variant.components;
    info.in_color_space = variant.input;
    jpeg_set_defaults(&info);
    jpeg_set_colorspace(&info, variant.stored);
    info.write_Adobe_marker = variant.adobeMarker;
    jpeg_set_quality(&info, 95, TRUE);
    if (variant.progressive) jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<uint8_t> row(64 * variant.components);
    for (JSAMPROW rows[] = {row.data()}; info.next_scanline < 48;) {
        for (size_t i = 0; i < row.size(); ++i)
            row[i] = variant.samples[i / variant.components / 32 + info.next_scanline / 24 * 2]
                                    [i % variant.components];
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string bytes(reinterpret_cast<char*>(buffer), size);
    std::free(buffer);
    return bytes;
}

TEST(JpegDecoderTest, EachColourModelAndCodingShowsItsTrueColoursWhateverTheFileIsNamed) {
    const test::TempFolder folder;
    for (const Variant& variant : kVariants) {
        SCOPED_TRACE(variant.file);
        test::WriteFileBytes(folder.File(variant.file), Encoded(variant));
        const Picture picture = LoadPicture(folder.File(variant.file));
        DIBSECTION dib{};
        const auto bitmap = reinterpret_cast<HGDIOBJ>(static_cast<UINT_PTR>(picture.Handle()));
        ASSERT_EQ(::GetObjectW(bitmap, sizeof dib, &dib), static_cast<int>(sizeof dib));
        const test::Pixels pixels = test::ReadPixels(picture);
        // The program's decoder writes 32-bit rows from the top; the platform's loader does not.
        const uint32_t first = *static_cast<const uint32_t*>(dib.dsBm.bmBits);
        EXPECT_EQ(dib.dsBm.bmBitsPixel, 32);
        EXPECT_EQ(RGB(first >> 16 & 0xFF, first >> 8 & 0xFF, first & 0xFF), pixels.at(0, 0));
        for (int quadrant = 0; quadrant < 4; ++quadrant) {
            const COLORREF centre = pixels.at(16 + quadrant % 2 * 32, 12 + quadrant / 2 * 24);  // its centre
            EXPECT_PRED3(test::Near, centre, variant.shown[quadrant], 6) << "quadrant " << quadrant;
        }
    }
}

// Within the library's 65500 pixels a side, but over the 4 GB any bitmap
// can take (the e2e corpus has one past the library's limit).
TEST(JpegDecoderTest, AHeaderClaimingMorePixelsThanABitmapHoldsIsOutOfMemory) {
    std::string bytes = Encoded(kVariants[0]);
    bytes.replace(bytes.find("\xFF\xC0") + 5, 4, "\xFD\xE8\xFD\xE8");  // height and width 65000
    const test::TempFolder folder;
    test::WriteFileBytes(folder.File(L"giant.jpg"), bytes);
    try {
        LoadPicture(folder.File(L"giant.jpg"));
        ADD_FAILURE() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number, kErrOutOfMemory);
    }
}

}  // namespace
}  // namespace tpr::win
