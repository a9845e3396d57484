#include "cli/records_command.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include <nlohmann/json.hpp>

#include "calc/formula_names.h"
#include "cli/text_width.h"

namespace cli {

namespace {

using nlohmann::ordered_json;

ordered_json textOrNull(const std::optional<std::string>& text) { return text ? ordered_json(*text) : ordered_json(); }

ordered_json recordJson(const calc::PileRecord& record, const calc::RecordCheck& check)
{
    ordered_json criterion;
    if (check.criterion)
        criterion = {{"S", check.criterion->S}, {"set10", check.criterion->set10}, {"blows30", check.criterion->blows30}};
    ordered_json flags = ordered_json::array();
    for (const calc::RecordFlag flag : check.flags) flags.push_back(calc::flagName(flag));
    ordered_json capacity;
    if (check.capacity)
        capacity = {{"S", check.capacity->S},
                    {"Qu", check.capacity->Qu},
                    {"safe_load", check.capacity->safeLoad},
                    {"required", check.capacity->required},
                    {"meets", check.capacity->meets}};
    return {{"mark", record.mark},
            {"status", calc::statusName(check.status)},
            {"message", textOrNull(check.message)},
            {"formula", check.criterion ? ordered_json(calc::formulaInfo(check.criterion->formula).name) : ordered_json()},
            {"criterion", std::move(criterion)},
            {"last_set", textOrNull(check.lastSet)},
            {"last_blows", textOrNull(check.lastBlows)},
            {"flags", std::move(flags)},
            {"capacity", std::move(capacity)}};
}

void write(std::FILE* stream, const std::string& text) { std::fwrite(text.data(), 1, text.size(), stream); }

constexpr const char* kUsage = "usage: blowcount-cli records --file PILE [--json]\n";

}  // namespace

std::string recordsJson(const calc::PileDocument& document, const std::vector<calc::RecordCheck>& checks)
{
    ordered_json out;
    const calc::AcceptanceSettings& a = document.acceptance;
    out["acceptance"] = {{"formula", a.formula}, {"sets_required", a.setsRequired}, {"project", a.project}};
    ordered_json records = ordered_json::array();
    for (std::size_t i = 0; i < checks.size(); ++i) records.push_back(recordJson(document.records[i], checks[i]));
    out["records"] = std::move(records);
    const calc::RecordCounts counts = calc::countRecords(checks, document.decimalSeparator);
    out["counts"] = {{"records", counts.records},       {"meets", counts.meets},
                     {"fails", counts.fails},           {"incomplete", counts.incomplete},
                     {"no-criterion", counts.noCriterion}, {"bad-input", counts.badInput}};
    out["total_depth"] = counts.totalDepth;
    return out.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string recordsPlainText(const calc::PileDocument& document, const std::vector<calc::RecordCheck>& checks)
{
    std::vector<std::vector<std::string>> rows;
    std::string messages;
    for (std::size_t i = 0; i < checks.size(); ++i) {
        rows.push_back(calc::recordCells(document.records[i], checks[i]));
        if (checks[i].message) messages += document.records[i].mark + ": " + *checks[i].message + "\n";
    }
    const calc::RecordCounts c = calc::countRecords(checks, document.decimalSeparator);
    return alignedTable(calc::recordHeaders(), rows) + messages + "เสาเข็ม " + std::to_string(c.records) + " ต้น: "
           + calc::statusText(calc::RecordStatus::Meets) + " " + std::to_string(c.meets) + ", "
           + calc::statusText(calc::RecordStatus::Fails) + " " + std::to_string(c.fails) + ", "
           + calc::statusText(calc::RecordStatus::Incomplete) + " " + std::to_string(c.incomplete) + ", "
           + calc::statusText(calc::RecordStatus::NoCriterion) + " " + std::to_string(c.noCriterion) + ", "
           + calc::statusText(calc::RecordStatus::BadInput) + " " + std::to_string(c.badInput) + "\n"
           + "ความลึกที่ตอกรวม " + c.totalDepth + " ม.\n";
}

int runRecords(const std::vector<std::string>& args, std::string_view separator)
{
    std::optional<std::string> path;
    bool json = false;
    const auto usage = [](const std::string& problem) {
        write(stderr, "blowcount-cli: " + problem + "\n" + kUsage);
        return 2;
    };
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--json") {
            if (json) return usage("'--json' given twice");
            json = true;
        } else if (args[i] == "--file") {
            if (path) return usage("'--file' given twice");
            if (i + 1 == args.size()) return usage("'--file' needs a value");
            path = args[++i];
        } else {
            return usage("unexpected argument '" + args[i] + "' for 'records'");
        }
    }
    if (!path) return usage("'records' needs '--file PILE'");

    const calc::PileFileResult file = calc::loadPileFile(*path, separator);
    if (const auto* error = std::get_if<calc::PileFileError>(&file)) {
        write(stderr, "blowcount-cli: cannot open '" + *path + "': " + calc::englishReason(*error) + "\n");
        return 1;
    }
    const calc::PileDocument& document = std::get<calc::PileDocument>(file);
    const std::vector<calc::RecordCheck> checks = calc::checkRecords(document);
    write(stdout, json ? recordsJson(document, checks) + "\n" : recordsPlainText(document, checks));
    return std::fflush(stdout) == 0 ? 0 : 2;
}

}  // namespace cli
