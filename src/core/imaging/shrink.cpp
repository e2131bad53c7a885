// The program's own shrink of a large picture for drawing: box reduction, then a bicubic resample.
#include "core/imaging/shrink.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>

#if defined(__i386__) || defined(__x86_64__)
#include <cpuid.h>
#include <emmintrin.h>
#endif

namespace tpr {
namespace {

// Weights are 16-bit fixed point with this many fraction bits, the width
// SSE2 multiplies and adds in pairs; every weight of this kernel is below
// 1.2, and 255 times their absolute sum stays far below 2^31.
constexpr int kWeightBits = 14;
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
// takes count[t] pixels from first[t], weighed by the weights at t * stride,
// which add up to kWeightOne exactly (a flat colour stays exactly that
// colour). The stride is even and the weights past a count are 0, so that
// weights can be read in pairs.
struct Kernel {
    std::vector<int32_t> first, count;
    std::vector<int16_t> weights;
    int32_t taps = 0, stride = 0;
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
    kernel.stride = (kernel.taps + 1) / 2 * 2;
    kernel.first.resize(static_cast<size_t>(outLength));
    kernel.count.resize(static_cast<size_t>(outLength));
    kernel.weights.assign(static_cast<size_t>(outLength) * static_cast<size_t>(kernel.stride), 0);
    std::vector<double> real(static_cast<size_t>(kernel.taps));
    for (int32_t t = 0; t < outLength; ++t) {
        const double centre = (t + 0.5) * scale;
        const auto first = std::max(static_cast<int32_t>(centre - support + 0.5), 0);
        const auto count = std::min(static_cast<int32_t>(centre + support + 0.5), inLength) - first;
        double sum = 0;
        for (int32_t i = 0; i < count; ++i) sum += real[i] = Bicubic((first + i - centre + 0.5) / stretch);
        int16_t* weights = &kernel.weights[static_cast<size_t>(t) * static_cast<size_t>(kernel.stride)];
        int32_t total = 0;
        for (int32_t i = 0; i < count; ++i)
            total += weights[i] = static_cast<int16_t>(std::lround(real[i] / sum * kWeightOne));
        // The rounding's remainder goes to the heaviest weight, where it weighs least.
        int16_t& heaviest = *std::max_element(weights, weights + count);
        heaviest = static_cast<int16_t>(heaviest + kWeightOne - total);
        kernel.first[static_cast<size_t>(t)] = first;
        kernel.count[static_cast<size_t>(t)] = count;
    }
    return kernel;
}

uint32_t Channel(uint32_t pixel, int shift) { return (pixel >> shift) & 0xFF; }

// A weighed sum (with a half added) back to a channel value, clamped where
// the kernel's negative lobes overshoot.
uint32_t Clamped(int32_t sum) { return static_cast<uint32_t>(std::clamp(sum >> kWeightBits, 0, 255)); }

// One pixel weighed from `count` pixels, pixel i being pixelAt(i).
template <class PixelAt>
uint32_t Weighed(PixelAt pixelAt, const int16_t* weights, int32_t count) {
    int32_t blue = kWeightOne / 2, green = kWeightOne / 2, red = kWeightOne / 2;
    for (int32_t i = 0; i < count; ++i) {
        const uint32_t pixel = pixelAt(i);
        blue += static_cast<int32_t>(Channel(pixel, 0)) * weights[i];
        green += static_cast<int32_t>(Channel(pixel, 8)) * weights[i];
        red += static_cast<int32_t>(Channel(pixel, 16)) * weights[i];
    }
    return Clamped(blue) | Clamped(green) << 8 | Clamped(red) << 16;
}

// One row resampled along its length, a pixel at a time.
void ResampleRowPlainly(const uint32_t* in, const Kernel& kernel, uint32_t* out) {
    for (size_t t = 0; t < kernel.first.size(); ++t) {
        const uint32_t* pixels = in + kernel.first[t];
        out[t] = Weighed([&](int32_t i) { return pixels[i]; },
                         &kernel.weights[t * static_cast<size_t>(kernel.stride)], kernel.count[t]);
    }
}

// Columns x to width - 1 of one row from `count` rows, weighed down each
// column, a pixel at a time.
void ResampleColumnsPlainly(const uint32_t* const* rows, const int16_t* weights, int32_t count, int32_t x,
                            int32_t width, uint32_t* out) {
    for (; x < width; ++x) out[x] = Weighed([&](int32_t i) { return rows[i][x]; }, weights, count);
}

#if defined(__i386__) || defined(__x86_64__)
// The same sums, four channels of a pixel at once with SSE2, whose
// multiply-add takes two neighbouring 16-bit weights (one 32-bit word) and
// the same channel of two pixels. The sums are exact, so the result is the
// plain loops' to the bit. The 32-bit program runs on processors without
// SSE2 too: only these functions use it, where the processor has it.

// Two neighbouring weights as one 32-bit word, the first in the low half.
int32_t WeightPair(const int16_t* weights) {
    int32_t pair;
    std::memcpy(&pair, weights, sizeof pair);
    return pair;
}

__attribute__((target("sse2"))) uint32_t PackedPixel(__m128i sums) {
    const __m128i levels = _mm_srai_epi32(sums, kWeightBits);
    const __m128i bytes = _mm_packus_epi16(_mm_packs_epi32(levels, levels), levels);
    return static_cast<uint32_t>(_mm_cvtsi128_si32(bytes)) & 0x00FFFFFF;
}

__attribute__((target("sse2"))) void ResampleRowSse2(const uint32_t* in, const Kernel& kernel,
                                                     uint32_t* out) {
    const __m128i zero = _mm_setzero_si128();
    for (size_t t = 0; t < kernel.first.size(); ++t) {
        const uint32_t* pixels = in + kernel.first[t];
        const int16_t* weights = &kernel.weights[t * static_cast<size_t>(kernel.stride)];
        const int32_t count = kernel.count[t];
        __m128i sums = _mm_set1_epi32(kWeightOne / 2);
        int32_t i = 0;
        for (; i + 4 <= count; i += 4) {
            // Pixels 0 2 1 3, then the channels of 0 and 1, 2 and 3 side by side.
            const __m128i crossed = _mm_shuffle_epi32(
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels + i)), _MM_SHUFFLE(3, 1, 2, 0));
            const __m128i paired = _mm_unpacklo_epi8(crossed, _mm_srli_si128(crossed, 8));
            sums = _mm_add_epi32(sums, _mm_madd_epi16(_mm_unpacklo_epi8(paired, zero),
                                                      _mm_set1_epi32(WeightPair(weights + i))));
            sums = _mm_add_epi32(sums, _mm_madd_epi16(_mm_unpackhi_epi8(paired, zero),
                                                      _mm_set1_epi32(WeightPair(weights + i + 2))));
        }
        for (; i < count; ++i) {
            const __m128i pixel = _mm_unpacklo_epi16(
                _mm_unpacklo_epi8(_mm_cvtsi32_si128(static_cast<int>(pixels[i])), zero), zero);
            sums =
                _mm_add_epi32(sums, _mm_madd_epi16(pixel, _mm_set1_epi32(static_cast<uint16_t>(weights[i]))));
        }
        out[t] = PackedPixel(sums);
    }
}

__attribute__((target("sse2"))) void ResampleColumnsSse2(const uint32_t* const* rows, const int16_t* weights,
                                                         int32_t count, int32_t width, uint32_t* out) {
    const __m128i zero = _mm_setzero_si128();
    int32_t x = 0;
    for (; x + 4 <= width; x += 4) {
        __m128i sums[4];
        for (__m128i& sum : sums) sum = _mm_set1_epi32(kWeightOne / 2);
        // Two rows at a time, their channels side by side; the weight past
        // an odd count is 0.
        for (int32_t i = 0; i < count; i += 2) {
            const __m128i upper = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rows[i] + x));
            const __m128i lower =
                i + 1 < count ? _mm_loadu_si128(reinterpret_cast<const __m128i*>(rows[i + 1] + x)) : zero;
            const __m128i pair = _mm_set1_epi32(WeightPair(weights + i));
            const __m128i left = _mm_unpacklo_epi8(upper, lower), right = _mm_unpackhi_epi8(upper, lower);
            sums[0] = _mm_add_epi32(sums[0], _mm_madd_epi16(_mm_unpacklo_epi8(left, zero), pair));
            sums[1] = _mm_add_epi32(sums[1], _mm_madd_epi16(_mm_unpackhi_epi8(left, zero), pair));
            sums[2] = _mm_add_epi32(sums[2], _mm_madd_epi16(_mm_unpacklo_epi8(right, zero), pair));
            sums[3] = _mm_add_epi32(sums[3], _mm_madd_epi16(_mm_unpackhi_epi8(right, zero), pair));
        }
        for (int k = 0; k < 4; ++k) out[x + k] = PackedPixel(sums[k]);
    }
    ResampleColumnsPlainly(rows, weights, count, x, width, out);
}

bool HasSse2() {
    unsigned eax, ebx, ecx, edx;
    return __get_cpuid(1, &eax, &ebx, &ecx, &edx) && (edx & bit_SSE2);
}
#endif

// The resampling loops of one kind.
struct Resamplers {
    void (*row)(const uint32_t* in, const Kernel& kernel, uint32_t* out);
    void (*columns)(const uint32_t* const* rows, const int16_t* weights, int32_t count, int32_t width,
                    uint32_t* out);
};

const Resamplers& ResamplersOf(ResampleLoops loops) {
    static const Resamplers plain{&ResampleRowPlainly, [](const uint32_t* const* rows, const int16_t* weights,
                                                          int32_t count, int32_t width, uint32_t* out) {
                                      ResampleColumnsPlainly(rows, weights, count, 0, width, out);
                                  }};
#if defined(__i386__) || defined(__x86_64__)
    static const bool hasSse2 = HasSse2();
    static const Resamplers sse2{&ResampleRowSse2, &ResampleColumnsSse2};
    if (loops == ResampleLoops::Fastest && hasSse2) return sse2;
#endif
    return plain;
}

// How many pixels a side's boxes are long: as many as leave the side at
// least four times its target, where the bicubic takes over.
int32_t BoxLength(int32_t sourceLength, int32_t targetLength) {
    return std::clamp(sourceLength / (4 * targetLength), 1, kLargestBox);
}

// The source reduced by boxes of boxWidth x boxHeight pixels to the mean of
// each box (the last box of a row or column holding what is left), row by
// row from the top. Two channels are summed at once, in the 16-bit halves
// of a word.
class BoxReduction {
public:
    BoxReduction(int32_t sourceWidth, int32_t sourceHeight, const SourceRowReader& sourceRow,
                 int32_t boxWidth, int32_t boxHeight)
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
            const uint32_t count = isLast ? last : whole,
                           reciprocal = isLast ? lastReciprocal : wholeReciprocal;
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
    static uint32_t Reciprocal(uint32_t count) {
        return static_cast<uint32_t>((uint64_t{1} << 32) / (2 * count)) + 1;
    }
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
                              int32_t drawnWidth, int32_t drawnHeight, ResampleLoops loops) {
    PixelPicture picture;
    picture.width = ShrunkLength(sourceWidth, drawnWidth);
    picture.height = ShrunkLength(sourceHeight, drawnHeight);
    const auto width = static_cast<size_t>(picture.width);
    picture.pixels.resize(width * static_cast<size_t>(picture.height));
    const int32_t boxWidth = BoxLength(sourceWidth, picture.width);
    const int32_t boxHeight = BoxLength(sourceHeight, picture.height);
    BoxReduction boxes(sourceWidth, sourceHeight, sourceRow, boxWidth, boxHeight);
    const Kernel across =
        MakeKernel(boxes.Width(), static_cast<double>(sourceWidth) / boxWidth, picture.width);
    const Kernel down =
        MakeKernel(boxes.Height(), static_cast<double>(sourceHeight) / boxHeight, picture.height);

    // Across first, each row as it is read, into a ring of the last rows
    // resampled across; then down, from the ring. The other order costs as
    // much where both sides shrink alike, but would hold whole source rows.
    const auto ringRows = static_cast<size_t>(down.taps);
    std::vector<uint32_t> ring(ringRows * width);
    std::vector<const uint32_t*> rows(ringRows);
    int32_t resampled = 0;
    const Resamplers& resample = ResamplersOf(loops);
    for (int32_t y = 0; y < picture.height; ++y) {
        const int32_t first = down.first[static_cast<size_t>(y)], count = down.count[static_cast<size_t>(y)];
        for (; resampled < first + count; ++resampled) {
            resample.row(boxes.Row(resampled), across,
                         &ring[static_cast<size_t>(resampled) % ringRows * width]);
        }
        for (int32_t i = 0; i < count; ++i)
            rows[i] = &ring[static_cast<size_t>(first + i) % ringRows * width];
        resample.columns(rows.data(),
                         &down.weights[static_cast<size_t>(y) * static_cast<size_t>(down.stride)], count,
                         picture.width, &picture.pixels[static_cast<size_t>(y) * width]);
    }
    return picture;
}

}  // namespace tpr
