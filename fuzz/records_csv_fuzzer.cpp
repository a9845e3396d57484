// The driving records' CSV import, on any bytes a file may hold. The first
// byte picks the pile file's decimal separator (bit 0: "," instead of ".");
// the rest is the CSV.
//
// Invariants: reading never crashes; a refused file gives no record and
// between one and ten problems, each with a line and both texts; an accepted
// file gives records with marks that are there and unique, texts without a
// control character, numbers that are numbers with the file's separator; and
// its records exported and imported again come back unchanged.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>

#include "calc/numbers.h"
#include "calc/records_csv.h"
#include "calc/text_rules.h"
#include "check.h"

namespace {

void checkRecord(const calc::PileRecord& r, std::string_view separator, const std::string& context)
{
    for (const std::string* text : {&r.mark, &r.location, &r.date, &r.hammer, &r.drop, &r.depth, &r.inspector,
                                    &r.remarks})
        FUZZ_REQUIRE(!calc::holdsControlCharacter(*text) && calc::isUtf8(*text), context);
    for (const std::string* number : {&r.hammer, &r.drop, &r.depth})
        FUZZ_REQUIRE(number->empty() || calc::textToNumber(*number, separator), "a bad number in " + context);
    for (const auto* list : {&r.blows, &r.sets})
        for (const std::string& item : *list)
            FUZZ_REQUIRE(calc::textToNumber(item, separator), "a bad list item in " + context);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const std::string separator = (data[0] & 1) ? "," : ".";
    const std::string_view csv(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::string context = "csv " + fuzz::quoted(csv);
    const calc::RecordsCsvImport import = calc::readRecordsCsv(csv, separator);
    if (!import.ok()) {
        FUZZ_REQUIRE(import.records.empty(), "records from a refused " + context);
        FUZZ_REQUIRE(!import.problems.empty() && import.problems.size() <= calc::kMaxCsvProblemsShown, context);
        for (const calc::CsvProblem& p : import.problems)
            FUZZ_REQUIRE(p.line >= 1 && !p.thai.empty() && !p.english.empty(), context);
        return 0;
    }
    std::set<std::string> marks;
    for (const calc::PileRecord& r : import.records) {
        FUZZ_REQUIRE(!r.mark.empty() && marks.insert(r.mark).second, "a missing or repeated mark in " + context);
        checkRecord(r, separator, context);
    }
    const std::string exported = calc::recordsCsv(import.records, {}, separator);
    const calc::RecordsCsvImport again = calc::readRecordsCsv(exported, separator);
    FUZZ_REQUIRE(again.ok(), "an exported file was refused: " + fuzz::quoted(exported));
    FUZZ_REQUIRE(again.records == import.records, "exported and imported again differs: " + fuzz::quoted(exported));
    return 0;
}
