// A large picture shrunk for drawing at a smaller size, by the program's own
// bicubic resample: where the platform's resampler only samples, fine detail
// would alias into moiré instead of averaging out.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace tpr {

// One row of a picture of 32-bit pixels (0x00RRGGBB), rows counted from the
// top; it stays readable until the next row is asked for.
using SourceRowReader = std::function<const uint32_t*(int32_t y)>;

// The longest side ShrinkForDrawing shrinks.
constexpr int32_t kLongestSide = 1 << 24;

// 32-bit pixels, rows from the top.
struct PixelPicture {
    std::vector<uint32_t> pixels;
    int32_t width = 0, height = 0;
};

// The length of a side of sourceLength pixels once shrunk for a drawing
// drawnLength long: the drawn length where the source is longer, otherwise
// (and for sides longer than kLongestSide) the source's own.
int32_t ShrunkLength(int32_t sourceLength, int32_t drawnLength);

// The loops the resample runs: the processor's fastest (SSE2 where it has
// it), or the plain ones that processors without SSE2 run. Both give the
// same pixels.
enum class ResampleLoops { Fastest, Plain };

// The picture shrunk to ShrunkLength on each side by a bicubic resample
// (Catmull-Rom, a = -0.5) whose kernel is widened by the shrink factor, so
// that every source pixel counts and detail finer than a target pixel
// averages out. A side at least eight times its target is first reduced by
// whole boxes of pixels (each box's exact mean), to no less than four times
// the target, which costs one addition a pixel: nearer the target the box's
// own blur would show (measurably, against a bicubic of the whole photo). The source is read through
// sourceRow row by row, y from 0 upwards, each row once, and never held
// whole. The fourth byte of the result is 0.
PixelPicture ShrinkForDrawing(int32_t sourceWidth, int32_t sourceHeight, const SourceRowReader& sourceRow,
                              int32_t drawnWidth, int32_t drawnHeight,
                              ResampleLoops loops = ResampleLoops::Fastest);

}  // namespace tpr
