// blowcount-cli: the blow-count criterion of a precast concrete pile by one of
// the four formulas, from the command line, through the same calculators as
// the window. With --pdf FILE it also writes the tab's report as a PDF.
// With --file PILE the tab comes from a pile file the window saved. With
// --heights, or as "chart" with the formulas of a pile file, it prints the
// driving chart: the criterion over a range of drop heights (and hammers).
// As "records" it checks the driving records of a pile file, writes their
// summary and record sheets, and takes records in and out as CSV.
// Exit status: 0 without a message, 1 with one, when the pile file cannot be
// read or the report could not be written, 2 on a usage error.
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/chart_command.h"
#include "cli/calculation.h"
#include "cli/output.h"
#include "cli/pdf_report.h"
#include "cli/pile_input.h"
#include "cli/records_command.h"
#include "cli/records_output.h"
#include "cli/report_page.h"
#include "cli/sections.h"

namespace {

// The user's decimal separator, as the window would take it from the locale.
std::string localeDecimalSeparator()
{
    std::setlocale(LC_ALL, "");
    const std::lconv* conv = std::localeconv();
    if (conv && conv->decimal_point && *conv->decimal_point) return conv->decimal_point;
    return ".";
}

void write(std::FILE* stream, const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
}

// The report of the calculation into `path`; false, with the reason on
// stderr, when there is none to write or it cannot be written.
bool writeReport(const cli::Calculation& calculation, const std::string& path)
{
    const std::optional<report::Page> page = cli::reportPage(calculation);
    if (!page) {
        write(stderr, "blowcount-cli: no report written to '" + path
                          + "': the calculation did not end in a printable result\n");
        return false;
    }
    if (const std::optional<std::string> problem = cli::writeReportPdf(*page, path)) {
        write(stderr, "blowcount-cli: " + *problem + "\n");
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string separator = localeDecimalSeparator();
    const std::vector<std::string> args(argv + 1, argv + argc);
    const bool help = std::ranges::find(args, "--help") != args.end() || std::ranges::find(args, "-h") != args.end();
    if (!args.empty() && args.front() == "records" && !help)
        return cli::asksRecordsOutput(args) ? cli::runRecordsOutput(args, separator) : cli::runRecords(args, separator);
    const cli::ParsedArguments parsed = cli::parseArguments(args);

    if (std::holds_alternative<cli::HelpRequest>(parsed)) {
        write(stdout, cli::usageText());
        return 0;
    }
    if (std::holds_alternative<cli::VersionRequest>(parsed)) {
        write(stdout, "blowcount-cli " BLOWCOUNT_VERSION "\n");
        return 0;
    }
    if (const auto* bad = std::get_if<cli::UsageError>(&parsed)) {
        write(stderr, "blowcount-cli: " + bad->message + "\n" + cli::usageText());
        return 2;
    }

    cli::Request request = std::get<cli::Request>(parsed);
    if (const std::optional<cli::UsageError> bad = cli::checkRecordNumber(request, separator)) {
        write(stderr, "blowcount-cli: " + bad->message + "\n" + cli::usageText());
        return 2;
    }
    if (request.listSections) {
        write(stdout, cli::sectionsListing(request.json));
        return std::fflush(stdout) == 0 ? 0 : 2;
    }
    if (const std::optional<cli::UsageError> bad = cli::resolveSection(request, separator)) {
        write(stderr, "blowcount-cli: " + bad->message + "\n" + cli::usageText());
        return 2;
    }
    if (request.chart) return cli::runChart(request, separator);
    if (const std::optional<std::string> problem = cli::fillFromPileFile(request, separator)) {
        write(stderr, "blowcount-cli: cannot open '" + *request.filePath + "': " + *problem + "\n");
        return 1;
    }
    if (request.heights || request.workable) return cli::runChart(request, separator);
    const cli::Calculation calculation = cli::calculate(request, separator);
    write(stdout, request.json ? cli::jsonObject(calculation).text() + "\n" : cli::plainText(calculation));
    if (std::fflush(stdout) != 0) return 2;
    if (request.pdfPath && !writeReport(calculation, *request.pdfPath)) return 1;
    return cli::exitStatus(calculation);
}
