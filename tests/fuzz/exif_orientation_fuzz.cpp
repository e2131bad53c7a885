// The EXIF orientation: any bytes read as none or as an orientation 1 to 8 (and never beyond them, which the
// sanitizers watch); a JPEG head built from the input, with its chosen orientation in a well-formed block
// among other segments and entries, and anything after the block, reads back as that orientation.
#include "core/imaging/exif_orientation.h"
#include "exif_photo.h"
#include "fuzz_support.h"

namespace tpr::fuzz {
namespace {

std::optional<Orientation> Read(const std::string& bytes) {
    return ExifOrientation(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

// A JPEG head whose EXIF block records `orientation`, the rest chosen by the input.
std::string WellFormedHead(FuzzedDataProvider& input, uint32_t orientation) {
    std::string head = "\xFF\xD8";
    // Segments before the block, none of them an EXIF block: codes E0 to EF and FE, an APP1 for XMP.
    for (int count = input.ConsumeIntegralInRange(0, 3); count > 0; --count) {
        const uint8_t code = input.PickValueInArray({0xE0, 0xE1, 0xE2, 0xED, 0xEF, 0xFE, 0xDB, 0xC4});
        const std::string body = (code == 0xE1 ? "http:" : "") + input.ConsumeRandomLengthString(300);
        const size_t length = body.size() + 2;
        head += std::string("\xFF") + static_cast<char>(code) + static_cast<char>(length >> 8) +
                static_cast<char>(length) + body;
    }
    std::vector<test::ExifEntry> entries;
    for (int count = input.ConsumeIntegralInRange(0, 6); count > 0; --count) {
        auto tag = input.ConsumeIntegral<uint16_t>();
        if (tag == 0x0112) ++tag;
        entries.push_back({tag, input.ConsumeIntegral<uint16_t>(), input.ConsumeIntegral<uint32_t>(),
                           input.ConsumeIntegral<uint32_t>()});
    }
    entries.insert(entries.begin() + input.ConsumeIntegralInRange<size_t>(0, entries.size()),
                   test::OrientationEntry(orientation));
    const bool bigEndian = input.ConsumeBool();
    const uint32_t ifdOffset = input.ConsumeIntegralInRange<uint32_t>(8, 600);
    return head + test::ExifSegment(entries, bigEndian, ifdOffset) + input.ConsumeRemainingBytesAsString();
}

}  // namespace
}  // namespace tpr::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tpr::fuzz;
    using tpr::Orientation;
    const auto read = tpr::ExifOrientation(data, size);
    TPR_FUZZ_CHECK(!read || (*read >= Orientation::Upright && *read <= Orientation::TurnLeft));

    FuzzedDataProvider input(data, size);
    const auto orientation = input.ConsumeIntegralInRange<uint32_t>(1, 8);
    TPR_FUZZ_CHECK(Read(WellFormedHead(input, orientation)) == static_cast<Orientation>(orientation));
    return 0;
}
