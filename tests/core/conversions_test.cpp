// The classic runtime's arithmetic and conversions, with its error numbers.
#include <gtest/gtest.h>

#include <cmath>

#include "core/runtime/conversions.h"
#include "core/runtime/runtime_error.h"
#include "error_number.h"

namespace tpr {
namespace {

TEST(RoundToLong, HalvesGoToTheEvenNeighbourAndOutOfRangeOverflows) {
    const std::pair<double, int32_t> cases[] = {{300.5, 300}, {301.5, 302}, {-2.5, -2}, {-3.5, -4},
                                                {133.333, 133}, {2147483647.4, 2147483647}};
    for (const auto& [value, rounded] : cases) EXPECT_EQ(RoundToLong(value), rounded) << value;
    for (const double v : {2147483647.5, -2147483649.0, std::nan("")})
        EXPECT_EQ(ErrorNumberOf([&] { RoundToLong(v); }), kErrOverflow) << v;
    EXPECT_EQ(ErrorNumberOf([] { RoundToInteger(32767.5); }), kErrOverflow);
    EXPECT_EQ(RoundToInteger(-32768.4), -32768);
}

TEST(TextToInteger, ConvertsWholeNumbersAndRejectsText) {
    const std::pair<const wchar_t*, int16_t> cases[] = {
        {L"70", 70}, {L" 100 ", 100}, {L"-1", -1}, {L"2.5", 2}};
    for (const auto& [text, value] : cases) EXPECT_EQ(TextToInteger(text), value) << text;
    EXPECT_EQ(ErrorNumberOf([] { TextToInteger(L"abc"); }), kErrTypeMismatch);
    EXPECT_EQ(ErrorNumberOf([] { TextToInteger(L""); }), kErrTypeMismatch);
    EXPECT_EQ(ErrorNumberOf([] { TextToInteger(L"40000"); }), kErrOverflow);
    EXPECT_EQ(ErrorNumberOf([] { TextToByte(L"256"); }), kErrOverflow);
    EXPECT_EQ(TextToByte(L"255"), 255);
}

TEST(Divide, ZeroDenominatorRaisesTheClassicErrors) {
    EXPECT_EQ(ErrorNumberOf([] { Divide(1, 0); }), kErrDivisionByZero);
    EXPECT_EQ(ErrorNumberOf([] { Divide(0, 0); }), kErrOverflow);
    EXPECT_DOUBLE_EQ(Divide(3, 2), 1.5);
}

TEST(RuntimeError, TakesTheClassicTextWhenNoDescriptionIsGiven) {
    EXPECT_EQ(RuntimeError(kErrFileNotFound).description, L"File not found");
    EXPECT_EQ(RuntimeError(kErrInvalidPicture).description, L"Invalid picture");
    EXPECT_EQ(RuntimeError(5, L"Cannot save the image. GDI+ Error:7").description,
              L"Cannot save the image. GDI+ Error:7");
}

}  // namespace
}  // namespace tpr
