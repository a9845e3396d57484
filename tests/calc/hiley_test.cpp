// The Hiley tab: Qu = e·W·h·Z / (S + C/2), e = (W + P·r²) / (W + P).
#include <gtest/gtest.h>

#include "calc/hiley.h"
#include "calc/messages.h"
#include "tab_runner.h"
#include "worked_examples.h"

namespace {

using calc::OutcomeKind;
using testing_support::kRoundPrestressed;
using testing_support::kSquareRc;

// Fields: 0 L, 1 Qa, 2 W, 3 h, 4 L2, 5 r, 6 Z, 7 FS, 8 D (screen top row).
calc::HileyInputs example(calc::PileBoxes boxes = kSquareRc)
{
    return {{"12", "40", "5", "100", "5", "0.25", "0.8", "4", "30"}, boxes, "."};
}

TEST(Hiley, SquareReinforcedWorkedExample)
{
    const auto out = calc::CalculateHiley(example(), {});
    EXPECT_EQ(out.kind, OutcomeKind::Ok);
    EXPECT_FALSE(out.message);
    ASSERT_TRUE(out.results);
    EXPECT_EQ(*out.results, worked::kHileySquareRc);
    EXPECT_TRUE(out.printable);
    const calc::HileyState& s = out.state;
    EXPECT_EQ(s.D, 30.0f);
    EXPECT_EQ(s.L, 12.0f);
    EXPECT_EQ(s.L2, 5.0f);
    EXPECT_EQ(s.r, 0.25f);
    EXPECT_EQ(s.Z, 0.8f);
    EXPECT_EQ(s.A, 900.0f);
    EXPECT_EQ(s.P, 2.592f);
    EXPECT_EQ(s.Qu, 160.0f);
    EXPECT_EQ(s.e, 0.68f);
    EXPECT_EQ(s.C1, 0.016f);
    EXPECT_EQ(s.C2, 1.536f);
    EXPECT_EQ(s.C3, 0.64f);
    EXPECT_EQ(s.C, 2.192f);
    EXPECT_EQ(s.S, 0.604f);
}

TEST(Hiley, RoundPrestressedWorkedExample)
{
    const auto out = calc::CalculateHiley(example(kRoundPrestressed), {});
    EXPECT_EQ(out.kind, OutcomeKind::Ok);
    ASSERT_TRUE(out.results);
    EXPECT_EQ(*out.results, worked::kHileyRoundPrestressed);
    EXPECT_EQ(out.state.A, 706.86f);
    EXPECT_EQ(out.state.S, 0.417f);
}

struct DropCase {
    const char* name;
    const char* D;
    const char* W;
    const char* h;
    const char* limit;  // nullptr: no warning
};

class HileyDrop : public testing::TestWithParam<DropCase> {};

TEST_P(HileyDrop, ComparesWithHmaxAndTenCm)
{
    calc::HileyInputs in = example();
    in.texts[8] = GetParam().D;
    in.texts[2] = GetParam().W;
    in.texts[3] = GetParam().h;
    const auto out = calc::CalculateHiley(in, {});
    if (GetParam().limit) {
        EXPECT_EQ(out.kind, OutcomeKind::DropTooHigh);
        EXPECT_EQ(out.message, std::string("ระยะยกลูกตุ้มมากเกินไป หัวเข็มอาจระเบิดได้ ควรน้อยกว่า ")
                                   + GetParam().limit + "  ซม. ควรลดลงมาอีก");
        EXPECT_EQ(out.focus, 3);
        EXPECT_FALSE(out.results);
    } else {
        EXPECT_NE(out.kind, OutcomeKind::DropTooHigh);
    }
}

INSTANTIATE_TEST_SUITE_P(Limits, HileyDrop,
    testing::Values(
        DropCase{"worked_example_names_270", "30", "3", "300", "270"},
        DropCase{"at_hmax_270", "30", "3", "270", nullptr},
        DropCase{"just_above_hmax", "30", "3", "271", "270"},
        DropCase{"ten_cm_with_hmax_0_09", "1", "10", "10", nullptr},
        DropCase{"above_ten_cm_names_0", "1", "10", "10.5", "0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Hiley, DropWarningStoresNewAreaKeepsEarlierResults)
{
    calc::HileyState previous;
    previous.S = 0.604f;
    previous.P = 2.592f;
    calc::HileyInputs in = example(kRoundPrestressed);
    in.texts[2] = "3";
    in.texts[3] = "300";
    const auto out = calc::CalculateHiley(in, previous);
    EXPECT_EQ(out.kind, OutcomeKind::DropTooHigh);
    EXPECT_EQ(out.state.A, 706.86f);
    EXPECT_EQ(out.state.P, 2.592f);
    EXPECT_EQ(out.state.S, 0.604f);
}

TEST(Hiley, NegativeSetWritesElevenLinesAndWarns)
{
    calc::HileyInputs in = example();
    in.texts[3] = "20";
    const auto out = calc::CalculateHiley(in, {});
    EXPECT_EQ(out.kind, OutcomeKind::Negative);
    EXPECT_EQ(out.message, calc::messages::kNegative);
    EXPECT_EQ(out.focus, 3);
    ASSERT_TRUE(out.results);
    EXPECT_EQ(out.results->size(), 11u);
    EXPECT_EQ(out.results->at(8),
              "ค่าเฉลี่ยการทรุดตัวของเสาเข็มจากการตอก 10 ครั้งสุดท้าย (S) ต้องไม่เกิน  -0.756  ซม.");
    EXPECT_FALSE(out.printable);
}

TEST(Hiley, SetIsNarrowedToFloatBeforeRounding)
{
    // Z·e·W·h / Qu − C/2 is 0.7144999981 in double, 0.7145 once narrowed.
    calc::HileyInputs in = example();
    in.texts[3] = "85.2";
    in.texts[6] = "1";
    const auto out = calc::CalculateHiley(in, {});
    ASSERT_EQ(out.kind, OutcomeKind::Ok);
    EXPECT_EQ(out.state.S, 0.715f);
    EXPECT_EQ(out.results->at(8),
              "ค่าเฉลี่ยการทรุดตัวของเสาเข็มจากการตอก 10 ครั้งสุดท้าย (S) ต้องไม่เกิน  0.715  ซม.");
}

TEST(Hiley, IncompleteWithoutSectionBox)
{
    const auto out = calc::CalculateHiley(example({true, false, false, false}), {});
    EXPECT_EQ(out.kind, OutcomeKind::Incomplete);
    EXPECT_EQ(out.focus, 0);
}

TEST(Hiley, CommaSeparator)
{
    calc::HileyInputs in = example(kRoundPrestressed);
    in.texts[5] = "0,25";
    in.texts[6] = "0,8";
    in.decimalSeparator = ",";
    const auto out = calc::CalculateHiley(in, {});
    ASSERT_EQ(out.kind, OutcomeKind::Ok);
    EXPECT_EQ(out.results->at(0), "พื้นที่หน้าตัดเสาเข็ม =  706,86  ตร.ซม.");
    EXPECT_EQ(out.results->at(9),
              "ดังนั้นค่าการทรุดตัวของเสาเข็มจากการตอก                10 ครั้งสุดท้าย ต้องไม่เกิน  4,17  ซม.");
}

}  // namespace
