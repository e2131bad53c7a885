// Rounding half to even, checked integer conversions and division.
#include "core/runtime/conversions.h"

#include <cmath>
#include <cwctype>
#include <stdexcept>
#include <string>

#include "core/runtime/runtime_error.h"

namespace tpr {
namespace {

double RoundHalfEven(double value) {
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction > 0.5) return floor + 1.0;
    if (fraction < 0.5) return floor;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

double ParseNumber(std::wstring_view text) {
    size_t begin = 0, end = text.size();
    while (begin < end && std::iswspace(text[begin])) ++begin;
    while (end > begin && std::iswspace(text[end - 1])) --end;
    if (begin == end) Raise(kErrTypeMismatch);
    const std::wstring trimmed(text.substr(begin, end - begin));
    for (wchar_t c : trimmed) {
        if (!(std::iswdigit(c) || c == L'+' || c == L'-' || c == L'.' || c == L'e' || c == L'E')) {
            Raise(kErrTypeMismatch);
        }
    }
    size_t used = 0;
    double value = 0.0;
    try {
        value = std::stod(trimmed, &used);
    } catch (const std::out_of_range&) {
        Raise(kErrOverflow);
    } catch (const std::exception&) {
        Raise(kErrTypeMismatch);
    }
    if (used != trimmed.size()) Raise(kErrTypeMismatch);
    return value;
}

}  // namespace

int32_t RoundToLong(double value) {
    if (!std::isfinite(value)) Raise(kErrOverflow);
    const double rounded = RoundHalfEven(value);
    if (rounded < -2147483648.0 || rounded > 2147483647.0) Raise(kErrOverflow);
    return static_cast<int32_t>(rounded);
}

int16_t RoundToInteger(double value) {
    const int32_t rounded = RoundToLong(value);
    if (rounded < -32768 || rounded > 32767) Raise(kErrOverflow);
    return static_cast<int16_t>(rounded);
}

int16_t TextToInteger(std::wstring_view text) { return RoundToInteger(ParseNumber(text)); }

uint8_t TextToByte(std::wstring_view text) {
    const int32_t value = RoundToLong(ParseNumber(text));
    if (value < 0 || value > 255) Raise(kErrOverflow);
    return static_cast<uint8_t>(value);
}

double Divide(double numerator, double denominator) {
    if (denominator == 0.0) Raise(numerator == 0.0 ? kErrOverflow : kErrDivisionByZero);
    return numerator / denominator;
}

}  // namespace tpr
