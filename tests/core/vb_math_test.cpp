#include "core/runtime/conversions.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/runtime/runtime_error.h"
#include "error_number.h"

namespace tpr {
namespace {

TEST(RoundToLong, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundToLong(300.5), 300);
    EXPECT_EQ(RoundToLong(301.5), 302);
    EXPECT_EQ(RoundToLong(83.5), 84);
    EXPECT_EQ(RoundToLong(-2.5), -2);
    EXPECT_EQ(RoundToLong(-3.5), -4);
    EXPECT_EQ(RoundToLong(133.333), 133);
    EXPECT_EQ(RoundToLong(2147483647.4), 2147483647);
}

TEST(RoundToLong, OutOfRangeRaisesOverflow) {
    EXPECT_EQ(ErrorNumberOf([] { RoundToLong(2147483647.5); }), kErrOverflow);
    EXPECT_EQ(ErrorNumberOf([] { RoundToLong(-2147483649.0); }), kErrOverflow);
    EXPECT_EQ(ErrorNumberOf([] { RoundToLong(std::nan("")); }), kErrOverflow);
    EXPECT_EQ(ErrorNumberOf([] { RoundToInteger(32767.5); }), kErrOverflow);
    EXPECT_EQ(RoundToInteger(-32768.4), -32768);
}

TEST(TextToInteger, ConvertsWholeNumbersAndRejectsText) {
    EXPECT_EQ(TextToInteger(L"70"), 70);
    EXPECT_EQ(TextToInteger(L" 100 "), 100);
    EXPECT_EQ(TextToInteger(L"-1"), -1);
    EXPECT_EQ(TextToInteger(L"2.5"), 2);
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
    RuntimeError e(kErrFileNotFound);
    EXPECT_EQ(e.description, L"File not found");
    EXPECT_EQ(RuntimeError(kErrInvalidPicture).description, L"Invalid picture");
    EXPECT_EQ(RuntimeError(5, L"Cannot save the image. GDI+ Error:7").description,
              L"Cannot save the image. GDI+ Error:7");
}

}  // namespace
}  // namespace tpr
