#include "round_trip.h"

#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

#include "calc/numbers.h"
#include "check.h"
#include "text_checks.h"

namespace fuzz {

void checkFloatRoundTrip(float value, std::string_view separator)
{
    const std::string text = calc::numberText(value, separator);
    const std::string context = "value " + std::to_string(value) + " written " + quoted(text);
    const std::optional<WrittenNumber> written = readWrittenNumber(text, separator);
    FUZZ_REQUIRE(written, "number text in neither the plain nor the E form: " + context);

    float back = 0;
    if (written->scientific) {
        // Text to number takes no exponent; the E form is read as written,
        // straight to the nearest float.
        back = std::strtof(written->cNotation.c_str(), nullptr);
    } else {
        // The plain form goes back through text to number itself; its "-"
        // is not part of the input syntax.
        const std::string_view unsigned_text = std::string_view(text).substr(text[0] == '-' ? 1 : 0);
        const std::optional<float> read = calc::textToNumber(unsigned_text, separator);
        FUZZ_REQUIRE(read, "text to number refuses what number text wrote: " + context);
        back = text[0] == '-' ? -*read : *read;
    }
    FUZZ_REQUIRE(back == value || (std::isnan(back) && std::isnan(value)),
                 "round trip changed the value: " + context + " read back as " + std::to_string(back));
}

}  // namespace fuzz
