// The four work-area presets and the window arithmetic around the work area
// (the client area between the command bar and the status bar). Window
// sizes are in twips; the screen's twips-per-pixel factors convert.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace tpr {

struct WorkAreaPreset {
    int32_t commandId;      // command-bar identifier
    const wchar_t* key;     // hidden toolbar's button key
    int32_t width, height;  // work area in pixels
};

inline constexpr std::array<WorkAreaPreset, 4> kWorkAreaPresets = {{
    {3, L"640x480", 640, 480},
    {4, L"800x600", 800, 600},
    {5, L"1024x768", 1024, 768},
    {6, L"1280x1024", 1280, 1024},
}};

// The preset of a command identifier or a toolbar key (compared exactly);
// null for anything else.
const WorkAreaPreset* PresetByCommandId(int32_t commandId);
const WorkAreaPreset* PresetByKey(std::wstring_view key);

// Window width (twips) whose client area is W pixels wide: the work area and
// two sizing frames. The frame height metric (33) serves both directions.
double PresetWindowWidth(int32_t W, double twipsPerPixelX, int32_t frameMetric33);

// Window height (twips) whose work area is H pixels high: the work area, the
// caption, two sizing frames, the command bars above and the status bar
// below, summed in that order.
double PresetWindowHeight(int32_t H, double twipsPerPixelY, int32_t captionMetric4, int32_t frameMetric33,
                          double clientAreaTopTwips, double statusBarHeightTwips);

struct PixelSize {
    int32_t width, height;
};

// The work area in pixels from the client size: halves to even, a negative
// side reads 0. Never raises: the status panel is written whatever happens,
// and a side that cannot be computed reads 0.
PixelSize WorkAreaPixels(double clientWidthTwips, double clientHeightTwips, double tppX, double tppY,
                         double clientAreaTopTwips, double statusBarHeightTwips);

}  // namespace tpr
