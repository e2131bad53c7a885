// The four work-area presets and the window arithmetic around the work area.
#include "core/main_window/presets.h"

#include <gtest/gtest.h>

namespace tpr {
namespace {

TEST(WorkAreaPresets, LookUpByCommandAndKey) {
    EXPECT_EQ(PresetByCommandId(3)->width, 640);
    EXPECT_EQ(PresetByCommandId(5)->height, 768);
    EXPECT_EQ(PresetByKey(L"1280x1024")->commandId, 6);
    EXPECT_EQ(PresetByCommandId(2), nullptr);
    EXPECT_EQ(PresetByCommandId(7), nullptr);
    EXPECT_EQ(PresetByKey(L"800X600"), nullptr);  // keys compare exactly
}

TEST(WorkAreaPresets, EveryPresetGivesBackItsWorkArea) {
    // 15 twips per pixel, sizing frame 4 and caption 19 pixels, command bars
    // 28 and status bar 20 pixels high.
    const double tpp = 15, bars = 28 * tpp, status = 20 * tpp;
    const int32_t frame = 4, caption = 19;
    EXPECT_DOUBLE_EQ(PresetWindowWidth(800, tpp, frame), 12000 + 120);
    EXPECT_DOUBLE_EQ(PresetWindowHeight(600, tpp, caption, frame, bars, status),
                     9000 + 285 + 120 + 420 + 300);
    for (const WorkAreaPreset& preset : kWorkAreaPresets) {
        // The window takes its size in single precision and keeps frames and
        // caption around the client area.
        const float windowWidth = PresetWindowWidth(preset.width, tpp, frame);
        const float windowHeight = PresetWindowHeight(preset.height, tpp, caption, frame, bars, status);
        const PixelSize area =
            WorkAreaPixels(windowWidth - 2 * frame * tpp, windowHeight - (caption + 2 * frame) * tpp, tpp,
                           tpp, bars, status);
        EXPECT_TRUE(area.width == preset.width && area.height == preset.height) << preset.key;
    }
}

TEST(WorkAreaPixels, RoundsHalvesToEvenAndClampsAtZero) {
    // 1024.5 and 768.5 go down to even, 1025.5 and 769.5 up; bars taller than
    // the client area; a side that cannot be computed reads 0.
    const struct { double clientWidth, clientHeight, tppX, tppY, top, status; int32_t w, h; } cases[] = {
        {15367.5, 11527.5, 15, 15, 0, 0, 1024, 768}, {15382.5, 11542.5, 15, 15, 0, 0, 1026, 770},
        {3000, 500, 15, 15, 420, 300, 200, 0},       {-150, 1000, 15, 15, 0, 0, 0, 67},
        {3000, 3000, 0, 15, 0, 0, 0, 200},           {1e12, 3000, 15, 15, 0, 0, 0, 200}};
    for (const auto& c : cases) {
        const PixelSize area = WorkAreaPixels(c.clientWidth, c.clientHeight, c.tppX, c.tppY, c.top, c.status);
        EXPECT_EQ(std::make_pair(area.width, area.height), std::make_pair(c.w, c.h)) << c.clientWidth;
    }
}

}  // namespace
}  // namespace tpr
