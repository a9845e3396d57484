#pragma once
// Number routines shared by every calculator and report.
//
//   round:          n decimals, an exact half going to the even neighbour; the
//                   result keeps the width of its argument.
//   number text:    plain decimal notation, at most 7 significant digits for a
//                   float (15 for a double), no trailing zeros, "0" before the
//                   separator below 1, "-" for negatives, the locale's separator.
//   text to number: the whole text must be digits with at most one decimal
//                   separator and at least one digit; nothing else is a number.
#include <optional>
#include <string>
#include <string_view>

namespace calc {

float roundHalfEven(float x, int decimals);
double roundHalfEven(double x, int decimals);

// Magnitudes of 10^7 (10^15 for a double) or more and fractions below 0.0001
// are written as 1.234568E+07 or 1E-05; a value that is not finite gives the
// empty text, never "inf" or "nan".
std::string numberText(float value, std::string_view decimalSeparator);
std::string numberText(double value, std::string_view decimalSeparator);

// The number text of `value` added to the end of `out` (nothing for a value
// that is not finite), for lines built around a number without a temporary.
void appendNumberText(std::string& out, float value, std::string_view decimalSeparator);

// The nearest float to the text, or nothing when the text is not a number in
// the strict syntax above or lies beyond the float range.
std::optional<float> textToNumber(std::string_view text, std::string_view decimalSeparator);

// Every `from` in `text` replaced by `to` (a decimal separator by another);
// the text unchanged when `from` is empty.
std::string replaceAll(std::string text, std::string_view from, std::string_view to);

}  // namespace calc
