// Reading a camera's orientation from the start of a JPEG file: well-formed blocks in either byte order, and the malformed ones that count as none.
#include "core/imaging/exif_orientation.h"

#include <gtest/gtest.h>

#include "exif_photo.h"

namespace tpr {
namespace {

using test::ExifEntry;
using test::ExifSegment;
using test::OrientationEntry;

using namespace std::string_literals;
const std::string kStart = "\xFF\xD8"s, kJfif = "\xFF\xE0\x00\x07JFIF\0"s, kImageData = "\xFF\xDA\x00\x02\x12\x34"s;
const ExifEntry kWidthEntry{0x0100, 4, 1, 4000}, kMakeEntry{0x010F, 2, 6, 200};

std::optional<Orientation> Read(const std::string& bytes) {
    return ExifOrientation(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

TEST(ExifOrientation, EachOrientationInEitherByteOrderAmongOtherSegmentsAndEntries) {
    for (uint32_t o = 1; o <= 8; ++o) {
        for (const bool bigEndian : {false, true}) {
            const std::string exif = ExifSegment({kWidthEntry, kMakeEntry, OrientationEntry(o)}, bigEndian, 20);
            const std::string xmp = "\xFF\xE1\x00\x0Ahttp:/ns"s;
            EXPECT_EQ(Read(kStart + kJfif + "\xFF\xFF" + xmp + exif + kImageData), static_cast<Orientation>(o));
            EXPECT_EQ(Read(kStart + exif), static_cast<Orientation>(o)) << "the file cut after the segment";
        }
    }
}

TEST(ExifOrientation, MalformedTruncatedOrMissingIsNone) {
    const std::string six = ExifSegment({OrientationEntry(6)});
    const auto with = [](std::string segment, size_t at, const std::string& bytes) {
        return segment.replace(at, bytes.size(), bytes);
    };
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"nothing", ""},
        {"a start alone", kStart},
        {"no JPEG", "\x89PNG\r\n\x1A\n" + six},
        {"no EXIF block", kStart + kJfif + kImageData},
        {"the block after the image data", kStart + kImageData + six},
        {"a segment shorter than its length", kStart + "\xFF\xE0\x00\x01"s + six},
        {"no marker where a segment should start", kStart + "\x00"s + six},
        {"an orientation of 0", kStart + ExifSegment({OrientationEntry(0)})},
        {"an orientation of 9", kStart + ExifSegment({OrientationEntry(9)})},
        {"an orientation as a LONG", kStart + ExifSegment({{0x0112, 4, 1, 6}})},
        {"two orientations in one entry", kStart + ExifSegment({{0x0112, 3, 2, 6}})},
        {"IFD0 beyond the block", kStart + with(six, 14, "\x90")},
        {"IFD0 at the end of the address space", kStart + with(six, 14, "\xFF\xFF\xFF\xFF")},
        {"an unknown byte order", kStart + with(six, 10, "M")},
        {"a wrong TIFF number", kStart + with(six, 12, "+")},
        {"more entries than the block holds", kStart + with(ExifSegment({kWidthEntry}), 18, "\x09")},
        {"the file cut inside the orientation's entry", kStart + six.substr(0, 30)},
    };
    for (const auto& c : cases) EXPECT_EQ(Read(c.bytes), std::nullopt) << c.what;
    EXPECT_EQ(Read(kStart + six.substr(0, 32)), Orientation::TurnRight) << "cut just after the entry";
}

}  // namespace
}  // namespace tpr
