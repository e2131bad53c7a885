// A large picture shrunk for drawing at a smaller size, by the program's own
// filter: where the platform's resampler only samples, fine detail would
// alias into moiré instead of averaging out.
#pragma once

#include <cstdint>
#include <vector>

#include "core/imaging/area_average.h"

namespace tpr {

// 32-bit pixels, rows from the top.
struct PixelPicture {
    std::vector<uint32_t> pixels;
    int32_t width = 0, height = 0;
};

// The length of a side of sourceLength pixels once shrunk for a drawing
// drawnLength long: the drawn length where the source is longer, otherwise
// (and for sides longer than kLongestSide) the source's own.
int32_t ShrunkLength(int32_t sourceLength, int32_t drawnLength);

// The picture shrunk to ShrunkLength on each side. A side more than twice
// its drawn length is averaged to twice that, then halved with weights
// 1, 3, 3, 1: an average alone leaves faint false rings on fine regular
// patterns (its side lobes), which the smooth halving puts out. A side
// between once and twice its drawn length is averaged to it directly.
// The source is read as AreaAverage reads it.
PixelPicture ShrinkForDrawing(int32_t sourceWidth, int32_t sourceHeight, const SourceRowReader& sourceRow,
                              int32_t drawnWidth, int32_t drawnHeight);

}  // namespace tpr
