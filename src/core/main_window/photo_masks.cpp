// The Open dialog's photo types and the Save dialog's JPEG type.
#include "core/main_window/photo_masks.h"

#include "core/common/ui_texts.h"

namespace tpr {

std::wstring OpenPhotoMask() {
    // Browsers and phones save .jpeg, scanners .tiff: each entry's pattern
    // takes both spellings while its name keeps the short one.
    return texts::AllSupportedFilterName + L"|*.bmp; *.jpg; *.jpeg; *.gif; *.png; *.tif; *.tiff|" +
           texts::BitmapFilterName + L" (*.bmp)|*.bmp|" + texts::JpegFilterName + L" (*.jpg)|*.jpg;*.jpeg|" +
           texts::GifFilterName + L" (*.gif)|*.gif|" + texts::PngFilterName + L" (*.png)|*.png|" +
           texts::TiffFilterName + L" (*.tif)|*.tif;*.tiff";
}

std::wstring SavePhotoMask() { return texts::JpegFilterName + L" (*.jpg)|*.jpg"; }

}  // namespace tpr
