// Fit-to-box and placement arithmetic (AdjustImageDimensions and its neighbours).
#include "core/imaging/fit.h"

#include <algorithm>

#include "core/errors/trap.h"
#include "core/runtime/conversions.h"

namespace tpr {
namespace {

// The factor is held in single precision: that rounding decides the last
// pixel of some results.
float ShrinkFactor(int32_t dest, int32_t side) { return static_cast<float>(Divide(dest, side)); }

void ScaleBy(float factor, int32_t& width, int32_t& height) {
    width = RoundToLong(static_cast<double>(factor) * width);
    height = RoundToLong(static_cast<double>(factor) * height);
}

void PutLittleEndian(std::array<uint8_t, 22>& bytes, size_t offset, uint32_t value, int width) {
    for (int i = 0; i < width; ++i) bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

}  // namespace

void AdjustImageDimensions(int32_t& ImageWidth, int32_t& ImageHeight, int32_t DestWidth, int32_t DestHeight) {
    err::LeafTrap(
        L"modGDIPlusResize.AdjustImageDimensions(ImageWidth,ImageHeight,DestWidth,DestHeight)",
        [&] {
            // The height step works on the result of the width step.
            if (ImageWidth > DestWidth) {
                ScaleBy(ShrinkFactor(DestWidth, ImageWidth), ImageWidth, ImageHeight);
            }
            if (ImageHeight > DestHeight) {
                ScaleBy(ShrinkFactor(DestHeight, ImageHeight), ImageWidth, ImageHeight);
            }
        },
        ImageWidth, ImageHeight, DestWidth, DestHeight);
}

DrawRect AspectDrawRect(int32_t sourceWidth, int32_t sourceHeight, int32_t width, int32_t height) {
    const double sourceRatio = Divide(sourceWidth, sourceHeight);
    const double boxRatio = Divide(width, height);
    DrawRect r{};
    // A side thinner than half a pixel is still drawn one pixel wide.
    if (boxRatio < sourceRatio) {
        r.width = width;
        r.height = std::max(RoundToLong(Divide(width, sourceRatio)), int32_t{1});
    } else {
        r.width = std::max(RoundToLong(height * sourceRatio), int32_t{1});
        r.height = height;
    }
    r.x = RoundToLong((static_cast<double>(width) - r.width) / 2);
    r.y = RoundToLong((static_cast<double>(height) - r.height) / 2);
    return r;
}

std::array<uint8_t, 22> PlaceableMetafileHeader(int32_t width, int32_t height) {
    const int16_t right = RoundToInteger(width);
    const int16_t bottom = RoundToInteger(height);
    std::array<uint8_t, 22> header{};
    PutLittleEndian(header, 0, 0x9AC6CDD7u, 4);  // key
    PutLittleEndian(header, 10, static_cast<uint16_t>(right), 2);
    PutLittleEndian(header, 12, static_cast<uint16_t>(bottom), 2);
    PutLittleEndian(header, 14, 1440, 2);  // units per inch
    return header;
}

}  // namespace tpr
