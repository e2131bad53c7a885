// DecodeWithGdiplus: GDI+ reads the file, its pixels land in the bitmap the picture will own.
#include "win/runtime/gdiplus_decoder.h"

#include <cstdint>
#include <vector>

#include "core/runtime/runtime_error.h"
#include "win/runtime/com_ptr.h"
#include "win/runtime/gdiplus_session.h"

namespace tpr::win {

using namespace Gdiplus;

namespace {

// How GDI+ turns a picture stored in each orientation (1 to 8) upright.
RotateFlipType UprightTurn(GpImage* image) {
    static constexpr RotateFlipType kTurns[] = {RotateNoneFlipNone, RotateNoneFlipNone, RotateNoneFlipX,
                                                Rotate180FlipNone,  Rotate180FlipX,     Rotate90FlipX,
                                                Rotate90FlipNone,   Rotate270FlipX,     Rotate270FlipNone};
    UINT size = 0;
    if (DllExports::GdipGetPropertyItemSize(image, PropertyTagOrientation, &size) != Ok || size < sizeof(PropertyItem))
        return RotateNoneFlipNone;
    std::vector<uint64_t> storage((size + 7) / 8);
    auto* item = reinterpret_cast<PropertyItem*>(storage.data());
    if (DllExports::GdipGetPropertyItem(image, PropertyTagOrientation, size, item) != Ok ||
        item->type != PropertyTagTypeShort || item->length < 2)
        return RotateNoneFlipNone;
    const uint16_t orientation = *static_cast<const uint16_t*>(item->value);
    return orientation < 9 ? kTurns[orientation] : RotateNoneFlipNone;
}

// Lays each pixel of premultiplied-free ARGB on white, as the view shows it.
void OnWhite(uint32_t* pixels, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        const uint32_t pixel = pixels[i], alpha = pixel >> 24;
        uint32_t opaque = 0;
        for (int shift = 0; shift < 24; shift += 8) {
            const uint32_t channel = pixel >> shift & 0xFF;
            opaque |= (channel * alpha + 255 * (255 - alpha) + 127) / 255 << shift;
        }
        pixels[i] = opaque;
    }
}

}  // namespace

UniqueHbitmap DecodeWithGdiplus(HGLOBAL memory) {
    const GdiplusSession session;
    ComPtr<IStream> stream;
    if (session.status() != Ok || FAILED(::CreateStreamOnHGlobal(memory, FALSE, stream.put()))) return {};
    GpBitmap* created = nullptr;
    const Status status = DllExports::GdipCreateBitmapFromStream(stream.get(), &created);
    const UniqueGdipImage image(created);
    if (status != Ok) return {};
    DllExports::GdipImageRotateFlip(image.get(), UprightTurn(image.get()));

    UINT width = 0, height = 0;
    DllExports::GdipGetImageWidth(image.get(), &width);
    DllExports::GdipGetImageHeight(image.get(), &height);
    if (width == 0 || height == 0) return {};
    if (width > INT32_MAX / 4 / height) Raise(kErrOutOfMemory);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = static_cast<LONG>(width);
    info.bmiHeader.biHeight = -static_cast<LONG>(height);  // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    UniqueHbitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) Raise(kErrOutOfMemory);

    // GDI+ converts whatever it read (palette, grey, 16 bits a channel) straight into the section's rows.
    const Rect whole(0, 0, static_cast<INT>(width), static_cast<INT>(height));
    BitmapData data{};
    data.Width = width;
    data.Height = height;
    data.Stride = static_cast<INT>(width * 4);
    data.PixelFormat = PixelFormat32bppARGB;
    data.Scan0 = bits;
    if (DllExports::GdipBitmapLockBits(created, &whole, ImageLockModeRead | ImageLockModeUserInputBuf,
                                       PixelFormat32bppARGB, &data) != Ok)
        return {};
    DllExports::GdipBitmapUnlockBits(created, &data);
    OnWhite(static_cast<uint32_t*>(bits), size_t{width} * height);
    return bitmap;
}

}  // namespace tpr::win
