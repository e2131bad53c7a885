#include "core/main_window/status_texts.h"

#include <gtest/gtest.h>

namespace tpr {
namespace {

TEST(StatusTexts, ResolutionsWithTheirTrailingBlanks) {
    EXPECT_EQ(PhotoResolutionText(640, 480), L"Photo resolution: 640x480  ");
    EXPECT_EQ(PhotoResolutionText(0, 0), L"Photo resolution: 0x0  ");
    EXPECT_EQ(WorkAreaResolutionText(800, 600), L"Work area resolution: 800x600 ");
}

}  // namespace
}  // namespace tpr
