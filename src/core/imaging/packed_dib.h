// Bitmaps handed over by other programs as a packed device-independent
// bitmap (the clipboard's form): a header, colour masks or a colour table,
// then the rows. Another program's bytes are checked before they are read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace tpr {

// Where the rows of a packed bitmap are, and how they are laid out.
struct PackedDibLayout {
    int32_t width = 0;
    int32_t height = 0;    // rows, always positive
    bool topDown = false;  // the first row is the top one
    uint16_t bitCount = 0;
    size_t bitsOffset = 0;     // from the start of the header
    size_t stride = 0;         // bytes per row
    bool alphaMasked = false;  // 32-bit pixels whose alpha mask is the top byte, colours the usual 8-bit ones
};

// The layout of `size` bytes of a packed bitmap; nothing when they are no
// bitmap GDI reads whole: a header shorter than the common 40 bytes, a size
// of none, 1, 4, 8, 16, 24 or 32 bits a pixel not, compression other than
// none or colour masks, or rows that run past the end.
std::optional<PackedDibLayout> LayoutOfPackedDib(const uint8_t* bytes, size_t size);

// Whether a 32-bit bitmap's fourth byte is its alpha: only in the form that
// can declare it (withAlphaForm, the clipboard's version-5 header) with an
// alpha mask, and only when some pixel's alpha is not 0. Screenshots are
// often handed over with alpha 0 throughout, which would make them invisible.
bool AlphaCounts(const uint8_t* bytes, const PackedDibLayout& layout, bool withAlphaForm);

// The pixels of an alpha-masked bitmap blended onto white, as 0x00RRGGBB
// rows from the top, width x height without padding.
void BlendOntoWhite(const uint8_t* bytes, const PackedDibLayout& layout, uint32_t* target);

}  // namespace tpr
