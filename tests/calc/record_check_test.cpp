// Driving records against the criterion: the worked examples' tabs at their
// own hammer and drop, the rules of the verdict, the flags and bad numbers.
#include <gtest/gtest.h>

#include "calc/driving_chart.h"
#include "calc/formula_names.h"
#include "calc/numbers.h"
#include "calc/record_check.h"
#include "tab_runner.h"

namespace calc {
namespace {

// The worked examples' tabs: Engineering News 2.14 cm / 140 blows, Hiley
// 6.04 / 50, Danish 1.91 / 157, Janbu 12.28 / 24 (strictest: Danish).
PileDocument workedDocument(const std::string& sep = ".", const std::string& formula = kStrictest,
                            const std::string& K = "1")
{
    const auto s = [&](std::string text) { return replaceAll(std::move(text), ".", sep); };
    PileDocument d;
    d.decimalSeparator = sep;
    using Texts = std::vector<std::string>;
    d.tab(Formula::EngineeringNews) = PileTab{Texts{"30", "3", "100", s("0.9"), "4"}, {}};
    d.tab(Formula::Hiley) =
        PileTab{Texts{"12", "40", "5", "100", "5", s("0.25"), s("0.8"), "4", "30"}, testing_support::kSquareRc};
    d.tab(Formula::Danish) =
        PileTab{Texts{"30", "12", "40", "3", "100", s("0.8"), "5", "200"}, testing_support::kRoundPrestressed};
    d.tab(Formula::Janbu) = PileTab{Texts{"30", "20", "30", "5", "80", "4", "200"}, testing_support::kSquareRc};
    d.acceptance = {formula, K, "โครงการทดสอบ"};
    d.acceptanceGiven = true;
    return d;
}

PileRecord record(std::vector<std::string> sets, std::vector<std::string> blows = {})
{
    PileRecord r;
    r.mark = "P-001";
    r.depth = "18.3";
    r.sets = std::move(sets);
    r.blows = std::move(blows);
    return r;
}

struct VerdictCase {
    const char* name;
    std::string formula, K;
    std::vector<std::string> sets, blows;
    RecordStatus status;
    const char* set10;  // the criterion shown
    std::vector<RecordFlag> flags;
};

class Verdict : public testing::TestWithParam<VerdictCase> {};

TEST_P(Verdict, FollowsTheRules)
{
    const VerdictCase& c = GetParam();
    const PileDocument d = workedDocument(".", c.formula, c.K);
    const RecordCheck check = RecordChecker(d).check(record(c.sets, c.blows));
    EXPECT_EQ(statusName(check.status), std::string(statusName(c.status)));
    ASSERT_TRUE(check.criterion);
    EXPECT_EQ(check.criterion->set10, c.set10);
    EXPECT_EQ(check.flags, c.flags);
    EXPECT_FALSE(check.message);
}

using S = RecordStatus;
using F = RecordFlag;
INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, Verdict,
    testing::Values(
        VerdictCase{"strictest_own_set", "strictest", "1", {"1.91"}, {}, S::Meets, "1.91", {}},
        VerdictCase{"strictest_a_hundredth_more", "strictest", "1", {"1.92"}, {}, S::Fails, "1.91", {}},
        VerdictCase{"en_own_set", "engineering-news", "1", {"2.14"}, {}, S::Meets, "2.14", {}},
        VerdictCase{"en_more", "engineering-news", "1", {"2.15"}, {}, S::Fails, "2.14", {}},
        VerdictCase{"hiley_own_set", "hiley", "1", {"6.04"}, {}, S::Meets, "6.04", {}},
        VerdictCase{"hiley_more", "hiley", "1", {"6.05"}, {}, S::Fails, "6.04", {}},
        VerdictCase{"danish_own_set", "danish", "1", {"1.91"}, {}, S::Meets, "1.91", {}},
        VerdictCase{"danish_more", "danish", "1", {"1.92"}, {}, S::Fails, "1.91", {}},
        VerdictCase{"janbu_own_set", "janbu", "1", {"12.28"}, {}, S::Meets, "12.28", {}},
        VerdictCase{"janbu_more", "janbu", "1", {"12.29"}, {}, S::Fails, "12.28", {}},
        VerdictCase{"earlier_sets_do_not_count", "strictest", "1", {"5", "1.91"}, {}, S::Meets, "1.91", {}},
        VerdictCase{"k3_last_three_meet", "strictest", "3", {"5", "1.9", "1.91", "1.8"}, {}, S::Meets, "1.91", {}},
        VerdictCase{"k3_middle_one_fails", "strictest", "3", {"1.9", "1.92", "1.8"}, {}, S::Fails, "1.91", {}},
        VerdictCase{"k3_too_few_sets_blows_meet", "strictest", "3", {"1", "1"}, {"100", "157"}, S::Meets, "1.91", {}},
        VerdictCase{"blows_only_meet", "strictest", "1", {}, {"20", "157"}, S::Meets, "1.91", {}},
        VerdictCase{"blows_only_fail", "strictest", "1", {}, {"156"}, S::Fails, "1.91", {}},
        VerdictCase{"blows_only_hiley", "hiley", "1", {}, {"50"}, S::Meets, "6.04", {}},
        VerdictCase{"neither", "strictest", "1", {}, {}, S::Incomplete, "1.91", {}},
        VerdictCase{"refusal", "strictest", "1", {"0"}, {}, S::Meets, "1.91", {F::Refusal}},
        VerdictCase{"overdriven", "strictest", "1", {"0.5"}, {"315"}, S::Meets, "1.91", {F::Overdriven}},
        VerdictCase{"twice_is_not_overdriven", "strictest", "1", {}, {"314"}, S::Meets, "1.91", {}},
        VerdictCase{"both_flags", "hiley", "1", {"0"}, {"101"}, S::Meets, "6.04", {F::Refusal, F::Overdriven}}),
    [](const auto& info) { return std::string(info.param.name); });

struct BadCase {
    const char* name;
    PileRecord record;
    std::string K;
    std::string message;
};

PileRecord with(void (*change)(PileRecord&))
{
    PileRecord r = record({"1.5"}, {"150"});
    change(r);
    return r;
}

class BadInput : public testing::TestWithParam<BadCase> {};

TEST_P(BadInput, NamesTheField)
{
    const RecordCheck check = RecordChecker(workedDocument(".", kStrictest, GetParam().K)).check(GetParam().record);
    EXPECT_EQ(check.status, RecordStatus::BadInput);
    EXPECT_EQ(check.message, GetParam().message);
    EXPECT_FALSE(check.criterion);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, BadInput,
    testing::Values(
        BadCase{"hammer", with([](PileRecord& r) { r.hammer = "3t"; }), "1", "น้ำหนักลูกตุ้มไม่ใช่ตัวเลข"},
        BadCase{"drop", with([](PileRecord& r) { r.drop = "-50"; }), "1", "ระยะยกลูกตุ้มไม่ใช่ตัวเลข"},
        BadCase{"depth_other_separator", with([](PileRecord& r) { r.depth = "18,3"; }), "1",
                "ความลึกที่ตอกไม่ใช่ตัวเลข"},
        BadCase{"second_set", with([](PileRecord& r) { r.sets = {"1.5", "a", "1"}; }), "1",
                "ค่าการทรุดตัวชุดที่ 2 ไม่ใช่ตัวเลข"},
        BadCase{"empty_set", with([](PileRecord& r) { r.sets = {""}; }), "1", "ค่าการทรุดตัวชุดที่ 1 ไม่ใช่ตัวเลข"},
        BadCase{"third_count", with([](PileRecord& r) { r.blows = {"1", "2", "x"}; }), "1",
                "จำนวนครั้งที่ตอกช่วงที่ 3 ไม่ใช่ตัวเลข"},
        BadCase{"count_not_whole", with([](PileRecord& r) { r.blows = {"12.5"}; }), "1",
                "จำนวนครั้งที่ตอกช่วงที่ 1 ต้องเป็นจำนวนเต็ม"},
        BadCase{"k_zero", record({"1"}), "0", kBadSetsRequired},
        BadCase{"k_fraction", record({"1"}), "1.5", kBadSetsRequired},
        BadCase{"k_empty", record({"1"}), "", kBadSetsRequired}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RecordCheck, NoTabCalculatesAtTheRecordsHammer)
{
    PileRecord r = record({"1"});
    r.hammer = "0";
    const RecordCheck strictest = RecordChecker(workedDocument()).check(r);
    EXPECT_EQ(strictest.status, RecordStatus::NoCriterion);
    EXPECT_EQ(strictest.message, kNoFormulaCalculates);

    // One formula: the tab's own message, as its calculation gives it.
    PileDocument d = workedDocument(".", "hiley");
    TabInputs tab = d.inputs(Formula::Hiley);
    tab.texts[2] = "0";
    const RecordCheck hiley = RecordChecker(d).check(r);
    EXPECT_EQ(hiley.status, RecordStatus::NoCriterion);
    ASSERT_TRUE(calculateTab(tab).message);
    EXPECT_EQ(hiley.message, calculateTab(tab).message);
}

// The criterion at a record's hammer and drop is the driving chart's row there.
TEST(RecordCheck, TheCriterionIsTheDrivingChartsGoverningCell)
{
    const PileDocument d = workedDocument(",");
    PileRecord r = record({"1,5"});
    r.hammer = "4";
    r.drop = "80";
    r.depth = "18,3";
    const RecordCheck check = RecordChecker(d).check(r);
    ChartRequest request{{}, {"80"}, {"4"}};
    for (const FormulaInfo& info : formulas()) request.tabs.push_back(d.inputs(info.formula));
    const DrivingChart chart = buildDrivingChart(request);
    const ChartRow& row = chart.rows.front();
    ASSERT_TRUE(check.criterion && row.governing);
    const ChartCell& cell = row.cells[*row.governing];
    EXPECT_EQ(check.criterion->formula, chart.columns[*row.governing].formula);
    EXPECT_EQ(check.criterion->set10, cell.set10);
    EXPECT_EQ(check.criterion->blows30, cell.blows30);
    EXPECT_EQ(check.criterion->W, "4");
    EXPECT_EQ(check.criterion->h, "80");

    // The proven load: the governing tab's capacity from the last set.
    TabInputs tab = d.inputs(check.criterion->formula);
    tab.texts[static_cast<std::size_t>(*fieldIndex(formulaInfo(tab.formula), "W"))] = "4";
    const CapacityCheck capacity = checkCapacity(tab, {RecordForm::TenBlowSet, "1,5", "80"});
    ASSERT_TRUE(check.capacity && capacity.capacity);
    const CapacityTexts expected = capacityTexts(*capacity.capacity, ",");
    EXPECT_EQ(check.capacity->safeLoad, expected.safeLoad);
    EXPECT_EQ(check.capacity->Qu, expected.Qu);
    EXPECT_EQ(check.capacity->verdict, expected.verdict);
}

TEST(RecordCheck, CountsAndTotalDepth)
{
    PileDocument d = workedDocument();
    d.records = {record({"1.91"}), record({"3"}), record({}), record({"x"})};
    d.records[1].depth = "12.35";
    d.records[2].depth = "";
    d.records[3].depth = "0.001";
    const RecordCounts counts = countRecords(checkRecords(d), ".");
    EXPECT_EQ(counts.records, 4u);
    EXPECT_EQ(counts.meets, 1u);
    EXPECT_EQ(counts.fails, 1u);
    EXPECT_EQ(counts.incomplete, 1u);
    EXPECT_EQ(counts.badInput, 1u);
    EXPECT_EQ(counts.totalDepth, "30.651");
    EXPECT_EQ(countRecords({}, ",").totalDepth, "0");
}

TEST(RecordCheck, PenetrationEndsAtTheDepth)
{
    PileRecord r = record({}, {"10", "20", "30"});
    r.depth = "12";
    const std::vector<PenetrationStep> steps = penetration(r, ".");
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_DOUBLE_EQ(steps[0].top, 11.1);
    EXPECT_DOUBLE_EQ(steps[2].bottom, 12);
    EXPECT_EQ(steps[2].blows, 30);
    r.depth = "";
    EXPECT_TRUE(penetration(r, ".").empty());
}

TEST(PileRecord, NextMarkCountsUpTheLastNumber)
{
    const std::vector<std::pair<std::string, std::string>> cases{
        {"P-012", "P-013"}, {"P-099", "P-100"}, {"P-9", "P-10"}, {"A", "A-2"}, {"B7a", "B8a"}, {"ก-1", "ก-2"}};
    for (const auto& [mark, next] : cases) EXPECT_EQ(nextMark(mark, {}), next) << mark;
    EXPECT_EQ(nextMark("P-012", {"P-013", "P-014"}), "P-015");
}

}  // namespace
}  // namespace calc
