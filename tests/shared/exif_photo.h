// Photos a camera has turned, for the tests: an EXIF segment that records an
// orientation, put into a JPEG file, and where each orientation puts the
// stored photo's corners.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tpr::test {

enum Corner { kUpperLeft, kUpperRight, kLowerLeft, kLowerRight };

// By EXIF orientation (1 to 8), the stored photo's corners that become the
// upright photo's upper-left, upper-right, lower-left and lower-right.
inline constexpr Corner kUprightCorners[9][4] = {
    {},
    {kUpperLeft, kUpperRight, kLowerLeft, kLowerRight},
    {kUpperRight, kUpperLeft, kLowerRight, kLowerLeft},
    {kLowerRight, kLowerLeft, kUpperRight, kUpperLeft},
    {kLowerLeft, kLowerRight, kUpperLeft, kUpperRight},
    {kUpperLeft, kLowerLeft, kUpperRight, kLowerRight},
    {kLowerLeft, kUpperLeft, kLowerRight, kUpperRight},
    {kLowerRight, kUpperRight, kLowerLeft, kUpperLeft},
    {kUpperRight, kLowerRight, kUpperLeft, kLowerLeft},
};

// One IFD entry; a SHORT's value is stored in the first two bytes of its field.
struct ExifEntry {
    uint16_t tag, type;
    uint32_t count, value;
};
inline ExifEntry OrientationEntry(uint32_t orientation) { return {0x0112, 3, 1, orientation}; }

// An APP1 segment, marker included, holding an EXIF block: a TIFF header in
// the byte order given (Motorola's when bigEndian), IFD0 at ifdOffset with
// these entries, and no IFD after it.
inline std::string ExifSegment(const std::vector<ExifEntry>& entries, bool bigEndian = false,
                               uint32_t ifdOffset = 8) {
    std::string tiff;
    const auto put = [&](uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) tiff += static_cast<char>(value >> 8 * (bigEndian ? bytes - 1 - i : i));
    };
    tiff += bigEndian ? "MM" : "II";
    put(42, 2);
    put(ifdOffset, 4);
    if (ifdOffset > tiff.size()) tiff.resize(ifdOffset, '\0');
    put(static_cast<uint32_t>(entries.size()), 2);
    for (const ExifEntry& entry : entries) {
        put(entry.tag, 2);
        put(entry.type, 2);
        put(entry.count, 4);
        if (entry.type == 3) {
            put(entry.value, 2);
            put(0, 2);
        } else {
            put(entry.value, 4);
        }
    }
    put(0, 4);
    const std::string body = std::string("Exif\0\0", 6) + tiff;
    const size_t length = body.size() + 2;
    return std::string("\xFF\xE1") + static_cast<char>(length >> 8) + static_cast<char>(length) + body;
}

// The JPEG file with the segment after its start and its JFIF segment, if any.
inline std::string WithSegment(std::string jpeg, const std::string& segment) {
    size_t at = 2;
    if (jpeg.compare(2, 2, "\xFF\xE0") == 0) at += 2 + (static_cast<uint8_t>(jpeg[4]) << 8 | static_cast<uint8_t>(jpeg[5]));
    return jpeg.insert(at, segment);
}

}  // namespace tpr::test
