#pragma once
// The check of each record as the CSV export's last seven columns, and the
// export of a whole pile file's records with their checks: the summary as CSV.
#include <string>
#include <string_view>
#include <vector>

#include "calc/pile_file.h"
#include "calc/record_check.h"
#include "calc/records_csv.h"

namespace calc {

// The status and flags by name (flags joined by ";"), the numbers with "."
// whatever `decimalSeparator` the check's texts were written with; a column
// the check has no value for is empty.
RecordCsvResults recordCsvResults(const RecordCheck& check, std::string_view decimalSeparator);

// The document's records and their checks (one per record) as CSV text.
std::string checkedRecordsCsv(const PileDocument& document, const std::vector<RecordCheck>& checks);

}  // namespace calc
