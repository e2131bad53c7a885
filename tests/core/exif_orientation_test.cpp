// Reading a camera's orientation from the start of a JPEG file: well-formed blocks in either byte order, and
// the malformed, cut or missing ones that count as none.
#include "core/imaging/exif_orientation.h"

#include <gtest/gtest.h>

#include <tuple>

#include "exif_photo.h"

namespace tpr {
namespace {

using namespace std::string_literals;
using test::ExifSegment;
using test::OrientationEntry;

TEST(ExifOrientation, ReadsWellFormedBlocksAndTakesOthersForNone) {
    const std::string start = "\xFF\xD8"s, imageData = "\xFF\xDA\x00\x02\x12\x34"s;
    const std::string six = ExifSegment({OrientationEntry(6)});  // TIFF from 10, IFD0 at 18, the entry at 20
    const auto with = [&six](size_t at, std::string b) { return std::string(six).replace(at, b.size(), b); };
    // What each case is, its bytes and the orientation they record (0: none).
    const std::tuple<const char*, std::string, int> cases[] = {
        {"after JFIF, padding, XMP", start + "\xFF\xE0\x00\x07JFIF\0\xFF\xFF\xFF\xE1\x00\x05xmp"s + six, 6},
        {"Motorola's, after a gap and entries",
         start + ExifSegment({{0x0100, 4, 1, 4000}, {0x010F, 2, 6, 90}, OrientationEntry(8)}, true, 20), 8},
        {"the file cut inside the block", start + six.substr(0, 32), 0},
        {"no JPEG", "\x89PNG\r\n\x1A\n" + six, 0},
        {"the block after the image data", start + imageData + six, 0},
        {"an orientation of 9", start + ExifSegment({OrientationEntry(9)}), 0},
        {"an orientation as a LONG", start + ExifSegment({{0x0112, 4, 1, 6}}), 0},
        {"two orientations in one entry", start + ExifSegment({{0x0112, 3, 2, 6}}), 0},
        {"IFD0 beyond the block", start + with(14, "\x90"), 0},
        {"IFD0 at the end of the address space", start + with(14, "\xFF\xFF\xFF\xFF"), 0},
    };
    for (const auto& [what, bytes, orientation] : cases) {
        const auto read = ExifOrientation(ReadJpegMetadata(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
        EXPECT_EQ(read ? static_cast<int>(*read) : 0, orientation) << what;
    }
}

}  // namespace
}  // namespace tpr
