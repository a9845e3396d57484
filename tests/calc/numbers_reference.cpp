#include "tests/calc/numbers_reference.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <system_error>

namespace calc::reference {

namespace {

// Writes `value` with `significant` digits, the last one rounded half to even
// on the exact binary value, then in plain notation where that stays readable.
template <typename T>
std::string formatNumber(T value, int significant, std::string_view separator)
{
    if (!std::isfinite(value)) return {};
    if (value == 0) return "0";  // also a negative zero

    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, significant - 1);
    std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));  // "-d.dddde+XX"

    std::string out;
    if (sci.front() == '-') {
        out += '-';
        sci.remove_prefix(1);
    }
    const std::size_t ePos = sci.find('e');
    const int exponent = std::atoi(std::string(sci.substr(ePos + 1)).c_str());
    std::string digits;
    for (char c : sci.substr(0, ePos))
        if (c != '.') digits += c;
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const int count = static_cast<int>(digits.size());

    if (exponent >= significant || exponent < -4) {
        // Scientific form: 3E+31, 1.5E-05.
        out += digits[0];
        if (count > 1) {
            out += separator;
            out.append(digits, 1);
        }
        const int magnitude = std::abs(exponent);
        out += exponent < 0 ? "E-" : "E+";
        if (magnitude < 10) out += '0';
        out += std::to_string(magnitude);
    } else if (exponent >= 0) {
        if (count <= exponent + 1) {
            out += digits;
            out.append(static_cast<std::size_t>(exponent + 1 - count), '0');
        } else {
            out.append(digits, 0, static_cast<std::size_t>(exponent + 1));
            out += separator;
            out.append(digits, static_cast<std::size_t>(exponent + 1));
        }
    } else {
        out += '0';
        out += separator;
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
    }
    return out;
}

}  // namespace

std::string numberText(float value, std::string_view decimalSeparator)
{
    return formatNumber(value, 7, decimalSeparator);
}

std::string numberText(double value, std::string_view decimalSeparator)
{
    return formatNumber(value, 15, decimalSeparator);
}

std::optional<float> textToNumber(std::string_view text, std::string_view decimalSeparator)
{
    if (decimalSeparator.empty()) decimalSeparator = ".";

    std::string whole, fraction;
    bool separatorSeen = false;
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            (separatorSeen ? fraction : whole) += c;
            ++i;
        } else if (!separatorSeen && text.substr(i).starts_with(decimalSeparator)) {
            separatorSeen = true;
            i += decimalSeparator.size();
        } else {
            return std::nullopt;
        }
    }
    if (whole.empty() && fraction.empty()) return std::nullopt;

    const std::string plain = (whole.empty() ? "0" : whole) + (fraction.empty() ? "" : "." + fraction);
    float value = 0;
    const auto res = std::from_chars(plain.data(), plain.data() + plain.size(), value, std::chars_format::fixed);
    if (res.ec == std::errc::result_out_of_range) {
        // A fraction below the smallest float reads as 0; anything with a
        // non-zero whole part that is out of range lies beyond the float range.
        if (whole.find_first_not_of('0') == std::string::npos) return 0.0f;
        return std::nullopt;
    }
    if (res.ec != std::errc() || res.ptr != plain.data() + plain.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

}  // namespace calc::reference
