// Bitmaps from other programs: which bytes are a bitmap, where its rows are,
// when its fourth byte is alpha, and the blend onto white.
#include "core/imaging/packed_dib.h"

#include <gtest/gtest.h>

#include <vector>

namespace tpr {
namespace {

struct Header {
    uint32_t size;
    int32_t width, height;
    uint16_t bitCount;
    uint32_t compression = 0, colorsUsed = 0;
    std::vector<uint32_t> masks = {};  // a version-5 header's colour and alpha masks
    uint16_t planes = 1;
};

void Put32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// The header, then `extra` bytes (masks, colour table and rows), 0 throughout.
std::vector<uint8_t> Packed(const Header& h, size_t extra) {
    std::vector<uint8_t> bytes(h.size + extra);
    Put32(bytes, 0, h.size);
    Put32(bytes, 4, static_cast<uint32_t>(h.width));
    Put32(bytes, 8, static_cast<uint32_t>(h.height));
    bytes[12] = static_cast<uint8_t>(h.planes);
    bytes[14] = static_cast<uint8_t>(h.bitCount);
    Put32(bytes, 16, h.compression);
    Put32(bytes, 32, h.colorsUsed);
    for (size_t i = 0; i < h.masks.size(); ++i) Put32(bytes, 40 + 4 * i, h.masks[i]);
    return bytes;
}

const std::vector<uint32_t> kUsualMasks = {0xFF0000, 0xFF00, 0xFF, 0xFF000000};

TEST(PackedDib, LayoutOfWhatGdiReadsWholeAndNothingElse) {
    const struct {
        Header header;
        size_t extra;
        bool usable;
        size_t offset, stride;
        bool topDown, alphaMasked;
    } cases[] = {
        {{40, 3, 2, 24}, 24, true, 40, 12, false, false},
        {{40, 3, -2, 24}, 24, true, 40, 12, true, false},
        {{40, 3, 2, 24}, 23, false, 0, 0, false, false},          // the last row cut short
        {{40, 5, 1, 8}, 1024 + 8, true, 1064, 8, false, false},   // a full colour table
        {{40, 5, 1, 8, 0, 2}, 8 + 8, true, 48, 8, false, false},  // two colours used
        {{40, 2, 1, 16, 3}, 12 + 4, true, 52, 4, false, false},   // masks behind the header
        {{124, 2, 2, 32, 3, 0, kUsualMasks}, 16, true, 124, 8, false, true},
        {{124, 2, 2, 32, 3, 0, {0xFF, 0xFF00, 0xFF0000, 0xFF000000}}, 16, true, 124, 8, false, false},
        {{40, 0, 2, 32}, 64, false, 0, 0, false, false},
        {{40, 2, 0, 32}, 64, false, 0, 0, false, false},
        {{40, 2, 2, 32, 0, 0, {}, 2}, 64, false, 0, 0, false, false},  // two planes
        {{40, 2, 2, 12}, 64, false, 0, 0, false, false},
        {{40, 2, 2, 8, 1}, 2048, false, 0, 0, false, false},  // run-length compressed
        {{40, 2, 2, 8, 0, 257}, 2048, false, 0, 0, false, false},
        {{12, 2, 2, 32}, 64, false, 0, 0, false, false},  // the old core header
        {{40, 0x7FFFFFFF, 0x7FFFFFFF, 32}, 64, false, 0, 0, false, false},
    };
    for (const auto& c : cases) {
        const auto bytes = Packed(c.header, c.extra);
        const auto layout = LayoutOfPackedDib(bytes.data(), bytes.size());
        ASSERT_EQ(layout.has_value(), c.usable) << c.header.width << "x" << c.header.height;
        if (!layout) continue;
        EXPECT_EQ(layout->bitsOffset, c.offset);
        EXPECT_EQ(layout->stride, c.stride);
        EXPECT_EQ(layout->height, 2 - (c.header.height == 1));
        EXPECT_EQ(layout->topDown, c.topDown);
        EXPECT_EQ(layout->alphaMasked, c.alphaMasked);
    }
    EXPECT_FALSE(LayoutOfPackedDib(Packed({40, 2, 2, 32}, 16).data(), 39));
}

TEST(PackedDib, AlphaCountsOnlyInTheAlphaFormWithAMaskAndSomeAlpha) {
    // 2 x 2, bottom-up: blue at alpha 0, red at alpha 255, green at half alpha.
    auto bytes = Packed({124, 2, 2, 32, 3, 0, kUsualMasks}, 16);
    const auto layout = *LayoutOfPackedDib(bytes.data(), bytes.size());
    EXPECT_FALSE(AlphaCounts(bytes.data(), layout, true)) << "alpha 0 throughout";
    Put32(bytes, 124, 0x000000FF);
    Put32(bytes, 128, 0xFFFF0000);
    Put32(bytes, 132, 0x8000FF00);
    EXPECT_TRUE(AlphaCounts(bytes.data(), layout, true));
    EXPECT_FALSE(AlphaCounts(bytes.data(), layout, false)) << "not the form that declares alpha";
    uint32_t blended[4];
    BlendOntoWhite(bytes.data(), layout, blended);
    // The bottom row comes last; alpha 0 is white, 255 the colour itself.
    EXPECT_EQ(blended[2], 0xFFFFFFu);
    EXPECT_EQ(blended[3], 0xFF0000u);
    EXPECT_EQ(blended[0], 0x7FFF7Fu);
    EXPECT_EQ(blended[1], 0xFFFFFFu);
}

}  // namespace
}  // namespace tpr
