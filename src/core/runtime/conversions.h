// Conversions with the classic runtime's rules: rounding to the nearest
// integer with exact halves going to the even neighbour, and overflow raised
// as error 6 instead of wrapping.
#pragma once

#include <cstdint>
#include <string_view>

namespace tpr {

// Nearest 32-bit integer, halves to even; error 6 "Overflow" when the value
// (or NaN) does not fit.
int32_t RoundToLong(double value);

// Nearest 16-bit integer, halves to even; error 6 when it does not fit.
int16_t RoundToInteger(double value);

// Whole-number text to a 16-bit integer as the classic runtime converts it
// (leading and trailing blanks allowed, a fraction rounded half to even):
// error 13 "Type mismatch" for text that is no number, 6 for out of range.
int16_t TextToInteger(std::wstring_view text);

// Whole-number text to an 8-bit unsigned number: error 6 outside 0 to 255.
uint8_t TextToByte(std::wstring_view text);

// Quotient in double precision: error 11 "Division by zero" for 0 / nonzero,
// error 6 for 0 / 0.
double Divide(double numerator, double denominator);

}  // namespace tpr
