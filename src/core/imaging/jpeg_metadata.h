// The facts a saved photo keeps from the JPEG it came from: an allow-list of
// EXIF fields (date, camera, exposure, author) and the RGB colour profile.
// Location, serial numbers, comments, maker notes, thumbnails and the
// orientation are never carried over.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace tpr {

// How much of a file's start the program reads for its metadata: the EXIF
// block (at most 64 KiB) and any colour profile in use, with the segments
// before them.
constexpr size_t kMetadataBytes = 1 << 20;

struct JpegMetadata {
    std::vector<uint8_t> exif;        // the EXIF block's TIFF structure, as stored
    std::vector<uint8_t> iccProfile;  // the colour profile, its chunks joined
    int colourComponents = 0;         // of the frame: 1 grey, 3 colour, 4 CMYK
};

// The metadata in the segments before a JPEG's first scan; `bytes` may be
// only the file's start. A profile missing a chunk is no profile.
JpegMetadata ReadJpegMetadata(const uint8_t* bytes, size_t size);

// The EXIF block, as a TIFF structure, holding only the allowed fields of
// `exif` and the saved size; empty where `exif` is empty, cannot be read
// whole, or keeps nothing.
std::vector<uint8_t> AllowedExif(const std::vector<uint8_t>& exif, uint32_t width, uint32_t height);

// A field of an EXIF block: its TIFF type, count and values, as little-endian numbers.
struct ExifField {
    uint16_t type = 0;
    uint32_t count = 0;
    std::vector<uint8_t> values;
};

// The field of the EXIF block's main directory or, failing that, its EXIF
// directory; nullopt when it is absent or cannot be read.
std::optional<ExifField> ExifFieldOf(const std::vector<uint8_t>& exif, uint16_t tag);

// The APP1 and APP2 segments a JPEG of width x height made from the photo
// carries: the allowed EXIF fields and, when the photo was decoded as colour
// and its profile describes RGB, the profile byte for byte.
std::vector<uint8_t> SavedMetadataSegments(const JpegMetadata& source, uint32_t width, uint32_t height);

// The JPEG file with `segments` put after its start (and its JFIF segment,
// when it opens with one); the file unchanged when it is no JPEG.
std::vector<uint8_t> WithSegments(const std::vector<uint8_t>& jpeg, const std::vector<uint8_t>& segments);

}  // namespace tpr
