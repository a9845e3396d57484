#include "calc/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <system_error>

namespace calc {

namespace {

// Every power of ten from 10^0 to 10^22 is a double exactly; the negative
// ones are their nearest doubles.
constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr double kNegativePowersOfTen[] = {1e0,   1e-1,  1e-2,  1e-3,  1e-4,  1e-5,  1e-6,  1e-7, 1e-8,
                                           1e-9,  1e-10, 1e-11, 1e-12, 1e-13, 1e-14, 1e-15, 1e-16};

// 2^24, and the powers of ten that are floats exactly.
constexpr std::uint64_t kFloatExactLimit = 1u << 24;
constexpr float kFloatPowersOfTen[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f, 1e6f, 1e7f, 1e8f, 1e9f, 1e10f};

}  // namespace

double roundHalfEven(double x, int decimals)
{
    // The table holds what pow gives for these exact powers, at a tenth of the cost.
    const double scale = decimals >= 0 && decimals <= 22 ? kPowersOfTen[decimals] : std::pow(10.0, decimals);
    const double scaled = x * scale;
    // A value so large that scaling overflows has no decimals left to round.
    if (!std::isfinite(scaled)) return x;
    return std::nearbyint(scaled) / scale;
}

float roundHalfEven(float x, int decimals)
{
    return static_cast<float>(roundHalfEven(static_cast<double>(x), decimals));
}

namespace {

// A finite non-zero value rounded to its significant digits: the digits
// d1 d2 … (no trailing zeros, at least one), the value being
// ±d1.d2… × 10^exponent.
struct Decimal {
    char digits[24];
    int count;
    int exponent;
};

// The 7 digits of a float, rounded half to even on its exact binary value,
// worked out in double arithmetic: the magnitude times (or divided by) a power
// of ten is one correctly rounded operation on exact operands, so it is off by
// less than 1e-9 from the exact 7-digit scaled value. False, leaving the value
// to `exactDigits`, when that error could decide the rounding (a fraction
// within 1e-7 of a half) or the value lies outside 10^-16 to 10^22.
bool floatDigits(float value, Decimal& out)
{
    const double x = std::fabs(static_cast<double>(value));
    if (!(x >= 1e-16 && x < 1e22)) return false;
    // exponent = floor(log10 x). No float equals a negative power of ten's
    // nearest double, so comparing with it is comparing with the power itself.
    int exponent = 0;
    if (x >= 1) {
        while (x >= kPowersOfTen[exponent + 1]) ++exponent;
    } else {
        exponent = -1;
        while (x < kNegativePowersOfTen[-exponent]) --exponent;
    }
    const int shift = 6 - exponent;
    const double scaled = shift >= 0 ? x * kPowersOfTen[shift] : x / kPowersOfTen[-shift];
    if (!(scaled >= 1e6 && scaled < 1e7)) return false;
    auto n = static_cast<std::uint32_t>(scaled);  // the whole part: scaled is positive
    const double fraction = scaled - n;
    if (std::fabs(fraction - 0.5) < 1e-7) return false;
    if (fraction > 0.5) ++n;
    if (n == 10'000'000u) {
        n = 1'000'000u;
        ++exponent;
    }
    while (n % 10 == 0) n /= 10;
    out.count = static_cast<int>(std::to_chars(out.digits, out.digits + sizeof out.digits, n).ptr - out.digits);
    out.exponent = exponent;
    return true;
}

// The digits from to_chars in scientific form with `significant` digits,
// which rounds half to even on the exact binary value: "d.dddde+XX".
template <typename T>
Decimal exactDigits(T value, int significant)
{
    char buf[64];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, significant - 1);
    Decimal out{};
    const char* p = buf;
    for (; p != res.ptr && *p != 'e'; ++p)
        if (*p != '.') out.digits[out.count++] = *p;
    while (out.count > 1 && out.digits[out.count - 1] == '0') --out.count;
    // p is at the 'e'; from_chars takes the sign but not a '+'.
    const char* exp = p + 1;
    if (exp != res.ptr && *exp == '+') ++exp;
    std::from_chars(exp, res.ptr, out.exponent);
    return out;
}

// Plain notation where it stays readable, otherwise 3E+31, 1.5E-05: written
// without the separator into a buffer, the separator then put in between.
void appendDecimal(std::string& out, bool negative, const Decimal& d, int significant, std::string_view separator)
{
    char buf[48];  // a sign, 15 digits, 14 zeros or "0" and 4 zeros, "E+308"
    char* p = buf;
    char* split = nullptr;  // where the separator goes, if anywhere
    if (negative) *p++ = '-';
    const char* digits = d.digits;
    const char* const digitsEnd = d.digits + d.count;
    if (d.exponent >= significant || d.exponent < -4) {
        *p++ = *digits++;
        if (digits != digitsEnd) {
            split = p;
            p = std::copy(digits, digitsEnd, p);
        }
        const int magnitude = std::abs(d.exponent);
        *p++ = 'E';
        *p++ = d.exponent < 0 ? '-' : '+';
        if (magnitude < 10) *p++ = '0';
        p = std::to_chars(p, buf + sizeof buf, magnitude).ptr;
    } else if (d.exponent >= 0) {
        const int wholeDigits = d.exponent + 1;
        if (d.count <= wholeDigits) {
            p = std::copy(digits, digitsEnd, p);
            p = std::fill_n(p, wholeDigits - d.count, '0');
        } else {
            p = std::copy(digits, digits + wholeDigits, p);
            split = p;
            p = std::copy(digits + wholeDigits, digitsEnd, p);
        }
    } else {
        *p++ = '0';
        split = p;
        p = std::fill_n(p, -d.exponent - 1, '0');
        p = std::copy(digits, digitsEnd, p);
    }
    // append(pointer, length): the iterator-pair form goes through replace().
    if (!split) {
        out.append(buf, static_cast<std::size_t>(p - buf));
        return;
    }
    out.append(buf, static_cast<std::size_t>(split - buf));
    out += separator;
    out.append(split, static_cast<std::size_t>(p - split));
}

}  // namespace

void appendNumberText(std::string& out, float value, std::string_view decimalSeparator)
{
    if (!std::isfinite(value)) return;
    if (value == 0) {  // also a negative zero
        out += '0';
        return;
    }
    Decimal d;
    if (!floatDigits(value, d)) d = exactDigits(value, 7);
    appendDecimal(out, std::signbit(value), d, 7, decimalSeparator);
}

std::string numberText(float value, std::string_view decimalSeparator)
{
    std::string out;
    appendNumberText(out, value, decimalSeparator);
    return out;
}

std::string numberText(double value, std::string_view decimalSeparator)
{
    std::string out;
    if (!std::isfinite(value)) return out;
    if (value == 0) return "0";  // also a negative zero
    appendDecimal(out, std::signbit(value), exactDigits(value, 15), 15, decimalSeparator);
    return out;
}

std::optional<float> textToNumber(std::string_view text, std::string_view decimalSeparator)
{
    if (decimalSeparator.empty()) decimalSeparator = ".";

    // The text copied as "whole.fraction" for from_chars, "0" standing for a
    // missing whole part and a missing fraction left out: one character out
    // for each one in, and the "0" in front.
    char small[64];
    std::string large;
    char* buf = small;
    if (text.size() + 1 > sizeof small) {
        large.resize(text.size() + 1);
        buf = large.data();
    }
    char* const begin = buf + 1;
    char* end = begin;
    bool separatorSeen = false, wholeNonZero = false;
    std::size_t wholeDigits = 0, fractionDigits = 0;
    std::uint64_t digitsValue = 0;  // all the digits as one whole number, until it passes 2^24
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            *end++ = c;
            if (digitsValue <= kFloatExactLimit) digitsValue = digitsValue * 10 + static_cast<std::uint64_t>(c - '0');
            if (separatorSeen) {
                ++fractionDigits;
            } else {
                ++wholeDigits;
                wholeNonZero = wholeNonZero || c != '0';
            }
            ++i;
        } else if (!separatorSeen && text.substr(i).starts_with(decimalSeparator)) {
            separatorSeen = true;
            *end++ = '.';
            i += decimalSeparator.size();
        } else {
            return std::nullopt;
        }
    }
    if (wholeDigits == 0 && fractionDigits == 0) return std::nullopt;
    char* first = begin;
    if (wholeDigits == 0) *--first = '0';
    if (separatorSeen && fractionDigits == 0) --end;

    // Up to 2^24 and 10^10 both are floats exactly, and one division is
    // correctly rounded: the nearest float, as from_chars would give it.
    if (digitsValue <= kFloatExactLimit && fractionDigits <= 10)
        return static_cast<float>(digitsValue) / kFloatPowersOfTen[fractionDigits];

    float value = 0;
    const auto res = std::from_chars(first, end, value, std::chars_format::fixed);
    if (res.ec == std::errc::result_out_of_range) {
        // A fraction below the smallest float reads as 0; anything with a
        // non-zero whole part that is out of range lies beyond the float range.
        if (!wholeNonZero) return 0.0f;
        return std::nullopt;
    }
    if (res.ec != std::errc() || res.ptr != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::string replaceAll(std::string text, std::string_view from, std::string_view to)
{
    if (from.empty() || from == to) return text;
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

}  // namespace calc
