// The program's own shrink of a large picture for drawing.
#include "core/imaging/shrink.h"

#include <algorithm>
#include <cstddef>

namespace tpr {
namespace {

// (a + 3b + 3c + d) / 8 for each channel, rounded to nearest.
uint32_t Blend(uint32_t a, uint32_t b, uint32_t c, uint32_t d) {
    uint32_t pixel = 0;
    for (int k = 0; k < 4; ++k) {
        const auto channel = [k](uint32_t p) { return (p >> (8 * k)) & 0xFF; };
        pixel |= ((channel(a) + 3 * channel(b) + 3 * channel(c) + channel(d) + 4) / 8) << (8 * k);
    }
    return pixel;
}

// Halves the picture along one side. Seen along that side it is `lines`
// lines of `length` pixels, pixel i of line l at l * lineStep + i * step in
// the source and l * targetLineStep + i * step in the target. Target pixel i
// blends source pixels 2i - 1 to 2i + 2, the edge pixels standing in for
// those beyond the picture.
void HalveLines(const uint32_t* source, int32_t length, size_t step, int32_t lines, size_t lineStep,
                size_t targetLineStep, uint32_t* target) {
    const auto at = [&](const uint32_t* line, int32_t i) {
        return line[static_cast<size_t>(std::clamp(i, 0, length - 1)) * step];
    };
    for (int32_t l = 0; l < lines; ++l) {
        const uint32_t* in = source + static_cast<size_t>(l) * lineStep;
        uint32_t* out = target + static_cast<size_t>(l) * targetLineStep;
        for (int32_t i = 0; i < length / 2; ++i) {
            out[static_cast<size_t>(i) * step] =
                Blend(at(in, 2 * i - 1), at(in, 2 * i), at(in, 2 * i + 1), at(in, 2 * i + 2));
        }
    }
}

PixelPicture HalveWidth(const PixelPicture& picture) {
    PixelPicture half{std::vector<uint32_t>(picture.pixels.size() / 2), picture.width / 2, picture.height};
    HalveLines(picture.pixels.data(), picture.width, 1, picture.height, static_cast<size_t>(picture.width),
               static_cast<size_t>(half.width), half.pixels.data());
    return half;
}

PixelPicture HalveHeight(const PixelPicture& picture) {
    PixelPicture half{std::vector<uint32_t>(picture.pixels.size() / 2), picture.width, picture.height / 2};
    HalveLines(picture.pixels.data(), picture.height, static_cast<size_t>(picture.width), picture.width, 1, 1,
               half.pixels.data());
    return half;
}

}  // namespace

int32_t ShrunkLength(int32_t sourceLength, int32_t drawnLength) {
    const bool leftAsItIs = sourceLength > kLongestSide || drawnLength <= 0 || sourceLength <= drawnLength;
    return leftAsItIs ? sourceLength : drawnLength;
}

PixelPicture ShrinkForDrawing(int32_t sourceWidth, int32_t sourceHeight, const SourceRowReader& sourceRow,
                              int32_t drawnWidth, int32_t drawnHeight) {
    const int32_t width = ShrunkLength(sourceWidth, drawnWidth);
    const int32_t height = ShrunkLength(sourceHeight, drawnHeight);
    // Twice the shrunk length fits 32 bits wherever it is shorter than the source.
    const bool halveWidth = int64_t{sourceWidth} > 2 * int64_t{width};
    const bool halveHeight = int64_t{sourceHeight} > 2 * int64_t{height};
    PixelPicture picture;
    picture.width = halveWidth ? 2 * width : width;
    picture.height = halveHeight ? 2 * height : height;
    picture.pixels = AreaAverage(sourceWidth, sourceHeight, sourceRow, picture.width, picture.height);
    if (halveWidth) picture = HalveWidth(picture);
    if (halveHeight) picture = HalveHeight(picture);
    return picture;
}

}  // namespace tpr
