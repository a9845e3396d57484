#include "calc/record_csv_results.h"

#include "calc/numbers.h"

namespace calc {

namespace {

std::string withPoint(const std::string& text, std::string_view separator)
{
    return separator == "." ? text : replaceAll(text, separator, ".");
}

std::string withPoint(const std::optional<std::string>& text, std::string_view separator)
{
    return text ? withPoint(*text, separator) : std::string();
}

}  // namespace

RecordCsvResults recordCsvResults(const RecordCheck& check, std::string_view separator)
{
    RecordCsvResults out;
    out.status = statusName(check.status);
    out.lastSet = withPoint(check.lastSet, separator);
    out.lastBlows = withPoint(check.lastBlows, separator);
    if (check.criterion) {
        out.allowedSet10 = withPoint(check.criterion->set10, separator);
        out.leastBlows30 = withPoint(check.criterion->blows30, separator);
    }
    if (check.capacity) out.safeLoad = withPoint(check.capacity->safeLoad, separator);
    for (const RecordFlag flag : check.flags) out.flags += (out.flags.empty() ? "" : ";") + std::string(flagName(flag));
    return out;
}

std::string checkedRecordsCsv(const PileDocument& document, const std::vector<RecordCheck>& checks)
{
    std::vector<RecordCsvResults> results;
    results.reserve(checks.size());
    for (const RecordCheck& check : checks) results.push_back(recordCsvResults(check, document.decimalSeparator));
    return recordsCsv(document.records, results, document.decimalSeparator);
}

}  // namespace calc
