#include "core/main_window/status_texts.h"

namespace tpr {
namespace {

std::wstring Resolution(int32_t width, int32_t height) {
    return std::to_wstring(width) + L"x" + std::to_wstring(height);
}

}  // namespace

std::wstring PhotoResolutionText(int32_t width, int32_t height) {
    return L"Photo resolution: " + Resolution(width, height) + L"  ";
}

std::wstring WorkAreaResolutionText(int32_t width, int32_t height) {
    return L"Work area resolution: " + Resolution(width, height) + L" ";
}

}  // namespace tpr
