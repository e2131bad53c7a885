// Bitmaps that GDI draws on off screen: selected into a memory device
// context of their own for as long as they are drawn on.
#pragma once

#include <windows.h>

#include <cstdint>

#include "win/runtime/unique_any.h"

namespace tpr::win {

// A memory device context compatible with the screen, and the bitmap
// selected into it. Release puts the context's default bitmap back and hands
// the bitmap out; otherwise both go together.
class MemoryBitmap {
public:
    // Error 7 when the system cannot make the context.
    MemoryBitmap();
    MemoryBitmap(const MemoryBitmap&) = delete;
    MemoryBitmap& operator=(const MemoryBitmap&) = delete;

    HDC dc() const { return dc_.get(); }
    // Selects the bitmap, which is owned from now on. A bitmap the system
    // could not make (none) is a picture too large for memory: error 7.
    void Select(UniqueHbitmap bitmap);
    UniqueHbitmap Release();

private:
    UniqueHbitmap bitmap_;  // declared first: destroyed after the context it is selected into
    UniqueHdc dc_;
    HGDIOBJ defaultBitmap_ = nullptr;
};

// A 32-bit top-down DIB section on a memory device context: GDI draws on it
// and the program reads and writes its pixels (0x00RRGGBB, rows from the
// top, no padding) directly. Its pixels start black.
class DibSurface {
public:
    // Error 7 when the system cannot make it; error 5 for a size of none.
    DibSurface(int32_t width, int32_t height);

    HDC dc() const { return memory_.dc(); }
    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    // The pixels, once GDI has finished what it was drawing on them.
    uint32_t* Pixels() const;
    UniqueHbitmap Release() { return memory_.Release(); }

private:
    MemoryBitmap memory_;
    int32_t width_, height_;
    uint32_t* pixels_ = nullptr;
};

}  // namespace tpr::win
