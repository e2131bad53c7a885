// The orientation a camera records in a JPEG file's EXIF block.
#include "core/imaging/exif_orientation.h"

namespace tpr {

std::optional<Orientation> ExifOrientation(const JpegMetadata& metadata) {
    constexpr uint16_t kOrientationTag = 0x0112, kShortType = 3;
    const std::optional<ExifField> field = ExifFieldOf(metadata.exif, kOrientationTag);
    if (!field || field->type != kShortType || field->count != 1) return std::nullopt;
    const int value = field->values[0] | field->values[1] << 8;
    if (value < 1 || value > 8) return std::nullopt;
    return static_cast<Orientation>(value);
}

}  // namespace tpr
