#include "calc/csv.h"

namespace calc {

namespace {

std::string quoted(const std::string& field)
{
    if (field.find_first_of(",\"\r\n") == std::string::npos) return field;
    std::string out = "\"";
    for (char c : field) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + '"';
}

}  // namespace

std::string csvRow(const std::vector<std::string>& fields)
{
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) out += ',';
        out += quoted(fields[i]);
    }
    return out + "\r\n";
}

CsvTable parseCsv(std::string_view text)
{
    if (text.starts_with(kUtf8ByteOrderMark)) text.remove_prefix(kUtf8ByteOrderMark.size());
    CsvTable table;
    CsvRow row;
    std::string field;
    std::size_t line = 1;
    bool inQuotes = false, rowStarted = false;
    std::size_t quoteLine = 0;
    const auto endRow = [&] {
        if (rowStarted) {
            row.fields.push_back(std::move(field));
            table.rows.push_back(std::move(row));
        }
        row = CsvRow{};
        field.clear();
        rowStarted = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!rowStarted) {
            if (c == '\r' || c == '\n') {
                if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
                ++line;
                continue;
            }
            rowStarted = true;
            row.line = line;
        }
        if (inQuotes) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                inQuotes = false;
            } else {
                if (c == '\n' || (c == '\r' && !(i + 1 < text.size() && text[i + 1] == '\n'))) ++line;
                field += c;
            }
        } else if (c == '"') {
            inQuotes = true;
            quoteLine = line;
        } else if (c == ',') {
            row.fields.push_back(std::move(field));
            field.clear();
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            endRow();
            ++line;
        } else {
            field += c;
        }
    }
    if (inQuotes) table.unclosedQuoteLine = quoteLine;
    endRow();
    return table;
}

}  // namespace calc
