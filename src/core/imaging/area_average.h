// Shrinking a picture by averaging areas: each target pixel is the mean of
// the part of the source it covers, a partly covered source pixel counting
// with the covered fraction. Detail finer than a target pixel (a 1-pixel
// checkerboard, fine stripes) averages out to its mean instead of aliasing
// into moiré, which is what a resampler that only samples would show.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace tpr {

// One row of a picture of 32-bit pixels, rows counted from the top; it stays
// readable until the next row is asked for. The four bytes of a pixel are
// four channels, averaged each on its own.
using SourceRowReader = std::function<const uint32_t*(int32_t y)>;

// The longest side AreaAverage takes.
constexpr int32_t kLongestSide = 1 << 24;

// The sourceWidth x sourceHeight picture averaged down to targetWidth x
// targetHeight pixels (rows from the top). The source is read row by row
// through sourceRow, y = 0 to sourceHeight - 1, each row once, so that a large
// picture can be read in strips. The target must be no larger than the source
// and at least 1 x 1; no side longer than kLongestSide. Channel means are
// rounded to nearest, exact halves up.
std::vector<uint32_t> AreaAverage(int32_t sourceWidth, int32_t sourceHeight, const SourceRowReader& sourceRow,
                                  int32_t targetWidth, int32_t targetHeight);

}  // namespace tpr
