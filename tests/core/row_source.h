// A picture for the shrinking tests whose rows are separate allocations, so
// that a read past the end of a row is caught, and which checks that its rows
// are read once each, from the top.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "core/imaging/area_average.h"

namespace tpr {

inline uint32_t Grey(uint32_t level) { return level * 0x010101; }

class RowSource {
public:
    RowSource(int32_t width, int32_t height, const std::function<uint32_t(int32_t, int32_t)>& pixel)
        : width_(width), height_(height), rows_(static_cast<size_t>(height)) {
        for (int32_t y = 0; y < height; ++y) {
            for (int32_t x = 0; x < width; ++x) rows_[static_cast<size_t>(y)].push_back(pixel(x, y));
        }
    }

    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    uint32_t at(int32_t x, int32_t y) const { return rows_[static_cast<size_t>(y)][static_cast<size_t>(x)]; }

    // What shrink(width, height, reader) gives.
    template <class Shrink>
    auto ReadBy(Shrink&& shrink) const {
        int32_t next = 0;
        auto result = shrink(width_, height_, [&](int32_t y) {
            EXPECT_EQ(y, next++) << "rows are read once each, from the top";
            return rows_.at(static_cast<size_t>(y)).data();
        });
        EXPECT_EQ(next, height_) << "every row is read";
        return result;
    }

    std::vector<uint32_t> AveragedTo(int32_t targetWidth, int32_t targetHeight) const {
        return ReadBy([&](int32_t width, int32_t height, const SourceRowReader& rows) {
            return AreaAverage(width, height, rows, targetWidth, targetHeight);
        });
    }

private:
    int32_t width_, height_;
    std::vector<std::vector<uint32_t>> rows_;
};

}  // namespace tpr
