#include "core/main_window/presets.h"

#include <algorithm>

#include "core/runtime/conversions.h"
#include "core/runtime/runtime_error.h"

namespace tpr {
namespace {

template <class Matches>
const WorkAreaPreset* FindPreset(Matches matches) {
    const auto it = std::find_if(kWorkAreaPresets.begin(), kWorkAreaPresets.end(), matches);
    return it == kWorkAreaPresets.end() ? nullptr : &*it;
}

// A pixel count rounded half to even; 0 when it is negative or does not fit.
int32_t PixelsOrZero(double pixels) {
    try {
        return std::max(RoundToLong(pixels), 0);
    } catch (const RuntimeError&) {
        return 0;
    }
}

}  // namespace

const WorkAreaPreset* PresetByCommandId(int32_t commandId) {
    return FindPreset([&](const WorkAreaPreset& p) { return p.commandId == commandId; });
}

const WorkAreaPreset* PresetByKey(std::wstring_view key) {
    return FindPreset([&](const WorkAreaPreset& p) { return key == p.key; });
}

double PresetWindowWidth(int32_t W, double twipsPerPixelX, int32_t frameMetric33) {
    return W * twipsPerPixelX + 2 * (twipsPerPixelX * frameMetric33);
}

double PresetWindowHeight(int32_t H, double twipsPerPixelY, int32_t captionMetric4, int32_t frameMetric33,
                          double clientAreaTopTwips, double statusBarHeightTwips) {
    return H * twipsPerPixelY + twipsPerPixelY * captionMetric4 + 2 * (twipsPerPixelY * frameMetric33) +
           clientAreaTopTwips + statusBarHeightTwips;
}

PixelSize WorkAreaPixels(double clientWidthTwips, double clientHeightTwips, double tppX, double tppY,
                         double clientAreaTopTwips, double statusBarHeightTwips) {
    return {PixelsOrZero(clientWidthTwips / tppX),
            PixelsOrZero(clientHeightTwips / tppY - clientAreaTopTwips / tppY - statusBarHeightTwips / tppY)};
}

}  // namespace tpr
