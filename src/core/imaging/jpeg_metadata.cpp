// Reading a JPEG's EXIF block and colour profile, and writing the allowed part of them into a saved JPEG.
#include "core/imaging/jpeg_metadata.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <optional>
#include <string_view>

namespace tpr {

namespace {

constexpr std::string_view kExifHeader("Exif\0\0", 6);
constexpr std::string_view kIccHeader("ICC_PROFILE\0", 12);
constexpr size_t kLargestSegmentPayload = 65533;  // a segment's length field counts itself
constexpr uint8_t kApp1 = 0xE1, kApp2 = 0xE2;

bool HasPrefix(const uint8_t* bytes, size_t size, std::string_view prefix) {
    return size >= prefix.size() && std::memcmp(bytes, prefix.data(), prefix.size()) == 0;
}

// Calls visit(marker, payload, length) for each segment before the first scan.
template <class Visit>
void ForEachHeaderSegment(const uint8_t* bytes, size_t size, Visit&& visit) {
    if (size < 2 || bytes[0] != 0xFF || bytes[1] != 0xD8) return;
    size_t at = 2;
    while (at + 4 <= size && bytes[at] == 0xFF) {
        const uint8_t marker = bytes[at + 1];
        if (marker == 0xFF) {  // fill byte
            ++at;
            continue;
        }
        if (marker == 0xDA || marker == 0xD9) return;  // the scan, or the end
        const size_t length = size_t{bytes[at + 2]} << 8 | bytes[at + 3];
        if (length < 2 || at + 2 + length > size) return;
        visit(marker, bytes + at + 4, length - 2);
        at += 2 + length;
    }
}

// --- The EXIF block's TIFF structure ---------------------------------------

// The fields kept, in the main directory and in the EXIF one. Some writers
// put a field in the other directory: it is read from either (the main one
// first) and written where it belongs.
constexpr uint16_t kAllowedMainTags[] = {
    0x010F, 0x0110,  // Make, Model
    0x0132,          // DateTime
    0x013B, 0x8298,  // Artist, Copyright
};
constexpr uint16_t kAllowedExifTags[] = {
    0x829A, 0x829D, 0x8822, 0x8827,          // exposure time, f-number, program, ISO
    0x9003, 0x9004,                          // DateTimeOriginal, DateTimeDigitized
    0x9010, 0x9011, 0x9012,                  // OffsetTime, OffsetTimeOriginal, OffsetTimeDigitized
    0x9204, 0x9207, 0x9209, 0x920A,          // exposure bias, metering mode, flash, focal length
    0x9290, 0x9291, 0x9292,                  // SubSecTime, SubSecTimeOriginal, SubSecTimeDigitized
    0xA403, 0xA405,                          // white balance, focal length in 35 mm film
    0xA433, 0xA434,                          // LensMake, LensModel
};
bool IsAllowed(uint16_t tag) {
    return std::find(std::begin(kAllowedMainTags), std::end(kAllowedMainTags), tag) != std::end(kAllowedMainTags) ||
           std::find(std::begin(kAllowedExifTags), std::end(kAllowedExifTags), tag) != std::end(kAllowedExifTags);
}
constexpr uint16_t kExifDirectoryTag = 0x8769;
constexpr uint16_t kExifVersionTag = 0x9000, kPixelXDimensionTag = 0xA002, kPixelYDimensionTag = 0xA003;
constexpr uint16_t kLong = 4, kUndefined = 7;

// Bytes per value of each TIFF type (1 BYTE ... 12 DOUBLE); 0 for unknown types.
size_t TypeSize(uint16_t type) {
    static constexpr uint8_t kSizes[] = {0, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8};
    return type < sizeof kSizes ? kSizes[type] : 0;
}
// The width of the numbers a value of the type is made of, for byte order.
size_t UnitSize(uint16_t type) {
    const size_t size = TypeSize(type);
    return type == 5 || type == 10 ? 4 : size;  // a rational is two longs
}

using Field = ExifField;
using Directory = std::map<uint16_t, Field>;

class TiffReader {
public:
    explicit TiffReader(const std::vector<uint8_t>& tiff) : tiff_(tiff) {}

    std::optional<uint32_t> FirstDirectory() const {
        if (tiff_.size() < 8) return std::nullopt;
        if (tiff_[0] == 'I' && tiff_[1] == 'I') {
            bigEndian_ = false;
        } else if (tiff_[0] == 'M' && tiff_[1] == 'M') {
            bigEndian_ = true;
        } else {
            return std::nullopt;
        }
        if (Number(2, 2) != 42) return std::nullopt;
        return static_cast<uint32_t>(Number(4, 4));
    }

    // The allowed fields of the directory at `offset`; nullopt when any part of it lies outside the block.
    // The fields `wanted` takes of the directory at `offset`; its link to the EXIF directory goes to
    // exifDirectory when given.
    template <class Wanted>
    std::optional<Directory> Fields(uint32_t offset, const Wanted& wanted,
                                    std::optional<uint32_t>* exifDirectory = nullptr) const {
        if (offset > tiff_.size() || tiff_.size() - offset < 2) return std::nullopt;
        const size_t count = Number(offset, 2);
        if ((tiff_.size() - offset - 2) / 12 < count) return std::nullopt;
        Directory fields;
        for (size_t i = 0; i < count; ++i) {
            const size_t entry = offset + 2 + 12 * i;
            const auto tag = static_cast<uint16_t>(Number(entry, 2));
            const auto type = static_cast<uint16_t>(Number(entry + 2, 2));
            const auto valueCount = static_cast<uint32_t>(Number(entry + 4, 4));
            if (exifDirectory && tag == kExifDirectoryTag) {
                *exifDirectory = static_cast<uint32_t>(Number(entry + 8, 4));
                continue;
            }
            if (!wanted(tag)) continue;
            const size_t unit = TypeSize(type);
            if (unit == 0 || valueCount > kLargestSegmentPayload / unit) return std::nullopt;
            const size_t length = unit * valueCount;
            const size_t at = length <= 4 ? entry + 8 : Number(entry + 8, 4);
            if (at > tiff_.size() || tiff_.size() - at < length) return std::nullopt;
            Field field{type, valueCount, {tiff_.begin() + at, tiff_.begin() + at + length}};
            if (bigEndian_) {
                const size_t width = UnitSize(type);
                for (size_t v = 0; v + width <= length; v += width)
                    std::reverse(field.values.begin() + v, field.values.begin() + v + width);
            }
            fields[tag] = std::move(field);
        }
        return fields;
    }

private:
    size_t Number(size_t at, size_t width) const {
        size_t value = 0;
        for (size_t i = 0; i < width; ++i) {
            const size_t byte = tiff_[at + (bigEndian_ ? i : width - 1 - i)];
            value = value << 8 | byte;
        }
        return value;
    }

    const std::vector<uint8_t>& tiff_;
    mutable bool bigEndian_ = false;
};

void AppendNumber(std::vector<uint8_t>& out, uint32_t value, size_t width) {
    for (size_t i = 0; i < width; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}
void PutNumber(std::vector<uint8_t>& out, size_t at, uint32_t value) {
    for (size_t i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// Appends a little-endian directory (its fields in tag order, as TIFF
// requires) and then its long values; the next-directory link is 0.
// Returns where the directory starts.
size_t AppendDirectory(std::vector<uint8_t>& tiff, const Directory& fields) {
    const size_t start = tiff.size();
    AppendNumber(tiff, static_cast<uint32_t>(fields.size()), 2);
    std::vector<std::pair<size_t, const Field*>> outOfLine;
    for (const auto& [tag, field] : fields) {
        AppendNumber(tiff, tag, 2);
        AppendNumber(tiff, field.type, 2);
        AppendNumber(tiff, field.count, 4);
        if (field.values.size() <= 4) {
            tiff.insert(tiff.end(), field.values.begin(), field.values.end());
            tiff.insert(tiff.end(), 4 - field.values.size(), 0);
        } else {
            outOfLine.emplace_back(tiff.size(), &field);
            AppendNumber(tiff, 0, 4);
        }
    }
    AppendNumber(tiff, 0, 4);
    for (const auto& [slot, field] : outOfLine) {
        PutNumber(tiff, slot, static_cast<uint32_t>(tiff.size()));
        tiff.insert(tiff.end(), field->values.begin(), field->values.end());
        if (tiff.size() % 2) tiff.push_back(0);  // values start on a word boundary
    }
    return start;
}

Field LongField(uint32_t value) {
    Field field{kLong, 1, {}};
    AppendNumber(field.values, value, 4);
    return field;
}

void AppendSegment(std::vector<uint8_t>& out, uint8_t marker, std::string_view header, const uint8_t* data,
                   size_t size, std::string_view between = {}) {
    const size_t length = 2 + header.size() + between.size() + size;
    out.insert(out.end(), {0xFF, marker, static_cast<uint8_t>(length >> 8), static_cast<uint8_t>(length)});
    out.insert(out.end(), header.begin(), header.end());
    out.insert(out.end(), between.begin(), between.end());
    out.insert(out.end(), data, data + size);
}

}  // namespace

JpegMetadata ReadJpegMetadata(const uint8_t* bytes, size_t size) {
    JpegMetadata metadata;
    std::map<uint8_t, std::vector<uint8_t>> iccChunks;
    size_t iccChunkCount = 0;
    bool iccBroken = false;
    ForEachHeaderSegment(bytes, size, [&](uint8_t marker, const uint8_t* payload, size_t length) {
        if (marker == kApp1 && metadata.exif.empty() && HasPrefix(payload, length, kExifHeader)) {
            metadata.exif.assign(payload + kExifHeader.size(), payload + length);
        } else if (marker == kApp2 && HasPrefix(payload, length, kIccHeader) && length >= kIccHeader.size() + 2) {
            const uint8_t sequence = payload[kIccHeader.size()], count = payload[kIccHeader.size() + 1];
            iccBroken = iccBroken || sequence == 0 || sequence > count ||
                        (iccChunkCount != 0 && count != iccChunkCount) || iccChunks.count(sequence);
            iccChunkCount = count;
            iccChunks[sequence].assign(payload + kIccHeader.size() + 2, payload + length);
        } else if ((marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) &&
                   length >= 6) {
            metadata.colourComponents = payload[5];  // a frame: precision, height, width, components
        }
    });
    if (!iccBroken && iccChunkCount != 0 && iccChunks.size() == iccChunkCount) {
        for (const auto& [sequence, chunk] : iccChunks)
            metadata.iccProfile.insert(metadata.iccProfile.end(), chunk.begin(), chunk.end());
    }
    return metadata;
}

std::vector<uint8_t> AllowedExif(const std::vector<uint8_t>& exif, uint32_t width, uint32_t height) {
    const TiffReader reader(exif);
    const std::optional<uint32_t> mainOffset = reader.FirstDirectory();
    if (!mainOffset) return {};
    std::optional<uint32_t> exifOffset;
    std::optional<Directory> fields = reader.Fields(*mainOffset, IsAllowed, &exifOffset);
    std::optional<Directory> fromExifDirectory = Directory{};
    if (exifOffset) fromExifDirectory = reader.Fields(*exifOffset, IsAllowed);
    if (!fields || !fromExifDirectory) return {};
    fields->merge(*fromExifDirectory);
    if (fields->empty()) return {};
    Directory mainFields, exifFields;
    for (auto& [tag, field] : *fields) {
        const bool main = std::find(std::begin(kAllowedMainTags), std::end(kAllowedMainTags), tag) !=
                          std::end(kAllowedMainTags);
        (main ? mainFields : exifFields)[tag] = std::move(field);
    }

    Field version{kUndefined, 4, {'0', '2', '3', '0'}};
    exifFields.emplace(kExifVersionTag, std::move(version));
    exifFields[kPixelXDimensionTag] = LongField(width);
    exifFields[kPixelYDimensionTag] = LongField(height);
    mainFields[kExifDirectoryTag] = LongField(0);  // where the EXIF directory lands, set below

    std::vector<uint8_t> tiff = {'I', 'I', 42, 0, 8, 0, 0, 0};
    const size_t mainStart = AppendDirectory(tiff, mainFields);
    const size_t exifStart = AppendDirectory(tiff, exifFields);
    const auto pointerEntry = static_cast<size_t>(std::distance(mainFields.begin(), mainFields.find(kExifDirectoryTag)));
    PutNumber(tiff, mainStart + 2 + 12 * pointerEntry + 8, static_cast<uint32_t>(exifStart));
    if (tiff.size() + kExifHeader.size() > kLargestSegmentPayload) return {};
    return tiff;
}

std::optional<ExifField> ExifFieldOf(const std::vector<uint8_t>& exif, uint16_t tag) {
    const TiffReader reader(exif);
    const std::optional<uint32_t> mainOffset = reader.FirstDirectory();
    if (!mainOffset) return std::nullopt;
    std::optional<uint32_t> exifOffset;
    const auto isTag = [tag](uint16_t other) { return other == tag; };
    std::optional<Directory> fields = reader.Fields(*mainOffset, isTag, &exifOffset);
    if (fields && !fields->count(tag) && exifOffset) fields = reader.Fields(*exifOffset, isTag);
    if (!fields || !fields->count(tag)) return std::nullopt;
    return fields->at(tag);
}

std::vector<uint8_t> SavedMetadataSegments(const JpegMetadata& source, uint32_t width, uint32_t height) {
    std::vector<uint8_t> segments;
    const std::vector<uint8_t> exif = AllowedExif(source.exif, width, height);
    if (!exif.empty()) AppendSegment(segments, kApp1, kExifHeader, exif.data(), exif.size());
    const std::vector<uint8_t>& profile = source.iccProfile;
    const bool rgbProfile = profile.size() >= 20 && std::memcmp(profile.data() + 16, "RGB ", 4) == 0;
    if (rgbProfile && source.colourComponents == 3) {
        constexpr size_t kChunk = kLargestSegmentPayload - kIccHeader.size() - 2;
        const size_t chunks = (profile.size() + kChunk - 1) / kChunk;
        if (chunks <= 255) {
            for (size_t i = 0; i < chunks; ++i) {
                const size_t at = i * kChunk, length = std::min(kChunk, profile.size() - at);
                const char numbering[2] = {static_cast<char>(i + 1), static_cast<char>(chunks)};
                AppendSegment(segments, kApp2, kIccHeader, profile.data() + at, length, {numbering, 2});
            }
        }
    }
    return segments;
}

std::vector<uint8_t> WithSegments(const std::vector<uint8_t>& jpeg, const std::vector<uint8_t>& segments) {
    if (jpeg.size() < 4 || jpeg[0] != 0xFF || jpeg[1] != 0xD8) return jpeg;
    size_t at = 2;
    // Readers expect JFIF's segment first where there is one.
    if (jpeg[2] == 0xFF && jpeg[3] == 0xE0 && jpeg.size() >= 6) {
        const size_t length = size_t{jpeg[4]} << 8 | jpeg[5];
        if (2 + 2 + length <= jpeg.size()) at = 2 + 2 + length;
    }
    std::vector<uint8_t> result(jpeg.begin(), jpeg.begin() + at);
    result.insert(result.end(), segments.begin(), segments.end());
    result.insert(result.end(), jpeg.begin() + at, jpeg.end());
    return result;
}

}  // namespace tpr
