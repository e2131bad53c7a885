// The facts a saved JPEG keeps from its source: the allowed EXIF fields and an RGB colour profile, nothing else.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/imaging/jpeg_metadata.h"

namespace tpr {
namespace {

using Bytes = std::vector<uint8_t>;

// A big-endian TIFF structure, as many cameras write it, built field by field.
class BigEndianTiff {
public:
    struct Entry {
        uint16_t tag, type;
        uint32_t count;
        Bytes values;  // big-endian
    };
    static Entry Ascii(uint16_t tag, const std::string& text) {
        return {tag, 2, static_cast<uint32_t>(text.size() + 1), Bytes(text.begin(), text.end() + 1)};
    }
    static Entry Short(uint16_t tag, uint16_t value) { return {tag, 3, 1, {uint8_t(value >> 8), uint8_t(value)}}; }
    static Entry Rational(uint16_t tag, uint32_t over, uint32_t under) {
        Bytes values;
        for (uint32_t n : {over, under}) Append(values, n);
        return {tag, 5, 1, values};
    }
    // A link to a directory written next (or, for a self-link, to this one).
    static Entry Link(uint16_t tag) { return {tag, 4, 1, {}}; }

    // Writes directories one after the other; each Link points to the next directory.
    Bytes Write(const std::vector<std::vector<Entry>>& directories, bool loop = false) const {
        Bytes tiff = {'M', 'M', 0, 42, 0, 0, 0, 8};
        for (size_t d = 0; d < directories.size(); ++d) {
            const size_t start = tiff.size();
            const size_t data = start + 2 + 12 * directories[d].size() + 4;
            const uint32_t next = static_cast<uint32_t>(loop ? start : data + DataSize(directories[d]));
            tiff.push_back(0), tiff.push_back(static_cast<uint8_t>(directories[d].size()));
            Bytes values;
            for (const Entry& e : directories[d]) {
                tiff.insert(tiff.end(), {uint8_t(e.tag >> 8), uint8_t(e.tag), 0, uint8_t(e.type)});
                Append(tiff, e.count);
                if (e.values.empty()) {
                    Append(tiff, next);
                } else if (e.values.size() <= 4) {
                    Bytes inline_ = e.values;
                    inline_.resize(4);
                    tiff.insert(tiff.end(), inline_.begin(), inline_.end());
                } else {
                    Append(tiff, static_cast<uint32_t>(data + values.size()));
                    values.insert(values.end(), e.values.begin(), e.values.end());
                }
            }
            Append(tiff, 0);
            tiff.insert(tiff.end(), values.begin(), values.end());
        }
        return tiff;
    }

private:
    static void Append(Bytes& out, uint32_t n) {
        for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(n >> shift));
    }
    static size_t DataSize(const std::vector<Entry>& entries) {
        size_t size = 0;
        for (const Entry& e : entries) size += e.values.size() > 4 ? e.values.size() : 0;
        return size;
    }
};
using T = BigEndianTiff;

Bytes Segment(uint8_t marker, const std::string& header, const Bytes& data) {
    const size_t length = 2 + header.size() + data.size();
    Bytes out = {0xFF, marker, uint8_t(length >> 8), uint8_t(length)};
    out.insert(out.end(), header.begin(), header.end());
    out.insert(out.end(), data.begin(), data.end());
    return out;
}
Bytes IccChunk(uint8_t sequence, uint8_t count, const std::string& data) {
    return Segment(0xE2, std::string("ICC_PROFILE\0", 12) + char(sequence) + char(count), Bytes(data.begin(), data.end()));
}
// A JPEG's start: its segments, then a colour frame of `components` and the scan.
Bytes JpegStart(const std::vector<Bytes>& segments, uint8_t components = 3) {
    Bytes jpeg = {0xFF, 0xD8};
    for (const Bytes& s : segments) jpeg.insert(jpeg.end(), s.begin(), s.end());
    const Bytes frame = Segment(0xC0, std::string("\x08\x00\x10\x00\x10", 5) + char(components), {});
    jpeg.insert(jpeg.end(), frame.begin(), frame.end());
    jpeg.insert(jpeg.end(), {0xFF, 0xDA});
    return jpeg;
}
JpegMetadata Read(const Bytes& jpeg) { return ReadJpegMetadata(jpeg.data(), jpeg.size()); }
std::string Text(const std::optional<ExifField>& field) {
    return field ? std::string(field->values.begin(), field->values.end()) : "(none)";
}

// What a phone writes: date, camera, exposure, but also where, who and what.
const Bytes kPhoneExif = T().Write({
    {T::Ascii(0x010E, "Our house"), T::Ascii(0x010F, "Maker"), T::Ascii(0x0110, "Phone 12"), T::Short(0x0112, 6),
     T::Ascii(0x0132, "2026:07:01 10:00:00"), T::Link(0x8769)},
    {T::Rational(0x829A, 1, 125), T::Ascii(0x9003, "2026:07:01 09:59:58"), T::Ascii(0x9286, "a comment"),
     T::Ascii(0xA431, "SN123456"), T::Link(0x8825)},
    {T::Ascii(0x0001, "N"), T::Rational(0x0002, 52, 1)},  // the GPS directory
});
const std::string kRgbProfile = std::string(16, 'p') + "RGB " + std::string(80, 'q');

TEST(JpegMetadata, KeepsTheAllowedFactsAndTheSavedSizeOnly) {
    const JpegMetadata source = Read(JpegStart({Segment(0xE1, std::string("Exif\0\0", 6), kPhoneExif)}));
    const JpegMetadata saved = Read(JpegStart({SavedMetadataSegments(source, 800, 600)}));
    const std::pair<uint16_t, std::string> fields[] = {
        {0x010F, std::string("Maker\0", 6)}, {0x0110, std::string("Phone 12\0", 9)},
        {0x0132, std::string("2026:07:01 10:00:00\0", 20)}, {0x9003, std::string("2026:07:01 09:59:58\0", 20)},
        {0x829A, std::string("\1\0\0\0\x7D\0\0\0", 8)},  // 1/125 s, now little-endian
        {0xA002, std::string("\x20\x03\0\0", 4)}, {0xA003, std::string("\x58\x02\0\0", 4)},  // 800 x 600
        // Never written: description, orientation, comment, serial number, the GPS directory.
        {0x010E, "(none)"}, {0x0112, "(none)"}, {0x9286, "(none)"}, {0xA431, "(none)"}, {0x8825, "(none)"},
    };
    for (const auto& [tag, value] : fields) EXPECT_EQ(Text(ExifFieldOf(saved.exif, tag)), value) << tag;
}

TEST(JpegMetadata, DropsAnExifBlockThatCannotBeReadWhole) {
    Bytes truncated = kPhoneExif;
    truncated.resize(60);
    Bytes badOrder = kPhoneExif;
    badOrder[0] = 'X';
    const Bytes looping = T().Write({{T::Ascii(0x010F, "Maker"), T::Link(0x8769)}}, /*loop=*/true);
    for (const Bytes& exif : {truncated, badOrder, Bytes{}})
        EXPECT_TRUE(AllowedExif(exif, 10, 10).empty());
    // A directory that links to itself is read once.
    EXPECT_EQ(Text(ExifFieldOf(AllowedExif(looping, 10, 10), 0x010F)), std::string("Maker\0", 6));
}

TEST(JpegMetadata, KeepsAnRgbProfileOfAColourPhotoByteForByte) {
    const std::string grey = std::string(16, 'p') + "GRAY" + std::string(8, 'q');
    const struct {
        std::vector<Bytes> segments;
        uint8_t components;
        std::string profile;
    } cases[] = {
        {{IccChunk(2, 2, kRgbProfile.substr(50)), IccChunk(1, 2, kRgbProfile.substr(0, 50))}, 3, kRgbProfile},
        {{IccChunk(1, 1, kRgbProfile)}, 1, ""},                    // a grey photo
        {{IccChunk(1, 1, grey)}, 3, ""},                           // a grey profile
        {{IccChunk(1, 2, kRgbProfile.substr(0, 50))}, 3, ""},      // a chunk missing
        {{IccChunk(1, 1, kRgbProfile), IccChunk(1, 1, kRgbProfile)}, 3, ""},  // a chunk twice
    };
    for (const auto& c : cases) {
        const JpegMetadata saved = Read(JpegStart({SavedMetadataSegments(Read(JpegStart(c.segments, c.components)), 8, 8)}));
        EXPECT_EQ(std::string(saved.iccProfile.begin(), saved.iccProfile.end()), c.profile);
    }
}

TEST(JpegMetadata, PutsTheSegmentsAfterTheStartAndJfifSegment) {
    const Bytes jfif = {0xFF, 0xD8, 0xFF, 0xE0, 0, 4, 'J', 'F', 0xFF, 0xDB};
    const Bytes segments = {0xFF, 0xE1, 0, 2};
    EXPECT_EQ(WithSegments(jfif, segments), (Bytes{0xFF, 0xD8, 0xFF, 0xE0, 0, 4, 'J', 'F', 0xFF, 0xE1, 0, 2, 0xFF, 0xDB}));
    EXPECT_EQ(WithSegments({0xFF, 0xD8, 0xFF, 0xDB}, segments), (Bytes{0xFF, 0xD8, 0xFF, 0xE1, 0, 2, 0xFF, 0xDB}));
    EXPECT_EQ(WithSegments({'B', 'M', 0, 0}, segments), (Bytes{'B', 'M', 0, 0}));
}

}  // namespace
}  // namespace tpr
