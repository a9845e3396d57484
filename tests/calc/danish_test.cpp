// The Danish tab: Qu = e·W·h / (S + ½·√(e·W·h·L / (2·A·E))).
#include <gtest/gtest.h>

#include "calc/danish.h"
#include "calc/messages.h"
#include "tab_runner.h"
#include "worked_examples.h"

namespace {

using calc::OutcomeKind;
using testing_support::kRoundPrestressed;
using testing_support::kSquareRc;

// Fields: 0 D, 1 L, 2 Qa, 3 W, 4 h, 5 e, 6 FS, 7 E.
calc::DanishInputs example(calc::PileBoxes boxes = kSquareRc)
{
    return {{"30", "12", "40", "3", "100", "0.8", "5", "200"}, boxes, "."};
}

TEST(Danish, SquareReinforcedWorkedExample)
{
    const auto out = calc::CalculateDanish(example(), {});
    EXPECT_EQ(out.kind, OutcomeKind::Ok);
    ASSERT_TRUE(out.results);
    EXPECT_EQ(*out.results, worked::kDanishSquareRc);
    EXPECT_TRUE(out.printable);
    EXPECT_EQ(out.state.A, 900.0f);
    EXPECT_EQ(out.state.P, 2.592f);
    EXPECT_EQ(out.state.Qu, 200.0f);
    EXPECT_EQ(out.state.E, 200.0f);
    EXPECT_EQ(out.state.e, 0.8f);
    EXPECT_EQ(out.state.S, 0.306f);
}

TEST(Danish, RoundPrestressedWorkedExample)
{
    const auto out = calc::CalculateDanish(example(kRoundPrestressed), {});
    EXPECT_EQ(out.kind, OutcomeKind::Ok);
    ASSERT_TRUE(out.results);
    EXPECT_EQ(*out.results, worked::kDanishRoundPrestressed);
    EXPECT_EQ(out.state.S, 0.191f);
}

TEST(Danish, NegativeSetKeepsPrintButtonAsItWas)
{
    calc::DanishInputs in = example();
    in.texts[3] = "1";
    in.texts[4] = "30";
    const auto out = calc::CalculateDanish(in, {});
    EXPECT_EQ(out.kind, OutcomeKind::Negative);
    EXPECT_EQ(out.message, calc::messages::kNegative);
    EXPECT_EQ(out.focus, 4);
    ASSERT_TRUE(out.results);
    EXPECT_EQ(*out.results, worked::kDanishNegative);
    EXPECT_FALSE(out.printable);
    EXPECT_EQ(out.state.S, -0.163f);
}

struct DropCase {
    const char* name;
    const char* D;
    bool round;
    const char* W;
    const char* h;
    const char* limit;  // nullptr: no warning
};

class DanishDrop : public testing::TestWithParam<DropCase> {};

TEST_P(DanishDrop, ComparesWithHmaxAndTenCm)
{
    calc::DanishInputs in = example(GetParam().round ? kRoundPrestressed : kSquareRc);
    in.texts[0] = GetParam().D;
    in.texts[3] = GetParam().W;
    in.texts[4] = GetParam().h;
    const auto out = calc::CalculateDanish(in, {});
    if (GetParam().limit) {
        EXPECT_EQ(out.kind, OutcomeKind::DropTooHigh);
        EXPECT_EQ(out.message, std::string("ระยะยกลูกตุ้มมากเกินไป หัวเข็มอาจระเบิดได้ ควรน้อยกว่า ")
                                   + GetParam().limit + "  ซม. ควรลดลงมาอีก");
        EXPECT_EQ(out.focus, 4);
        EXPECT_FALSE(out.results);
    } else {
        EXPECT_NE(out.kind, OutcomeKind::DropTooHigh);
    }
}

INSTANTIATE_TEST_SUITE_P(Limits, DanishDrop,
    testing::Values(
        DropCase{"round_25_names_74", "25", true, "3", "100", "74"},
        DropCase{"at_hmax_202_5", "30", false, "2", "202.5", nullptr},
        DropCase{"above_names_202_half_to_even", "30", false, "2", "210", "202"},
        DropCase{"ten_cm_always_accepted", "1", false, "50", "10", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Danish, ConvertsFieldZeroAfterTheOthers)
{
    // The pile size is read seventh: an earlier bad field is named first.
    calc::DanishInputs in = example();
    in.texts[0] = "x";
    in.texts[5] = "1e5";
    calc::DanishState state;
    EXPECT_EQ(calc::ReadDanishInputs(in, state), 5);
    EXPECT_EQ(state.L, 12.0f);
    EXPECT_EQ(state.h, 100.0f);
    EXPECT_EQ(state.D, 0.0f);
}

}  // namespace
