// The driving chart: every row is the single calculation of its tab with the
// row's texts, the rows come from the range as the engineer typed it, and a
// failure that no row can mend takes the formula's columns away.
#include <gtest/gtest.h>

#include "calc/driving_chart.h"
#include "calc/formula_names.h"
#include "calc/messages.h"
#include "calc/result_texts.h"
#include "tab_runner.h"

namespace {

using calc::Formula;
using calc::OutcomeKind;
using calc::TabInputs;
using testing_support::kRoundPrestressed;
using testing_support::kSquareRc;

// The worked examples' tabs.
std::vector<TabInputs> workedTabs(const std::string& separator = ".")
{
    const auto sep = [&](std::string text) {
        if (const auto at = text.find('.'); at != std::string::npos) text.replace(at, 1, separator);
        return text;
    };
    return {
        {Formula::EngineeringNews, {"30", "3", "100", sep("0.9"), "4"}, {}, separator},
        {Formula::Hiley, {"12", "40", "5", "100", "5", sep("0.25"), sep("0.8"), "4", "30"}, kSquareRc, separator},
        {Formula::Danish, {"30", "12", "40", "3", "100", sep("0.8"), "5", "200"}, kRoundPrestressed, separator},
        {Formula::Janbu, {"30", "20", "30", "5", "80", "4", "200"}, kSquareRc, separator},
    };
}

int field(Formula formula, int en, int pile) { return formula == Formula::EngineeringNews ? en : pile; }
int hField(Formula f) { return f == Formula::Hiley ? 3 : field(f, 2, 4); }
int wField(Formula f) { return f == Formula::Hiley ? 2 : field(f, 1, 3); }

// Each row against calculateTab with the row's texts put in by hand.
void expectRowsAreSingleCalculations(const calc::DrivingChart& chart, const std::vector<TabInputs>& tabs)
{
    ASSERT_EQ(chart.columns.size(), tabs.size());
    for (const calc::ChartRow& row : chart.rows) {
        std::optional<std::size_t> strictest;
        for (std::size_t c = 0; c < tabs.size(); ++c) {
            if (!chart.columns[c].hasColumns) continue;
            TabInputs single = tabs[c];
            single.texts[static_cast<std::size_t>(hField(single.formula))] = row.h;
            if (row.hammer) single.texts[static_cast<std::size_t>(wField(single.formula))] = *row.hammer;
            const calc::TabOutcome expected = calc::calculateTab(single);
            const calc::ChartCell& cell = row.cells[c];
            SCOPED_TRACE(std::string(calc::shortFormulaName(single.formula)) + " h=" + row.h);
            EXPECT_EQ(cell.kind, expected.kind);
            EXPECT_EQ(cell.message, expected.message);
            if (expected.kind != OutcomeKind::Ok) {
                EXPECT_FALSE(cell.hasNumbers());
                EXPECT_TRUE(cell.set10.empty() && cell.blows30.empty() && cell.S.empty());
                continue;
            }
            const std::vector<std::string>& lines = *expected.results;
            const std::size_t n = lines.size();
            EXPECT_EQ(lines[n - 3], calc::texts::kSetPrefix + cell.S + calc::texts::kCmSuffix);
            EXPECT_TRUE(lines[n - 2].ends_with("ต้องไม่เกิน  " + cell.set10 + calc::texts::kCmSuffix)) << lines[n - 2];
            EXPECT_EQ(lines[n - 1], calc::texts::kBlowsPrefix + cell.blows30 + calc::texts::kBlowsSuffix);
            if (!strictest || cell.blows30Value > row.cells[*strictest].blows30Value) strictest = c;
        }
        ASSERT_EQ(row.governing.has_value(), strictest.has_value());
        if (strictest) {
            EXPECT_EQ(row.cells[*row.governing].blows30Value, row.cells[*strictest].blows30Value);
        }
    }
}

TEST(DrivingChart, EveryRowIsTheTabsOwnCalculation)
{
    for (const std::string separator : {".", ","}) {
        const std::vector<TabInputs> tabs = workedTabs(separator);
        const calc::HeightRows heights = calc::heightRows("50", "150", "10", separator);
        ASSERT_EQ(heights.texts.size(), 11u);
        const calc::DrivingChart chart = calc::buildDrivingChart({tabs, heights.texts, {}});
        expectRowsAreSingleCalculations(chart, tabs);
        // The worked examples' own rows, as their tabs show them.
        const calc::ChartRow& at100 = chart.rows[5];
        EXPECT_EQ(at100.h, "100");
        EXPECT_EQ(at100.cells[0].set10, "2" + separator + "14");
        EXPECT_EQ(at100.cells[0].blows30, "140");
        EXPECT_EQ(at100.cells[1].blows30, "50");
        EXPECT_EQ(at100.cells[2].set10, "1" + separator + "91");
        EXPECT_EQ(chart.rows[3].cells[3].set10, "12" + separator + "28");  // Janbu at 80
        // Engineering News goes negative at 50 cm; Hiley's limit is passed high up.
        EXPECT_EQ(chart.rows[0].cells[0].kind, OutcomeKind::Negative);
    }
}

TEST(DrivingChart, HammerBlocksAndMarkers)
{
    const std::vector<TabInputs> tabs = workedTabs();
    const calc::DrivingChart chart = calc::buildDrivingChart({tabs, {"50", "100", "400"}, {"0", "3", "5"}});
    ASSERT_EQ(chart.rows.size(), 9u);
    expectRowsAreSingleCalculations(chart, tabs);
    for (const calc::ChartColumn& column : chart.columns) EXPECT_TRUE(column.hasColumns);
    // A hammer of 0 is the row's own fault: a marker, not a lost formula.
    EXPECT_EQ(chart.rows[1].hammer, "0");
    EXPECT_EQ(chart.rows[1].cells[0].kind, OutcomeKind::NotPositive);
    EXPECT_STREQ(calc::markerText(chart.rows[1].cells[0].kind), "ตรวจสอบข้อมูล");
    EXPECT_FALSE(chart.rows[1].governing);
    EXPECT_EQ(chart.rows[4].cells[0].W, "3");
    EXPECT_EQ(chart.rows[4].cells[0].blows30, "140");
    EXPECT_EQ(chart.rows[8].cells[1].kind, OutcomeKind::DropTooHigh);
    EXPECT_STREQ(calc::markerText(OutcomeKind::DropTooHigh), "ยกสูงเกิน");
    EXPECT_STREQ(calc::markerText(OutcomeKind::Negative), "ติดลบ");
    EXPECT_STREQ(calc::markerText(OutcomeKind::ZeroSet), "ศูนย์");
    EXPECT_STREQ(calc::markerText(OutcomeKind::OutOfRange), "เกินขอบเขต");
}

TEST(DrivingChart, FailuresThatNoRowMendsTakeTheColumnsAway)
{
    std::vector<TabInputs> tabs = workedTabs();
    tabs[0].texts[0] = "";                   // Engineering News: Qa empty
    tabs[1].texts[1] = "4O";                 // Hiley: Qa not a number
    tabs[2].texts[1 + 2] = "0";              // Danish: its own hammer of 0, no hammers given
    tabs[3].boxes = calc::PileBoxes{};       // Janbu: no box ticked
    const calc::DrivingChart chart = calc::buildDrivingChart({tabs, {"50", "60"}, {}});
    ASSERT_EQ(chart.columns.size(), 4u);
    EXPECT_FALSE(chart.anyColumns());
    EXPECT_EQ(chart.columns[0].kind, OutcomeKind::Incomplete);
    EXPECT_EQ(chart.columns[1].kind, OutcomeKind::NotANumber);
    EXPECT_EQ(chart.columns[2].kind, OutcomeKind::NotPositive);
    EXPECT_EQ(chart.columns[3].kind, OutcomeKind::Incomplete);
    const std::vector<std::string> lines = calc::failureLines(chart);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], std::string("Engineering News Formular: ") + calc::messages::kIncomplete);
    EXPECT_EQ(lines[2], std::string("Danish's Formular: ") + calc::messages::kNotPositive);
    // Another zero divisor stays the formula's fault even in a row with a hammer of 0.
    tabs = workedTabs();
    tabs[0].texts[4] = "0";  // FS
    const calc::DrivingChart zeroFs = calc::buildDrivingChart({tabs, {"100"}, {"0", "3"}});
    EXPECT_FALSE(zeroFs.columns[0].hasColumns);
    EXPECT_TRUE(zeroFs.columns[1].hasColumns);
    ASSERT_EQ(calc::chartTableTexts(zeroFs, ".").header.size(), 2u + 3 * 2 + 2);
}

// The record check asks for rows alone: the same chart but for the ranges,
// whatever refusal the tabs hold, and with the tab's own bad drop as a row.
TEST(DrivingChart, WithoutWorkableHeightsOnlyTheRangesAreLeftOut)
{
    std::vector<std::vector<TabInputs>> cases(5, workedTabs());
    cases[1][0].texts[0] = "";
    cases[1][1].texts[1] = "4O";
    cases[1][2].texts[3] = "0";
    cases[1][3].boxes = calc::PileBoxes{};
    cases[2][0].texts[4] = "0";
    cases[3] = workedTabs(",");
    for (TabInputs& tab : cases[4]) tab.texts[static_cast<std::size_t>(hField(tab.formula))] = "x";
    for (std::size_t i = 0; i < cases.size(); ++i)
        for (const std::vector<std::string>& hammers : {std::vector<std::string>{}, {"0", "3"}})
            for (const std::vector<std::string>& heights :
                 {std::vector<std::string>{"100"}, {"x"}, {"5", "x", "400"}}) {
                SCOPED_TRACE("case " + std::to_string(i) + " with " + std::to_string(hammers.size()) + " hammers");
                calc::ChartRequest request{cases[i], heights, hammers};
                const calc::DrivingChart full = calc::buildDrivingChart(request);
                request.workableHeights = false;
                const calc::DrivingChart rows = calc::buildDrivingChart(request);
                EXPECT_EQ(calc::chartTableTexts(rows, ".").header, calc::chartTableTexts(full, ".").header);
                EXPECT_EQ(calc::chartTableTexts(rows, ".").rows, calc::chartTableTexts(full, ".").rows);
                EXPECT_EQ(calc::failureLines(rows), calc::failureLines(full));
                ASSERT_EQ(rows.rows.size(), full.rows.size());
                for (std::size_t r = 0; r < rows.rows.size(); ++r) {
                    EXPECT_EQ(rows.rows[r].governing, full.rows[r].governing);
                    for (std::size_t c = 0; c < rows.rows[r].cells.size(); ++c)
                        EXPECT_EQ(rows.rows[r].cells[c].message, full.rows[r].cells[c].message);
                }
                for (const calc::ChartColumn& column : rows.columns) EXPECT_TRUE(column.workable.empty());
                EXPECT_FALSE(calc::workableLines(full).empty() && full.anyColumns());
            }
}

TEST(DrivingChart, HeightRowsFromTheRange)
{
    EXPECT_EQ(calc::heightRows("0", "1", "0.1", ".").texts,
              (std::vector<std::string>{"0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1"}));
    EXPECT_EQ(calc::heightRows("50,5", "51", "0,25", ",").texts, (std::vector<std::string>{"50,5", "50,75", "51"}));
    EXPECT_EQ(calc::heightRows("100", "100", "7", ".").texts, (std::vector<std::string>{"100"}));
    EXPECT_EQ(calc::heightRows("1", "1000", "1", ".").texts.size(), 1000u);
    using P = calc::RangeProblem;
    const std::pair<std::array<const char*, 3>, P> bad[] = {
        {{"0", "1000", "1"}, P::TooManyRows}, {{"", "1", "1"}, P::FromNotANumber},
        {{"1", "-2", "1"}, P::ToNotANumber},  {{"1", "2", "1,5"}, P::StepNotANumber},
        {{"1", "2", "0"}, P::StepNotPositive}, {{"3", "2", "1"}, P::FromAboveTo},
    };
    for (const auto& [texts, problem] : bad) {
        const calc::HeightRows rows = calc::heightRows(texts[0], texts[1], texts[2], ".");
        EXPECT_EQ(rows.problem, problem) << texts[0] << ":" << texts[1] << ":" << texts[2];
        EXPECT_TRUE(rows.texts.empty());
    }
}

TEST(DrivingChart, CsvWithMarkOrderPointAndCommas)
{
    const std::vector<TabInputs> tabs = workedTabs(",");
    const calc::DrivingChart chart = calc::buildDrivingChart({tabs, {"50", "100"}, {}});
    const std::string csv = calc::chartCsv(chart);
    ASSERT_TRUE(csv.starts_with("\xEF\xBB\xBF" "ระยะยก h (ซม.),Engineering News 10 ครั้ง (ซม.),"));
    EXPECT_NE(csv.find("\r\n50,ติดลบ,ติดลบ,"), std::string::npos) << csv;
    EXPECT_NE(csv.find("\r\n100,2.14,140,6.04,50,1.91,157,"), std::string::npos) << csv;
    std::size_t lines = 0;
    for (char c : csv) lines += c == '\n';
    EXPECT_EQ(lines, 3u);
}

}  // namespace
