#include <gtest/gtest.h>

#include "calc/csv.h"
#include "calc/records_csv.h"

namespace calc {
namespace {

std::vector<PileRecord> sampleRecords(const std::string& sep)
{
    return {
        {"P-001", "A/1", "2026-11-02", "3" + sep + "5", "50", "18" + sep + "25", {"12", "15", "21"},
         {"2" + sep + "1", "1" + sep + "95"}, "สมชาย ใจดี", "หัวเสาแตก, ซ่อมแล้ว \"ตามแบบ\""},
        {"P-002", "", "", "", "", "", {}, {}, "", ""},
        {"P-003", "B,2", "", "", "60", "17", {"0"}, {"0"}, "", "ถึงจุดปฏิเสธ"},
    };
}

TEST(RecordsCsv, ExportThenImportGivesBackTheRecordsAsTyped)
{
    for (const std::string sep : {".", ","}) {
        const std::vector<PileRecord> records = sampleRecords(sep);
        const std::string csv = recordsCsv(records, {{"meets", "1.9", "2.07", "21", "14", "45.1", "refusal"}}, sep);
        EXPECT_TRUE(csv.starts_with("\xEF\xBB\xBFmark,location,date,hammer,drop,depth,blows,sets,inspector,remarks,"
                                    "status,last_set,allowed_set10,last_blows,least_blows30,safe_load,flags\r\n"));
        EXPECT_NE(csv.find("P-001,A/1,2026-11-02,3.5,50,18.25,12;15;21,2.1;1.95,"), std::string::npos) << csv;
        const RecordsCsvImport back = readRecordsCsv(csv, sep);
        ASSERT_TRUE(back.ok()) << back.problems.front().english;
        EXPECT_EQ(back.records, records) << "separator " << sep;
    }
}

TEST(RecordsCsv, CommaDecimalsAreTakenWhenNoNumberHoldsAPoint)
{
    const std::string head = "mark,location,date,hammer,drop,depth,blows,sets,inspector,remarks\n";
    RecordsCsvImport comma = readRecordsCsv(head + "P-1,,,\"3,5\",50,,10;12,\"2,5;1,75\",,\n", ".");
    ASSERT_TRUE(comma.ok());
    EXPECT_EQ(comma.csvSeparator, ",");
    EXPECT_EQ(comma.records[0].hammer, "3.5");
    EXPECT_EQ(comma.records[0].sets, (std::vector<std::string>{"2.5", "1.75"}));
    // A point anywhere makes the file's separator "." and the comma number bad.
    RecordsCsvImport mixed = readRecordsCsv(head + "P-1,,,\"3,5\",50.5,,,,,\n", ",");
    EXPECT_EQ(mixed.csvSeparator, ".");
    ASSERT_EQ(mixed.problemCount, 1u);
    EXPECT_EQ(mixed.problems[0].thai, "บรรทัด 2: น้ำหนักลูกตุ้ม (hammer) ไม่ใช่ตัวเลข: \"3,5\"");
}

TEST(RecordsCsv, OneBadRowImportsNothing)
{
    const std::string head = "mark,location,date,hammer,drop,depth,blows,sets,inspector,remarks\r\n";
    const std::string good = "P-1,,,,,,,,,\r\n";
    struct Case {
        const char* name;
        std::string csv;
        std::size_t line;
        std::string thai;
    };
    const std::vector<Case> cases = {
        {"missing mark", head + good + ",A,,,,,,,,\r\n", 3, "ไม่มีหมายเลขเสาเข็ม (mark)"},
        {"duplicate mark", head + good + "P-2,,,,,,,,,\r\n" + good, 4, "หมายเลขเสาเข็ม \"P-1\" ซ้ำกับบรรทัด 2"},
        {"not a number", head + "P-1,,,,x50,,,,,\r\n", 2, "ระยะยกลูกตุ้ม (drop) ไม่ใช่ตัวเลข: \"x50\""},
        {"blow not whole", head + "P-1,,,,,,10;12.5,,,\r\n", 2,
         "จำนวนครั้งที่ตอกต่อ 30 ซม. ชุดที่ 2 (blows) ต้องเป็นจำนวนเต็ม: \"12.5\""},
        {"set negative", head + "P-1,,,,,,,2;-1,,\r\n", 2, "ค่าการทรุดตัว 10 ครั้ง ชุดที่ 2 (sets) ไม่ใช่ตัวเลข: \"-1\""},
        {"column count", head + good + "P-2,,,,,,,,\r\n", 3, "จำนวนคอลัมน์ 9 ไม่เท่ากับหัวตาราง (10)"},
        {"header", "mark,location,date,drop,hammer,depth,blows,sets,inspector,remarks\r\n" + good, 1,
         "หัวตารางต้องขึ้นต้นด้วย mark,location,date,hammer,drop,depth,blows,sets,inspector,remarks"},
        {"empty file", "", 1, "หัวตารางต้องขึ้นต้นด้วย mark,location,date,hammer,drop,depth,blows,sets,inspector,remarks"},
        {"control character", head + "P-1,,,,,,,,,\"two\nlines\"\r\n", 2, "ช่อง remarks มีอักขระควบคุม"},
        {"unclosed quote", head + good + "P-2,\"A,,,,,,,,\r\n", 3, "เครื่องหมายคำพูด (\") ไม่ได้ปิด"},
        {"not UTF-8", head + "P-\xff,,,,,,,,,\r\n", 1, "ไฟล์ไม่ใช่ข้อความ UTF-8"},
    };
    for (const Case& c : cases) {
        const RecordsCsvImport import = readRecordsCsv(c.csv, ".");
        ASSERT_FALSE(import.ok()) << c.name;
        EXPECT_TRUE(import.records.empty()) << c.name;
        EXPECT_EQ(import.problems[0].line, c.line) << c.name;
        EXPECT_EQ(import.problems[0].thai, "บรรทัด " + std::to_string(c.line) + ": " + c.thai) << c.name;
    }
}

TEST(RecordsCsv, TheFirstTenProblemsAreShownAndAllCounted)
{
    std::string csv = "mark,location,date,hammer,drop,depth,blows,sets,inspector,remarks,status\n";
    for (int i = 0; i < 12; ++i) csv += "P-" + std::to_string(i) + ",,,,,,,,,\n";  // a column short
    const RecordsCsvImport import = readRecordsCsv(csv, ".");
    EXPECT_EQ(import.problemCount, 12u);
    ASSERT_EQ(import.problems.size(), 10u);
    EXPECT_EQ(import.problems[9].line, 11u);
    EXPECT_EQ(import.problems[9].english, "line 11: 10 columns where the header has 11");
}

TEST(RecordsCsv, ReplacingKeepsOrderAndAddsNewMarksAtTheEnd)
{
    const auto record = [](std::string mark, std::string depth) {
        PileRecord r;
        r.mark = std::move(mark);
        r.depth = std::move(depth);
        return r;
    };
    const std::vector<PileRecord> existing = {record("P-1", "10"), record("P-2", "11")};
    const std::vector<PileRecord> imported = {record("P-3", "9"), record("P-1", "12")};
    EXPECT_EQ(existingMarks(existing, imported), std::vector<std::string>{"P-1"});
    const std::vector<PileRecord> merged = mergeRecords(existing, imported);
    ASSERT_EQ(merged.size(), 3u);
    EXPECT_EQ(merged[0].depth, "12");
    EXPECT_EQ(merged[1].mark, "P-2");
    EXPECT_EQ(merged[2].mark, "P-3");
}

TEST(Csv, QuotedFieldsMayHoldCommasQuotesAndLineEnds)
{
    const CsvTable table = parseCsv("a,\"b,\"\"c\"\"\",\"d\r\ne\"\r\n\r\nf\n");
    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(table.rows[0].fields, (std::vector<std::string>{"a", "b,\"c\"", "d\r\ne"}));
    EXPECT_EQ(table.rows[1].line, 4u);
    EXPECT_EQ(parseCsv(csvRow(table.rows[0].fields)).rows[0].fields, table.rows[0].fields);
}

}  // namespace
}  // namespace calc
