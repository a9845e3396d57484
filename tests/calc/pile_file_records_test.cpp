// Records in pile files: what is saved opens again exactly, in either decimal
// separator; the lowest version that holds the content is written; a bad
// record makes the file bad.
#include <gtest/gtest.h>

#include "calc/pile_file.h"

namespace calc {
namespace {

using Kind = PileFileError::Kind;

PileDocument withRecords(const std::string& sep)
{
    PileDocument d = initialDocument(sep);
    PileRecord full{"P-1.5", "A/1", "2026-05-04", "3" + sep + "5", "60", "18" + sep + "35",
                    {"12", "15", "20"}, {"2" + sep + "1", "1" + sep + "95"}, "สมชาย ใจดี", "หัวเสาแตก, \"ซ่อม\""};
    d.records = {full, PileRecord{"P-2", "", "4 พ.ค.", "", "", "", {}, {}, "", ""}};
    d.acceptance = {"hiley", "3", "อาคาร A"};
    d.acceptanceGiven = true;
    return d;
}

const PileDocument& document(const PileFileResult& result)
{
    if (const auto* e = std::get_if<PileFileError>(&result)) ADD_FAILURE() << englishReason(*e);
    static const PileDocument none;
    const auto* d = std::get_if<PileDocument>(&result);
    return d ? *d : none;
}

TEST(PileFileRecords, RoundTripInEitherSeparatorAndAcrossThem)
{
    for (const std::string sep : {".", ","}) {
        const PileDocument saved = withRecords(sep);
        EXPECT_EQ(document(readPileFile(writePileFile(saved), sep)), saved) << sep;
    }
    // Saved with "," and opened with ".": number texts only get the separator.
    const PileDocument opened = document(readPileFile(writePileFile(withRecords(",")), "."));
    EXPECT_EQ(opened.records, withRecords(".").records);
    EXPECT_EQ(opened.records[0].mark, "P-1.5");
}

TEST(PileFileRecords, WritesTheLowestVersionThatHoldsTheContent)
{
    const auto version = [](const PileDocument& d) {
        const std::string text = writePileFile(d);
        return text.substr(text.find("\"version\": ") + 11, 1);
    };
    PileDocument d = initialDocument(".");
    EXPECT_EQ(version(d), "1");
    EXPECT_EQ(writePileFile(d).find("records"), std::string::npos);
    d.acceptanceGiven = true;
    EXPECT_EQ(version(d), "2");
    d = initialDocument(".");
    d.records.push_back({});
    d.records.back().mark = "P-1";
    EXPECT_EQ(version(d), "2");
    // A version 2 file without either opens as version 1 content.
    const PileDocument opened =
        document(readPileFile(R"({"format":"blowcount-pile","version":2,"records":[]})", "."));
    EXPECT_FALSE(opened.acceptanceGiven);
    EXPECT_EQ(opened.acceptance, AcceptanceSettings{});
}

struct BadRecords {
    const char* name;
    std::string content;  // after "version":2,
    Kind kind;
    std::string thai;
};

class BadRecordFile : public testing::TestWithParam<BadRecords> {};

TEST_P(BadRecordFile, IsRefusedWithItsReason)
{
    const std::string text = R"({"format":"blowcount-pile","version":2,)" + GetParam().content + "}";
    const PileFileResult result = readPileFile(text, ".");
    const auto* error = std::get_if<PileFileError>(&result);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind, GetParam().kind);
    EXPECT_EQ(thaiReason(*error), GetParam().thai);
    EXPECT_FALSE(englishReason(*error).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Records, BadRecordFile,
    testing::Values(
        BadRecords{"records_object", R"("records":{})", Kind::BadRecords, "โครงสร้างของไฟล์ไม่ถูกต้องที่ records"},
        BadRecords{"record_text", R"("records":[{"mark":"P-1"},"P-2"])", Kind::BadRecords,
                   "บันทึกการตอกลำดับที่ 2 ไม่ใช่ออบเจกต์"},
        BadRecords{"no_mark", R"("records":[{"location":"A"}])", Kind::MissingMark,
                   "บันทึกการตอกลำดับที่ 1 ไม่มีหมายเลขเสาเข็ม"},
        BadRecords{"empty_mark", R"("records":[{"mark":""}])", Kind::MissingMark,
                   "บันทึกการตอกลำดับที่ 1 ไม่มีหมายเลขเสาเข็ม"},
        BadRecords{"duplicate", R"("records":[{"mark":"P-1"},{"mark":"P-2"},{"mark":"P-1"}])", Kind::DuplicateMark,
                   "บันทึกการตอกลำดับที่ 3: หมายเลขเสาเข็ม P-1 ซ้ำ"},
        BadRecords{"depth_number", R"("records":[{"mark":"P-1","depth":18.3}])", Kind::RecordNotText,
                   "บันทึกการตอกลำดับที่ 1: ช่อง depth ไม่ใช่ข้อความ"},
        BadRecords{"blows_text", R"("records":[{"mark":"P-1","blows":"12"}])", Kind::RecordNotText,
                   "บันทึกการตอกลำดับที่ 1: ช่อง blows ไม่ใช่ข้อความ"},
        BadRecords{"sets_number_item", R"("records":[{"mark":"P-1","sets":["1",2]}])", Kind::RecordNotText,
                   "บันทึกการตอกลำดับที่ 1: ช่อง sets ไม่ใช่ข้อความ"},
        BadRecords{"control_remark", R"("records":[{"mark":"P-1","remarks":"a\u0007"}])",
                   Kind::RecordControlCharacter, "บันทึกการตอกลำดับที่ 1: ช่อง remarks มีอักขระควบคุม"},
        BadRecords{"control_set", R"("records":[{"mark":"P-1","sets":["1\n"]}])", Kind::RecordControlCharacter,
                   "บันทึกการตอกลำดับที่ 1: ช่อง sets มีอักขระควบคุม"},
        BadRecords{"acceptance_list", R"("acceptance":[])", Kind::BadRecords,
                   "โครงสร้างของไฟล์ไม่ถูกต้องที่ acceptance"},
        BadRecords{"acceptance_k_number", R"("acceptance":{"sets_required":1})", Kind::RecordNotText,
                   "เกณฑ์การยอมรับ: ช่อง sets_required ไม่ใช่ข้อความ"},
        BadRecords{"acceptance_formula", R"("acceptance":{"formula":"gates"})", Kind::BadAcceptanceFormula,
                   "สูตรของเกณฑ์การยอมรับ \"gates\" ไม่ถูกต้อง"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PileFileRecords, UnsavableRecordsAreNamed)
{
    PileDocument d = withRecords(".");
    EXPECT_FALSE(thaiUnsavableRecords(d));
    d.records[1].mark = "P-1.5";
    EXPECT_EQ(thaiUnsavableRecords(d), "หมายเลขเสาเข็ม P-1.5 ซ้ำ");
    d.records[1].mark = "";
    EXPECT_EQ(thaiUnsavableRecords(d), "บันทึกการตอกลำดับที่ 2 ไม่มีหมายเลขเสาเข็ม");
    d.records[1].mark = "P-2";
    d.records[1].sets = {"1\t"};
    EXPECT_EQ(thaiUnsavableRecords(d), "บันทึกของเสาเข็ม P-2 มีอักขระควบคุม");
}

}  // namespace
}  // namespace calc
