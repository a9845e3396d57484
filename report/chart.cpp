#include "report/chart.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace report {

std::vector<std::vector<ChartPoint>> unbrokenRuns(const Series& series)
{
    std::vector<std::vector<ChartPoint>> runs;
    bool open = false;
    for (const std::optional<ChartPoint>& point : series.points) {
        if (!point) {
            open = false;
            continue;
        }
        if (!open) runs.emplace_back();
        open = true;
        runs.back().push_back(*point);
    }
    return runs;
}

AxisRange axisRange(const Chart& chart, bool horizontal)
{
    const Axis& axis = horizontal ? chart.x : chart.y;
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    for (const Series& series : chart.series)
        for (const std::optional<ChartPoint>& point : series.points) {
            if (!point) continue;
            const double v = horizontal ? point->x : point->y;
            if (!std::isfinite(v)) continue;
            low = std::min(low, v);
            high = std::max(high, v);
        }
    if (low > high) {
        low = 0;
        high = 1;
    }
    // Values leave a little room at both ends, except at 0 for the y axis.
    const double margin = high > low ? (high - low) * 0.05 : std::max(1.0, std::abs(high) * 0.05);
    AxisRange range{low - margin, high + margin};
    if (!horizontal && low >= 0 && range.min < 0) range.min = 0;
    if (axis.min) range.min = *axis.min;
    if (axis.max) range.max = *axis.max;
    if (!(range.max > range.min)) range.max = range.min + 1;
    return range;
}

}  // namespace report
