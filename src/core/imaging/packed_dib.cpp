// The packed bitmap rules: the layout check, the alpha rule and the blend.
#include "core/imaging/packed_dib.h"

namespace tpr {
namespace {

constexpr uint32_t kCompressionNone = 0;
constexpr uint32_t kCompressionMasks = 3;
constexpr size_t kInfoHeaderSize = 40;
constexpr size_t kMasksHeaderSize = 56;  // the first header with colour and alpha masks in it

uint32_t Read32(const uint8_t* bytes, size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}

uint32_t PixelAt(const uint8_t* bytes, const PackedDibLayout& layout, int32_t x, int32_t row) {
    return Read32(bytes,
                  layout.bitsOffset + static_cast<size_t>(row) * layout.stride + static_cast<size_t>(x) * 4);
}

// The row of the bitmap's data that shows at `y` from the top.
int32_t DataRow(const PackedDibLayout& layout, int32_t y) {
    return layout.topDown ? y : layout.height - 1 - y;
}

}  // namespace

std::optional<PackedDibLayout> LayoutOfPackedDib(const uint8_t* bytes, size_t size) {
    if (size < kInfoHeaderSize) return std::nullopt;
    const uint32_t headerSize = Read32(bytes, 0);
    if (headerSize < kInfoHeaderSize || headerSize > size) return std::nullopt;
    const auto width = static_cast<int32_t>(Read32(bytes, 4));
    const auto height = static_cast<int32_t>(Read32(bytes, 8));
    const uint16_t planes = static_cast<uint16_t>(bytes[12] | bytes[13] << 8);
    const uint16_t bitCount = static_cast<uint16_t>(bytes[14] | bytes[15] << 8);
    const uint32_t compression = Read32(bytes, 16);
    const uint32_t colorsUsed = Read32(bytes, 32);
    const bool paletted = bitCount <= 8;
    if (width <= 0 || height == 0 || height == INT32_MIN || planes != 1) return std::nullopt;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32)
        return std::nullopt;
    if (compression != kCompressionNone &&
        !(compression == kCompressionMasks && (bitCount == 16 || bitCount == 32)))
        return std::nullopt;
    if (paletted && colorsUsed > (1u << bitCount)) return std::nullopt;

    PackedDibLayout layout;
    layout.width = width;
    layout.height = height < 0 ? -height : height;
    layout.topDown = height < 0;
    layout.bitCount = bitCount;
    // The common header keeps its three colour masks behind it; later ones inside.
    const uint64_t masks = compression == kCompressionMasks && headerSize == kInfoHeaderSize ? 12 : 0;
    const uint64_t colors = colorsUsed ? colorsUsed : paletted ? 1u << bitCount : 0;
    const uint64_t offset = headerSize + masks + colors * 4;
    const uint64_t stride = (static_cast<uint64_t>(width) * bitCount + 31) / 32 * 4;
    if (offset > size || static_cast<uint64_t>(layout.height) > (size - offset) / stride) return std::nullopt;
    layout.bitsOffset = static_cast<size_t>(offset);
    layout.stride = static_cast<size_t>(stride);

    if (bitCount == 32 && headerSize >= kMasksHeaderSize) {
        const bool usualColors = compression == kCompressionNone ||
                                 (Read32(bytes, 40) == 0x00FF0000 && Read32(bytes, 44) == 0x0000FF00 &&
                                  Read32(bytes, 48) == 0x000000FF);
        layout.alphaMasked = usualColors && Read32(bytes, 52) == 0xFF000000;
    }
    return layout;
}

bool AlphaCounts(const uint8_t* bytes, const PackedDibLayout& layout, bool withAlphaForm) {
    if (!withAlphaForm || !layout.alphaMasked) return false;
    for (int32_t row = 0; row < layout.height; ++row) {
        for (int32_t x = 0; x < layout.width; ++x) {
            if (PixelAt(bytes, layout, x, row) >> 24) return true;
        }
    }
    return false;
}

void BlendOntoWhite(const uint8_t* bytes, const PackedDibLayout& layout, uint32_t* target) {
    for (int32_t y = 0; y < layout.height; ++y) {
        const int32_t row = DataRow(layout, y);
        for (int32_t x = 0; x < layout.width; ++x) {
            const uint32_t pixel = PixelAt(bytes, layout, x, row);
            const uint32_t alpha = pixel >> 24;
            uint32_t blended = 0;
            for (int shift = 0; shift < 24; shift += 8) {
                const uint32_t channel = pixel >> shift & 0xFF;
                blended |= (channel * alpha + 255 * (255 - alpha) + 127) / 255 << shift;
            }
            *target++ = blended;
        }
    }
}

}  // namespace tpr
