// What the main window says of a photo in a format it knows but cannot open.
#pragma once

#include <string>

#include "core/runtime/picture_format.h"

namespace tpr {

// For the formats the program recognises but cannot decode (WebP, HEIC,
// AVIF), the message that says so by the name users know the format by,
// with its article ("an AVIF"); empty for every other format.
std::wstring UnopenablePhotoMessage(PictureFormat format);

}  // namespace tpr
