// OpaqueOn: a picture with a transparent colour drawn on the view's background.
#include "win/imaging/opaque_picture.h"

#include <algorithm>

#include "win/imaging/memory_bitmap.h"

namespace tpr::win {

Picture OpaqueOn(Picture picture, COLORREF background) {
    DWORD attributes = 0;
    if (!picture || FAILED(picture.get()->get_Attributes(&attributes)) || !(attributes & PICTURE_TRANSPARENT))
        return picture;
    const SIZE pixels = picture.PixelSize();
    DibSurface surface(pixels.cx, pixels.cy);
    const uint32_t fill = GetRValue(background) << 16 | GetGValue(background) << 8 | GetBValue(background);
    std::fill_n(surface.Pixels(), static_cast<size_t>(pixels.cx) * static_cast<size_t>(pixels.cy), fill);
    picture.RenderInto(surface.dc(), pixels);
    return PictureFromBitmap(surface.Release());
}

}  // namespace tpr::win
