// MemoryBitmap and DibSurface: bitmaps GDI draws on off screen.
#include "win/imaging/memory_bitmap.h"

#include "core/runtime/runtime_error.h"

namespace tpr::win {

MemoryBitmap::MemoryBitmap() : dc_(::CreateCompatibleDC(nullptr)) {
    if (!dc_) Raise(kErrOutOfMemory);
}

void MemoryBitmap::Select(UniqueHbitmap bitmap) {
    if (!bitmap) Raise(kErrOutOfMemory);
    const HGDIOBJ previous = ::SelectObject(dc_.get(), bitmap.get());
    if (!bitmap_) defaultBitmap_ = previous;
    bitmap_ = std::move(bitmap);
}

UniqueHbitmap MemoryBitmap::Release() {
    if (bitmap_) ::SelectObject(dc_.get(), defaultBitmap_);
    dc_.reset();
    return std::move(bitmap_);
}

DibSurface::DibSurface(int32_t width, int32_t height) : width_(width), height_(height) {
    if (width <= 0 || height <= 0) Raise(kErrInvalidCall);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    memory_.Select(UniqueHbitmap(::CreateDIBSection(memory_.dc(), &info, DIB_RGB_COLORS, &bits, nullptr, 0)));
    pixels_ = static_cast<uint32_t*>(bits);
}

uint32_t* DibSurface::Pixels() const {
    ::GdiFlush();
    return pixels_;
}

}  // namespace tpr::win
