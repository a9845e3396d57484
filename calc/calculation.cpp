#include "calc/calculation.h"

namespace calc::detail {

bool narrowInto(float& slot, double value)
{
    const float narrowed = static_cast<float>(value);
    if (!std::isfinite(narrowed)) return false;
    slot = narrowed;
    return true;
}

std::optional<std::string> dropTooHigh(float h, double hmax, std::string_view separator)
{
    const float limit = static_cast<float>(hmax);
    if (h > limit && h > 10) return messages::dropTooHigh(hmax, separator);
    return std::nullopt;
}

std::string line(std::string_view prefix, float value, std::string_view separator, std::string_view suffix)
{
    // One allocation: a number text is at most 12 characters and a separator.
    std::string out;
    out.reserve(prefix.size() + 12 + separator.size() + suffix.size());
    out += prefix;
    appendNumberText(out, value, separator);
    out += suffix;
    return out;
}

}  // namespace calc::detail
