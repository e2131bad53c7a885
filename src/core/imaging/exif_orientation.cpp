// The orientation a camera records in a JPEG file's EXIF block.
#include "core/imaging/exif_orientation.h"

#include <algorithm>
#include <cstring>

namespace tpr {
namespace {

constexpr uint8_t kMarker = 0xFF, kStartOfImage = 0xD8, kStartOfScan = 0xDA, kEndOfImage = 0xD9, kApp1 = 0xE1;
constexpr uint16_t kOrientationTag = 0x0112, kShortType = 3, kTiffMagic = 42;
constexpr size_t kEntryBytes = 12;

// The bytes of a TIFF structure in its byte order; every read is checked
// against the bytes there are.
class TiffBytes {
public:
    TiffBytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool Has(size_t at, size_t bytes) const { return at <= size_ && bytes <= size_ - at; }
    uint32_t Read(size_t at, size_t bytes) const {
        uint32_t value = 0;
        for (size_t i = 0; i < bytes; ++i) {
            value |= static_cast<uint32_t>(data_[at + i]) << (8 * (bigEndian_ ? bytes - 1 - i : i));
        }
        return value;
    }
    void SetBigEndian(bool bigEndian) { bigEndian_ = bigEndian; }

private:
    const uint8_t* data_;
    size_t size_;
    bool bigEndian_ = false;
};

// The orientation in IFD0 of the TIFF structure an EXIF block holds. Only
// IFD0 is read, so no chain of IFD offsets is followed and none can loop.
std::optional<Orientation> TiffOrientation(TiffBytes tiff) {
    if (!tiff.Has(0, 8)) return std::nullopt;
    const uint32_t order = tiff.Read(0, 2);
    if (order != 0x4949 && order != 0x4D4D) return std::nullopt;  // "II" or "MM"
    tiff.SetBigEndian(order == 0x4D4D);
    if (tiff.Read(2, 2) != kTiffMagic) return std::nullopt;
    const size_t ifd = tiff.Read(4, 4);
    if (!tiff.Has(ifd, 2)) return std::nullopt;
    const size_t entries = tiff.Read(ifd, 2);
    for (size_t i = 0; i < entries; ++i) {
        const size_t entry = ifd + 2 + i * kEntryBytes;
        if (!tiff.Has(entry, kEntryBytes)) return std::nullopt;
        if (tiff.Read(entry, 2) != kOrientationTag) continue;
        // A SHORT's value is held in the first two bytes of the value field.
        const uint32_t value = tiff.Read(entry + 8, 2);
        if (tiff.Read(entry + 2, 2) != kShortType || tiff.Read(entry + 4, 4) != 1 || value < 1 || value > 8) {
            return std::nullopt;
        }
        return static_cast<Orientation>(value);
    }
    return std::nullopt;
}

}  // namespace

std::optional<Orientation> ExifOrientation(const uint8_t* data, size_t size) {
    static constexpr char kExifHeader[] = "Exif\0";  // with its terminator, "Exif" and two zero bytes
    if (size < 2 || data[0] != kMarker || data[1] != kStartOfImage) return std::nullopt;
    // Each segment: a marker (0xFF, perhaps padded with more 0xFF, then the
    // marker's code) and a big-endian length that counts itself.
    size_t at = 2;
    for (;;) {
        if (at >= size || data[at] != kMarker) return std::nullopt;
        while (at < size && data[at] == kMarker) ++at;
        if (at + 2 >= size) return std::nullopt;
        const uint8_t code = data[at];
        if (code == kStartOfScan || code == kEndOfImage) return std::nullopt;
        const size_t length = static_cast<size_t>(data[at + 1]) << 8 | data[at + 2];
        if (length < 2) return std::nullopt;
        const size_t body = at + 3, bodyLength = length - 2;
        const size_t present = std::min(bodyLength, size - body);
        if (code == kApp1 && present >= sizeof kExifHeader &&
            std::memcmp(data + body, kExifHeader, sizeof kExifHeader) == 0) {
            return TiffOrientation(TiffBytes(data + body + sizeof kExifHeader, present - sizeof kExifHeader));
        }
        at = body + bodyLength;
    }
}

}  // namespace tpr
