// The program's own shrink of a large picture for drawing: box reduction, then a bicubic resample.
#include "core/imaging/shrink.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace tpr {
namespace {

// Weights are fixed point with this many fraction bits: 255 times the
// weights' absolute sum (at most 1.2 for this kernel) stays below 2^31.
constexpr int kWeightBits = 22;
constexpr int32_t kWeightOne = 1 << kWeightBits;
// A box holds at most 16 x 16 pixels, so that a channel's sum over a box
// fits 16 bits and Mean's reciprocal is exact.
constexpr int32_t kLargestBox = 16;

// Catmull-Rom (a = -0.5), nonzero on (-2, 2).
double Bicubic(double x) {
    constexpr double a = -0.5;
    x = std::fabs(x);
    if (x < 1) return ((a + 2) * x - (a + 3)) * x * x + 1;
    if (x < 2) return (((x - 5) * x + 8) * x - 4) * a;
    return 0;
}

// The source pixels each target pixel of a side is made of: target pixel t
// takes count[t] pixels from first[t], weighed by the row of `taps` weights
// at t * taps, which add up to kWeightOne exactly (a flat colour stays
// exactly that colour).
struct Kernel {
    std::vector<int32_t> first, count, weights;
    int32_t taps = 0;
};

// The kernel from a side of inLength pixels, of which the first `extent`
// (inLength or a little less, where the last box was partial) map onto
// outLength target pixels. Where the side shrinks, the kernel is stretched
// by the shrink factor, so that each target pixel averages all it covers.
Kernel MakeKernel(int32_t inLength, double extent, int32_t outLength) {
    const double scale = extent / outLength;
    const double stretch = std::max(scale, 1.0);
    const double support = 2 * stretch;
    Kernel kernel;
    kernel.taps = std::min(static_cast<int32_t>(std::ceil(support)) * 2 + 1, inLength);
    kernel.first.resize(static_cast<size_t>(outLength));
    kernel.count.resize(static_cast<size_t>(outLength));
    kernel.weights.assign(static_cast<size_t>(outLength) * static_cast<size_t>(kernel.taps), 0);
    std::vector<double> real(static_cast<size_t>(kernel.taps));
    for (int32_t t = 0; t < outLength; ++t) {
        const double centre = (t + 0.5) * scale;
        const auto first = std::max(static_cast<int32_t>(centre - support + 0.5), 0);
        const auto count = std::min(static_cast<int32_t>(centre + support + 0.5), inLength) - first;
        double sum = 0;
        for (int32_t i = 0; i < count; ++i) sum += real[i] = Bicubic((first + i - centre + 0.5) / stretch);
        int32_t* weights = &kernel.weights[static_cast<size_t>(t) * static_cast<size_t>(kernel.taps)];
        int32_t total = 0;
        for (int32_t i = 0; i < count; ++i) total += weights[i] = std::lround(real[i] / sum * kWeightOne);
        // The rounding's remainder goes to the heaviest weight, where it weighs least.
        *std::max_element(weights, weights + count) += kWeightOne - total;
        kernel.first[static_cast<size_t>(t)] = first;
        kernel.count[static_cast<size_t>(t)] = count;
    }
    return kernel;
}

uint32_t Channel(uint32_t pixel, int shift) { return (pixel >> shift) & 0xFF; }

// A weighed sum (with a half added) back to a channel value, clamped where
// the kernel's negative lobes overshoot.
uint32_t Clamped(int32_t sum) { return static_cast<uint32_t>(std::clamp(sum >> kWeightBits, 0, 255)); }

uint32_t Pixel(int32_t blue, int32_t green, int32_t red) {
    return Clamped(blue) | Clamped(green) << 8 | Clamped(red) << 16;
}

// One row resampled along its length.
void ResampleRow(const uint32_t* in, const Kernel& kernel, uint32_t* out) {
    const int32_t* weights = kernel.weights.data();
    for (size_t t = 0; t < kernel.first.size(); ++t, weights += kernel.taps) {
        const uint32_t* pixels = in + kernel.first[t];
        int32_t blue = kWeightOne / 2, green = kWeightOne / 2, red = kWeightOne / 2;
        for (int32_t i = 0; i < kernel.count[t]; ++i) {
            const uint32_t pixel = pixels[i];
            blue += static_cast<int32_t>(Channel(pixel, 0)) * weights[i];
            green += static_cast<int32_t>(Channel(pixel, 8)) * weights[i];
            red += static_cast<int32_t>(Channel(pixel, 16)) * weights[i];
        }
        out[t] = Pixel(blue, green, red);
    }
}

// One row from `count` rows of `width` pixels, weighed down each column.
void ResampleColumns(const uint32_t* const* rows, const int32_t* weights, int32_t count, int32_t width,
                     uint32_t* out) {
    for (int32_t x = 0; x < width; ++x) {
        int32_t blue = kWeightOne / 2, green = kWeightOne / 2, red = kWeightOne / 2;
        for (int32_t i = 0; i < count; ++i) {
            const uint32_t pixel = rows[i][x];
            blue += static_cast<int32_t>(Channel(pixel, 0)) * weights[i];
            green += static_cast<int32_t>(Channel(pixel, 8)) * weights[i];
            red += static_cast<int32_t>(Channel(pixel, 16)) * weights[i];
        }
        out[x] = Pixel(blue, green, red);
    }
}

// How many pixels a side's boxes are long: as many as leave the side at
// least three times its target, where the bicubic takes over.
int32_t BoxLength(int32_t sourceLength, int32_t targetLength) {
    return std::clamp(sourceLength / (3 * targetLength), 1, kLargestBox);
}

// The source reduced by boxes of boxWidth x boxHeight pixels to the mean of
// each box (the last box of a row or column holding what is left), row by
// row from the top. Two channels are summed at once, in the 16-bit halves
// of a word.
class BoxReduction {
public:
    BoxReduction(int32_t sourceWidth, int32_t sourceHeight, const SourceRowReader& sourceRow, int32_t boxWidth,
                 int32_t boxHeight)
        : sourceWidth_(sourceWidth),
          sourceHeight_(sourceHeight),
          boxWidth_(boxWidth),
          boxHeight_(boxHeight),
          width_((sourceWidth + boxWidth - 1) / boxWidth),
          height_((sourceHeight + boxHeight - 1) / boxHeight),
          sourceRow_(sourceRow) {
        if (boxWidth_ == 1 && boxHeight_ == 1) return;
        blueRed_.resize(static_cast<size_t>(width_));
        greenAlpha_.resize(static_cast<size_t>(width_));
        row_.resize(static_cast<size_t>(width_));
    }

    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    // Row y of the reduction, read after row y - 1; readable until the next.
    const uint32_t* Row(int32_t y) {
        if (row_.empty()) return sourceRow_(y);
        const int32_t top = y * boxHeight_, bottom = std::min(top + boxHeight_, sourceHeight_);
        std::fill(blueRed_.begin(), blueRed_.end(), 0);
        std::fill(greenAlpha_.begin(), greenAlpha_.end(), 0);
        for (int32_t sourceY = top; sourceY < bottom; ++sourceY) AddRow(sourceRow_(sourceY));
        const auto rows = static_cast<uint32_t>(bottom - top);
        const auto lastWidth = static_cast<uint32_t>(sourceWidth_ - (width_ - 1) * boxWidth_);
        const uint32_t whole = static_cast<uint32_t>(boxWidth_) * rows, last = lastWidth * rows;
        const uint32_t wholeReciprocal = Reciprocal(whole), lastReciprocal = Reciprocal(last);
        for (size_t x = 0; x < row_.size(); ++x) {
            const bool isLast = x + 1 == row_.size();
            const uint32_t count = isLast ? last : whole, reciprocal = isLast ? lastReciprocal : wholeReciprocal;
            row_[x] = Mean(blueRed_[x] & 0xFFFF, count, reciprocal) |
                      Mean(greenAlpha_[x] & 0xFFFF, count, reciprocal) << 8 |
                      Mean(blueRed_[x] >> 16, count, reciprocal) << 16;
        }
        return row_.data();
    }

private:
    void AddRow(const uint32_t* row) {
        for (int32_t x = 0, box = 0; box < width_; ++box) {
            const int32_t end = std::min(x + boxWidth_, sourceWidth_);
            uint32_t blueRed = 0, greenAlpha = 0;
            for (; x < end; ++x) {
                blueRed += row[x] & 0x00FF00FF;
                greenAlpha += (row[x] >> 8) & 0x00FF00FF;
            }
            blueRed_[static_cast<size_t>(box)] += blueRed;
            greenAlpha_[static_cast<size_t>(box)] += greenAlpha;
        }
    }

    // Divides by multiplying: (2 sum + count) / (2 count), rounded down, is
    // the mean rounded to nearest, and the product with this reciprocal
    // gives it exactly wherever numerator times divisor is below 2^32, which
    // sums over at most 256 pixels are.
    static uint32_t Reciprocal(uint32_t count) { return static_cast<uint32_t>((uint64_t{1} << 32) / (2 * count)) + 1; }
    static uint32_t Mean(uint32_t sum, uint32_t count, uint32_t reciprocal) {
        return static_cast<uint32_t>((uint64_t{2 * sum + count} * reciprocal) >> 32);
    }

    int32_t sourceWidth_, sourceHeight_, boxWidth_, boxHeight_, width_, height_;
    const SourceRowReader& sourceRow_;
    std::vector<uint32_t> blueRed_, greenAlpha_, row_;
};

}  // namespace

int32_t ShrunkLength(int32_t sourceLength, int32_t drawnLength) {
    const bool leftAsItIs = sourceLength > kLongestSide || drawnLength <= 0 || sourceLength <= drawnLength;
    return leftAsItIs ? sourceLength : drawnLength;
}

PixelPicture ShrinkForDrawing(int32_t sourceWidth, int32_t sourceHeight, const SourceRowReader& sourceRow,
                              int32_t drawnWidth, int32_t drawnHeight) {
    PixelPicture picture;
    picture.width = ShrunkLength(sourceWidth, drawnWidth);
    picture.height = ShrunkLength(sourceHeight, drawnHeight);
    const auto width = static_cast<size_t>(picture.width);
    picture.pixels.resize(width * static_cast<size_t>(picture.height));
    const int32_t boxWidth = BoxLength(sourceWidth, picture.width);
    const int32_t boxHeight = BoxLength(sourceHeight, picture.height);
    BoxReduction boxes(sourceWidth, sourceHeight, sourceRow, boxWidth, boxHeight);
    const Kernel across = MakeKernel(boxes.Width(), static_cast<double>(sourceWidth) / boxWidth, picture.width);
    const Kernel down = MakeKernel(boxes.Height(), static_cast<double>(sourceHeight) / boxHeight, picture.height);

    // Across first, each row as it is read, into a ring of the last rows
    // resampled across; then down, from the ring. The other order costs as
    // much where both sides shrink alike, but would hold whole source rows.
    const auto ringRows = static_cast<size_t>(down.taps);
    std::vector<uint32_t> ring(ringRows * width);
    std::vector<const uint32_t*> rows(ringRows);
    int32_t resampled = 0;
    for (int32_t y = 0; y < picture.height; ++y) {
        const int32_t first = down.first[static_cast<size_t>(y)], count = down.count[static_cast<size_t>(y)];
        for (; resampled < first + count; ++resampled) {
            ResampleRow(boxes.Row(resampled), across, &ring[static_cast<size_t>(resampled) % ringRows * width]);
        }
        for (int32_t i = 0; i < count; ++i) rows[i] = &ring[static_cast<size_t>(first + i) % ringRows * width];
        ResampleColumns(rows.data(), &down.weights[static_cast<size_t>(y) * ringRows], count, picture.width,
                        &picture.pixels[static_cast<size_t>(y) * width]);
    }
    return picture;
}

}  // namespace tpr
