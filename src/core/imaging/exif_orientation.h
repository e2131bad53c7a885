// The orientation a camera records in a JPEG file's EXIF block, read from
// the start of the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "core/imaging/orientation.h"

namespace tpr {

// How much of a file the reader looks at: the largest EXIF segment (64 KiB)
// with room for the segments a camera writes before it.
constexpr size_t kExifHeadBytes = 128 * 1024;

// The orientation recorded in the first EXIF segment of a JPEG file whose
// first `size` bytes are at `data`; none where they are no JPEG, or the
// segments before the image data hold no EXIF block, or its first IFD no
// orientation 1 to 8 as one SHORT. A block that is malformed or cut short
// before the orientation counts as none: the photo then opens as stored.
std::optional<Orientation> ExifOrientation(const uint8_t* data, size_t size);

}  // namespace tpr
