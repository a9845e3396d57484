// The workable drop heights: each end checked against the rule through the
// tab's own calculation at the end and one grid step beside it; for the worked
// examples a scan of the whole grid proves the bisection's assumption
// (refused exactly above `to`, proving exactly from `from` up).
#include <gtest/gtest.h>

#include <cmath>

#include "calc/formula_names.h"
#include "calc/messages.h"
#include "calc/numbers.h"
#include "calc/workable_heights.h"
#include "tab_runner.h"

namespace {

using calc::Formula;
using calc::OutcomeKind;
using testing_support::kRoundPrestressed;
using testing_support::kSquareRc;

const std::vector<std::string> kEn = {"30", "3", "100", "0.9", "4"};
const std::vector<std::string> kHiley = {"12", "40", "5", "100", "5", "0.25", "0.8", "4", "30"};
const std::vector<std::string> kDanish = {"30", "12", "40", "3", "100", "0.8", "5", "200"};
const std::vector<std::string> kJanbu = {"30", "20", "30", "5", "80", "4", "200"};
const std::vector<std::string> kJanbuRound = {"40", "18", "60", "5", "100", "4", "200"};

std::vector<std::string> with(std::vector<std::string> texts, std::size_t index, const char* text)
{
    texts[index] = text;
    return texts;
}

struct RangeCase {
    const char* name;
    calc::TabInputs tab;
    std::optional<std::string> hammer, from, to;
    bool workedExample;  // scanned over the whole grid
};
void PrintTo(const RangeCase& c, std::ostream* out) { *out << c.name; }

const RangeCase kCases[] = {
    {"en_worked_example", {Formula::EngineeringNews, kEn, {}, "."}, {}, "91.5", "240", true},
    {"hiley_square_rc", {Formula::Hiley, kHiley, kSquareRc, "."}, {}, "64.5", "162", true},
    {"hiley_round_prestressed", {Formula::Hiley, kHiley, kRoundPrestressed, "."}, {}, "77.1", "127.2", true},
    {"danish_square_rc", {Formula::Danish, kDanish, kSquareRc, "."}, {}, "55.7", "135", true},
    {"danish_round_prestressed", {Formula::Danish, kDanish, kRoundPrestressed, "."}, {}, "70.9", "106", true},
    {"danish_negative_example_hammer", {Formula::Danish, kDanish, kSquareRc, "."}, "1", "167", "405", true},
    {"janbu_square_rc", {Formula::Janbu, kJanbu, kSquareRc, "."}, {}, "28.2", "81", true},
    {"janbu_round_prestressed", {Formula::Janbu, kJanbuRound, kRoundPrestressed, "."}, {}, "75.7", "113", true},
    {"janbu_negative_example_hammer", {Formula::Janbu, kJanbu, kSquareRc, "."}, "3", "51.6", "135", true},
    {"from_below_10_cm", {Formula::EngineeringNews, kEn, {}, "."}, "30", "9.2", "24", true},
    {"no_range_load_too_high", {Formula::EngineeringNews, with(kEn, 0, "100"), {}, "."}, {}, {}, "240", true},
    {"proving_from_the_first_step", {Formula::EngineeringNews, with(kEn, 3, "0"), {}, "."}, {}, "0.1", "240", false},
    {"head_takes_more_than_the_grid", {Formula::EngineeringNews, with(kEn, 0, "1"), {}, "."}, "0.05", "182.9", {}, false},
    {"comma_separator", {Formula::Hiley, with(with(with(kHiley, 5, "0,25"), 6, "0,8"), 2, "2,5"), kSquareRc, ","},
     {}, "167,8", "324", false},
};

class WorkableRangeCase : public testing::TestWithParam<RangeCase> {};

TEST_P(WorkableRangeCase, EndsObeyTheRule)
{
    const RangeCase& c = GetParam();
    const calc::WorkableRange range = calc::workableRange(c.tab, c.hammer);
    ASSERT_FALSE(range.refusal);
    EXPECT_EQ(range.from, c.from);
    EXPECT_EQ(range.to, c.to);

    calc::TabInputs tab = c.tab;
    const calc::FormulaInfo& info = calc::formulaInfo(tab.formula);
    if (c.hammer) tab.texts[static_cast<std::size_t>(*calc::fieldIndex(info, "W"))] = *c.hammer;
    const auto at = [&](int k) {
        tab.texts[static_cast<std::size_t>(*calc::fieldIndex(info, "h"))] = calc::gridText(k, tab.decimalSeparator);
        return calc::calculateTab(tab);
    };
    const auto refused = [&](int k) { return at(k).kind == OutcomeKind::DropTooHigh; };
    const auto proves = [&](int k) {
        const calc::TabOutcome o = at(k);
        return o.kind == OutcomeKind::Ok && *o.S > 0;
    };
    const auto tenths = [&](const std::optional<std::string>& text, int otherwise) {
        return text ? static_cast<int>(std::lround(*calc::textToNumber(*text, tab.decimalSeparator) * 10)) : otherwise;
    };
    const int to = tenths(range.to, calc::kMaxWorkableTenths);
    const int from = tenths(range.from, to + 1);
    EXPECT_FALSE(refused(to));
    EXPECT_EQ(refused(to + 1), range.to.has_value());
    EXPECT_EQ(proves(from), range.from.has_value());
    EXPECT_FALSE(from > 1 && proves(from - 1));
    for (int k = 1; c.workedExample && k <= to + 100; ++k) {
        ASSERT_EQ(refused(k), k > to) << k;
        ASSERT_TRUE(k > to || proves(k) == (k >= from)) << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, WorkableRangeCase, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<RangeCase>& info) { return std::string(info.param.name); });

TEST(WorkableHeights, LinesAndRefusals)
{
    const auto line = [](const RangeCase& c) { return calc::workableLine(c.tab.formula, calc::workableRange(c.tab, c.hammer)); };
    EXPECT_EQ(line(kCases[1]), "ระยะยกที่ใช้ได้ (Hiley, ลูกตุ้ม 5 ตัน): 64.5 – 162 ซม.");
    EXPECT_EQ(line(kCases[10]), "ระยะยกที่ใช้ได้ (Engineering News, ลูกตุ้ม 3 ตัน): "
                                "ลูกตุ้มนี้พิสูจน์น้ำหนักไม่ได้ภายในระยะยกที่หัวเสาเข็มรับได้");
    EXPECT_EQ(line(kCases[12]), "ระยะยกที่ใช้ได้ (Engineering News, ลูกตุ้ม 0.05 ตัน): "
                                "ตั้งแต่ 182.9 ซม. ขึ้นไป (หัวเสาเข็มรับระยะยกได้เกิน 10000 ซม.)");
    // A hammer of 0 is refused whatever the drop: neither end, the tab's message.
    const calc::WorkableRange zero = calc::workableRange({Formula::Hiley, kHiley, kSquareRc, "."}, "0");
    ASSERT_TRUE(zero.refusal);
    EXPECT_FALSE(zero.from || zero.to);
    EXPECT_EQ(calc::workableLine(Formula::Hiley, zero),
              std::string("ระยะยกที่ใช้ได้ (Hiley, ลูกตุ้ม 0 ตัน): ") + calc::messages::kNotPositive);
}

}  // namespace
