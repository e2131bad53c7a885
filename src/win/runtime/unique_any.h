// One move-only owner for every kind of handle the program creates, with a
// short alias per kind, and a guard that puts a device context's previous
// object back. Declare DC, then bitmap, then guard: they unwind as deselect,
// delete bitmap, delete DC.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <gdiplus.h>

#include <utility>

namespace tpr::win {

// The value that means "no handle": null for most kinds, INVALID_HANDLE_VALUE
// for files and searches.
struct NullIsInvalid {
    template <class Handle>
    static Handle Value() { return Handle{}; }
};
struct MinusOneIsInvalid {
    template <class Handle>
    static Handle Value() { return INVALID_HANDLE_VALUE; }
};

template <class Handle, auto Close, class InvalidPolicy = NullIsInvalid>
class UniqueAny {
    static Handle Invalid() { return InvalidPolicy::template Value<Handle>(); }

public:
    UniqueAny() = default;
    explicit UniqueAny(Handle handle) : handle_(handle) {}
    UniqueAny(const UniqueAny&) = delete;
    UniqueAny& operator=(const UniqueAny&) = delete;
    UniqueAny(UniqueAny&& other) noexcept : handle_(other.release()) {}
    UniqueAny& operator=(UniqueAny&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    ~UniqueAny() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Invalid(); }
    Handle release() { return std::exchange(handle_, Invalid()); }
    void reset(Handle handle = Invalid()) {
        const Handle old = std::exchange(handle_, handle);
        if (old != Invalid()) Close(old);
    }
    // For functions that return a handle through a pointer argument.
    Handle* put() {
        reset();
        return &handle_;
    }

private:
    Handle handle_ = Invalid();
};

namespace detail {
inline void DeleteGdiObject(HGDIOBJ object) { ::DeleteObject(object); }
inline void DisposeGdipImage(Gdiplus::GpImage* image) { Gdiplus::DllExports::GdipDisposeImage(image); }
inline void DeleteGdipGraphics(Gdiplus::GpGraphics* graphics) {
    Gdiplus::DllExports::GdipDeleteGraphics(graphics);
}
inline void CloseFind(HANDLE find) { ::FindClose(find); }
inline void CloseKernelHandle(HANDLE handle) { ::CloseHandle(handle); }
inline void CloseKey(HKEY key) { ::RegCloseKey(key); }
inline void ReleaseDcOfScreen(HDC dc) { ::ReleaseDC(nullptr, dc); }
}  // namespace detail

using UniqueHdc = UniqueAny<HDC, &::DeleteDC>;
using UniqueScreenDc = UniqueAny<HDC, &detail::ReleaseDcOfScreen>;
template <class GdiHandle>
using UniqueGdiObject = UniqueAny<GdiHandle, &detail::DeleteGdiObject>;
using UniqueHbitmap = UniqueGdiObject<HBITMAP>;
using UniqueHbrush = UniqueGdiObject<HBRUSH>;
using UniqueHfont = UniqueGdiObject<HFONT>;
using UniqueHicon = UniqueAny<HICON, &::DestroyIcon>;
using UniqueHimagelist = UniqueAny<HIMAGELIST, &::ImageList_Destroy>;
using UniqueHwnd = UniqueAny<HWND, &::DestroyWindow>;
using UniqueHaccel = UniqueAny<HACCEL, &::DestroyAcceleratorTable>;
using UniqueHmenu = UniqueAny<HMENU, &::DestroyMenu>;
using UniqueGdipImage = UniqueAny<Gdiplus::GpImage*, &detail::DisposeGdipImage>;
using UniqueGdipGraphics = UniqueAny<Gdiplus::GpGraphics*, &detail::DeleteGdipGraphics>;
using UniqueFind = UniqueAny<HANDLE, &detail::CloseFind, MinusOneIsInvalid>;
using UniqueFile = UniqueAny<HANDLE, &detail::CloseKernelHandle, MinusOneIsInvalid>;
using UniqueKernelHandle = UniqueAny<HANDLE, &detail::CloseKernelHandle>;
using UniqueHkey = UniqueAny<HKEY, &detail::CloseKey>;
using UniqueCoTaskMem = UniqueAny<void*, &::CoTaskMemFree>;
using UniqueHglobal = UniqueAny<HGLOBAL, &::GlobalFree>;

// Selects an object into a device context and puts the previous one back.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
    ~SelectGuard() {
        if (previous_) ::SelectObject(dc_, previous_);
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace tpr::win
