#pragma once
// Comma-separated values as spreadsheets write them: fields holding a comma,
// a quote or a line end are quoted, quotes inside doubled; rows end in CRLF.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace calc {

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// One row of fields as a line of CSV, CRLF at its end.
std::string csvRow(const std::vector<std::string>& fields);

struct CsvRow {
    std::size_t line = 0;  // where the row starts, the first line being 1
    std::vector<std::string> fields;
};

struct CsvTable {
    std::vector<CsvRow> rows;  // blank lines are left out
    // Where a quoted field was never closed (its starting line), or 0.
    std::size_t unclosedQuoteLine = 0;
};

// The rows of `text`; a byte-order mark at its start is passed over, and
// CRLF, LF and CR all end a row.
CsvTable parseCsv(std::string_view text);

}  // namespace calc
