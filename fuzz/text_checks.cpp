#include "text_checks.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace fuzz {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int countSignificant(const std::string& digits)
{
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) return 0;
    const std::size_t last = digits.find_last_not_of('0');
    return static_cast<int>(last - first + 1);
}

// Digits from `pos` on; true when at least one was read.
bool readDigits(std::string_view text, std::size_t& pos, std::string& out)
{
    const std::size_t start = pos;
    while (pos < text.size() && isDigit(text[pos])) out += text[pos++];
    return pos > start;
}

}  // namespace

bool isValidUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int length = 0;
        std::uint32_t code = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            code = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            code = lead & 0x0Fu;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            code = lead & 0x07u;
        } else {
            return false;
        }
        if (i + static_cast<std::size_t>(length) > text.size()) return false;
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0u) != 0x80u) return false;
            code = (code << 6) | (next & 0x3Fu);
        }
        if ((length == 3 && code < 0x800) || (length == 4 && (code < 0x10000 || code > 0x10FFFF))) return false;
        if (code >= 0xD800 && code <= 0xDFFF) return false;
        i += static_cast<std::size_t>(length);
    }
    return true;
}

bool mentionsInfOrNan(std::string_view text)
{
    for (std::size_t i = 0; i + 3 <= text.size(); ++i) {
        const char a = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
        const char b = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i + 1])));
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i + 2])));
        if ((a == 'i' && b == 'n' && c == 'f') || (a == 'n' && b == 'a' && c == 'n')) return true;
    }
    return false;
}

std::string StrictNumber::cNotation() const
{
    return (whole.empty() ? "0" : whole) + "." + (fraction.empty() ? "0" : fraction);
}

int StrictNumber::significantDigits() const
{
    return countSignificant(whole + fraction);
}

std::optional<StrictNumber> strictNumber(std::string_view text, std::string_view separator)
{
    StrictNumber n;
    std::size_t pos = 0;
    readDigits(text, pos, n.whole);
    if (pos < text.size()) {
        if (separator.empty() || text.substr(pos, separator.size()) != separator) return std::nullopt;
        pos += separator.size();
        readDigits(text, pos, n.fraction);
    }
    if (pos != text.size() || (n.whole.empty() && n.fraction.empty())) return std::nullopt;
    return n;
}

std::optional<WrittenNumber> readWrittenNumber(std::string_view text, std::string_view separator)
{
    WrittenNumber n;
    std::size_t pos = 0;
    std::string c;  // the same number for strtod
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) {
        c += '-';
        ++pos;
    }
    std::string whole, fraction;
    if (!readDigits(text, pos, whole)) return std::nullopt;
    if (whole.size() > 1 && whole[0] == '0') return std::nullopt;  // no leading zero
    if (pos < text.size() && !separator.empty() && text.substr(pos, separator.size()) == separator) {
        pos += separator.size();
        if (!readDigits(text, pos, fraction) || fraction.back() == '0') return std::nullopt;
    }
    c += whole + "." + (fraction.empty() ? "0" : fraction);

    if (pos < text.size() && text[pos] == 'E') {
        // E form: one non-zero digit before the separator, a signed exponent
        // of at least two digits.
        ++pos;
        if (whole.size() != 1 || whole[0] == '0' || pos >= text.size()) return std::nullopt;
        const char sign = text[pos++];
        if (sign != '+' && sign != '-') return std::nullopt;
        std::string exponent;
        if (!readDigits(text, pos, exponent) || exponent.size() < 2) return std::nullopt;
        if (exponent.size() > 2 && exponent[0] == '0') return std::nullopt;
        if (exponent.size() > 4) return std::nullopt;
        n.scientific = true;
        n.exponent = std::atoi(exponent.c_str()) * (sign == '-' ? -1 : 1);
        c += "e" + std::to_string(n.exponent);
    }
    if (pos != text.size()) return std::nullopt;
    n.significantDigits = countSignificant(whole + fraction);
    if (negative && n.significantDigits == 0) return std::nullopt;  // "-0"
    n.cNotation = c;
    n.value = std::strtold(c.c_str(), nullptr);
    return n;
}

bool roundsTo(long double written, double value, int significant)
{
    if (value == 0) return written == 0;
    const long double magnitude = std::fabs(static_cast<long double>(value));
    int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
    if (magnitude >= std::pow(10.0L, exponent + 1)) ++exponent;
    if (magnitude < std::pow(10.0L, exponent)) --exponent;
    const long double halfUnit = 0.5L * std::pow(10.0L, exponent - (significant - 1));
    // The written text read back carries half a unit of its own last bit.
    return std::fabs(written - value) <= halfUnit + magnitude * 0x1p-60L;
}

std::vector<std::string> semicolonList(std::string_view text)
{
    std::vector<std::string> items;
    if (text.empty()) return items;
    for (std::size_t semi; (semi = text.find(';')) != std::string_view::npos; text.remove_prefix(semi + 1))
        items.emplace_back(text.substr(0, semi));
    items.emplace_back(text);
    return items;
}

}  // namespace fuzz
