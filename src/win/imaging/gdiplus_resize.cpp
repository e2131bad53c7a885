// GDI+ sessions and the resampling of a picture (module modGDIPlusResize).
#include "win/imaging/gdiplus_resize.h"

#include <cstring>

#include "core/imaging/fit.h"
#include "core/runtime/runtime_error.h"
#include "win/imaging/platform_capabilities.h"
#include "win/imaging/prefilter.h"

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

ScaleSource PixelImage(std::vector<uint32_t> pixels, int32_t width, int32_t height) {
    ScaleSource source;
    source.pixels = std::move(pixels);
    source.width = width;
    source.height = height;
    GpBitmap* bitmap = nullptr;
    DllExports::GdipCreateBitmapFromScan0(width, height, width * 4, PixelFormat32bppRGB,
                                          reinterpret_cast<BYTE*>(source.pixels.data()), &bitmap);
    source.image.reset(bitmap);
    return source;
}

void DrawScaledImage(const ScaleSource& source, HDC dc, int32_t width, int32_t height, bool keepAspect) {
    GpImage* image = source.image.get();
    UniqueGdipGraphics graphics;
    DllExports::GdipCreateFromHDC(dc, graphics.put());
    DllExports::GdipSetInterpolationMode(graphics.get(), InterpolationModeHighQualityBicubic);
    if (!keepAspect) {
        DllExports::GdipDrawImageRectI(graphics.get(), image, 0, 0, width, height);
        return;
    }
    UINT imageWidth = 0, imageHeight = 0;
    DllExports::GdipGetImageWidth(image, &imageWidth);
    DllExports::GdipGetImageHeight(image, &imageHeight);
    const DrawRect rect = AspectDrawRect(source.width, source.height, width, height);
    DllExports::GdipDrawImageRectRectI(graphics.get(), image, rect.x, rect.y, rect.width, rect.height, 0, 0,
                                       static_cast<INT>(imageWidth), static_cast<INT>(imageHeight), UnitPixel,
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

// The image GDI+ draws for the picture: where GDI+ itself would alias a
// large shrink, a bitmap reduced beforehand, otherwise the picture as it is.
ScaleSource SourceToDraw(OLE_HANDLE handle, PictureKind kind, int32_t width, int32_t height,
                         bool keepAspect) {
    if (kind == PictureKind::Bitmap && !ShrinkPrefilters()) {
        ScaleSource reduced = ReducedBitmap(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)), width,
                                            height, keepAspect);
        if (reduced.image) return reduced;
    }
    ScaleSource source;
    source.image = ImageFromHandle(handle, kind, width, height);
    UINT imageWidth = 0, imageHeight = 0;
    if (source.image) {
        DllExports::GdipGetImageWidth(source.image.get(), &imageWidth);
        DllExports::GdipGetImageHeight(source.image.get(), &imageHeight);
    }
    source.width = static_cast<int32_t>(imageWidth);
    source.height = static_cast<int32_t>(imageHeight);
    return source;
}

}  // namespace

Picture ResizePicture(OLE_HANDLE handle, PictureKind kind, int32_t width, int32_t height, COLORREF background,
                      bool keepAspect) {
    ScaleSource source = SourceToDraw(handle, kind, width, height, keepAspect);
    if (!source.image) return {};
    Canvas canvas(background, width, height);
    DrawScaledImage(source, canvas.dc(), width, height, keepAspect);
    source.image.reset();
    return PictureFromBitmap(canvas.Release());
}

}  // namespace tpr::win
