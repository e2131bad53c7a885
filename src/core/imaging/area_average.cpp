// Shrinking by area averages, rows and columns apart.
#include "core/imaging/area_average.h"

#include <algorithm>
#include <cassert>
#include <cstddef>

namespace tpr {
namespace {

constexpr int kChannels = 4;

// Where one target pixel of a side takes its source from. Lengths are
// counted in units in which a source pixel is targetLength long and a target
// pixel sourceLength long, so that every overlap is a whole number: the
// target covers `firstWeight` units of source pixel `first`, source pixels
// first + 1 to last - 1 whole, and `lastWeight` units of pixel `last` (none
// when first is last).
struct Span {
    int32_t first, last;
    uint32_t firstWeight, lastWeight;
};

std::vector<Span> SideSpans(int32_t sourceLength, int32_t targetLength) {
    std::vector<Span> spans(static_cast<size_t>(targetLength));
    for (int32_t t = 0; t < targetLength; ++t) {
        const int64_t start = int64_t{t} * sourceLength;
        const int64_t end = start + sourceLength;
        const int64_t first = start / targetLength;
        const int64_t last = (end - 1) / targetLength;
        Span& span = spans[static_cast<size_t>(t)];
        span.first = static_cast<int32_t>(first);
        span.last = static_cast<int32_t>(last);
        span.firstWeight = static_cast<uint32_t>(std::min(end, (first + 1) * targetLength) - start);
        span.lastWeight = last > first ? static_cast<uint32_t>(end - last * targetLength) : 0;
    }
    return spans;
}

// Two channels of a pixel in the two 32-bit halves of a word, blue and red
// or green and alpha, so that one addition or multiplication serves both.
uint64_t BlueRed(uint32_t pixel) { return (pixel & 0xFF) | (uint64_t{pixel & 0xFF0000} << 16); }
uint64_t GreenAlpha(uint32_t pixel) { return ((pixel >> 8) & 0xFF) | (uint64_t{pixel >> 24} << 32); }
uint64_t Widen(uint32_t pair) { return (pair & 0xFFFF) | (uint64_t{pair >> 16} << 32); }

// The weighted sums down each column of the source rows that one target
// row covers, two channels to a word. The weights of a target row add up to
// the source's height, so a half holds the sum for heights up to kLongestSide.
class ColumnSums {
public:
    ColumnSums(int32_t width, uint32_t wholeRowWeight)
        : wholeRowWeight_(wholeRowWeight),
          blueRed_(static_cast<size_t>(width)),
          greenAlpha_(static_cast<size_t>(width)),
          wholeBlueRed_(static_cast<size_t>(width)),
          wholeGreenAlpha_(static_cast<size_t>(width)),
          restBlueRed_(static_cast<size_t>(width)),
          restGreenAlpha_(static_cast<size_t>(width)) {}

    void Add(const uint32_t* row, uint32_t weight) {
        if (weight == wholeRowWeight_) {
            AddWhole(row);
            return;
        }
        for (size_t x = 0; x < blueRed_.size(); ++x) {
            blueRed_[x] += BlueRed(row[x]) * weight;
            greenAlpha_[x] += GreenAlpha(row[x]) * weight;
        }
    }

    // A row shared with the next target row: its part here is kept, so that
    // AddRest can give the next row the rest (the whole row less this part)
    // without weighing the row a second time.
    void AddShared(const uint32_t* row, uint32_t weight) {
        for (size_t x = 0; x < blueRed_.size(); ++x) {
            restBlueRed_[x] = BlueRed(row[x]) * weight;
            restGreenAlpha_[x] = GreenAlpha(row[x]) * weight;
            blueRed_[x] += restBlueRed_[x];
            greenAlpha_[x] += restGreenAlpha_[x];
        }
    }

    // After Clear, the rest of the row last given to AddShared. A half of a
    // word may pass below zero on the way: the words are added and
    // subtracted as whole numbers, and each half ends in range.
    void AddRest(const uint32_t* row) {
        for (size_t x = 0; x < blueRed_.size(); ++x) {
            blueRed_[x] -= restBlueRed_[x];
            greenAlpha_[x] -= restGreenAlpha_[x];
        }
        AddWhole(row);
    }

    // Weighs the whole rows summed so far into the sums.
    void FlushWholeRows() {
        if (wholeRows_ == 0) return;
        for (size_t x = 0; x < blueRed_.size(); ++x) {
            blueRed_[x] += Widen(wholeBlueRed_[x]) * wholeRowWeight_;
            greenAlpha_[x] += Widen(wholeGreenAlpha_[x]) * wholeRowWeight_;
        }
        std::fill(wholeBlueRed_.begin(), wholeBlueRed_.end(), 0);
        std::fill(wholeGreenAlpha_.begin(), wholeGreenAlpha_.end(), 0);
        wholeRows_ = 0;
    }

    // Adds column x, weighted, to per-channel sums (blue, green, red,
    // alpha). The whole rows must have been flushed.
    void AddColumn(size_t x, uint64_t weight, uint64_t* sums) const {
        sums[0] += (blueRed_[x] & 0xFFFFFFFF) * weight;
        sums[1] += (greenAlpha_[x] & 0xFFFFFFFF) * weight;
        sums[2] += (blueRed_[x] >> 32) * weight;
        sums[3] += (greenAlpha_[x] >> 32) * weight;
    }

    void Clear() {
        std::fill(blueRed_.begin(), blueRed_.end(), 0);
        std::fill(greenAlpha_.begin(), greenAlpha_.end(), 0);
    }

private:
    // Most rows lie wholly inside their target row and weigh the same: they
    // are summed unweighted in 16-bit halves of 32-bit words, which hold 256
    // rows, and weighed once, which is what keeps a large shrink fast.
    void AddWhole(const uint32_t* row) {
        if (wholeRows_ == 256) FlushWholeRows();
        for (size_t x = 0; x < wholeBlueRed_.size(); ++x) {
            wholeBlueRed_[x] += row[x] & 0x00FF00FF;
            wholeGreenAlpha_[x] += (row[x] >> 8) & 0x00FF00FF;
        }
        ++wholeRows_;
    }

    uint32_t wholeRowWeight_;
    std::vector<uint64_t> blueRed_, greenAlpha_;
    std::vector<uint32_t> wholeBlueRed_, wholeGreenAlpha_;
    std::vector<uint64_t> restBlueRed_, restGreenAlpha_;
    int wholeRows_ = 0;
};

// One target row from the column sums of the source rows it covers.
void StoreRow(const ColumnSums& sums, const std::vector<Span>& columns, uint32_t pixelLength, double total,
              uint32_t* target) {
    for (size_t t = 0; t < columns.size(); ++t) {
        const Span& span = columns[t];
        uint64_t whole[kChannels] = {}, channels[kChannels] = {};
        for (int32_t x = span.first + 1; x < span.last; ++x) sums.AddColumn(static_cast<size_t>(x), 1, whole);
        sums.AddColumn(static_cast<size_t>(span.first), span.firstWeight, channels);
        if (span.lastWeight) sums.AddColumn(static_cast<size_t>(span.last), span.lastWeight, channels);
        uint32_t pixel = 0;
        for (int k = 0; k < kChannels; ++k) {
            // For any picture that fits in memory the sums stay far below
            // 2^53, so the quotient is exact to well within the distance of
            // any mean from a half.
            const double mean = static_cast<double>(channels[k] + whole[k] * pixelLength) / total;
            pixel |= static_cast<uint32_t>(mean + 0.5) << (8 * k);
        }
        target[t] = pixel;
    }
}

}  // namespace

std::vector<uint32_t> AreaAverage(int32_t sourceWidth, int32_t sourceHeight, const SourceRowReader& sourceRow,
                                  int32_t targetWidth, int32_t targetHeight) {
    assert(targetWidth >= 1 && targetWidth <= sourceWidth && sourceWidth <= kLongestSide);
    assert(targetHeight >= 1 && targetHeight <= sourceHeight && sourceHeight <= kLongestSide);
    const auto columns = SideSpans(sourceWidth, targetWidth);
    const auto rows = SideSpans(sourceHeight, targetHeight);
    // Every target pixel covers sourceWidth x sourceHeight units.
    const double total = static_cast<double>(sourceWidth) * sourceHeight;
    const auto rowLength = static_cast<uint32_t>(targetHeight);

    std::vector<uint32_t> target(static_cast<size_t>(targetWidth) * static_cast<size_t>(targetHeight));
    ColumnSums sums(sourceWidth, rowLength);
    int32_t y = 0;
    for (int32_t t = 0; t < targetHeight; ++t) {
        const Span& span = rows[static_cast<size_t>(t)];
        // A source row shared with the target row above was read for that
        // row, which left its part for this one in the sums.
        const bool lastShared = span.lastWeight && span.lastWeight < rowLength;
        const uint32_t* row = nullptr;
        for (; y <= span.last; ++y) {
            row = sourceRow(y);
            if (y == span.last && lastShared) {
                sums.AddShared(row, span.lastWeight);
            } else {
                sums.Add(row, y == span.first  ? span.firstWeight
                              : y == span.last ? span.lastWeight
                                               : rowLength);
            }
        }
        sums.FlushWholeRows();
        StoreRow(sums, columns, static_cast<uint32_t>(targetWidth), total,
                 &target[static_cast<size_t>(t) * static_cast<size_t>(targetWidth)]);
        sums.Clear();
        if (lastShared) sums.AddRest(row);
    }
    return target;
}

}  // namespace tpr
