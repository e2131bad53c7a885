// Photos a camera stored turned, for the tests: an EXIF segment that records an orientation, and where
// each orientation puts the stored photo's corners.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tpr::test {

// By EXIF orientation (1 to 8), the stored corners that become the upright photo's upper-left,
// upper-right, lower-left and lower-right corners, numbered in that order from 0.
inline constexpr const char* kUprightCorners[9] = {"",     "0123", "1032", "3210", "2301",
                                                   "0213", "2031", "3120", "1302"};

struct ExifEntry {
    uint16_t tag, type;
    uint32_t count, value;
};
inline ExifEntry OrientationEntry(uint32_t orientation) { return {0x0112, 3, 1, orientation}; }

// An APP1 segment holding an EXIF block: a TIFF header in the byte order given (Motorola's when
// bigEndian), IFD0 at ifdOffset with these entries, and no IFD after it. A file that records its
// orientation by EXIF has it right after its start.
inline std::string ExifSegment(const std::vector<ExifEntry>& entries, bool bigEndian = false,
                               uint32_t ifdOffset = 8) {
    std::string tiff = bigEndian ? "MM" : "II";
    const auto put = [&](uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            tiff += static_cast<char>(value >> 8 * (bigEndian ? bytes - 1 - i : i));
    };
    put(42, 2);
    put(ifdOffset, 4);
    if (ifdOffset > tiff.size()) tiff.resize(ifdOffset);
    put(static_cast<uint32_t>(entries.size()), 2);
    for (const ExifEntry& entry : entries) {
        put(entry.tag, 2);
        put(entry.type, 2);
        put(entry.count, 4);
        put(entry.type == 3 && bigEndian ? entry.value << 16 : entry.value, 4);  // a SHORT fills bytes 1, 2
    }
    put(0, 4);
    const size_t length = tiff.size() + 8;  // with itself, "Exif" and two zero bytes
    return std::string("\xFF\xE1") + static_cast<char>(length >> 8) + static_cast<char>(length) +
           std::string("Exif\0\0", 6) + tiff;
}

}  // namespace tpr::test
