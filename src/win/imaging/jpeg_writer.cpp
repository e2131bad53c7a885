// The program's own JPEG encoder at a chosen quality.
#include "win/imaging/jpeg_writer.h"

#include <algorithm>
#include <vector>

#include "win/runtime/file_bytes.h"
#include "win/runtime/unique_any.h"

// The encoder's one implementation in the program, its functions private to
// this file; the file is written here, through a UTF-16 path.
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#define STBI_WRITE_NO_STDIO
// Its other writers go unused here, and it leaves some fields to zero-fill.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#include <stb_image_write.h>
#pragma GCC diagnostic pop

namespace tpr::win {
namespace {

void AppendBytes(void* context, void* data, int size) {
    auto* bytes = static_cast<std::vector<uint8_t>*>(context);
    const auto* begin = static_cast<const uint8_t*>(data);
    bytes->insert(bytes->end(), begin, begin + size);
}

}  // namespace

Gdiplus::Status WriteJpegWithQuality(const uint32_t* pixels, int32_t width, int32_t height, int32_t quality,
                                     const std::wstring& path) {
    if (width <= 0 || height <= 0) return Gdiplus::GenericError;
    std::vector<uint8_t> rgb;
    rgb.reserve(static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
    for (size_t i = 0; i < static_cast<size_t>(width) * static_cast<size_t>(height); ++i) {
        rgb.push_back(static_cast<uint8_t>(pixels[i] >> 16));
        rgb.push_back(static_cast<uint8_t>(pixels[i] >> 8));
        rgb.push_back(static_cast<uint8_t>(pixels[i]));
    }
    // The encoder would take 0 for its default of 90.
    const int clamped = std::clamp(quality, 1, 100);
    std::vector<uint8_t> jpeg;
    if (!stbi_write_jpg_to_func(&AppendBytes, &jpeg, width, height, 3, rgb.data(), clamped)) {
        return Gdiplus::GenericError;
    }

    return WriteFileBytes(path, jpeg) ? Gdiplus::Ok : Gdiplus::Win32Error;
}

Gdiplus::Status WriteJpegWithQuality(Gdiplus::GpBitmap* bitmap, int32_t quality, const std::wstring& path) {
    using namespace Gdiplus;
    UINT width = 0, height = 0;
    DllExports::GdipGetImageWidth(bitmap, &width);
    DllExports::GdipGetImageHeight(bitmap, &height);
    const Rect whole(0, 0, static_cast<INT>(width), static_cast<INT>(height));
    BitmapData data{};
    const Status status =
        DllExports::GdipBitmapLockBits(bitmap, &whole, ImageLockModeRead, PixelFormat32bppRGB, &data);
    if (status != Ok) return status;
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    for (UINT y = 0; y < height; ++y) {
        const auto* row =
            static_cast<const uint32_t*>(data.Scan0) + static_cast<ptrdiff_t>(y) * data.Stride / 4;
        std::copy(row, row + width, pixels.begin() + static_cast<ptrdiff_t>(y) * width);
    }
    DllExports::GdipBitmapUnlockBits(bitmap, &data);
    return WriteJpegWithQuality(pixels.data(), static_cast<int32_t>(width), static_cast<int32_t>(height),
                                quality, path);
}

}  // namespace tpr::win
