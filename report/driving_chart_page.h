#pragma once
// The driving chart on paper: a title, the inputs of each chosen formula's
// tab, the lines of formulas without columns, the chart, the workable drop
// heights of each formula and hammer, and the table.
// Up to 100 rows fit the first page below the chart, in two blocks side by
// side set at 7 points; further rows go on further pages, two blocks of
// up to 98 rows each.
#include <vector>

#include "calc/driving_chart.h"
#include "report/chart.h"
#include "report/page.h"

namespace report {

// The chart of the allowed ten-blow set against the drop height: a series
// per formula with columns (and per hammer), a gap at every row with a marker,
// and a bar in the series' colour over its workable drop heights. The drop
// heights' axis reaches a little beyond the first and last rows.
Chart drivingChartPicture(const calc::DrivingChart& chart);

std::vector<Page> drivingChartPages(const calc::ChartRequest& request, const calc::DrivingChart& chart);

// The lines that tell a formula's inputs, one or two a formula: its caption
// and pile, then its fields other than those the rows set.
std::vector<std::string> inputLines(const calc::TabInputs& tab, bool hammersGiven);

inline constexpr int kChartTableRowPitch = 150;  // twips
inline constexpr int kChartTableFontSize = 7;    // points

}  // namespace report
