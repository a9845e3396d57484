#include "cli/records_output.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "calc/pile_file.h"
#include "calc/record_check.h"
#include "calc/record_csv_results.h"
#include "calc/records_csv.h"
#include "cli/pdf_report.h"
#include "cli/records_command.h"
#include "cli/safe_write.h"
#include "report/record_sheet_page.h"
#include "report/records_summary_page.h"

namespace cli {

namespace {

constexpr const char* kUsage =
    "usage: blowcount-cli records --file PILE [--json | --csv] [--pdf FILE] [--sheets FILE]\n"
    "       blowcount-cli records --file PILE --sheet MARK --pdf FILE\n"
    "       blowcount-cli records --file PILE --import CSV [--replace] --write OUT.blowcount\n";


void write(std::FILE* stream, const std::string& text) { std::fwrite(text.data(), 1, text.size(), stream); }

int usage(const std::string& problem)
{
    write(stderr, "blowcount-cli: " + problem + "\n" + kUsage);
    return 2;
}

// The same file, named alike or not.
bool sameFile(const std::string& a, const std::string& b)
{
    std::error_code error;
    return std::filesystem::equivalent(a, b, error) && !error;
}

int importRecords(const RecordsOptions& o, calc::PileDocument document)
{
    const std::optional<std::string> text = readWholeFile(*o.importCsv);
    if (!text) {
        write(stderr, "blowcount-cli: cannot read '" + *o.importCsv + "'\n");
        return 1;
    }
    const calc::RecordsCsvImport import = calc::readRecordsCsv(*text, document.decimalSeparator);
    if (!import.ok()) {
        std::string out = "blowcount-cli: '" + *o.importCsv + "' imports nothing: " + std::to_string(import.problemCount)
                          + (import.problemCount == 1 ? " problem" : " problems") + "\n";
        for (const calc::CsvProblem& problem : import.problems)
            out += *o.importCsv + ": " + problem.english + "\n";
        if (import.problemCount > import.problems.size())
            out += "... and " + std::to_string(import.problemCount - import.problems.size()) + " more\n";
        write(stderr, out);
        return 1;
    }
    const std::vector<std::string> taken = calc::existingMarks(document.records, import.records);
    if (!taken.empty() && !o.replace) {
        write(stderr, "blowcount-cli: " + calc::englishExistingMarksText(taken)
                          + "; nothing written (give --replace to replace them)\n");
        return 1;
    }
    document.records = calc::mergeRecords(std::move(document.records), import.records);
    if (const std::optional<std::string> problem = writeFileSafely(*o.write, calc::writePileFile(document))) {
        write(stderr, "blowcount-cli: " + *problem + "\n");
        return 1;
    }
    write(stdout, std::to_string(import.records.size()) + " records imported"
                      + (taken.empty() ? "" : ", " + std::to_string(taken.size()) + " of them replacing records")
                      + ", written to '" + *o.write + "'\n");
    return 0;
}

bool writePages(const std::vector<report::Page>& pages, const std::string& path)
{
    if (const std::optional<std::string> problem = writePagesPdf(pages, path)) {
        write(stderr, "blowcount-cli: " + *problem + "\n");
        return false;
    }
    return true;
}

}  // namespace

std::string pileTypeOf(const std::string& path) { return std::filesystem::path(path).stem().string(); }

bool asksRecordsOutput(const std::vector<std::string>& args)
{
    static const std::vector<std::string> options{"--csv",    "--pdf",     "--sheets", "--sheet",
                                                  "--import", "--replace", "--write"};
    return std::ranges::any_of(args, [](const std::string& a) { return std::ranges::find(options, a) != options.end(); });
}

RecordsUsage parseRecordsOptions(const std::vector<std::string>& args)
{
    RecordsOptions o;
    const auto fail = [](std::string problem) { return RecordsUsage{std::nullopt, std::move(problem)}; };
    const std::vector<std::pair<const char*, std::optional<std::string>*>> valued{
        {"--file", &o.file},   {"--pdf", &o.pdf},          {"--sheets", &o.sheets},
        {"--sheet", &o.sheet}, {"--import", &o.importCsv}, {"--write", &o.write}};
    const std::vector<std::pair<const char*, bool*>> flags{{"--json", &o.json}, {"--csv", &o.csv}, {"--replace", &o.replace}};
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        const auto value = std::ranges::find_if(valued, [&](const auto& v) { return a == v.first; });
        const auto flag = std::ranges::find_if(flags, [&](const auto& f) { return a == f.first; });
        if (value != valued.end()) {
            if (*value->second) return fail("'" + a + "' given twice");
            if (i + 1 == args.size() || args[i + 1].empty()) return fail("'" + a + "' needs a value");
            *value->second = args[++i];
        } else if (flag != flags.end()) {
            if (*flag->second) return fail("'" + a + "' given twice");
            *flag->second = true;
        } else {
            return fail("unexpected argument '" + a + "' for 'records'");
        }
    }
    if (!o.file) return fail("'records' needs '--file PILE'");
    if (o.json && o.csv) return fail("'--json' and '--csv' cannot both be given");
    if (o.sheet && !o.pdf) return fail("'--sheet' needs '--pdf FILE'");
    if (o.sheet && o.sheets) return fail("'--sheet' and '--sheets' cannot both be given");
    if (o.replace && !o.importCsv) return fail("'--replace' goes with '--import'");
    if (o.write && !o.importCsv) return fail("'--write' goes with '--import'");
    if (o.importCsv) {
        if (!o.write) return fail("'--import' needs '--write OUT'");
        if (o.json || o.csv || o.pdf || o.sheets) return fail("'--import' goes with '--replace' and '--write' only");
        // The pile file is written over only when named so.
        if (*o.write != *o.file && sameFile(*o.write, *o.file))
            return fail("'--write' names the pile file '" + *o.file + "' by another path; give the same path to write over it");
    }
    if (o.pdf && o.sheets && (*o.pdf == *o.sheets || sameFile(*o.pdf, *o.sheets)))
        return fail("'--pdf' and '--sheets' name the same file");
    return {o, {}};
}

int runRecordsOutput(const std::vector<std::string>& args, std::string_view separator)
{
    const RecordsUsage parsed = parseRecordsOptions(args);
    if (!parsed.options) return usage(parsed.problem);
    const RecordsOptions& o = *parsed.options;

    const calc::PileFileResult file = calc::loadPileFile(*o.file, separator);
    if (const auto* error = std::get_if<calc::PileFileError>(&file)) {
        write(stderr, "blowcount-cli: cannot open '" + *o.file + "': " + calc::englishReason(*error) + "\n");
        return 1;
    }
    const calc::PileDocument& document = std::get<calc::PileDocument>(file);
    if (o.importCsv) return importRecords(o, document);

    const std::vector<calc::RecordCheck> checks = calc::checkRecords(document);
    const std::string pileType = pileTypeOf(*o.file);
    if (o.sheet) {
        const auto at = std::ranges::find_if(document.records, [&](const calc::PileRecord& r) { return r.mark == *o.sheet; });
        if (at == document.records.end()) {
            write(stderr, "blowcount-cli: '" + *o.file + "' has no record '" + *o.sheet + "'\n");
            return 1;
        }
        const std::size_t index = static_cast<std::size_t>(at - document.records.begin());
        return writePages({report::recordSheetPage(document, index, checks[index], pileType)}, *o.pdf) ? 0 : 1;
    }
    if (o.csv) write(stdout, calc::checkedRecordsCsv(document, checks));
    else if (o.json) write(stdout, recordsJson(document, checks) + "\n");
    else write(stdout, recordsPlainText(document, checks));
    if (std::fflush(stdout) != 0) return 2;
    if (o.pdf && !writePages(report::recordsSummaryPages(document, checks, pileType), *o.pdf)) return 1;
    if (o.sheets) {
        if (document.records.empty()) {
            write(stderr, "blowcount-cli: no sheets written to '" + *o.sheets + "': '" + *o.file + "' has no records\n");
            return 1;
        }
        std::vector<report::Page> pages;
        pages.reserve(document.records.size());
        for (std::size_t i = 0; i < document.records.size(); ++i)
            pages.push_back(report::recordSheetPage(document, i, checks[i], pileType));
        if (!writePages(pages, *o.sheets)) return 1;
    }
    return 0;
}

}  // namespace cli
