#include "cli/arguments.h"

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

}  // namespace

std::string usageText()
{
    std::string text =
        "usage: blowcount-cli FORMULA [--json] [--pdf FILE] [FIELD=TEXT ...] [rc|prestressed] [square|round]\n"
        "                     [--set10 CM | --blows30 N]\n"
        "FORMULA and its FIELDs:\n";
    for (const FormulaInfo& f : formulas()) {
        std::string name = f.name;
        text += "  " + name + std::string(18 - name.size(), ' ');
        for (std::size_t i = 0; i < f.fields.size(); ++i) text += (i ? " " : "") + std::string(f.fields[i].symbol);
        text += '\n';
    }
    text +=
        "rc|prestressed and square|round choose the pile (not for engineering-news).\n"
        "A field not given keeps the text the window starts with, or stays empty.\n"
        "--json writes one JSON object; its \"page\" holds the report's lines, or null.\n"
        "--pdf FILE writes the report the print button would print, as a one-page A4 PDF;\n"
        "  a calculation that shows no print button writes none and exits 1.\n"
        "--set10 CM (the set of the last ten blows) or --blows30 N (the blows per 30 cm):\n"
        "  the driving record; after the calculation, the load it proves by the formula,\n"
        "  at the drop height h. With --json, \"capacity\" holds S, Qu, safe_load, required, meets.\n";
    return text;
}

ParsedArguments parseArguments(const std::vector<std::string>& args)
{
    for (const std::string& arg : args)
        if (arg == "-h" || arg == "--help") return HelpRequest{};

    // Options first, wherever they stand; the first other argument is the formula.
    Request request;
    const FormulaInfo* info = nullptr;
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--json") {
            request.json = true;
        } else if (arg == "--pdf") {
            if (request.pdfPath) return error(quoted(arg) + " given twice");
            if (i + 1 == args.size() || args[i + 1].empty()) return error(quoted(arg) + " needs a FILE");
            request.pdfPath = args[++i];
        } else if (arg == "--set10" || arg == "--blows30") {
            if (request.record)
                return error(request.record->option == arg ? quoted(arg) + " given twice"
                                                           : quoted(arg) + " cannot be given with "
                                                                 + quoted(request.record->option));
            if (i + 1 == args.size()) return error(quoted(arg) + " needs a number");
            const auto form = arg == "--set10" ? calc::RecordForm::TenBlowSet : calc::RecordForm::BlowsPerFoot;
            request.record = RecordOption{arg, form, args[++i]};
        } else if (arg.starts_with("-")) {
            return error("unknown option " + quoted(arg));
        } else if (!info) {
            info = findFormula(arg);
            if (!info) return error("unknown formula " + quoted(arg));
        } else {
            rest.push_back(arg);
        }
    }
    if (!info) return error("missing FORMULA");

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
