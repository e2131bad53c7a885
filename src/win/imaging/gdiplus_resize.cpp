#include "imaging/gdiplus_resize.h"

#include <cstring>

#include "errors/runtime_error.h"
#include "imaging/fit.h"

namespace tpr::win {

using namespace Gdiplus;

ULONG_PTR StartGdiPlus() {
    GdiplusStartupInput input;  // version 1, no debug callback, background thread and codecs on
    ULONG_PTR token = 0;
    GdiplusStartup(&token, &input, nullptr);
    return token;
}

void StopGdiPlus(ULONG_PTR token) { GdiplusShutdown(token); }

Canvas::Canvas(COLORREF background, int32_t width, int32_t height) {
    const int planes = ::GetDeviceCaps(dc(), PLANES);
    const int bitsPerPixel = ::GetDeviceCaps(dc(), BITSPIXEL);
    // A bitmap the system cannot make is a photo too large to show: Select
    // says so rather than show nothing.
    memory_.Select(UniqueHbitmap(::CreateBitmap(width, height, planes, bitsPerPixel, nullptr)));

    const UniqueHbrush brush(::CreateSolidBrush(background));
    const SelectGuard useBrush(dc(), brush.get());
    ::PatBlt(dc(), 0, 0, width, height, PATCOPY);
}

void DrawScaledImage(GpImage* image, HDC dc, int32_t width, int32_t height, bool keepAspect) {
    UniqueGdipGraphics graphics;
    DllExports::GdipCreateFromHDC(dc, graphics.put());
    DllExports::GdipSetInterpolationMode(graphics.get(), InterpolationModeHighQualityBicubic);
    if (!keepAspect) {
        DllExports::GdipDrawImageRectI(graphics.get(), image, 0, 0, width, height);
        return;
    }
    UINT sourceWidth = 0, sourceHeight = 0;
    DllExports::GdipGetImageWidth(image, &sourceWidth);
    DllExports::GdipGetImageHeight(image, &sourceHeight);
    const DrawRect rect = AspectDrawRect(static_cast<int32_t>(sourceWidth), static_cast<int32_t>(sourceHeight),
                                         width, height);
    DllExports::GdipDrawImageRectRectI(graphics.get(), image, rect.x, rect.y, rect.width, rect.height, 0, 0,
                                       static_cast<INT>(sourceWidth), static_cast<INT>(sourceHeight), UnitPixel,
                                       nullptr, nullptr, nullptr);
}

namespace {

UniqueGdipImage ImageFromHandle(OLE_HANDLE handle, PictureKind kind, int32_t width, int32_t height) {
    UniqueGdipImage image;
    const auto gdiHandle = reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle));
    switch (kind) {
    case PictureKind::Bitmap: {
        GpBitmap* bitmap = nullptr;
        DllExports::GdipCreateBitmapFromHBITMAP(static_cast<HBITMAP>(gdiHandle), nullptr, &bitmap);
        image.reset(bitmap);
        break;
    }
    case PictureKind::Metafile: {
        // The file format's header is 22 bytes; the structure is padded to 24
        // with the same field offsets.
        const auto bytes = PlaceableMetafileHeader(width, height);
        WmfPlaceableFileHeader header{};
        static_assert(sizeof header >= bytes.size());
        std::memcpy(&header, bytes.data(), bytes.size());
        GpMetafile* metafile = nullptr;
        DllExports::GdipCreateMetafileFromWmf(static_cast<HMETAFILE>(gdiHandle), FALSE, &header, &metafile);
        image.reset(metafile);
        break;
    }
    case PictureKind::Icon: {
        GpBitmap* bitmap = nullptr;
        DllExports::GdipCreateBitmapFromHICON(static_cast<HICON>(gdiHandle), &bitmap);
        image.reset(bitmap);
        break;
    }
    case PictureKind::EnhancedMetafile: {
        GpMetafile* metafile = nullptr;
        DllExports::GdipCreateMetafileFromEmf(static_cast<HENHMETAFILE>(gdiHandle), FALSE, &metafile);
        image.reset(metafile);
        break;
    }
    case PictureKind::None: break;
    }
    return image;
}

}  // namespace

Picture ResizePicture(OLE_HANDLE handle, PictureKind kind, int32_t width, int32_t height, COLORREF background,
                      bool keepAspect) {
    UniqueGdipImage image = ImageFromHandle(handle, kind, width, height);
    if (!image) return {};
    Canvas canvas(background, width, height);
    DrawScaledImage(image.get(), canvas.dc(), width, height, keepAspect);
    image.reset();
    return PictureFromBitmap(canvas.Release());
}

}  // namespace tpr::win
