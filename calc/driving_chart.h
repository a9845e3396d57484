#pragma once
// The driving chart: the criterion of each chosen formula over a range of drop
// heights (and hammer weights). Every cell is one calculation of the formula's
// tab, through calculateTab, with the drop-height field (and, when hammers are
// given, the hammer-weight field) holding the row's text and every other field
// and box as the tab has them; it shows the numbers of that calculation's
// result lines, or a short marker when the calculation stops or warns.
//
// A formula whose calculation fails for a reason that does not depend on the
// row (a field left empty, a box pair unticked, a text that is not a number
// or a zero divisor in a field other than h and the given hammer) has no
// columns; its failure is told once.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/outcome.h"
#include "calc/tab_calculation.h"
#include "calc/tab_texts.h"
#include "calc/workable_heights.h"

namespace calc {

inline constexpr int kMaxChartRows = 1000;  // per hammer

enum class RangeProblem { FromNotANumber, ToNotANumber, StepNotANumber, StepNotPositive, FromAboveTo, TooManyRows };

struct HeightRows {
    std::vector<std::string> texts;  // the row texts, lowest first
    std::optional<RangeProblem> problem;
};

// h_i = FROM + i × STEP for i = 0, 1, 2, … while h_i ≤ TO + 1e-9 × STEP, in
// double; a row's text is the number text of h_i as a float (at most 7
// significant digits). FROM, TO and STEP must be numbers by the strict rule
// (their decimal value is then read in double), STEP > 0, FROM ≤ TO, and
// the rows at most kMaxChartRows.
HeightRows heightRows(std::string_view from, std::string_view to, std::string_view step,
                      std::string_view decimalSeparator);

// The window's words for a range that gives no rows.
const char* rangeProblemText(RangeProblem problem);

struct ChartCell {
    std::string W;  // the hammer-weight text the calculation read
    OutcomeKind kind = OutcomeKind::Ok;
    std::optional<std::string> message;
    // The numbers of the S, ten-blow and blow-count lines, when the
    // calculation ended without a message; empty otherwise.
    std::string S;
    std::string set10;
    std::string blows30;
    float set10Value = 0;  // the values those texts were written from
    float blows30Value = 0;

    bool hasNumbers() const { return kind == OutcomeKind::Ok; }
};

struct ChartColumn {
    Formula formula = Formula::EngineeringNews;
    bool hasColumns = true;
    // Why not, when it has none: the calculation's outcome and message.
    OutcomeKind kind = OutcomeKind::Ok;
    std::optional<std::string> message;
    // The workable drop heights with each hammer block's W, when it has columns.
    std::vector<WorkableRange> workable;
};

struct ChartRow {
    std::string h;
    std::optional<std::string> hammer;  // the given hammer weight of the row's block
    std::vector<ChartCell> cells;       // by column; a default cell where the column has none
    std::optional<std::size_t> governing;  // the column with the most blows per 30 cm
};

// With no heights the chart has no rows: its columns then tell only the
// workable drop heights, or why a formula has none.
struct DrivingChart {
    std::string decimalSeparator = ".";
    std::vector<std::string> heights;
    std::vector<std::string> hammers;  // empty: each formula's own hammer weight
    std::vector<ChartColumn> columns;
    std::vector<ChartRow> rows;  // each hammer's block of heights in turn

    bool anyColumns() const;
};

struct ChartRequest {
    std::vector<TabInputs> tabs;       // the chosen formulas as their tabs stand, in order
    std::vector<std::string> heights;  // row texts
    std::vector<std::string> hammers;  // texts for the hammer-weight field, or none
    // Without them the columns have no `workable`; the cells, the markers and
    // the columns a refusal takes away stay the same.
    bool workableHeights = true;
};

DrivingChart buildDrivingChart(const ChartRequest& request);

// "ยกสูงเกิน", "ติดลบ", "ศูนย์", "เกินขอบเขต", "ตรวจสอบข้อมูล"; empty for Ok.
const char* markerText(OutcomeKind kind);

// The table as texts: a header and a row of cells per chart row (drop
// height, the hammer when given, then per formula with columns the ten-blow
// set and the blows per 30 cm or the marker, then the governing blows and
// formula). `numberSeparator` replaces the chart's decimal separator in the
// numbers ("." for CSV).
struct ChartTableTexts {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
};
ChartTableTexts chartTableTexts(const DrivingChart& chart, std::string_view numberSeparator);

// The table as CSV: UTF-8 with a byte-order mark, commas, "." in numbers,
// one header row, CRLF line ends.
std::string chartCsv(const DrivingChart& chart);

// A line per formula without columns: the tab's caption, ": " and its message.
std::vector<std::string> failureLines(const DrivingChart& chart);

// A line per formula with columns and hammer block: its workable drop heights.
std::vector<std::string> workableLines(const DrivingChart& chart);

}  // namespace calc
