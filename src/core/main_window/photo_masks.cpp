#include "core/main_window/photo_masks.h"

#include "core/common/ui_texts.h"

namespace tpr {

std::wstring OpenPhotoMask() {
    return texts::AllSupportedFilterName + L"|*.bmp; *.jpg; *.gif|" + texts::BitmapFilterName +
           L" (*.bmp)|*.bmp|" + texts::JpegFilterName + L" (*.jpg)|*.jpg|" + texts::GifFilterName +
           L" (*.gif)|*.gif";
}

std::wstring SavePhotoMask() { return texts::JpegFilterName + L" (*.jpg)|*.jpg"; }

}  // namespace tpr
