// The orientation a camera records in a JPEG file's EXIF block.
#pragma once

#include <optional>

#include "core/imaging/jpeg_metadata.h"
#include "core/imaging/orientation.h"

namespace tpr {

// The orientation the photo's EXIF block records in its main directory as
// one SHORT of 1 to 8; none where there is no block, or it records none, or
// none it can be read whole: the photo then opens as stored.
std::optional<Orientation> ExifOrientation(const JpegMetadata& metadata);

}  // namespace tpr
