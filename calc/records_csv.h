#pragma once
// Driving records as CSV, for the spreadsheets site staff keep their counts
// in: UTF-8 with a byte-order mark, commas, "." in numbers, one header row
//
//   mark,location,date,hammer,drop,depth,blows,sets,inspector,remarks,
//   status,last_set,allowed_set10,last_blows,least_blows30,safe_load,flags
//
// with the blows and the sets as their lists joined by ";". The last seven
// columns are the check's results, written on export and passed over on
// import. An import is all or nothing: a file with any bad row gives its
// problems and no records.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "calc/pile_record.h"

namespace calc {

inline constexpr std::size_t kRecordCsvInputColumns = 10;
inline constexpr std::array<const char*, 17> kRecordCsvHeader = {
    "mark",   "location", "date",     "hammer",        "drop",          "depth",     "blows", "sets", "inspector",
    "remarks", "status",  "last_set", "allowed_set10", "last_blows", "least_blows30", "safe_load", "flags"};
inline constexpr std::size_t kMaxCsvProblemsShown = 10;

// The check's results of a record, as the export writes them ("." in numbers).
struct RecordCsvResults {
    std::string status, lastSet, allowedSet10, lastBlows, leastBlows30, safeLoad, flags;
};

// The records (texts with `decimalSeparator`) and their results, one per
// record, as CSV text.
std::string recordsCsv(const std::vector<PileRecord>& records, const std::vector<RecordCsvResults>& results,
                       std::string_view decimalSeparator);

struct CsvProblem {
    std::size_t line = 0;  // the header is line 1
    std::string thai;
    std::string english;
};

struct RecordsCsvImport {
    std::vector<PileRecord> records;    // texts with the document's separator; empty when any problem
    std::vector<CsvProblem> problems;   // the first kMaxCsvProblemsShown
    std::size_t problemCount = 0;       // all of them
    std::string csvSeparator = ".";     // the decimal separator the file's numbers were taken with
    bool ok() const { return problemCount == 0; }
};

// The records of a CSV text. Numbers are taken with "," as the decimal
// separator when some number field holds a comma and none a point, else with
// "."; they are stored with `documentSeparator`.
RecordsCsvImport readRecordsCsv(std::string_view text, std::string_view documentSeparator);

// The imported records' marks that `existing` holds already, in import order.
std::vector<std::string> existingMarks(const std::vector<PileRecord>& existing,
                                       const std::vector<PileRecord>& imported);

// `existing` with the imported records added at the end, except that an
// imported record whose mark is already there takes that record's place
// (callers ask before replacing: see existingMarks).
std::vector<PileRecord> mergeRecords(std::vector<PileRecord> existing, const std::vector<PileRecord>& imported);

// The Thai and English lines that name marks already in the file.
std::string thaiExistingMarksText(const std::vector<std::string>& marks);
std::string englishExistingMarksText(const std::vector<std::string>& marks);

}  // namespace calc
