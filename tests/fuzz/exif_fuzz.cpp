// The EXIF reader and writer with any bytes, read both as an EXIF block and as a JPEG's start:
// - the orientation read is none or 1 to 8 (and nothing is read beyond the bytes, which the sanitizers
//   watch); a JPEG head whose well-formed block records the input's chosen orientation among other
//   entries, in either byte order, with anything after it, reads back that orientation;
// - what the allow-list writes reads back to itself, keeps every allowed field it could read, holds none
//   of the fields never written, and a kept colour profile is the source's byte for byte.
#include "core/imaging/exif_orientation.h"
#include "exif_photo.h"
#include "fuzz_support.h"

namespace {

using Bytes = std::vector<uint8_t>;

constexpr uint16_t kNeverWritten[] = {0x010E, 0x0112, 0x8825, 0x927C, 0x9286, 0xA430, 0xA431, 0xA435, 0x02BC};
constexpr uint16_t kSomeAllowed[] = {0x010F, 0x0110, 0x0132, 0x829A, 0x9003, 0x9011, 0xA434};

std::optional<Bytes> Values(const Bytes& exif, uint16_t tag) {
    const std::optional<tpr::ExifField> field = tpr::ExifFieldOf(exif, tag);
    return field ? std::optional<Bytes>(field->values) : std::nullopt;
}

void CheckAllowedExif(const Bytes& exif) {
    const Bytes written = tpr::AllowedExif(exif, 640, 480);
    if (written.empty()) return;
    TPR_FUZZ_CHECK(tpr::AllowedExif(written, 640, 480) == written);
    for (uint16_t tag : kNeverWritten) TPR_FUZZ_CHECK(!tpr::ExifFieldOf(written, tag));
    for (uint16_t tag : kSomeAllowed) TPR_FUZZ_CHECK(Values(written, tag) == Values(exif, tag));
    TPR_FUZZ_CHECK((Values(written, 0xA002) == Bytes{0x80, 0x02, 0, 0}));
}

void CheckSavedMetadata(const tpr::JpegMetadata& source) {
    Bytes saved = {0xFF, 0xD8};
    const Bytes segments = tpr::SavedMetadataSegments(source, 640, 480);
    saved.insert(saved.end(), segments.begin(), segments.end());
    saved.insert(saved.end(), {0xFF, 0xC0, 0, 8, 8, 0, 8, 0, 8, 3});  // a colour frame
    const tpr::JpegMetadata reread = tpr::ReadJpegMetadata(saved.data(), saved.size());
    TPR_FUZZ_CHECK(reread.iccProfile.empty() || reread.iccProfile == source.iccProfile);
    TPR_FUZZ_CHECK(reread.exif == tpr::AllowedExif(source.exif, 640, 480));
}

// A well-formed block made from the input records the orientation it chose.
void CheckWellFormedOrientation(FuzzedDataProvider& input) {
    using tpr::Orientation;
    const auto orientation = input.ConsumeIntegralInRange<uint32_t>(1, 8);
    std::vector<tpr::test::ExifEntry> entries;
    for (int count = input.ConsumeIntegralInRange(0, 6); count > 0; --count) {
        const auto tag = input.ConsumeIntegral<uint16_t>();
        entries.push_back({static_cast<uint16_t>(tag == 0x0112 ? tag + 1 : tag),
                           input.ConsumeIntegral<uint16_t>(), input.ConsumeIntegral<uint32_t>(),
                           input.ConsumeIntegral<uint32_t>()});
    }
    entries.insert(entries.begin() + input.ConsumeIntegralInRange<size_t>(0, entries.size()),
                   tpr::test::OrientationEntry(orientation));
    const bool bigEndian = input.ConsumeBool();
    const auto ifdOffset = input.ConsumeIntegralInRange<uint32_t>(8, 600);
    const std::string head = "\xFF\xD8" + tpr::test::ExifSegment(entries, bigEndian, ifdOffset) +
                             input.ConsumeRemainingBytesAsString();
    const auto* bytes = reinterpret_cast<const uint8_t*>(head.data());
    TPR_FUZZ_CHECK(tpr::ExifOrientation(tpr::ReadJpegMetadata(bytes, head.size())) ==
                   static_cast<Orientation>(orientation));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using tpr::Orientation;
    CheckAllowedExif(Bytes(data, data + size));
    const tpr::JpegMetadata source = tpr::ReadJpegMetadata(data, size);
    CheckAllowedExif(source.exif);
    CheckSavedMetadata(source);
    const auto read = tpr::ExifOrientation(source);
    TPR_FUZZ_CHECK(!read || (*read >= Orientation::Upright && *read <= Orientation::TurnLeft));

    FuzzedDataProvider input(data, size);
    CheckWellFormedOrientation(input);
    return 0;
}
