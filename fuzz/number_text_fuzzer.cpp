// Number text on any float or double. The first byte chooses the separator
// (bit 0: "," instead of ".") and the width (bit 1: a double); the next four or
// eight bytes are the value's bits.
//
// Invariants: a value that is not finite gives the empty text; any other is
// written in plain decimal notation or the E form, never with "inf" or "nan",
// with at most 7 (15) significant digits, the E form exactly for the
// magnitudes that plain notation cannot show; the text is the value rounded to
// those digits; and what it writes comes back unchanged through the reading
// side (text to number for the plain form).
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "calc/numbers.h"
#include "check.h"
#include "round_trip.h"
#include "text_checks.h"

namespace {

template <typename T>
void check(T value, const std::string& separator)
{
    constexpr int significant = sizeof(T) == sizeof(float) ? 7 : 15;
    const std::string text = calc::numberText(value, separator);
    const std::string context = "value " + std::to_string(static_cast<double>(value)) + " ("
                                + (sizeof(T) == sizeof(float) ? "float" : "double") + ") written "
                                + fuzz::quoted(text);
    if (!std::isfinite(value)) {
        FUZZ_REQUIRE(text.empty(), "a value that is not finite was written: " + context);
        return;
    }
    FUZZ_REQUIRE(!fuzz::mentionsInfOrNan(text), context);
    const std::optional<fuzz::WrittenNumber> written = fuzz::readWrittenNumber(text, separator);
    FUZZ_REQUIRE(written, "neither plain notation nor the E form: " + context);
    FUZZ_REQUIRE(written->significantDigits <= significant, "too many significant digits: " + context);
    FUZZ_REQUIRE((text[0] == '-') == (value < 0 && written->value != 0), "wrong sign: " + context);

    const long double magnitude = std::fabs(written->value);
    if (written->scientific)
        FUZZ_REQUIRE(written->exponent >= significant || written->exponent < -4,
                     "E form for a value that plain notation shows: " + context);
    else
        FUZZ_REQUIRE(magnitude < std::pow(10.0L, significant) && (magnitude == 0 || magnitude >= 1e-4L),
                     "plain notation beyond its range: " + context);

    // The text is the value rounded to its significant digits.
    FUZZ_REQUIRE(fuzz::roundsTo(written->value, static_cast<double>(value), significant),
                 "not the value rounded: " + context);
    if (value == 0) FUZZ_REQUIRE(text == "0", "zero is written 0: " + context);

    // What was written comes back unchanged through the reading side.
    if constexpr (sizeof(T) == sizeof(float)) {
        const float shown = std::strtof(written->cNotation.c_str(), nullptr);
        fuzz::checkFloatRoundTrip(shown, separator);
        if (!written->scientific) {
            const std::string_view digits = std::string_view(text).substr(text[0] == '-' ? 1 : 0);
            const std::optional<float> read = calc::textToNumber(digits, separator);
            FUZZ_REQUIRE(read && *read == std::fabs(shown), "text to number reads it otherwise: " + context);
        }
    } else {
        const double shown = std::strtod(written->cNotation.c_str(), nullptr);
        if (!std::isfinite(shown)) return;  // the largest doubles round up beyond the range
        const std::string again = calc::numberText(shown, separator);
        const std::optional<fuzz::WrittenNumber> reread = fuzz::readWrittenNumber(again, separator);
        FUZZ_REQUIRE(reread && std::strtod(reread->cNotation.c_str(), nullptr) == shown,
                     "15 digits do not come back: " + context + " then " + fuzz::quoted(again));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const std::string separator = (data[0] & 1) ? "," : ".";
    unsigned char bits[8] = {};
    std::memcpy(bits, data + 1, std::min<std::size_t>(size - 1, sizeof bits));
    if (data[0] & 2) {
        double value;
        std::memcpy(&value, bits, sizeof value);
        check(value, separator);
    } else {
        float value;
        std::memcpy(&value, bits, sizeof value);
        check(value, separator);
    }
    return 0;
}
