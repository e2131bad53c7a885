// The fit-to-box and placement arithmetic of the resampling path
// (module modGDIPlusResize).
#pragma once

#include <array>
#include <cstdint>

namespace tpr {

// Shrinks ImageWidth x ImageHeight, keeping its proportions, until it fits
// DestWidth x DestHeight; never enlarges. First the width, then the height
// of the result, each with a single-precision factor, products rounded half
// to even. Errors 6 and 11 for arithmetic faults.
void AdjustImageDimensions(int32_t& ImageWidth, int32_t& ImageHeight, int32_t DestWidth, int32_t DestHeight);

struct DrawRect {
    int32_t x, y, width, height;
};

// Where a sourceWidth x sourceHeight image is drawn on a width x height canvas
// with its proportions kept: as large as fits (each side at least one
// pixel), centred, halves to even.
// Errors 11 / 6 for a zero height or a zero source size.
DrawRect AspectDrawRect(int32_t sourceWidth, int32_t sourceHeight, int32_t width, int32_t height);

// The 22-byte placeable header that lets GDI+ read a Windows metafile at
// width x height: bounding box in signed 16-bit fields (error 6 when a size
// does not fit), 1440 units per inch, checksum left 0.
std::array<uint8_t, 22> PlaceableMetafileHeader(int32_t width, int32_t height);

}  // namespace tpr
