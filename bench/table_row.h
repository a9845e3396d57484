#pragma once
// One row of the performance table that scripts/perf.sh prints, in Markdown:
// | figure | measured | target | met |
#include <cstdio>
#include <string>

namespace bench {

inline std::string tableRow(const std::string& figure, const std::string& measured, const std::string& target,
                            const std::string& met)
{
    return "| " + figure + " | " + measured + " | " + target + " | " + met + " |";
}

inline std::string tableRow(const std::string& figure, const std::string& measured, const std::string& target,
                            bool met)
{
    return tableRow(figure, measured, target, std::string(met ? "yes" : "**no**"));
}

// `value` with `decimals` decimals.
inline std::string fixed(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

}  // namespace bench
