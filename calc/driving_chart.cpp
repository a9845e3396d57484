#include "calc/driving_chart.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <functional>
#include <future>

#include "calc/csv.h"
#include "calc/formula_names.h"
#include "calc/numbers.h"
#include "calc/result_texts.h"

namespace calc {

namespace {

// The decimal value of a text that is a number by the strict rule.
std::optional<double> decimalValue(std::string_view text, std::string_view separator)
{
    if (!textToNumber(text, separator)) return std::nullopt;
    std::string plain(text);
    if (const std::size_t at = plain.find(separator); !separator.empty() && at != std::string::npos)
        plain.replace(at, separator.size(), ".");
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size()) return std::nullopt;
    return value;
}

// The number a result line writes between its prefix and its suffix: the
// prefixes end in blanks and a number text has none.
std::string numberOfLine(const std::string& line, std::string_view suffix)
{
    std::string_view body(line);
    if (body.ends_with(suffix)) body.remove_suffix(suffix.size());
    const std::size_t blank = body.rfind(' ');
    return std::string(blank == std::string_view::npos ? body : body.substr(blank + 1));
}

// A failure that no row's texts can cause or mend; `wField` is -1 when the
// rows leave the hammer weight alone.
bool rowIndependent(const TabOutcome& outcome, int hField, int wField)
{
    switch (outcome.kind) {
    case OutcomeKind::Incomplete: return true;
    case OutcomeKind::NotANumber:
    case OutcomeKind::NotPositive:
        return !(outcome.focus && (*outcome.focus == hField || *outcome.focus == wField));
    default: return false;
    }
}

ChartCell cellOf(const TabOutcome& outcome, const std::string& W)
{
    ChartCell cell;
    cell.W = W;
    cell.kind = outcome.kind;
    cell.message = outcome.message;
    if (outcome.kind != OutcomeKind::Ok || !outcome.S || !outcome.results || outcome.results->size() < 3)
        return cell;
    const std::vector<std::string>& lines = *outcome.results;
    const std::size_t n = lines.size();
    cell.S = numberOfLine(lines[n - 3], texts::kCmSuffix);
    cell.set10 = numberOfLine(lines[n - 2], texts::kCmSuffix);
    cell.blows30 = numberOfLine(lines[n - 1], texts::kBlowsSuffix);
    // As the tab rounds them for those lines.
    const float S = *outcome.S;
    cell.set10Value = roundHalfEven(static_cast<float>(10.0 * S), 2);
    cell.blows30Value = roundHalfEven(static_cast<float>(30.0 / S), 0);
    return cell;
}

}  // namespace

HeightRows heightRows(std::string_view fromText, std::string_view toText, std::string_view stepText,
                      std::string_view separator)
{
    HeightRows rows;
    const std::optional<double> from = decimalValue(fromText, separator);
    const std::optional<double> to = decimalValue(toText, separator);
    const std::optional<double> step = decimalValue(stepText, separator);
    if (!from) rows.problem = RangeProblem::FromNotANumber;
    else if (!to) rows.problem = RangeProblem::ToNotANumber;
    else if (!step) rows.problem = RangeProblem::StepNotANumber;
    else if (!(*step > 0)) rows.problem = RangeProblem::StepNotPositive;
    else if (*from > *to) rows.problem = RangeProblem::FromAboveTo;
    if (rows.problem) return rows;

    const double last = *to + 1e-9 * *step;
    for (int i = 0;; ++i) {
        const double h = *from + i * *step;
        if (!(h <= last)) break;
        if (i == kMaxChartRows) {
            rows.texts.clear();
            rows.problem = RangeProblem::TooManyRows;
            break;
        }
        rows.texts.push_back(numberText(static_cast<float>(h), separator));
    }
    return rows;
}

const char* rangeProblemText(RangeProblem problem)
{
    switch (problem) {
    case RangeProblem::FromNotANumber: return "ระยะยกเริ่มต้นต้องเป็นตัวเลข";
    case RangeProblem::ToNotANumber: return "ระยะยกสุดท้ายต้องเป็นตัวเลข";
    case RangeProblem::StepNotANumber: return "ช่วงห่างต้องเป็นตัวเลข";
    case RangeProblem::StepNotPositive: return "ช่วงห่างต้องมากกว่าศูนย์";
    case RangeProblem::FromAboveTo: return "ระยะยกเริ่มต้นต้องไม่มากกว่าระยะยกสุดท้าย";
    case RangeProblem::TooManyRows: return "ได้เกิน 1000 แถว กรุณาเพิ่มช่วงห่างหรือลดช่วงระยะยก";
    }
    return "";
}

bool DrivingChart::anyColumns() const
{
    for (const ChartColumn& column : columns)
        if (column.hasColumns) return true;
    return false;
}

namespace {

// One formula's cells, a row each, or its column without cells when a row
// fails for a reason no row mends.
struct FormulaCells {
    ChartColumn column;
    std::vector<ChartCell> cells;
};

FormulaCells formulaCells(const TabInputs& tab, const std::vector<ChartRow>& rows,
                          const std::vector<std::optional<std::string>>& blocks, bool workableHeights)
{
    const FormulaInfo& info = formulaInfo(tab.formula);
    const int hField = *fieldIndex(info, "h");
    const int wField = *fieldIndex(info, "W");
    const bool hammersGiven = blocks.front().has_value();
    const int rowW = hammersGiven ? wField : -1;

    FormulaCells out{{tab.formula, true, OutcomeKind::Ok, std::nullopt, {}}, {}};
    // The workable heights first: a refusal there that no row mends takes the
    // columns away before any row is calculated.
    for (const std::optional<std::string>& hammer : blocks) {
        WorkableRange range;
        if (workableHeights) range = workableRange(tab, hammer);
        else range.refusal = workableRefusal(tab, hammer);
        if (range.refusal && rowIndependent(*range.refusal, hField, rowW)) {
            out.column = {tab.formula, false, range.refusal->kind, std::move(range.refusal->message), {}};
            return out;
        }
        if (workableHeights) out.column.workable.push_back(std::move(range));
    }

    TabInputs inputs = tab;
    inputs.texts.resize(std::max(inputs.texts.size(), tabTexts(tab.formula).fieldLabels.size()));
    out.cells.reserve(rows.size());
    for (const ChartRow& row : rows) {
        inputs.texts[static_cast<std::size_t>(hField)] = row.h;
        if (row.hammer) inputs.texts[static_cast<std::size_t>(wField)] = *row.hammer;
        TabOutcome outcome = calculateTab(inputs);
        if (rowIndependent(outcome, hField, rowW)) {
            out.column = {tab.formula, false, outcome.kind, std::move(outcome.message), {}};
            out.cells.clear();
            break;
        }
        out.cells.push_back(cellOf(outcome, inputs.texts[static_cast<std::size_t>(wField)]));
    }
    return out;
}

// Tables of this many calculations or more are worked out a formula to a thread.
constexpr std::size_t kParallelCells = 1000;

}  // namespace

DrivingChart buildDrivingChart(const ChartRequest& request)
{
    DrivingChart chart;
    chart.heights = request.heights;
    chart.hammers = request.hammers;
    if (!request.tabs.empty()) chart.decimalSeparator = request.tabs.front().decimalSeparator;

    const std::vector<std::optional<std::string>> blocks =
        request.hammers.empty() ? std::vector<std::optional<std::string>>{std::nullopt}
                                : std::vector<std::optional<std::string>>(request.hammers.begin(), request.hammers.end());
    chart.rows.reserve(blocks.size() * request.heights.size());
    for (const std::optional<std::string>& hammer : blocks)
        for (const std::string& h : request.heights) {
            chart.rows.push_back({h, hammer, {}, std::nullopt});
            chart.rows.back().cells.reserve(request.tabs.size());
        }

    // The formulas are independent of one another: large tables take one
    // thread each, the calculators keeping no state between calls.
    std::vector<FormulaCells> formulas;
    if (chart.rows.size() * request.tabs.size() >= kParallelCells && request.tabs.size() > 1) {
        // The calling thread works out the last formula itself rather than wait.
        std::vector<std::future<FormulaCells>> pending;
        for (std::size_t t = 0; t + 1 < request.tabs.size(); ++t)
            pending.push_back(std::async(std::launch::async, formulaCells, std::cref(request.tabs[t]),
                                         std::cref(chart.rows), std::cref(blocks), request.workableHeights));
        FormulaCells last = formulaCells(request.tabs.back(), chart.rows, blocks, request.workableHeights);
        for (std::future<FormulaCells>& result : pending) formulas.push_back(result.get());
        formulas.push_back(std::move(last));
    } else {
        for (const TabInputs& tab : request.tabs)
            formulas.push_back(formulaCells(tab, chart.rows, blocks, request.workableHeights));
    }

    for (FormulaCells& formula : formulas) {
        const std::size_t index = chart.columns.size();
        const bool hasColumns = formula.column.hasColumns;
        chart.columns.push_back(std::move(formula.column));
        for (std::size_t r = 0; r < chart.rows.size(); ++r) {
            ChartRow& row = chart.rows[r];
            row.cells.push_back(hasColumns ? std::move(formula.cells[r]) : ChartCell{});
            const ChartCell& cell = row.cells.back();
            if (!cell.hasNumbers() || !hasColumns) continue;
            if (!row.governing || cell.blows30Value > row.cells[*row.governing].blows30Value) row.governing = index;
        }
    }
    return chart;
}

const char* markerText(OutcomeKind kind)
{
    switch (kind) {
    case OutcomeKind::Ok: return "";
    case OutcomeKind::DropTooHigh: return "ยกสูงเกิน";
    case OutcomeKind::Negative: return "ติดลบ";
    case OutcomeKind::ZeroSet: return "ศูนย์";
    case OutcomeKind::OutOfRange: return "เกินขอบเขต";
    default: return "ตรวจสอบข้อมูล";
    }
}

ChartTableTexts chartTableTexts(const DrivingChart& chart, std::string_view numberSeparator)
{
    ChartTableTexts table;
    table.header.push_back("ระยะยก h (ซม.)");
    if (!chart.hammers.empty()) table.header.push_back("น้ำหนักลูกตุ้ม W (ตัน)");
    for (const ChartColumn& column : chart.columns) {
        if (!column.hasColumns) continue;
        const std::string name = shortFormulaName(column.formula);
        table.header.push_back(name + " 10 ครั้ง (ซม.)");
        table.header.push_back(name + " ครั้ง/30 ซม.");
    }
    table.header.push_back("เกณฑ์ ครั้ง/30 ซม.");
    table.header.push_back("สูตรที่กำหนด");

    const auto number = [&](const std::string& text) { return replaceAll(text, chart.decimalSeparator, numberSeparator); };
    for (const ChartRow& row : chart.rows) {
        std::vector<std::string> cells{number(row.h)};
        if (row.hammer) cells.push_back(number(*row.hammer));
        for (std::size_t c = 0; c < chart.columns.size(); ++c) {
            if (!chart.columns[c].hasColumns) continue;
            const ChartCell& cell = row.cells[c];
            if (cell.hasNumbers()) {
                cells.push_back(number(cell.set10));
                cells.push_back(number(cell.blows30));
            } else {
                cells.push_back(markerText(cell.kind));
                cells.push_back(markerText(cell.kind));
            }
        }
        if (row.governing) {
            cells.push_back(number(row.cells[*row.governing].blows30));
            cells.push_back(shortFormulaName(chart.columns[*row.governing].formula));
        } else {
            cells.push_back("-");
            cells.push_back("-");
        }
        table.rows.push_back(std::move(cells));
    }
    return table;
}

std::string chartCsv(const DrivingChart& chart)
{
    const ChartTableTexts table = chartTableTexts(chart, ".");
    std::string out(kUtf8ByteOrderMark);
    out += csvRow(table.header);
    for (const std::vector<std::string>& row : table.rows) out += csvRow(row);
    return out;
}

std::vector<std::string> failureLines(const DrivingChart& chart)
{
    std::vector<std::string> lines;
    for (const ChartColumn& column : chart.columns)
        if (!column.hasColumns)
            lines.push_back(std::string(tabTexts(column.formula).caption) + ": " + column.message.value_or(""));
    return lines;
}

}  // namespace calc

namespace calc {

std::vector<std::string> workableLines(const DrivingChart& chart)
{
    std::vector<std::string> lines;
    for (const ChartColumn& column : chart.columns)
        for (const WorkableRange& range : column.workable) lines.push_back(workableLine(column.formula, range));
    return lines;
}

}  // namespace calc
