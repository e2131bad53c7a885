// The JPEG quality: read back from the settings and chosen from the list.
#include "core/main_window/quality.h"

#include <gtest/gtest.h>

#include "error_number.h"

namespace tpr {
namespace {

TEST(QualityFromStoredText, WholeNumbersFromZeroToHundredElseTheDefault) {
    const std::pair<std::wstring, int16_t> cases[] = {
        {L"85", 85},  {L"100", 100}, {L"0", 0},    {L" 90 ", 90},
        {L"007", 7},  {L"abc", 70},  {L"150", 70}, {L"101", 70},
        {L"-1", 70},  {L"", 70},     {L"  ", 70},  {L"8.5", 70},
        {L"1e2", 70}, {L"+50", 70},  {L"5 0", 70}, {L"99999999999999999999", 70},
    };
    for (const auto& [stored, quality] : cases) EXPECT_EQ(QualityFromStoredText(stored), quality) << stored;
}

TEST(QualityList, InitialEntryAndChosenQuality) {
    const std::pair<int16_t, int> entries[] = {{70, 7}, {85, 8}, {100, 10}, {10, 1}, {0, 1}, {150, 10}};
    for (const auto& [quality, entry] : entries) EXPECT_EQ(QualityListInitialEntry(quality), entry);

    const auto& texts = QualityListEntries();
    EXPECT_STREQ(texts.front(), L"10");
    EXPECT_STREQ(texts.back(), L"100");
    // Each entry is the one its own quality selects.
    for (size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(QualityListInitialEntry(QualityFromListText(texts[i])), static_cast<int>(i + 1));
    EXPECT_EQ(ErrorNumberOf([] { QualityFromListText(L"70%"); }), kErrTypeMismatch);
    EXPECT_EQ(ErrorNumberOf([] { QualityFromListText(L"40000"); }), kErrOverflow);
}

}  // namespace
}  // namespace tpr
