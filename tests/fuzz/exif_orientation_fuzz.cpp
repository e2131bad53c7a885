// The EXIF orientation: any bytes read as none or as an orientation 1 to 8 (and never beyond their end,
// which the sanitizers watch); a JPEG head whose well-formed block records the input's chosen orientation
// among other entries, in either byte order, with anything after it, reads back that orientation.
#include "core/imaging/exif_orientation.h"
#include "exif_photo.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using tpr::Orientation;
    const auto read = tpr::ExifOrientation(tpr::ReadJpegMetadata(data, size));
    TPR_FUZZ_CHECK(!read || (*read >= Orientation::Upright && *read <= Orientation::TurnLeft));

    FuzzedDataProvider input(data, size);
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
    return 0;
}
