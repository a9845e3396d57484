// The workable drop heights: each end as the rule states it, checked at the
// end and one grid step beside it through the tab's own calculation; once,
// a scan of the whole grid for the worked examples proves the bisection's
// assumption (refused above one height, proving from one height up).
#include <gtest/gtest.h>

#include <cmath>

#include "calc/driving_chart.h"
#include "calc/formula_names.h"
#include "calc/messages.h"
#include "calc/numbers.h"
#include "calc/workable_heights.h"
#include "tab_runner.h"

namespace {

using calc::Formula;
using calc::OutcomeKind;
using calc::TabInputs;
using testing_support::kRoundPrestressed;
using testing_support::kSquareRc;

const std::vector<std::string> kEn = {"30", "3", "100", "0.9", "4"};
const std::vector<std::string> kHiley = {"12", "40", "5", "100", "5", "0.25", "0.8", "4", "30"};
const std::vector<std::string> kDanish = {"30", "12", "40", "3", "100", "0.8", "5", "200"};
const std::vector<std::string> kJanbu = {"30", "20", "30", "5", "80", "4", "200"};

std::vector<std::string> with(std::vector<std::string> texts, std::size_t index, const char* text)
{
    texts[index] = text;
    return texts;
}

struct RangeCase {
    const char* name;
    TabInputs tab;
    std::optional<std::string> hammer;
    std::optional<std::string> from;
    std::optional<std::string> to;
};

const RangeCase kCases[] = {
    {"en_worked_example", {Formula::EngineeringNews, kEn, {}, "."}, {}, "91.5", "240"},
    {"hiley_square_rc", {Formula::Hiley, kHiley, kSquareRc, "."}, {}, "64.5", "162"},
    {"hiley_round_prestressed", {Formula::Hiley, kHiley, kRoundPrestressed, "."}, {}, "77.1", "127.2"},
    {"danish_square_rc", {Formula::Danish, kDanish, kSquareRc, "."}, {}, "55.7", "135"},
    {"danish_round_prestressed", {Formula::Danish, kDanish, kRoundPrestressed, "."}, {}, "70.9", "106"},
    {"danish_negative_example_hammer", {Formula::Danish, kDanish, kSquareRc, "."}, "1", "167", "405"},
    {"janbu_square_rc", {Formula::Janbu, kJanbu, kSquareRc, "."}, {}, "28.2", "81"},
    {"janbu_round_prestressed", {Formula::Janbu, {"40", "18", "60", "5", "100", "4", "200"}, kRoundPrestressed, "."},
     {}, "75.7", "113"},
    {"janbu_negative_example_hammer", {Formula::Janbu, kJanbu, kSquareRc, "."}, "3", "51.6", "135"},
    {"from_below_10_cm", {Formula::EngineeringNews, kEn, {}, "."}, "30", "9.2", "24"},
    {"proving_from_the_first_step", {Formula::EngineeringNews, with(kEn, 3, "0"), {}, "."}, {}, "0.1", "240"},
    {"no_range_load_too_high", {Formula::EngineeringNews, with(kEn, 0, "100"), {}, "."}, {}, {}, "240"},
    {"head_takes_more_than_the_grid", {Formula::EngineeringNews, with(kEn, 0, "1"), {}, "."}, "0.05", "182.9", {}},
    {"comma_separator", {Formula::Hiley, with(with(with(kHiley, 5, "0,25"), 6, "0,8"), 2, "2,5"), kSquareRc, ","},
     {}, "167,8", "324"},
};

void PrintTo(const RangeCase& c, std::ostream* out) { *out << c.name; }

class WorkableRangeCase : public testing::TestWithParam<RangeCase> {};

TEST_P(WorkableRangeCase, EndsObeyTheRule)
{
    const RangeCase& c = GetParam();
    const calc::WorkableRange range = calc::workableRange(c.tab, c.hammer);
    ASSERT_FALSE(range.refusal);
    EXPECT_EQ(range.from, c.from);
    EXPECT_EQ(range.to, c.to);

    TabInputs tab = c.tab;
    const calc::FormulaInfo& info = calc::formulaInfo(tab.formula);
    const auto h = static_cast<std::size_t>(*calc::fieldIndex(info, "h"));
    if (c.hammer) tab.texts[static_cast<std::size_t>(*calc::fieldIndex(info, "W"))] = *c.hammer;
    const auto at = [&](int tenths) {
        tab.texts[h] = calc::gridText(tenths, tab.decimalSeparator);
        return calc::calculateTab(tab);
    };
    const auto proves = [](const calc::TabOutcome& o) { return o.kind == OutcomeKind::Ok && o.S && *o.S > 0; };
    const auto tenths = [&](const std::string& text) {
        return static_cast<int>(std::lround(*calc::textToNumber(text, tab.decimalSeparator) * 10));
    };
    const int top = range.to ? tenths(*range.to) : calc::kMaxWorkableTenths;
    if (range.to) {
        EXPECT_NE(at(top).kind, OutcomeKind::DropTooHigh);
        EXPECT_EQ(at(top + 1).kind, OutcomeKind::DropTooHigh);
    } else {
        EXPECT_NE(at(top).kind, OutcomeKind::DropTooHigh);
    }
    if (range.from) {
        const int from = tenths(*range.from);
        EXPECT_TRUE(proves(at(from)));
        if (from > 1) {
            EXPECT_FALSE(proves(at(from - 1)));
        }
    } else {
        EXPECT_FALSE(proves(at(top)));
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, WorkableRangeCase, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<RangeCase>& info) { return std::string(info.param.name); });

// Every grid step up to a little above `to`: refused exactly above `to`,
// proving exactly from `from` on. The bisection rests on this.
TEST(WorkableHeights, GridScanOfTheWorkedExamplesAgreesWithTheBisection)
{
    for (const RangeCase& c : kCases) {
        if (!c.to || std::string(c.name) == "comma_separator") continue;
        SCOPED_TRACE(c.name);
        TabInputs tab = c.tab;
        const calc::FormulaInfo& info = calc::formulaInfo(tab.formula);
        const auto h = static_cast<std::size_t>(*calc::fieldIndex(info, "h"));
        if (c.hammer) tab.texts[static_cast<std::size_t>(*calc::fieldIndex(info, "W"))] = *c.hammer;
        const int top = static_cast<int>(std::lround(std::stod(*c.to) * 10));
        const int from = c.from ? static_cast<int>(std::lround(std::stod(*c.from) * 10)) : top + 1;
        for (int k = 1; k <= top + 100; ++k) {
            tab.texts[h] = calc::gridText(k, ".");
            const calc::TabOutcome o = calc::calculateTab(tab);
            ASSERT_EQ(o.kind == OutcomeKind::DropTooHigh, k > top) << tab.texts[h];
            if (k <= top) {
                ASSERT_EQ(o.kind == OutcomeKind::Ok && *o.S > 0, k >= from) << tab.texts[h];
            }
        }
    }
}

TEST(WorkableHeights, LinesAndRefusals)
{
    const auto line = [](const RangeCase& c) { return calc::workableLine(c.tab.formula, calc::workableRange(c.tab, c.hammer)); };
    EXPECT_EQ(line(kCases[1]), "ระยะยกที่ใช้ได้ (Hiley, ลูกตุ้ม 5 ตัน): 64.5 – 162 ซม.");
    EXPECT_EQ(line(kCases[11]), "ระยะยกที่ใช้ได้ (Engineering News, ลูกตุ้ม 3 ตัน): "
                                "ลูกตุ้มนี้พิสูจน์น้ำหนักไม่ได้ภายในระยะยกที่หัวเสาเข็มรับได้");
    EXPECT_EQ(line(kCases[12]), "ระยะยกที่ใช้ได้ (Engineering News, ลูกตุ้ม 0.05 ตัน): "
                                "ตั้งแต่ 182.9 ซม. ขึ้นไป (หัวเสาเข็มรับระยะยกได้เกิน 10000 ซม.)");
    // A hammer of 0 is refused whatever the drop: neither end, the tab's message.
    const calc::WorkableRange zero = calc::workableRange({Formula::Hiley, kHiley, kSquareRc, "."}, "0");
    ASSERT_TRUE(zero.refusal);
    EXPECT_EQ(zero.refusal->kind, OutcomeKind::NotPositive);
    EXPECT_FALSE(zero.from || zero.to);
    EXPECT_EQ(calc::workableLine(Formula::Hiley, zero),
              std::string("ระยะยกที่ใช้ได้ (Hiley, ลูกตุ้ม 0 ตัน): ") + calc::messages::kNotPositive);
}

// The chart carries a range per formula with columns and hammer block, none
// for a formula without columns; with no heights it still tells them.
TEST(WorkableHeights, InTheDrivingChart)
{
    std::vector<TabInputs> tabs = {{Formula::EngineeringNews, kEn, {}, "."}, {Formula::Hiley, kHiley, kSquareRc, "."},
                                   {Formula::Danish, with(kDanish, 1, ""), kSquareRc, "."}};
    for (const std::vector<std::string>& heights : {std::vector<std::string>{"50", "100"}, std::vector<std::string>{}}) {
        const calc::DrivingChart chart = calc::buildDrivingChart({tabs, heights, {"3", "5"}});
        EXPECT_EQ(chart.rows.size(), 2 * heights.size());
        ASSERT_EQ(chart.columns.size(), 3u);
        EXPECT_FALSE(chart.columns[2].hasColumns);
        EXPECT_TRUE(chart.columns[2].workable.empty());
        EXPECT_EQ(calc::failureLines(chart).size(), 1u);
        const std::vector<std::string> lines = calc::workableLines(chart);
        ASSERT_EQ(lines.size(), 4u);
        EXPECT_EQ(lines[3], "ระยะยกที่ใช้ได้ (Hiley, ลูกตุ้ม 5 ตัน): 64.5 – 162 ซม.");
        EXPECT_EQ(chart.columns[0].workable[1].to, "144");  // 720 / 5
    }
}

}  // namespace
