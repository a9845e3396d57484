// The Engineering News tab: Qu = W·h / (S + 2.54·C).
#include <gtest/gtest.h>

#include "calc/engineering_news.h"
#include "calc/messages.h"
#include "worked_examples.h"

namespace {

using calc::OutcomeKind;

// Fields: Qa, W, h, C, F.S.
calc::EngineeringNewsOutcome calculate(std::array<std::string, 5> texts, const std::string& separator = ".")
{
    return calc::CalculateEngineeringNews({texts, separator}, calc::EngineeringNewsState{});
}

TEST(EngineeringNews, WorkedExampleWritesSixLinesAndShowsPrint)
{
    const auto out = calculate({"30", "3", "100", "0.9", "4"});
    EXPECT_EQ(out.kind, OutcomeKind::Ok);
    EXPECT_FALSE(out.message);
    EXPECT_FALSE(out.focus);
    ASSERT_TRUE(out.results);
    EXPECT_EQ(*out.results, worked::kEnExample);
    EXPECT_TRUE(out.printable);
    EXPECT_EQ(out.state.Qa, 30.0f);
    EXPECT_EQ(out.state.W, 3.0f);
    EXPECT_EQ(out.state.h, 100.0f);
    EXPECT_EQ(out.state.C, 0.9f);
    EXPECT_EQ(out.state.FS, 4.0f);
    EXPECT_EQ(out.state.Qu, 120.0f);
}

TEST(EngineeringNews, StoresSetUnrounded)
{
    // 300 / 120 − 2.54 × 0.9 narrowed to float: the report prints 10 × S from it.
    const auto out = calculate({"30", "3", "100", "0.9", "4"});
    EXPECT_EQ(out.state.S, 0.21400006f);
    EXPECT_NE(out.state.S, 0.214f);
}

TEST(EngineeringNews, NegativeSetWritesLinesThenWarns)
{
    const auto out = calculate({"30", "3", "50", "0.9", "4"});
    EXPECT_EQ(out.kind, OutcomeKind::Negative);
    EXPECT_EQ(out.message, calc::messages::kNegative);
    EXPECT_EQ(out.focus, 2);
    ASSERT_TRUE(out.results);
    EXPECT_EQ(*out.results, worked::kEnNegative);
    EXPECT_FALSE(out.printable);
    EXPECT_LT(out.state.S, 0.0f);
}

TEST(EngineeringNews, CommaSeparatorReadsAndWritesCommas)
{
    const auto out = calculate({"30", "3", "100", "0,9", "4"}, ",");
    ASSERT_EQ(out.kind, OutcomeKind::Ok);
    EXPECT_EQ(out.results->at(3),
              "ค่าเฉลี่ยการทรุดตัวของเสาเข็มจากการตอก 10 ครั้งสุดท้าย (S) ต้องไม่เกิน  0,214  ซม.");
    EXPECT_EQ(out.results->at(4),
              "ดังนั้นค่าการทรุดตัวของเสาเข็มจากการตอก                10 ครั้งสุดท้าย ต้องไม่เกิน  2,14  ซม.");
}

TEST(EngineeringNews, CommaSeparatorRefusesFullStop)
{
    const auto out = calculate({"30", "3", "100", "0.9", "4"}, ",");
    EXPECT_EQ(out.kind, OutcomeKind::NotANumber);
    EXPECT_EQ(out.focus, 3);
}

// Blow-count criteria from a set S = h (W = Qa = F.S. = 1, C = 0).
struct CriterionCase {
    const char* name;
    const char* h;
    const char* setLine;
    const char* tenBlows;
    const char* blows;
};

class EngineeringNewsCriteria : public testing::TestWithParam<CriterionCase> {};

TEST_P(EngineeringNewsCriteria, FormsTenBlowsAndBlowCountInFloat)
{
    const auto out = calculate({"1", "1", GetParam().h, "0", "1"});
    ASSERT_EQ(out.kind, OutcomeKind::Ok);
    const std::string prefixS = "ค่าเฉลี่ยการทรุดตัวของเสาเข็มจากการตอก 10 ครั้งสุดท้าย (S) ต้องไม่เกิน  ";
    const std::string prefix10 = "ดังนั้นค่าการทรุดตัวของเสาเข็มจากการตอก                10 ครั้งสุดท้าย ต้องไม่เกิน  ";
    const std::string prefix30 = "หรือจำนวนครั้งในการตอกต่อระยะ 30 ซม.                   (1 ฟุต) ต้องไม่น้อยกว่า  ";
    EXPECT_EQ(out.results->at(3), prefixS + GetParam().setLine + "  ซม.");
    EXPECT_EQ(out.results->at(4), prefix10 + GetParam().tenBlows + "  ซม.");
    EXPECT_EQ(out.results->at(5), prefix30 + GetParam().blows + "  ครั้ง");
}

INSTANTIATE_TEST_SUITE_P(Narrowing, EngineeringNewsCriteria,
    testing::Values(
        // 30 / 0.8f is 37.4999994 in double but 37.5 in float: to the even 38.
        CriterionCase{"blows_37_5_up_to_38", "0.8", "0.8", "8", "38"},
        // 30 / 0.48f is 62.5000014 in double but 62.5 in float: to the even 62.
        CriterionCase{"blows_62_5_down_to_62", "0.48", "0.48", "4.8", "62"},
        // 10 × 0.0125f is 0.1250000019 in double but 0.125 in float: 0.12.
        CriterionCase{"ten_blows_half_in_float", "0.0125", "0.013", "0.12", "2400"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- drop height: Hmax = 720 / W, compared as a float ----

struct DropCase {
    const char* name;
    const char* W;
    const char* h;
    const char* limit;  // the number the warning names, or nullptr for no warning
};

class EngineeringNewsDrop : public testing::TestWithParam<DropCase> {};

TEST_P(EngineeringNewsDrop, WarnsOnlyAboveHmaxAndAboveTenCm)
{
    const auto out = calculate({"30", GetParam().W, GetParam().h, "0.9", "4"});
    if (GetParam().limit) {
        EXPECT_EQ(out.kind, OutcomeKind::DropTooHigh);
        EXPECT_EQ(out.message, std::string("ระยะยกลูกตุ้มมากเกินไป หัวเข็มอาจระเบิดได้ ควรน้อยกว่า ")
                                   + GetParam().limit + "  ซม. ควรลดลงมาอีก");
        EXPECT_EQ(out.focus, 2);
        EXPECT_FALSE(out.results);
        EXPECT_FALSE(out.printable);
    } else {
        EXPECT_NE(out.kind, OutcomeKind::DropTooHigh);
        EXPECT_TRUE(out.results);
    }
}

INSTANTIATE_TEST_SUITE_P(Limits, EngineeringNewsDrop,
    testing::Values(
        DropCase{"above_hmax_144", "5", "150", "144"},
        DropCase{"at_hmax", "5", "144", nullptr},
        DropCase{"just_above_hmax", "5", "144.001", "144"},
        DropCase{"ten_cm_below_tiny_hmax", "100", "10", nullptr},
        DropCase{"just_above_ten_cm", "100", "10.5", "7"},
        // 720 / 1.6f is 449.99999 in double and 450 once narrowed: no warning.
        DropCase{"hmax_narrowed_before_compare", "1.6", "450", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EngineeringNews, DropWarningKeepsEarlierSetAndStoresInputs)
{
    calc::EngineeringNewsState previous;
    previous.S = 0.5f;
    previous.Qu = 99.0f;
    const auto out = calc::CalculateEngineeringNews({{"30", "5", "150", "0.9", "4"}, "."}, previous);
    EXPECT_EQ(out.state.S, 0.5f);
    EXPECT_EQ(out.state.Qu, 99.0f);
    EXPECT_EQ(out.state.W, 5.0f);
    EXPECT_EQ(out.state.h, 150.0f);
}

TEST(EngineeringNews, IncompleteWhenDefaultsCleared)
{
    const auto out = calculate({"30", "3", "100", "", ""});
    EXPECT_EQ(out.kind, OutcomeKind::Incomplete);
    EXPECT_EQ(out.message, calc::messages::kIncomplete);
    EXPECT_EQ(out.focus, 0);
    EXPECT_FALSE(out.results);
}

TEST(EngineeringNews, BlankTextPassesCompletenessButIsNoNumber)
{
    const auto out = calculate({"30", "3", "100", " ", "4"});
    EXPECT_EQ(out.kind, OutcomeKind::NotANumber);
    EXPECT_EQ(out.focus, 3);
}

}  // namespace
