// The texts of the status bar's first two panels.
#pragma once

#include <cstdint>
#include <string>

namespace tpr {

// "Photo resolution: 640x480" and two blanks.
std::wstring PhotoResolutionText(int32_t width, int32_t height);

// "Work area resolution: 800x600" and one blank.
std::wstring WorkAreaResolutionText(int32_t width, int32_t height);

}  // namespace tpr
