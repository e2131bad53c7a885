// Packed bitmaps: the photo made into one, and another program's read.
#include "win/imaging/clipboard_bitmap.h"

#include <cstring>

#include "core/imaging/packed_dib.h"
#include "core/runtime/runtime_error.h"
#include "win/imaging/memory_bitmap.h"

namespace tpr::win {

UniqueHglobal PackedDibOf(const Picture& picture) {
    const SIZE size = picture.PixelSize();
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = size.cx;
    header.biHeight = size.cy;  // rows from the bottom, as most readers expect
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const size_t stride = (static_cast<size_t>(size.cx) * 3 + 3) / 4 * 4;
    UniqueHglobal packed(::GlobalAlloc(GMEM_MOVEABLE, sizeof header + stride * static_cast<size_t>(size.cy)));
    if (!packed) Raise(kErrOutOfMemory);
    auto* bytes = static_cast<uint8_t*>(::GlobalLock(packed.get()));
    std::memcpy(bytes, &header, sizeof header);
    const UniqueScreenDc screen(::GetDC(nullptr));
    const int rows =
        ::GetDIBits(screen.get(), reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(picture.Handle())), 0,
                    static_cast<UINT>(size.cy), bytes + sizeof header, reinterpret_cast<BITMAPINFO*>(bytes),
                    DIB_RGB_COLORS);
    ::GlobalUnlock(packed.get());
    if (rows != size.cy) Raise(kErrOutOfMemory);
    return packed;
}

Picture PictureFromPackedDib(const uint8_t* bytes, size_t size, bool withAlphaForm) {
    const auto layout = LayoutOfPackedDib(bytes, size);
    if (!layout) return {};
    DibSurface surface(layout->width, layout->height);
    uint32_t* pixels = surface.Pixels();
    if (AlphaCounts(bytes, *layout, withAlphaForm)) {
        BlendOntoWhite(bytes, *layout, pixels);
    } else {
        const auto* info = reinterpret_cast<const BITMAPINFO*>(bytes);
        ::StretchDIBits(surface.dc(), 0, 0, layout->width, layout->height, 0, 0, layout->width,
                        layout->height, bytes + layout->bitsOffset, info, DIB_RGB_COLORS, SRCCOPY);
        // What GDI copied into the fourth byte is no alpha here.
        pixels = surface.Pixels();
        const size_t count = static_cast<size_t>(layout->width) * static_cast<size_t>(layout->height);
        for (size_t i = 0; i < count; ++i) pixels[i] &= 0x00FFFFFF;
    }
    return PictureFromBitmap(surface.Release());
}

}  // namespace tpr::win
