#include "calc/records_csv.h"

#include <cmath>
#include <map>
#include <optional>

#include "calc/csv.h"
#include "calc/numbers.h"
#include "calc/text_rules.h"

namespace calc {

namespace {

std::string joined(const std::vector<std::string>& items)
{
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) out += (i ? ";" : "") + items[i];
    return out;
}

std::vector<std::string> split(const std::string& text)
{
    std::vector<std::string> items;
    if (text.empty()) return items;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(';', start);
        items.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) return items;
        start = end + 1;
    }
}

std::string withPoint(const std::string& text, std::string_view separator) { return replaceAll(text, separator, "."); }

// The columns that hold numbers, and their names in the two languages.
struct NumberColumn {
    std::size_t column;
    const char* thai;
    bool list;
    bool whole;
};
constexpr std::array<NumberColumn, 5> kNumberColumns = {{
    {3, "น้ำหนักลูกตุ้ม", false, false},
    {4, "ระยะยกลูกตุ้ม", false, false},
    {5, "ความลึกที่ตอก", false, false},
    {6, "จำนวนครั้งที่ตอกต่อ 30 ซม.", true, true},
    {7, "ค่าการทรุดตัว 10 ครั้ง", true, false},
}};

class Problems {
public:
    void add(std::size_t line, std::string thai, std::string english)
    {
        if (list_.size() < kMaxCsvProblemsShown)
            list_.push_back({line, "บรรทัด " + std::to_string(line) + ": " + thai,
                             "line " + std::to_string(line) + ": " + english});
        ++count_;
    }
    void moveInto(RecordsCsvImport& import)
    {
        import.problems = std::move(list_);
        import.problemCount = count_;
    }
    std::size_t count() const { return count_; }

private:
    std::vector<CsvProblem> list_;
    std::size_t count_ = 0;
};

std::string decimalSeparatorOf(const std::vector<CsvRow>& rows)
{
    bool comma = false, point = false;
    for (std::size_t r = 1; r < rows.size(); ++r)
        for (const NumberColumn& n : kNumberColumns)
            if (n.column < rows[r].fields.size()) {
                const std::string& f = rows[r].fields[n.column];
                comma = comma || f.find(',') != std::string::npos;
                point = point || f.find('.') != std::string::npos;
            }
    return comma && !point ? "," : ".";
}

void checkNumbers(const CsvRow& row, std::string_view separator, Problems& problems)
{
    for (const NumberColumn& n : kNumberColumns) {
        const std::string& field = row.fields[n.column];
        const std::vector<std::string> items = n.list ? split(field) : std::vector<std::string>{field};
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (!n.list && items[i].empty()) continue;  // the tab's own hammer and drop, or no depth yet
            const std::optional<float> value = textToNumber(items[i], separator);
            const std::string name = kRecordCsvHeader[n.column];
            const std::string place = n.list ? " ชุดที่ " + std::to_string(i + 1) : "";
            const std::string englishPlace = n.list ? " item " + std::to_string(i + 1) : "";
            if (!value) {
                problems.add(row.line, std::string(n.thai) + place + " (" + name + ") ไม่ใช่ตัวเลข: \"" + items[i] + "\"",
                             name + englishPlace + " is not a number: \"" + items[i] + "\"");
            } else if (n.whole && *value != std::floor(*value)) {
                problems.add(row.line, std::string(n.thai) + place + " (" + name + ") ต้องเป็นจำนวนเต็ม: \"" + items[i] + "\"",
                             name + englishPlace + " is not a whole number: \"" + items[i] + "\"");
            }
        }
    }
}

PileRecord recordOf(const CsvRow& row, std::string_view from, std::string_view to)
{
    const auto number = [&](std::size_t c) { return replaceAll(row.fields[c], from, to); };
    PileRecord r;
    r.mark = row.fields[0];
    r.location = row.fields[1];
    r.date = row.fields[2];
    r.hammer = number(3);
    r.drop = number(4);
    r.depth = number(5);
    r.blows = split(number(6));
    r.sets = split(number(7));
    r.inspector = row.fields[8];
    r.remarks = row.fields[9];
    return r;
}

}  // namespace

std::string recordsCsv(const std::vector<PileRecord>& records, const std::vector<RecordCsvResults>& results,
                       std::string_view separator)
{
    std::string out(kUtf8ByteOrderMark);
    out += csvRow(std::vector<std::string>(kRecordCsvHeader.begin(), kRecordCsvHeader.end()));
    for (std::size_t i = 0; i < records.size(); ++i) {
        const PileRecord& r = records[i];
        const RecordCsvResults checked = i < results.size() ? results[i] : RecordCsvResults{};
        out += csvRow({r.mark, r.location, r.date, withPoint(r.hammer, separator), withPoint(r.drop, separator),
                       withPoint(r.depth, separator), withPoint(joined(r.blows), separator),
                       withPoint(joined(r.sets), separator), r.inspector, r.remarks, checked.status, checked.lastSet,
                       checked.allowedSet10, checked.lastBlows, checked.leastBlows30, checked.safeLoad, checked.flags});
    }
    return out;
}

RecordsCsvImport readRecordsCsv(std::string_view text, std::string_view documentSeparator)
{
    RecordsCsvImport import;
    Problems problems;
    if (!isUtf8(text)) {
        problems.add(1, "ไฟล์ไม่ใช่ข้อความ UTF-8", "the file is not UTF-8 text");
        problems.moveInto(import);
        return import;
    }
    const CsvTable table = parseCsv(text);
    const std::vector<CsvRow>& rows = table.rows;
    bool headerOk = !rows.empty() && rows[0].line == 1 && rows[0].fields.size() >= kRecordCsvInputColumns;
    for (std::size_t c = 0; headerOk && c < kRecordCsvInputColumns; ++c)
        headerOk = rows[0].fields[c] == kRecordCsvHeader[c];
    if (!headerOk) {
        problems.add(1, "หัวตารางต้องขึ้นต้นด้วย mark,location,date,hammer,drop,depth,blows,sets,inspector,remarks",
                     "the header must begin with mark,location,date,hammer,drop,depth,blows,sets,inspector,remarks");
        problems.moveInto(import);
        return import;
    }
    if (table.unclosedQuoteLine)
        problems.add(table.unclosedQuoteLine, "เครื่องหมายคำพูด (\") ไม่ได้ปิด", "a quote (\") is never closed");
    import.csvSeparator = decimalSeparatorOf(rows);
    const std::size_t columns = rows[0].fields.size();
    std::map<std::string, std::size_t> marks;  // mark → its line
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const CsvRow& row = rows[r];
        if (row.fields.size() != columns) {
            problems.add(row.line,
                         "จำนวนคอลัมน์ " + std::to_string(row.fields.size()) + " ไม่เท่ากับหัวตาราง (" +
                             std::to_string(columns) + ")",
                         std::to_string(row.fields.size()) + " columns where the header has " + std::to_string(columns));
            continue;
        }
        bool control = false;
        for (std::size_t c = 0; c < kRecordCsvInputColumns; ++c)
            if (holdsControlCharacter(row.fields[c]) && !control) {
                control = true;
                problems.add(row.line, std::string("ช่อง ") + kRecordCsvHeader[c] + " มีอักขระควบคุม",
                             std::string(kRecordCsvHeader[c]) + " holds a control character");
            }
        const std::string& mark = row.fields[0];
        if (mark.empty()) {
            problems.add(row.line, "ไม่มีหมายเลขเสาเข็ม (mark)", "no pile mark");
        } else if (const auto [at, added] = marks.emplace(mark, row.line); !added) {
            problems.add(row.line, "หมายเลขเสาเข็ม \"" + mark + "\" ซ้ำกับบรรทัด " + std::to_string(at->second),
                         "pile mark \"" + mark + "\" is used on line " + std::to_string(at->second) + " already");
        }
        checkNumbers(row, import.csvSeparator, problems);
        import.records.push_back(recordOf(row, import.csvSeparator, documentSeparator));
    }
    if (problems.count()) import.records.clear();
    problems.moveInto(import);
    return import;
}

std::vector<std::string> existingMarks(const std::vector<PileRecord>& existing, const std::vector<PileRecord>& imported)
{
    std::map<std::string, bool> held;
    for (const PileRecord& r : existing) held[r.mark] = true;
    std::vector<std::string> marks;
    for (const PileRecord& r : imported)
        if (held.count(r.mark)) marks.push_back(r.mark);
    return marks;
}

std::vector<PileRecord> mergeRecords(std::vector<PileRecord> existing, const std::vector<PileRecord>& imported)
{
    std::map<std::string, std::size_t> at;
    for (std::size_t i = 0; i < existing.size(); ++i) at.emplace(existing[i].mark, i);
    for (const PileRecord& r : imported) {
        if (const auto it = at.find(r.mark); it != at.end()) {
            existing[it->second] = r;
        } else {
            at.emplace(r.mark, existing.size());
            existing.push_back(r);
        }
    }
    return existing;
}

namespace {

std::string listed(const std::vector<std::string>& marks)
{
    std::string out;
    for (std::size_t i = 0; i < marks.size() && i < kMaxCsvProblemsShown; ++i) out += (i ? ", " : "") + marks[i];
    if (marks.size() > kMaxCsvProblemsShown) out += ", …";
    return out;
}

}  // namespace

std::string thaiExistingMarksText(const std::vector<std::string>& marks)
{
    return "หมายเลขเสาเข็มต่อไปนี้มีอยู่แล้วในไฟล์: " + listed(marks);
}

std::string englishExistingMarksText(const std::vector<std::string>& marks)
{
    return "these pile marks are in the file already: " + listed(marks);
}

}  // namespace calc
