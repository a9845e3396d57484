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

std::string line(const char* prefix, float value, std::string_view separator, const char* suffix)
{
    return prefix + numberText(value, separator) + suffix;
}

}  // namespace calc::detail
