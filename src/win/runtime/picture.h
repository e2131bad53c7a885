// The platform's picture object: a reference-counted OLE picture that owns its
// handle (bitmap, metafile, icon or enhanced metafile), or no picture at all.
#pragma once

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <string>

#include "win/runtime/com_ptr.h"
#include "win/runtime/unique_any.h"

namespace tpr::win {

enum class PictureKind : int { None = 0, Bitmap = 1, Metafile = 2, Icon = 3, EnhancedMetafile = 4 };

class Picture {
public:
    Picture() = default;
    explicit Picture(ComPtr<IPicture> picture) : picture_(std::move(picture)) {}

    explicit operator bool() const { return static_cast<bool>(picture_); }
    PictureKind Kind() const;
    // The GDI handle the picture owns (0 for no picture).
    OLE_HANDLE Handle() const;
    // Natural size in pixels of the screen (bitmaps and icons: their pixels).
    SIZE PixelSize() const;
    // Draws the whole picture at the upper-left corner of a device context,
    // at this size in pixels, honouring its transparent colour.
    void RenderInto(HDC dc, SIZE pixels) const;
    IPicture* get() const { return picture_.get(); }

private:
    ComPtr<IPicture> picture_;
};

// Loads a BMP, JPEG, GIF, icon or metafile from a path. A JPEG (by its first
// bytes, whatever its name) is decoded by the program itself into a bitmap
// picture; anything else, and a JPEG its decoder complains about, goes
// through the platform's picture loader. A missing file raises 53 "File not
// found", a path in a missing folder 76 "Path not found", a file that is no
// readable picture 481 "Invalid picture", too little memory 7 (so does a
// JPEG whose header claims more pixels than the process can hold, before
// any of them is allocated).
Picture LoadPicture(const std::wstring& path);

// A new bitmap picture that owns the bitmap from now on; when none can be
// made the bitmap is freed with the owner.
Picture PictureFromBitmap(UniqueHbitmap bitmap);

// "Picture" as the error report names an argument of this kind.
inline std::wstring ErrTypeName(const Picture&) { return L"Picture"; }

}  // namespace tpr::win
