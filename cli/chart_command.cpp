#include "cli/chart_command.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

#include <nlohmann/json.hpp>

#include "calc/formula_names.h"
#include "calc/numbers.h"
#include "calc/pile_file.h"
#include "cli/calculation.h"
#include "cli/pdf_report.h"
#include "cli/text_width.h"
#include "cli/pile_input.h"
#include "report/driving_chart_page.h"

namespace cli {

namespace {

using nlohmann::ordered_json;

UsageError usage(std::string text) { return UsageError{std::move(text)}; }

std::string inQuotes(std::string_view text) { return "'" + std::string(text) + "'"; }

ordered_json textOrNull(const std::string& text) { return text.empty() ? ordered_json() : ordered_json(text); }
ordered_json textOrNull(const std::optional<std::string>& text) { return text ? ordered_json(*text) : ordered_json(); }

std::optional<UsageError> rangeProblem(calc::RangeProblem problem, const std::string& heights)
{
    const std::string where = "'--heights' " + inQuotes(heights) + ": ";
    switch (problem) {
    case calc::RangeProblem::FromNotANumber: return usage(where + "FROM is not a number");
    case calc::RangeProblem::ToNotANumber: return usage(where + "TO is not a number");
    case calc::RangeProblem::StepNotANumber: return usage(where + "STEP is not a number");
    case calc::RangeProblem::StepNotPositive: return usage(where + "STEP must be above 0");
    case calc::RangeProblem::FromAboveTo: return usage(where + "FROM is above TO");
    case calc::RangeProblem::TooManyRows:
        return usage(where + "more than " + std::to_string(calc::kMaxChartRows) + " rows");
    }
    return std::nullopt;
}

std::optional<UsageError> chosenFormulas(const Request& request, std::vector<calc::Formula>& formulas)
{
    if (!request.formulaList) {
        for (const calc::FormulaInfo& info : calc::formulas()) formulas.push_back(info.formula);
        return std::nullopt;
    }
    std::string_view list = *request.formulaList;
    while (true) {
        const std::size_t comma = list.find(',');
        const std::string_view name = list.substr(0, comma);
        const calc::FormulaInfo* info = calc::findFormula(name);
        if (!info) return usage("'--formulas': unknown formula " + inQuotes(name));
        if (std::ranges::find(formulas, info->formula) != formulas.end())
            return usage("'--formulas': " + inQuotes(name) + " given twice");
        formulas.push_back(info->formula);
        if (comma == std::string_view::npos) break;
        list.remove_prefix(comma + 1);
    }
    return std::nullopt;
}

// The workable heights alone: the tab and the hammers, no rows.
ChartSetUp workableSetUp(const Request& request, std::string_view separator)
{
    ChartSetUp setUp;
    for (const std::string& hammer : request.hammers)
        if (!calc::textToNumber(hammer, separator)) {
            setUp.usage = usage("'--hammer' " + inQuotes(hammer) + " is not a number");
            return setUp;
        }
    setUp.request.hammers = request.hammers;
    setUp.request.tabs.push_back(tabInputs(request, separator));
    return setUp;
}

}  // namespace

bool workableOnly(const Request& request) { return request.workable && !request.chart && !request.heights; }

ChartSetUp chartSetUp(const Request& request, std::string_view separator)
{
    ChartSetUp setUp;
    if (workableOnly(request)) return workableSetUp(request, separator);
    const std::string heights = request.heights.value_or(kDefaultHeights);
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t colon = heights.find(':', start);
        parts.push_back(std::string_view(heights).substr(start, colon - start));
        if (colon == std::string::npos) break;
        start = colon + 1;
    }
    if (parts.size() != 3) {
        setUp.usage = usage("'--heights' " + inQuotes(heights) + " is not FROM:TO:STEP");
        return setUp;
    }
    const calc::HeightRows rows = calc::heightRows(parts[0], parts[1], parts[2], separator);
    if (rows.problem) {
        setUp.usage = rangeProblem(*rows.problem, heights);
        return setUp;
    }
    for (const std::string& hammer : request.hammers)
        if (!calc::textToNumber(hammer, separator)) {
            setUp.usage = usage("'--hammer' " + inQuotes(hammer) + " is not a number");
            return setUp;
        }
    setUp.request.heights = rows.texts;
    setUp.request.hammers = request.hammers;

    if (!request.chart) {
        setUp.request.tabs.push_back(tabInputs(request, separator));
        return setUp;
    }
    std::vector<calc::Formula> formulas;
    if (auto problem = chosenFormulas(request, formulas)) {
        setUp.usage = problem;
        return setUp;
    }
    const calc::PileFileResult file = calc::loadPileFile(*request.filePath, separator);
    if (const auto* error = std::get_if<calc::PileFileError>(&file)) {
        setUp.fileProblem = calc::englishReason(*error);
        return setUp;
    }
    for (calc::Formula formula : formulas) {
        Request one;
        one.formula = formula;
        fillFromDocument(one, std::get<calc::PileDocument>(file));
        setUp.request.tabs.push_back(tabInputs(one, separator));
    }
    return setUp;
}

nlohmann::ordered_json workableJson(const calc::DrivingChart& chart)
{
    ordered_json workable = ordered_json::object();
    for (const calc::ChartColumn& column : chart.columns) {
        if (!column.hasColumns) continue;
        ordered_json ranges = ordered_json::array();
        for (const calc::WorkableRange& range : column.workable)
            ranges.push_back({{"W", range.W}, {"from", textOrNull(range.from)}, {"to", textOrNull(range.to)}});
        workable[calc::formulaInfo(column.formula).name] = std::move(ranges);
    }
    return workable;
}

std::string chartJson(const calc::DrivingChart& chart)
{
    ordered_json out;
    out["heights"] = chart.heights;
    ordered_json formulas = ordered_json::object();
    for (std::size_t c = 0; c < chart.columns.size(); ++c) {
        const calc::ChartColumn& column = chart.columns[c];
        ordered_json entry;
        entry["outcome"] = column.hasColumns ? "ok" : outcomeName(column.kind);
        entry["message"] = column.hasColumns ? ordered_json() : textOrNull(column.message);
        ordered_json rows = ordered_json::array();
        if (column.hasColumns)
            for (const calc::ChartRow& row : chart.rows) {
                const calc::ChartCell& cell = row.cells[c];
                rows.push_back({{"h", row.h},
                                {"W", cell.W},
                                {"outcome", outcomeName(cell.kind)},
                                {"message", textOrNull(cell.message)},
                                {"S", textOrNull(cell.S)},
                                {"set10", textOrNull(cell.set10)},
                                {"blows30", textOrNull(cell.blows30)}});
            }
        entry["rows"] = std::move(rows);
        formulas[calc::formulaInfo(column.formula).name] = std::move(entry);
    }
    out["formulas"] = std::move(formulas);
    ordered_json governing = ordered_json::array();
    for (const calc::ChartRow& row : chart.rows) {
        const calc::ChartCell* cell = row.governing ? &row.cells[*row.governing] : nullptr;
        ordered_json W = row.hammer ? ordered_json(*row.hammer) : cell ? ordered_json(cell->W) : ordered_json();
        governing.push_back(
            {{"h", row.h},
             {"W", std::move(W)},
             {"formula", cell ? ordered_json(calc::formulaInfo(chart.columns[*row.governing].formula).name)
                              : ordered_json()},
             {"blows30", cell ? ordered_json(cell->blows30) : ordered_json()}});
    }
    out["governing"] = std::move(governing);
    out["workable"] = workableJson(chart);
    return out.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string chartPlainText(const calc::DrivingChart& chart)
{
    std::string out;
    if (chart.anyColumns() && !chart.rows.empty()) {
        const calc::ChartTableTexts table = calc::chartTableTexts(chart, chart.decimalSeparator);
        out += alignedTable(table.header, table.rows);
    }
    for (const std::string& line : calc::workableLines(chart)) out += line + "\n";
    for (const std::string& failure : calc::failureLines(chart)) out += failure + "\n";
    return out;
}

int chartExitStatus(const calc::DrivingChart& chart) { return chart.anyColumns() ? 0 : 1; }

int workableExitStatus(const calc::DrivingChart& chart)
{
    for (const calc::ChartColumn& column : chart.columns)
        for (const calc::WorkableRange& range : column.workable)
            if (range.from) return 0;
    return 1;
}

int runChart(const Request& request, std::string_view separator)
{
    const auto write = [](std::FILE* stream, const std::string& text) {
        std::fwrite(text.data(), 1, text.size(), stream);
    };
    const ChartSetUp setUp = chartSetUp(request, separator);
    if (setUp.usage) {
        write(stderr, "blowcount-cli: " + setUp.usage->message + "\n" + usageText());
        return 2;
    }
    if (setUp.fileProblem) {
        write(stderr, "blowcount-cli: cannot open '" + request.filePath.value_or("") + "': " + *setUp.fileProblem + "\n");
        return 1;
    }
    const calc::DrivingChart chart = calc::buildDrivingChart(setUp.request);
    write(stdout, request.json ? chartJson(chart) + "\n" : request.csv ? calc::chartCsv(chart) : chartPlainText(chart));
    if (std::fflush(stdout) != 0) return 2;
    if (workableOnly(request)) return workableExitStatus(chart);
    if (request.pdfPath) {
        const std::vector<report::Page> pages = report::drivingChartPages(setUp.request, chart);
        if (const std::optional<std::string> problem = writePagesPdf(pages, *request.pdfPath)) {
            write(stderr, "blowcount-cli: " + *problem + "\n");
            return 1;
        }
    }
    return chartExitStatus(chart);
}

}  // namespace cli
