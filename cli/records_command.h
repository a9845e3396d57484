#pragma once
// blowcount-cli records --file PILE [--json]: the pile file's driving records
// checked against the criterion, as an aligned table with the counts, or as
// one JSON object. Exit 0 when the table came out, whatever the verdicts; 1
// for a pile file that cannot be read; 2 for a usage error.
#include <string>
#include <string_view>
#include <vector>

#include "calc/pile_file.h"
#include "calc/record_check.h"

namespace cli {

// {"acceptance": {...}, "records": [...], "counts": {...}, "total_depth": TEXT} on one line.
std::string recordsJson(const calc::PileDocument& document, const std::vector<calc::RecordCheck>& checks);

// The table in aligned columns, a line for each record with a message, then
// the counts and the depth driven.
std::string recordsPlainText(const calc::PileDocument& document, const std::vector<calc::RecordCheck>& checks);

// `args` without the program name, "records" first.
int runRecords(const std::vector<std::string>& args, std::string_view decimalSeparator);

}  // namespace cli
