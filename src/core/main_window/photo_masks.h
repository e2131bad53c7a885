// The filter masks of the Open and Save dialogs, built from the shared texts.
#pragma once

#include <string>

namespace tpr {

// All supported files first, then bitmaps, JPEG and GIF one by one.
std::wstring OpenPhotoMask();

// JPEG only: what Save writes.
std::wstring SavePhotoMask();

}  // namespace tpr
