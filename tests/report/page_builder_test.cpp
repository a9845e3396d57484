// The report pages against the reports' line tables: positions, styles and
// exact texts, the pile-type line and its underline quirk, texts edited after
// the calculation, the conclusion lines worked out from S, and refused pages.
#include <algorithm>
#include <cctype>
#include <limits>
#include <optional>
#include <ostream>
#include <tuple>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "report/page_builder.h"
#include "tests/report/expected_pages.h"
#include "tests/report/page_printing.h"
#include "tests/report/sample_tabs.h"

namespace report {
namespace {

using calc::Formula;

std::string caseName(std::string name)
{
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

const Line* lineAt(const Page& page, int y)
{
    for (const Line& line : page.lines)
        if (line.y == y) return &line;
    return nullptr;
}

// ---------------------------------------------------------------- whole pages

struct WholePageCase {
    std::string name;
    TabSnapshot tab;
    std::vector<Line> expected;
};

void PrintTo(const WholePageCase& c, std::ostream* out) { *out << c.name; }

class WholePage : public testing::TestWithParam<WholePageCase> {};

TEST_P(WholePage, MatchesTheReportLineByLine)
{
    const std::optional<Page> page = buildPage(GetParam().tab);
    ASSERT_TRUE(page.has_value());
    const std::vector<Line>& expected = GetParam().expected;
    for (std::size_t i = 0; i < std::min(page->lines.size(), expected.size()); ++i)
        EXPECT_EQ(page->lines[i], expected[i]) << "line " << i + 1;
    EXPECT_EQ(page->lines.size(), expected.size());
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, WholePage,
    testing::Values(WholePageCase{"engineering news Qa 30 W 3 h 100", samples::engineeringNews(),
                                  expected::engineeringNewsPage()},
                    WholePageCase{"hiley square RC", samples::hiley(), expected::hileyPage()},
                    WholePageCase{"danish square RC h 135", samples::danish(), expected::danishPage()},
                    WholePageCase{"janbu square RC", samples::janbu(), expected::janbuPage()}),
    [](const auto& info) { return caseName(info.param.name); });

// ------------------------------------------------------------ pile-type line

struct PileTypeCase {
    std::string name;
    Formula formula;
    std::vector<std::string> ticked;  // the boxes ticked at print time
    std::optional<std::string> expected;
};

void PrintTo(const PileTypeCase& c, std::ostream* out) { *out << c.name; }

class PileTypeLine : public testing::TestWithParam<PileTypeCase> {};

std::vector<Line> workedExamplePage(Formula formula)
{
    switch (formula) {
    case Formula::EngineeringNews: return expected::engineeringNewsPage();
    case Formula::Hiley: return expected::hileyPage();
    case Formula::Danish: return expected::danishPage();
    case Formula::Janbu: return expected::janbuPage();
    }
    return {};
}

// The worked example's page with the pile-type line of the case: its text at
// 1800, or, without one, no line there and the input lines underlined.
std::vector<Line> pageWithPileType(Formula formula, const std::optional<std::string>& pileType)
{
    std::vector<Line> page;
    bool inputs = false;
    for (Line line : workedExamplePage(formula)) {
        if (line.y == 1800) {
            if (pileType) page.push_back({900, 1800, false, false, 14, *pileType});
            inputs = true;
            continue;
        }
        if (line.text == "ผลการคำนวณ :") inputs = false;
        if (inputs && !pileType) line.underline = true;
        page.push_back(line);
    }
    return page;
}

TEST_P(PileTypeLine, FollowsTheBoxesTickedAtPrintTime)
{
    TabSnapshot tab = samples::ofFormula(GetParam().formula);
    tab.checks.clear();
    for (const std::string& box : GetParam().ticked) tab.checks[box] = true;

    const std::optional<Page> page = buildPage(tab);
    ASSERT_TRUE(page.has_value());
    const std::vector<Line> expected = pageWithPileType(GetParam().formula, GetParam().expected);
    for (std::size_t i = 0; i < std::min(page->lines.size(), expected.size()); ++i)
        EXPECT_EQ(page->lines[i], expected[i]) << "line " << i + 1;
    EXPECT_EQ(page->lines.size(), expected.size());
}

std::vector<PileTypeCase> pileTypeCases()
{
    struct Boxes {
        Formula formula;
        const char* tab;
        const char* rc;
        const char* prestressed;
        const char* square;
        const char* round;
    };
    const Boxes tabs[] = {
        {Formula::Hiley, "hiley", "Check8", "Check7", "Check6", "Check5"},
        {Formula::Danish, "danish", "Check4", "Check3", "Check2", "Check1"},
        {Formula::Janbu, "janbu", "Check9", "Check10", "Check11", "Check12"},
    };
    std::vector<PileTypeCase> cases;
    for (const Boxes& b : tabs) {
        const std::string tab = b.tab;
        cases.push_back({tab + " square RC", b.formula, {b.rc, b.square}, "เสาเข็มสี่เหลี่ยม คสล."});
        cases.push_back({tab + " round RC", b.formula, {b.rc, b.round}, "เสาเข็มกลม คสล."});
        cases.push_back({tab + " square prestressed", b.formula, {b.prestressed, b.square}, "เสาเข็มสี่เหลี่ยม คอร."});
        cases.push_back({tab + " round prestressed", b.formula, {b.prestressed, b.round}, "เสาเข็มกลม คอร."});
        cases.push_back({tab + " section unticked", b.formula, {b.prestressed}, std::nullopt});
        cases.push_back({tab + " material unticked", b.formula, {b.round}, std::nullopt});
        cases.push_back({tab + " nothing ticked", b.formula, {}, std::nullopt});
        // Not possible on the screen, whose pairs are exclusive: the first
        // combination that holds is printed, never two texts over each other.
        cases.push_back({tab + " every box ticked", b.formula, {b.rc, b.prestressed, b.square, b.round},
                         "เสาเข็มสี่เหลี่ยม คสล."});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Boxes, PileTypeLine, testing::ValuesIn(pileTypeCases()),
                         [](const auto& info) { return caseName(info.param.name); });

// ---------------------------------------------- texts edited after the result

TEST(EditedInputs, PrintTheCurrentTextsBesideTheResultsOfTheLastCalculation)
{
    TabSnapshot tab = samples::danish();
    tab.texts["Text15(0)"] = "30.0";
    tab.texts["Text15(4)"] = "150";
    tab.texts["Text15(7)"] = "";

    const std::optional<Page> page = buildPage(tab);
    ASSERT_TRUE(page.has_value());
    std::vector<Line> expected = expected::danishPage();
    expected[3].text = "เสาเข็มขนาด(ซม.) = 30.0";
    expected[7].text = "ระยะยกลูกตุ้มสูงจากหัวเสา (ซม.) = 150";
    expected[10].text = "Modulas of Elastic : E (ตัน / ตร.ซม.) = ";
    EXPECT_EQ(page->lines, expected);
}

// A section in use: the pile-type line names it with the material, and the
// section's name and area stand where D stood, in the report's separator.
TEST(SectionInUse, PrintsItsNameAndAreaForTheBoxAndD)
{
    TabSnapshot tab = samples::danish();
    tab.checks["Check2"] = false;  // square
    tab.texts["Text15(0)"] = "35×40";
    tab.section = calc::PileSection{"spun-x", "สปัน Ø400 มม. ผนัง 65 มม.", "Ø400/65", "684.08"};
    tab.decimalSeparator = ",";

    const std::optional<Page> page = buildPage(tab);
    ASSERT_TRUE(page.has_value());
    std::vector<Line> expected = expected::danishPage();
    expected[2].text = "เสาเข็ม สปัน Ø400 มม. ผนัง 65 มม. คสล.";
    expected[3].text = "หน้าตัดเสาเข็ม = สปัน Ø400 มม. ผนัง 65 มม.  (พื้นที่ 684,08  ตร.ซม.)";
    ASSERT_EQ(page->lines.size(), expected.size());
    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(page->lines[i], expected[i]) << i;
    tab.checks["Check4"] = false;  // no material: no pile-type line, as with the boxes
    EXPECT_EQ(buildPage(tab)->lines[2].text, expected[3].text);
}

TEST(EditedInputs, EngineeringNewsFieldsEditedAfterTheCalculation)
{
    TabSnapshot tab = samples::engineeringNews();
    tab.texts["Text2(2)"] = "150";  // a later calculation stopped at the drop-height warning
    tab.texts["Text2(1)"] = "5";

    const std::optional<Page> page = buildPage(tab);
    ASSERT_TRUE(page.has_value());
    std::vector<Line> expected = expected::engineeringNewsPage();
    expected[3].text = "น้ำหนักลูกตุ้ม (ตัน) = 5";
    expected[4].text = "ระยะยกลูกตุ้มสูงจากหัวเสา (ซม.) = 150";
    EXPECT_EQ(page->lines, expected);
}

// ------------------------------------------------------- conclusion lines

struct ConclusionCase {
    std::string name;
    Formula formula;
    float S;
    std::string separator;
    int y;                  // of the first conclusion line; the second is 300 below
    std::string setOfTen;   // number text of 10 × S, not rounded
    std::string blows;      // 30 / S rounded to a whole number, halves to even
};

void PrintTo(const ConclusionCase& c, std::ostream* out) { *out << c.name; }

class ConclusionLines : public testing::TestWithParam<ConclusionCase> {};

TEST_P(ConclusionLines, AreWorkedOutFromTheStoredS)
{
    const ConclusionCase& c = GetParam();
    TabSnapshot tab = samples::ofFormula(c.formula);
    tab.S = c.S;
    tab.decimalSeparator = c.separator;

    const std::optional<Page> page = buildPage(tab);
    ASSERT_TRUE(page.has_value());
    const Line* setOfTen = lineAt(*page, c.y);
    const Line* blows = lineAt(*page, c.y + 300);
    ASSERT_NE(setOfTen, nullptr);
    ASSERT_NE(blows, nullptr);
    EXPECT_EQ(*setOfTen, (Line{900, c.y, true, true, 14,
                               "ดังนั้นค่าการทรุดตัวของเสาเข็มจากการตอก 10 ครั้งสุดท้าย ต้องไม่เกิน  " + c.setOfTen + "  ซม."}));
    EXPECT_EQ(*blows, (Line{900, c.y + 300, true, true, 14,
                            "หรือจำนวนครั้งในการตอกต่อระยะ 30 ซม.(1 ฟุต) ต้องไม่น้อยกว่า  " + c.blows + "  ครั้ง"}));
}

INSTANTIATE_TEST_SUITE_P(
    StoredS, ConclusionLines,
    testing::Values(
        ConclusionCase{"engineering news S unrounded", Formula::EngineeringNews, 0.21400006f, ".", 4900, "2.140001", "140"},
        ConclusionCase{"hiley worked example", Formula::Hiley, 0.604f, ".", 7900, "6.04", "50"},
        ConclusionCase{"danish h 135", Formula::Danish, 0.581f, ".", 6400, "5.809999", "52"},
        ConclusionCase{"danish first example", Formula::Danish, 0.306f, ".", 6400, "3.06", "98"},
        ConclusionCase{"janbu closed form", Formula::Janbu, 0.839f, ".", 7300, "8.389999", "36"},
        ConclusionCase{"janbu first example", Formula::Janbu, 1.228f, ".", 7300, "12.28", "24"},
        // 30 / S formed as a float lands on an exact half, which goes to the
        // even neighbour (in double it would lie just below the half).
        ConclusionCase{"hiley 37.5 goes up to 38", Formula::Hiley, 0.8f, ".", 7900, "8", "38"},
        ConclusionCase{"hiley 62.5 goes down to 62", Formula::Hiley, 0.48f, ".", 7900, "4.8", "62"},
        ConclusionCase{"danish negative S", Formula::Danish, -0.163f, ".", 6400, "-1.63", "-184"},
        ConclusionCase{"janbu negative S", Formula::Janbu, -0.02f, ".", 7300, "-0.2", "-1500"},
        ConclusionCase{"engineering news negative S", Formula::EngineeringNews, -1.0359999f, ".", 4900, "-10.36", "-29"},
        ConclusionCase{"count below one half is 0 not minus 0", Formula::Danish, -100.0f, ".", 6400, "-1000", "0"},
        ConclusionCase{"comma separator", Formula::Danish, 0.581f, ",", 6400, "5,809999", "52"},
        ConclusionCase{"comma separator whole count", Formula::EngineeringNews, 0.21400006f, ",", 4900, "2,140001", "140"}),
    [](const auto& info) { return caseName(info.param.name); });

// ------------------------------------------------------------ refused pages

struct RefusedCase {
    std::string name;
    float S;
};

void PrintTo(const RefusedCase& c, std::ostream* out) { *out << c.name; }

class RefusedPage : public testing::TestWithParam<std::tuple<Formula, RefusedCase>> {};

TEST_P(RefusedPage, NoPageAtAllWhenTheConclusionsCannotBeWorkedOut)
{
    TabSnapshot tab = samples::ofFormula(std::get<0>(GetParam()));
    tab.S = std::get<1>(GetParam()).S;
    EXPECT_FALSE(buildPage(tab).has_value());
}

std::string refusedCaseName(const testing::TestParamInfo<RefusedPage::ParamType>& info)
{
    const char* tabs[] = {"engineering_news", "hiley", "danish", "janbu"};
    return std::string(tabs[static_cast<int>(std::get<0>(info.param))]) + "_" + caseName(std::get<1>(info.param).name);
}

INSTANTIATE_TEST_SUITE_P(
    UnusableS, RefusedPage,
    testing::Combine(testing::Values(Formula::EngineeringNews, Formula::Hiley, Formula::Danish, Formula::Janbu),
                     testing::Values(RefusedCase{"zero", 0.0f}, RefusedCase{"negative zero", -0.0f},
                                     RefusedCase{"smallest float 30 over S overflows", std::numeric_limits<float>::denorm_min()},
                                     RefusedCase{"largest float 10 times S overflows", std::numeric_limits<float>::max()},
                                     RefusedCase{"infinite", std::numeric_limits<float>::infinity()},
                                     RefusedCase{"not a number", std::numeric_limits<float>::quiet_NaN()})),
    refusedCaseName);

TEST(PageText, NeverShowsInfinityOrNotANumberForTheSmallestUsableS)
{
    // 30 / S still fits a float just above the overflow.
    TabSnapshot tab = samples::hiley();
    tab.S = 1e-37f;
    const std::optional<Page> page = buildPage(tab);
    ASSERT_TRUE(page.has_value());
    for (const Line& line : page->lines) {
        EXPECT_EQ(line.text.find("inf"), std::string::npos) << line.text;
        EXPECT_EQ(line.text.find("nan"), std::string::npos) << line.text;
        EXPECT_FALSE(line.text.ends_with("  ") || line.text.find("   ครั้ง") != std::string::npos) << line.text;
    }
}

}  // namespace
}  // namespace report
