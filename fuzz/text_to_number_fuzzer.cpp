// Text to number on any bytes. The first byte chooses the decimal separator
// ("," for a comma, "." for anything else); the rest is the field text.
//
// Invariants: a text is a number exactly when it is ASCII digits with at most
// one separator and at least one digit, and its value does not lie beyond the
// float range; the number is the nearest float to the text; and a number of at
// most 7 significant digits comes back unchanged through number text.
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

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const std::string separator = data[0] == ',' ? "," : ".";
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::string context = "text " + fuzz::quoted(text) + " separator " + fuzz::quoted(separator);

    const std::optional<float> value = calc::textToNumber(text, separator);
    const std::optional<fuzz::StrictNumber> syntax = fuzz::strictNumber(text, separator);
    if (!syntax) {
        FUZZ_REQUIRE(!value, "a text outside the strict syntax became a number: " + context);
        return 0;
    }

    const float nearest = std::strtof(syntax->cNotation().c_str(), nullptr);
    if (std::isinf(nearest)) {
        FUZZ_REQUIRE(!value, "a value beyond the float range became a number: " + context);
        return 0;
    }
    FUZZ_REQUIRE(value, "a number in the strict syntax was refused: " + context);
    FUZZ_REQUIRE(std::isfinite(*value) && *value >= 0, "not a finite value of at least 0: " + context);
    FUZZ_REQUIRE(std::memcmp(&*value, &nearest, sizeof nearest) == 0,
                 "not the nearest float: " + context + " gave " + std::to_string(*value) + ", nearest is "
                     + std::to_string(nearest));

    if (syntax->significantDigits() <= 7) fuzz::checkFloatRoundTrip(*value, separator);
    return 0;
}
