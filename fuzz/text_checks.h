#pragma once
// Independent readings of texts for the invariants: UTF-8 validity, a mention
// of "inf" or "nan", the strict number syntax of an input field, and the two
// forms in which a number is written (plain decimal notation and the E form).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

// Well-formed UTF-8: no stray continuation byte, no overlong form, no
// surrogate, nothing above U+10FFFF.
bool isValidUtf8(std::string_view text);

// "inf" or "nan" anywhere, in any case.
bool mentionsInfOrNan(std::string_view text);

// A field text in the strict number syntax: ASCII digits with at most one
// decimal separator and at least one digit.
struct StrictNumber {
    std::string whole;
    std::string fraction;

    std::string cNotation() const;  // "whole.fraction", for strtof
    int significantDigits() const;  // from the first non-zero digit to the last
};
std::optional<StrictNumber> strictNumber(std::string_view text, std::string_view separator);

// A number as the number routines write it: plain ("-12.5", "0.0003") or the
// E form ("1.234568E+07", "1E-05"); no blank, no trailing zero after the
// separator, no "-0".
struct WrittenNumber {
    long double value = 0;    // read in extended precision, so that the
                              // largest doubles rounded up stay finite
    bool scientific = false;
    int exponent = 0;         // of the E form
    int significantDigits = 0;
    std::string cNotation;    // the same number for strtod and strtof
};
std::optional<WrittenNumber> readWrittenNumber(std::string_view text, std::string_view separator);

// Whether `written` is `value` rounded to `significant` digits: no farther from
// it than half a unit in the last of those digits (value finite).
bool roundsTo(long double written, double value, int significant);

// The items of a list written "a;b;c" in an edit line; none for an empty text.
std::vector<std::string> semicolonList(std::string_view text);

}  // namespace fuzz
