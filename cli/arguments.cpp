#include "cli/arguments.h"

#include <algorithm>
#include <iterator>

#include "calc/formula_names.h"
#include "calc/numbers.h"

namespace cli {

using calc::FormulaInfo;
using calc::findFormula;
using calc::fieldIndex;
using calc::formulas;

namespace {

UsageError error(std::string text) { return UsageError{std::move(text)}; }

std::string quoted(const std::string& arg) { return "'" + arg + "'"; }

// One of the two exclusive words of a check-box pair.
std::optional<UsageError> choose(std::optional<bool>& pair, bool second, const std::string& arg)
{
    if (pair && *pair != second) return error(quoted(arg) + " contradicts an earlier choice of the same pair");
    pair = second;
    return std::nullopt;
}

// Options without a value: they set a flag of the request.
struct FlagOption {
    const char* name;
    bool Request::*target;
};
const FlagOption kFlagOptions[] = {
    {"--json", &Request::json},
    {"--csv", &Request::csv},
    {"--workable", &Request::workable},
};

// Options followed by a value: they may be given once.
struct ValueOption {
    const char* name;
    const char* value;  // what the usage calls it
    std::optional<std::string> Request::*target;
};
const ValueOption kValueOptions[] = {
    {"--file", "PILE", &Request::filePath},
    {"--pdf", "FILE", &Request::pdfPath},
    {"--set10", "number", &Request::set10},
    {"--blows30", "number", &Request::blows30},
    {"--heights", "FROM:TO:STEP", &Request::heights},
    {"--formulas", "NAME,...", &Request::formulaList},
    {"--section", "ID", &Request::sectionId},
    {"--area", "A", &Request::area},
};

// The table options against the rest; the first problem, if any.
std::optional<UsageError> checkTableOptions(const Request& request)
{
    if (request.json && request.csv) return error("'--json' and '--csv' cannot both be given");
    if ((request.chart || request.heights || request.workable) && (request.set10 || request.blows30))
        return error(quoted(request.set10 ? "--set10" : "--blows30") + " applies to a single calculation, not a table");
    if (request.workable && !request.chart && !request.heights && request.pdfPath)
        return error("'--pdf' with '--workable' needs '--heights FROM:TO:STEP'");
    if (request.chart || request.listSections) {
        if (request.sectionId || request.area)
            return error(quoted(request.sectionId ? "--section" : "--area") + " applies to a FORMULA, not '"
                         + (request.chart ? "chart" : "sections") + "'");
    }
    if (request.listSections) {
        if (request.csv || request.heights || request.filePath || request.pdfPath || request.set10 || request.blows30
            || request.formulaList || !request.hammers.empty() || request.workable)
            return error("'sections' takes '--json' only");
        return std::nullopt;
    }
    if (request.chart) {
        if (!request.filePath) return error("'chart' needs '--file PILE'");
        return std::nullopt;
    }
    if (request.formulaList) return error("'--formulas' applies to 'chart' only");
    if (!request.heights) {
        if (!request.hammers.empty() && !request.workable)
            return error("'--hammer' needs '--heights FROM:TO:STEP' or '--workable'");
        if (request.csv) return error("'--csv' needs '--heights FROM:TO:STEP'");
    }
    return std::nullopt;
}

}  // namespace

std::string usageText()
{
    std::string text =
        "usage: blowcount-cli FORMULA [--file PILE.blowcount] [--json] [--pdf FILE] [FIELD=TEXT ...]\n"
        "                     [rc|prestressed] [square|round] [--set10 CM | --blows30 N]\n"
        "       blowcount-cli FORMULA ... [rc|prestressed] [--section ID | --area A] ...\n"
        "       blowcount-cli FORMULA ... --heights FROM:TO:STEP [--hammer W]... [--json | --csv] [--pdf FILE]\n"
        "       blowcount-cli FORMULA ... --workable [--hammer W]... [--json]\n"
        "       blowcount-cli chart --file PILE [--heights FROM:TO:STEP] [--hammer W]...\n"
        "                     [--formulas engineering-news,hiley,danish,janbu] [--json | --csv] [--pdf FILE]\n"
        "       blowcount-cli sections [--json]\n"
        "       blowcount-cli records --file PILE [--json | --csv] [--pdf FILE] [--sheets FILE]\n"
        "       blowcount-cli records --file PILE --sheet MARK --pdf FILE\n"
        "       blowcount-cli records --file PILE --import CSV [--replace] --write OUT.blowcount\n"
        "FORMULA and its FIELDs:\n";
    for (const FormulaInfo& f : formulas()) {
        const std::string_view name = f.name;
        text.append("  ").append(name).append(18 - name.size(), ' ');
        for (std::size_t i = 0; i < f.fields.size(); ++i) text.append(i ? " " : "").append(f.fields[i].symbol);
        text += '\n';
    }
    text +=
        "rc|prestressed and square|round choose the pile (not for engineering-news).\n"
        "--section ID takes the pile's area from a built-in section instead of D (I-26, spun-400/65, ...:\n"
        "  'blowcount-cli sections' lists them); --area A from a section of A cm² for this run alone.\n"
        "A field not given keeps the text the window starts with, or stays empty.\n"
        "--file PILE takes the formula's tab from a pile file the window saved (.blowcount):\n"
        "  its texts and boxes, where the fields and pile words given here do not override them.\n"
        "--json writes one JSON object; its \"page\" holds the report's lines, or null.\n"
        "--pdf FILE writes the report the print button would print, as a one-page A4 PDF;\n"
        "  a calculation that shows no print button writes none and exits 1.\n"
        "--set10 CM (the set of the last ten blows) or --blows30 N (the blows per 30 cm):\n"
        "  the driving record; after the calculation, the load it proves by the formula,\n"
        "  at the drop height h. With --json, \"capacity\" holds S, Qu, safe_load, required, meets.\n"
        "--heights FROM:TO:STEP (cm) gives the driving chart: the criterion at FROM, FROM+STEP, ... up to TO\n"
        "  (at most 1000 rows), each row the calculation with h set to it; --hammer W, once or more,\n"
        "  repeats the rows for each hammer weight W (t). 'chart' sets the formulas of the pile file\n"
        "  side by side (all four unless --formulas names some), over 50:150:10 unless --heights is given.\n"
        "  --csv writes the table as CSV (UTF-8, '.' in numbers); --pdf FILE writes its printed pages.\n"
        "  Exit 0 with a table, 1 when no formula could be calculated.\n"
        "  Below the table stand the workable drop heights of each formula and hammer: from the least\n"
        "  drop whose set is above 0 to the most the tab's drop-height check allows (0.1 cm steps).\n"
        "--workable without --heights prints only those heights for the formula's tab (with --json\n"
        "  under \"workable\"); exit 0 when a hammer has a workable range, 1 otherwise.\n"
        "'records' checks the pile file's driving records against the criterion at each one's hammer\n"
        "  and drop: the table and the counts, or with --json one object. Exit 0 with the table.\n"
        "  --csv prints the summary as CSV; --pdf FILE writes the summary (A4 landscape), --sheets FILE\n"
        "  every record sheet, --sheet MARK --pdf FILE one. --import CSV adds the records of a CSV\n"
        "  (all or nothing; marks already there only with --replace) and writes the pile file to OUT.\n"
        "--version prints the program's name and version.\n";
    return text;
}

ParsedArguments parseArguments(const std::vector<std::string>& args)
{
    for (const std::string& arg : args)
        if (arg == "-h" || arg == "--help") return HelpRequest{};
    for (const std::string& arg : args)
        if (arg == "--version") return VersionRequest{};

    // Options first, wherever they stand; the first other argument is the formula.
    Request request;
    const FormulaInfo* info = nullptr;
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto flag = std::ranges::find(kFlagOptions, arg, &FlagOption::name);
        const auto value = std::ranges::find(kValueOptions, arg, &ValueOption::name);
        if (flag != std::end(kFlagOptions)) {
            request.*flag->target = true;
        } else if (arg == "--hammer") {
            if (i + 1 == args.size() || args[i + 1].empty()) return error(quoted(arg) + " needs a W");
            request.hammers.push_back(args[++i]);
        } else if (value != std::end(kValueOptions)) {
            std::optional<std::string>& target = request.*value->target;
            if (target) return error(quoted(arg) + " given twice");
            if (i + 1 == args.size() || args[i + 1].empty())
                return error(quoted(arg) + " needs a " + value->value);
            target = args[++i];
        } else if (arg.starts_with("-")) {
            return error("unknown option " + quoted(arg));
        } else if (!info && !request.chart && !request.listSections && arg == "chart") {
            request.chart = true;
        } else if (!info && !request.chart && !request.listSections && arg == "sections") {
            request.listSections = true;
        } else if (!info && !request.chart && !request.listSections) {
            info = findFormula(arg);
            if (!info) return error("unknown formula " + quoted(arg));
        } else {
            rest.push_back(arg);
        }
    }
    if (request.chart || request.listSections) {
        if (!rest.empty())
            return error("unexpected argument " + quoted(rest.front()) + " after '"
                         + (request.chart ? "chart" : "sections") + "'");
        if (auto problem = checkTableOptions(request)) return *problem;
        return request;
    }
    if (!info) return error("missing FORMULA");
    if (auto problem = checkTableOptions(request)) return *problem;
    if (request.set10 && request.blows30) return error("'--blows30' cannot be given with '--set10'");
    if (request.set10) request.record = RecordOption{"--set10", calc::RecordForm::TenBlowSet, *request.set10};
    if (request.blows30) request.record = RecordOption{"--blows30", calc::RecordForm::BlowsPerFoot, *request.blows30};

    if (request.sectionId && request.area) return error("'--area' cannot be given with '--section'");
    const char* sectionOption = request.sectionId ? "--section" : request.area ? "--area" : nullptr;
    if (sectionOption && !info->hasPileBoxes) return error(quoted(sectionOption) + " does not apply to " + info->name);

    request.formula = info->formula;
    for (const std::string& arg : rest) {
        if (const std::size_t eq = arg.find('='); eq != std::string::npos) {
            const std::string symbol = arg.substr(0, eq);
            const std::optional<int> index = fieldIndex(*info, symbol);
            if (!index) return error("unknown field " + quoted(symbol) + " for " + info->name);
            if (!request.fields.emplace(*index, arg.substr(eq + 1)).second)
                return error("field " + quoted(symbol) + " given twice");
        } else if (arg == "rc" || arg == "prestressed" || arg == "square" || arg == "round") {
            if (!info->hasPileBoxes) return error(quoted(arg) + " does not apply to " + info->name);
            const bool material = arg == "rc" || arg == "prestressed";
            auto problem = material ? choose(request.prestressed, arg == "prestressed", arg)
                                    : choose(request.roundSection, arg == "round", arg);
            if (problem) return *problem;
            if (!material && sectionOption) return error(quoted(arg) + " cannot be given with " + quoted(sectionOption));
        } else {
            return error("unexpected argument " + quoted(arg));
        }
    }
    return request;
}

std::optional<UsageError> checkRecordNumber(const Request& request, std::string_view decimalSeparator)
{
    if (!request.record || calc::textToNumber(request.record->value, decimalSeparator)) return std::nullopt;
    return error(quoted(request.record->option) + " needs a number, not " + quoted(request.record->value));
}

}  // namespace cli
