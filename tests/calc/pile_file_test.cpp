// Pile files: what is saved opens again exactly, in either decimal separator;
// a bad file is refused with its reason.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "calc/formula_names.h"
#include "calc/pile_file.h"
#include "worked_examples.h"

namespace calc {
namespace {

using Kind = PileFileError::Kind;

// Every field of every tab holds a different text, with the separator where a
// number has one, and each tab ticks a different pair of boxes.
PileDocument everyFieldDifferent(const std::string& separator)
{
    PileDocument d;
    d.decimalSeparator = separator;
    int n = 0;
    for (const FormulaInfo& info : formulas()) {
        auto& texts = d.tab(info.formula).texts;
        texts.resize(info.fields.size());
        for (const FieldSymbol& f : info.fields) texts[f.index] = std::to_string(++n) + separator + "5";
    }
    d.tab(Formula::Hiley).boxes = {true, false, true, false};
    d.tab(Formula::Danish).boxes = {false, true, false, true};
    d.tab(Formula::Janbu).boxes = {false, true, true, false};
    return d;
}

std::string withHiley(const std::string& hiley)
{
    return R"({"format":"blowcount-pile","version":1,"tabs":{"hiley":)" + hiley + "}}";
}

std::string withHileyV2(const std::string& hiley)
{
    return R"({"format":"blowcount-pile","version":2,"tabs":{"hiley":)" + hiley + "}}";
}

const PileDocument& document(const PileFileResult& result)
{
    if (const auto* e = std::get_if<PileFileError>(&result)) ADD_FAILURE() << englishReason(*e);
    static const PileDocument none;
    const auto* d = std::get_if<PileDocument>(&result);
    return d ? *d : none;
}

TEST(PileFile, RoundTripsEveryTextAndBoxInEitherSeparator)
{
    for (const std::string sep : {".", ","}) {
        const PileDocument saved = everyFieldDifferent(sep);
        EXPECT_EQ(document(readPileFile(writePileFile(saved), sep)), saved) << sep;
    }
}

TEST(PileFile, OpenedInTheOtherSeparatorReplacesOnlyThatCharacter)
{
    PileDocument saved = everyFieldDifferent(".");
    saved.tab(Formula::Hiley).texts[5] = "1,250.5";  // the other separator stays as it is
    const PileDocument opened = document(readPileFile(writePileFile(saved), ","));
    PileDocument expected = everyFieldDifferent(",");
    expected.tab(Formula::Hiley).texts[5] = "1,250,5";
    EXPECT_EQ(opened, expected);
    // and back: saved in "," and opened in "." gives the first document again
    const PileDocument back = document(readPileFile(writePileFile(everyFieldDifferent(",")), "."));
    EXPECT_EQ(back, everyFieldDifferent("."));
}

TEST(PileFile, PastedTextsRoundTripAsTheyStand)
{
    PileDocument saved = everyFieldDifferent(".");
    auto& texts = saved.tab(Formula::Danish).texts;
    texts[0] = "";
    texts[1] = "  12 ";
    texts[2] = "abc";
    texts[3] = "สามสิบ ตัน";
    texts[4] = "\"quoted\" \\ / {}";
    texts[5] = "30.0";
    texts[6] = "\xF0\x9F\x94\xA8";  // beyond the basic plane
    const std::string text = writePileFile(saved);
    EXPECT_EQ(document(readPileFile(text, ".")), saved);
    EXPECT_NE(text.find("\"D\": \"\""), std::string::npos) << text;
    EXPECT_NE(text.find("\"e\": \"30.0\""), std::string::npos) << "texts stay texts: " << text;
}

// A tab with a section: version 2, the area with the file's separator, the
// same section whatever the reader's separator; without one, version 1.
TEST(PileFile, SectionsRoundTripAsVersionTwo)
{
    for (const std::string sep : {".", ","}) {
        PileDocument saved = everyFieldDifferent(sep);
        EXPECT_EQ(pileFileVersion(saved), 1);
        EXPECT_NE(writePileFile(saved).find("\"version\": 1,"), std::string::npos);
        saved.tab(Formula::Danish).boxes = {false, true, false, false, PileSection{"spun-400/65", "สปัน", "Ø400/65", "684.08"}};
        const std::string text = writePileFile(saved);
        EXPECT_NE(text.find("\"version\": 2,"), std::string::npos) << text;
        EXPECT_NE(text.find("\"area\": \"684" + sep + "08\""), std::string::npos) << text;
        EXPECT_EQ(document(readPileFile(text, sep)), saved) << sep;
        const std::string other = sep == "." ? "," : ".";
        EXPECT_EQ(document(readPileFile(text, other)).tab(Formula::Danish).boxes, saved.tab(Formula::Danish).boxes);
    }
    // A section object beside the fields: its id defaults to its name.
    const PileDocument d = document(readPileFile(withHileyV2(R"({"section":{"name":"ไอ 26×26","area":"489"}})"), "."));
    EXPECT_EQ(d.tab(Formula::Hiley).boxes, (PileBoxes{false, false, false, false, PileSection{"ไอ 26×26", "ไอ 26×26", "", "489"}}));
}

TEST(PileFile, WritesTheDocumentedLayout)
{
    const std::string text = writePileFile(initialDocument("."));
    EXPECT_EQ(text.rfind("{\n  \"format\": \"blowcount-pile\",\n  \"version\": 1,\n  \"decimal_separator\": \".\",\n"
                         "  \"tabs\": {\n    \"engineering-news\": {\n      \"fields\": {\n        \"Qa\": ",
                         0),
              0u)
        << text;
    EXPECT_NE(text.find("\"material\": null,\n      \"section\": null"), std::string::npos) << text;
    EXPECT_EQ(text.back(), '\n');
}

TEST(PileFile, MissingKeysReadAsEmptyAndUnknownKeysAreIgnored)
{
    const PileDocument d = document(readPileFile(
        R"({"format":"blowcount-pile","version":1,"later":[1,2],
            "tabs":{"hiley":{"fields":{"L2":"5","x":3},"material":"prestressed","colour":"red"},"other":{}}})",
        ","));
    EXPECT_EQ(d.decimalSeparator, ",");
    const PileTab& hiley = d.tab(Formula::Hiley);
    ASSERT_EQ(hiley.texts.size(), 9u);
    for (std::size_t i = 0; i < 9; ++i) EXPECT_EQ(hiley.texts[i], i == 4 ? "5" : "") << i;
    EXPECT_EQ(hiley.boxes, (PileBoxes{false, true, false, false}));
    EXPECT_EQ(d.tab(Formula::Janbu).texts, std::vector<std::string>(7));
    EXPECT_EQ(d.tab(Formula::EngineeringNews).texts, std::vector<std::string>(5));
}

struct BadFile {
    const char* name;
    std::string text;
    Kind kind;
    std::string thai;
};

void PrintTo(const BadFile& c, std::ostream* out) { *out << c.name; }

class BadPileFile : public testing::TestWithParam<BadFile> {};

TEST_P(BadPileFile, IsRefusedWithItsReason)
{
    const PileFileResult r = readPileFile(GetParam().text, ".");
    const auto* e = std::get_if<PileFileError>(&r);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->kind, GetParam().kind);
    EXPECT_EQ(thaiReason(*e), GetParam().thai);
    EXPECT_FALSE(englishReason(*e).empty());
}


INSTANTIATE_TEST_SUITE_P(
    Kinds, BadPileFile,
    testing::Values(
        BadFile{"empty", "", Kind::NotJson, "ไม่ใช่ไฟล์ JSON"},
        BadFile{"text", "D=30 L=12", Kind::NotJson, "ไม่ใช่ไฟล์ JSON"},
        BadFile{"truncated", R"({"format":"blowcount-pile","version":1,"tabs":{)", Kind::NotJson, "ไม่ใช่ไฟล์ JSON"},
        BadFile{"array", "[]", Kind::NotJson, "ไม่ใช่ไฟล์ JSON"},
        BadFile{"number_overflow", R"({"format":"blowcount-pile","version":1,"later":1e999})", Kind::NotJson,
                "ไม่ใช่ไฟล์ JSON"},
        BadFile{"windows_874", "{\"format\":\"\xBA\"}", Kind::NotUtf8, "ไฟล์ไม่ใช่ข้อความ UTF-8"},
        BadFile{"too_large", std::string(kPileFileMaxBytes + 1, ' '), Kind::TooLarge, "ไฟล์ใหญ่เกิน 16 MiB"},
        BadFile{"other_format", R"({"format":"blowcount","version":1})", Kind::NotPileFile,
                "ไม่ใช่ไฟล์เสาเข็มของ Blow Count"},
        BadFile{"no_format", R"({"version":1})", Kind::NotPileFile, "ไม่ใช่ไฟล์เสาเข็มของ Blow Count"},
        BadFile{"newer", R"({"format":"blowcount-pile","version":3})", Kind::NewerVersion,
                "รุ่นของไฟล์ใหม่กว่าที่โปรแกรมนี้อ่านได้"},
        BadFile{"version_text", R"({"format":"blowcount-pile","version":"1"})", Kind::BadVersion,
                "รุ่นของไฟล์ไม่ถูกต้อง"},
        BadFile{"separator_two", R"({"format":"blowcount-pile","version":1,"decimal_separator":".,"})",
                Kind::BadSeparator, "ตัวคั่นทศนิยมในไฟล์ไม่ถูกต้อง"},
        BadFile{"tabs_array", R"({"format":"blowcount-pile","version":1,"tabs":[]})", Kind::BadStructure,
                "โครงสร้างของไฟล์ไม่ถูกต้องที่ tabs"},
        BadFile{"fields_text", withHiley(R"({"fields":"30"})"), Kind::BadStructure,
                "โครงสร้างของไฟล์ไม่ถูกต้องที่ tabs.hiley.fields"},
        BadFile{"number", withHiley(R"({"fields":{"L2":5}})"), Kind::FieldNotText,
                "ช่อง L2 ในแท็บ Heiley's Formular ไม่ใช่ข้อความ"},
        BadFile{"null", withHiley(R"({"fields":{"D":null}})"), Kind::FieldNotText,
                "ช่อง D ในแท็บ Heiley's Formular ไม่ใช่ข้อความ"},
        BadFile{"object", withHiley(R"({"fields":{"Z":{}}})"), Kind::FieldNotText,
                "ช่อง Z ในแท็บ Heiley's Formular ไม่ใช่ข้อความ"},
        BadFile{"tab_character", withHiley(R"({"fields":{"r":"0.25\t"}})"), Kind::ControlCharacter,
                "ช่อง r ในแท็บ Heiley's Formular มีอักขระควบคุม"},
        BadFile{"nul", withHiley(R"({"fields":{"r":"\u0000"}})"), Kind::ControlCharacter,
                "ช่อง r ในแท็บ Heiley's Formular มีอักขระควบคุม"},
        BadFile{"delete", withHiley(R"({"fields":{"r":"\u007f"}})"), Kind::ControlCharacter,
                "ช่อง r ในแท็บ Heiley's Formular มีอักขระควบคุม"},
        BadFile{"material", withHiley(R"({"material":"steel"})"), Kind::BadBox,
                "ชนิดเสาเข็ม ในแท็บ Heiley's Formular ไม่ถูกต้อง"},
        BadFile{"section", withHiley(R"({"section":true})"), Kind::BadBox,
                "รูปหน้าตัด ในแท็บ Heiley's Formular ไม่ถูกต้อง"},
        BadFile{"section_no_name", withHiley(R"({"section":{"id":"I-26","area":"489"}})"), Kind::BadBox,
                "รูปหน้าตัด ในแท็บ Heiley's Formular ไม่ถูกต้อง"},
        BadFile{"section_empty_name", withHiley(R"({"section":{"name":"","area":"489"}})"), Kind::BadBox,
                "รูปหน้าตัด ในแท็บ Heiley's Formular ไม่ถูกต้อง"},
        BadFile{"section_zero_area", withHiley(R"({"section":{"name":"ไอ","area":"0"}})"), Kind::BadBox,
                "รูปหน้าตัด ในแท็บ Heiley's Formular ไม่ถูกต้อง"},
        BadFile{"section_area_number", withHiley(R"({"section":{"name":"ไอ","area":489}})"), Kind::BadBox,
                "รูปหน้าตัด ในแท็บ Heiley's Formular ไม่ถูกต้อง"},
        BadFile{"section_area_other_separator", withHiley(R"({"section":{"name":"ไอ","area":"489,5"}})"),
                Kind::BadBox, "รูปหน้าตัด ในแท็บ Heiley's Formular ไม่ถูกต้อง"},
        BadFile{"section_area_full_stop_in_comma_file",
                R"({"format":"blowcount-pile","version":2,"decimal_separator":",","tabs":{"hiley":)"
                R"({"section":{"name":"ไอ","area":"489.5"}}}})",
                Kind::BadBox, "รูปหน้าตัด ในแท็บ Heiley's Formular ไม่ถูกต้อง"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PileFile, LoadsFromDiskAndNamesWhatIsMissing)
{
    const auto path = std::filesystem::temp_directory_path() / ("pile_file_test_" + std::to_string(::getpid()));
    {
        std::ofstream out(path, std::ios::binary);
        out << writePileFile(everyFieldDifferent(","));
    }
    EXPECT_EQ(document(loadPileFile(path.string(), ",")), everyFieldDifferent(","));
    std::filesystem::remove(path);
    const PileFileResult gone = loadPileFile(path.string(), ",");
    ASSERT_TRUE(std::holds_alternative<PileFileError>(gone));
    EXPECT_EQ(std::get<PileFileError>(gone).kind, Kind::Missing);
    const PileFileResult folder = loadPileFile(std::filesystem::temp_directory_path().string(), ",");
    ASSERT_TRUE(std::holds_alternative<PileFileError>(folder));
    EXPECT_EQ(std::get<PileFileError>(folder).kind, Kind::NotRegular);
}

// What a file holds is what the tab calculates: the worked example, typed
// with "," and calculated with ".".
TEST(PileFile, OpensIntoTheCalculator)
{
    const PileDocument d = document(readPileFile(
        R"({"format":"blowcount-pile","version":1,"decimal_separator":",","tabs":{"hiley":{"fields":)"
        R"({"D":"30","L":"12","Qa":"40","W":"5","h":"100","L2":"5","r":"0,25","Z":"0,8","FS":"4"},)"
        R"("material":"rc","section":"square"}}})",
        "."));
    const TabOutcome outcome = calculateTab(d.inputs(Formula::Hiley));
    EXPECT_EQ(outcome.kind, OutcomeKind::Ok);
    EXPECT_EQ(outcome.results, worked::kHileySquareRc);
}

TEST(PileFile, ATextWithAControlCharacterIsNamedBeforeSaving)
{
    PileDocument d = everyFieldDifferent(".");
    EXPECT_FALSE(unsavableField(d));
    d.tab(Formula::Janbu).texts[3] = "5\n";
    const auto field = unsavableField(d);
    ASSERT_TRUE(field);
    EXPECT_EQ(thaiUnsavableReason(*field), "ช่อง W ในแท็บ Janbu's Formular มีอักขระควบคุม");
}

}  // namespace
}  // namespace calc
