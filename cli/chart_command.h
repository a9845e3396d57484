#pragma once
// The driving chart on the command line: one formula with --heights, or
// "chart" with the formulas of a pile file side by side. Plain output is the
// table as aligned text, --json one object, --csv the table as CSV; --pdf
// FILE writes the printed pages.
#include <string>
#include <string_view>
#include <variant>

#include <nlohmann/json.hpp>

#include "calc/driving_chart.h"
#include "cli/arguments.h"

namespace cli {

inline constexpr const char* kDefaultHeights = "50:150:10";

// The chart's request from the command line (for one formula, after --file
// has filled it), or the usage error that names the bad argument. A pile
// file that cannot be read is told in `fileProblem`, with no request.
struct ChartSetUp {
    calc::ChartRequest request;
    std::optional<UsageError> usage;
    std::optional<std::string> fileProblem;
};
ChartSetUp chartSetUp(const Request& request, std::string_view decimalSeparator);

// --workable without --heights (or "chart"): the workable drop heights of
// the tab alone, through a chart without rows.
bool workableOnly(const Request& request);

// {NAME: [{"W", "from", "to"}]} for the formulas with columns, a range per
// hammer block; "from" (and "to") null where there is none.
nlohmann::ordered_json workableJson(const calc::DrivingChart& chart);

// {"heights": [...], "formulas": {NAME: {"outcome", "message", "rows": [...]}},
//  "governing": [{"h", "W", "formula", "blows30"}], "workable": {...}}, on one line.
std::string chartJson(const calc::DrivingChart& chart);

// The table as text in aligned columns, then the workable drop heights,
// then a line for each formula without columns.
std::string chartPlainText(const calc::DrivingChart& chart);

// 0 when a table came out, 1 when no formula could be calculated.
int chartExitStatus(const calc::DrivingChart& chart);
// 0 when some hammer has a workable range, 1 otherwise.
int workableExitStatus(const calc::DrivingChart& chart);

// Runs it all: output on stdout, problems on stderr; the exit status.
int runChart(const Request& request, std::string_view decimalSeparator);

}  // namespace cli
