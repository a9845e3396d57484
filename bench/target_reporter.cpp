#include "bench/target_reporter.h"

#include <algorithm>

#include "bench/table_row.h"

namespace bench {

namespace {

struct Target {
    const char* family;
    double limitSeconds;
    double unitSeconds;
    const char* unit;
    int decimals;
};

constexpr Target kTargets[] = {
    {"calculate/", 1e-6, 1e-9, "ns", 0},
    {"buildPage/", 50e-6, 1e-6, "µs", 2},
    {"paintToPdf/", 50e-3, 1e-3, "ms", 2},
    {"drivingChart/", 2e-3, 1e-3, "ms", 2},
    {"chartWindowUpdate/", 16e-3, 1e-3, "ms", 2},
    {"chartPdf/", 100e-3, 1e-3, "ms", 2},
    {"recordsRecheck/", 50e-3, 1e-3, "ms", 2},
    {"recordsOpen/", 1.0, 1e-3, "ms", 1},
    {"recordEdit/", 16e-3, 1e-3, "ms", 2},
    {"recordsPdf/summary", 2.0, 1.0, "s", 2},
    {"recordsPdf/sheets", 20.0, 1.0, "s", 2},
};

const Target* targetOf(const std::string& name)
{
    for (const Target& t : kTargets)
        if (name.rfind(t.family, 0) == 0) return &t;
    return nullptr;
}

}  // namespace

void TargetReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred) continue;
        const bool isMedian = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (run.run_type == Run::RT_Aggregate && !isMedian) continue;
        const std::string name = run.run_name.function_name;
        if (median_[name] && !isMedian) continue;
        if (std::find(order_.begin(), order_.end(), name) == order_.end()) order_.push_back(name);
        seconds_[name] = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        median_[name] = isMedian;
    }
}

std::vector<std::string> TargetReporter::rows() const
{
    std::vector<std::string> rows;
    for (const std::string& name : order_) {
        const Target* target = targetOf(name);
        if (!target) continue;
        const double seconds = seconds_.at(name);
        const std::string measured = fixed(seconds / target->unitSeconds, target->decimals) + " " + target->unit +
                                     (median_.at(name) ? " (median)" : " (one run)");
        const std::string limit =
            "< " + fixed(target->limitSeconds / target->unitSeconds, 0) + " " + target->unit;
        rows.push_back(tableRow(name, measured, limit, seconds < target->limitSeconds));
    }
    return rows;
}

}  // namespace bench
