#pragma once
// Order statistics of a sample.
#include <algorithm>
#include <vector>

namespace bench {

// The q-quantile (0 ≤ q ≤ 1) by linear interpolation; 0 for no values.
inline double quantile(std::vector<double> values, double q)
{
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const double position = q * static_cast<double>(values.size() - 1);
    const auto below = static_cast<std::size_t>(position);
    const std::size_t above = std::min(below + 1, values.size() - 1);
    return values[below] + (values[above] - values[below]) * (position - static_cast<double>(below));
}

inline double median(const std::vector<double>& values) { return quantile(values, 0.5); }

}  // namespace bench
