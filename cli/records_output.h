#pragma once
// blowcount-cli records with its outputs and the CSV import:
//
//   records --file PILE --csv                 the summary as CSV on stdout
//   records --file PILE --pdf FILE            the summary (A4 landscape)
//   records --file PILE --sheets FILE         every record sheet in one PDF
//   records --file PILE --sheet MARK --pdf FILE   one record's sheet
//   records --file PILE --import CSV [--replace] --write OUT.blowcount
//
// The import is all or nothing: a CSV with a bad row writes nothing and
// tells the first problems with their line numbers; marks already in the file
// are refused without --replace. OUT is written through a temporary file in
// its folder, so a failure keeps the old file, and never over PILE unless the
// two are given as the same path. Exit 0 when done, 1 for a pile file or CSV
// that cannot be read or used, or an output that cannot be written, 2 for a
// usage error.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

struct RecordsOptions {
    std::optional<std::string> file, pdf, sheets, sheet, importCsv, write;
    bool json = false, csv = false, replace = false;
};

struct RecordsUsage {
    std::optional<RecordsOptions> options;
    std::string problem;  // when there are no options
};

// `args` without the program name, "records" first.
RecordsUsage parseRecordsOptions(const std::vector<std::string>& args);

// True when `args` ask for more than the table or JSON.
bool asksRecordsOutput(const std::vector<std::string>& args);

int runRecordsOutput(const std::vector<std::string>& args, std::string_view decimalSeparator);

// The pile type the pages name: the pile file's name without its folder and extension.
std::string pileTypeOf(const std::string& path);

}  // namespace cli
