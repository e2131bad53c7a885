// Picture: the platform's reference-counted picture object and LoadPicture.
#include "win/runtime/picture.h"

#include <cstring>

#include "core/runtime/picture_format.h"
#include "core/runtime/runtime_error.h"
#include "win/runtime/gdiplus_decoder.h"
#include "win/runtime/jpeg_decoder.h"
#include "win/runtime/unique_any.h"

namespace tpr::win {
namespace {

// HIMETRIC (1/100 mm) to pixels of the screen.
LONG HimetricToPixels(OLE_XSIZE_HIMETRIC himetric, int axis) {
    const UniqueScreenDc screen(::GetDC(nullptr));
    return ::MulDiv(himetric, ::GetDeviceCaps(screen.get(), axis), 2540);
}

[[noreturn]] void RaiseForFileError(DWORD osError) {
    switch (osError) {
    case ERROR_FILE_NOT_FOUND: Raise(kErrFileNotFound);
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_NETPATH: Raise(kErrPathNotFound);
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY: Raise(kErrOutOfMemory);
    default: Raise(kErrPermissionDenied);
    }
}

// The photo as the program decodes it itself, the decoder chosen by the
// file's first bytes: a JPEG that libjpeg-turbo reads without a complaint, a
// PNG or TIFF that GDI+ reads. None otherwise: the platform's picture loader
// has its say on the file.
UniqueHbitmap DecodedByTheProgram(HGLOBAL memory, size_t size) {
    const auto* bytes = static_cast<const uint8_t*>(::GlobalLock(memory));
    const struct Unlock {
        HGLOBAL memory;
        ~Unlock() { ::GlobalUnlock(memory); }
    } unlock{memory};
    switch (PictureFormatOf(bytes, size)) {
        case PictureFormat::Jpeg: return DecodeJpeg(bytes, size);
        case PictureFormat::Png:
        case PictureFormat::Tiff: return DecodeWithGdiplus(memory);
        default: return {};
    }
}

}  // namespace

PictureKind Picture::Kind() const {
    SHORT type = PICTYPE_NONE;
    if (picture_) picture_->get_Type(&type);
    return type >= 1 && type <= 4 ? static_cast<PictureKind>(type) : PictureKind::None;
}

OLE_HANDLE Picture::Handle() const {
    OLE_HANDLE handle = 0;
    if (picture_) picture_->get_Handle(&handle);
    return handle;
}

SIZE Picture::PixelSize() const {
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    if (picture_) {
        picture_->get_Width(&width);
        picture_->get_Height(&height);
    }
    if (Kind() == PictureKind::Bitmap) {
        BITMAP info{};
        if (::GetObjectW(reinterpret_cast<HGDIOBJ>(static_cast<UINT_PTR>(Handle())), sizeof info, &info)) {
            return {info.bmWidth, info.bmHeight};
        }
    }
    return {HimetricToPixels(width, LOGPIXELSX), HimetricToPixels(height, LOGPIXELSY)};
}

void Picture::RenderInto(HDC dc, SIZE pixels) const {
    if (!picture_) return;
    OLE_XSIZE_HIMETRIC naturalWidth = 0;
    OLE_YSIZE_HIMETRIC naturalHeight = 0;
    picture_->get_Width(&naturalWidth);
    picture_->get_Height(&naturalHeight);
    // HIMETRIC runs upwards: the source rectangle starts at the top.
    picture_->Render(dc, 0, 0, pixels.cx, pixels.cy, 0, naturalHeight, naturalWidth, -naturalHeight, nullptr);
}

Picture LoadPicture(const std::wstring& path) {
    // Read the file ourselves so that the path stays UTF-16 and a missing file
    // is told apart from one that is no picture.
    UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) RaiseForFileError(::GetLastError());
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.get(), &size)) RaiseForFileError(::GetLastError());
    if (size.QuadPart == 0) Raise(kErrInvalidPicture);
    if (size.QuadPart > 0x7FFFFFFF) Raise(kErrOutOfMemory);

    UniqueHglobal memory(::GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(size.QuadPart)));
    if (!memory) Raise(kErrOutOfMemory);
    {
        void* bytes = ::GlobalLock(memory.get());
        DWORD read = 0;
        const BOOL ok = ::ReadFile(file.get(), bytes, static_cast<DWORD>(size.QuadPart), &read, nullptr);
        ::GlobalUnlock(memory.get());
        if (!ok || read != size.QuadPart) RaiseForFileError(::GetLastError());
    }
    if (UniqueHbitmap decoded = DecodedByTheProgram(memory.get(), static_cast<size_t>(size.QuadPart))) {
        Picture picture = PictureFromBitmap(std::move(decoded));
        if (!picture) Raise(kErrOutOfMemory);
        return picture;
    }

    ComPtr<IStream> stream;
    if (FAILED(::CreateStreamOnHGlobal(memory.get(), TRUE, stream.put()))) Raise(kErrOutOfMemory);
    memory.release();  // the stream frees it now

    ComPtr<IPicture> picture;
    const HRESULT hr = ::OleLoadPicture(stream.get(), static_cast<LONG>(size.QuadPart), FALSE, IID_IPicture,
                                        picture.put_void());
    if (hr == E_OUTOFMEMORY) Raise(kErrOutOfMemory);
    if (FAILED(hr) || !picture) Raise(kErrInvalidPicture);
    return Picture(std::move(picture));
}

Picture PictureFromBitmap(UniqueHbitmap bitmap) {
    PICTDESC description{};
    description.cbSizeofstruct = sizeof description;
    description.picType = PICTYPE_BITMAP;
    description.bmp.hbitmap = bitmap.get();
    description.bmp.hpal = nullptr;
    ComPtr<IDispatch> dispatch;
    ::OleCreatePictureIndirect(&description, IID_IDispatch, TRUE, dispatch.put_void());
    ComPtr<IPicture> picture;
    if (dispatch) dispatch->QueryInterface(IID_IPicture, picture.put_void());
    if (picture) bitmap.release();
    return Picture(std::move(picture));
}

}  // namespace tpr::win
