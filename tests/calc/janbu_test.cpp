// The Janbu tab: Qu = W·h / (Ku·S), solved for S in closed form.
#include <gtest/gtest.h>

#include "calc/janbu.h"
#include "calc/messages.h"
#include "tab_runner.h"
#include "worked_examples.h"

namespace {

using calc::OutcomeKind;
using testing_support::kRoundPrestressed;
using testing_support::kSquareRc;

// Fields: 0 D, 1 L, 2 Qa, 3 W, 4 h, 5 FS, 6 E.
calc::JanbuInputs squarePile(const char* W, const char* h)
{
    return {{"30", "20", "30", W, h, "4", "200"}, kSquareRc, "."};
}

TEST(Janbu, SquareReinforcedWorkedExample)
{
    const auto out = calc::CalculateJanbu(squarePile("5", "80"), {});
    EXPECT_EQ(out.kind, OutcomeKind::Ok);
    ASSERT_TRUE(out.results);
    EXPECT_EQ(*out.results, worked::kJanbuSquareRc);
    EXPECT_TRUE(out.printable);
    EXPECT_EQ(out.state.A, 900.0f);
    EXPECT_EQ(out.state.P, 4.32f);
    EXPECT_EQ(out.state.Qu, 120.0f);
    EXPECT_FLOAT_EQ(out.state.Cd, 0.8796f);
    EXPECT_EQ(out.state.S, 1.228f);
}

TEST(Janbu, RoundPrestressedWorkedExample)
{
    const calc::JanbuInputs in{{"40", "18", "60", "5", "100", "4", "200"}, kRoundPrestressed, "."};
    const auto out = calc::CalculateJanbu(in, {});
    EXPECT_EQ(out.kind, OutcomeKind::Ok);
    ASSERT_TRUE(out.results);
    EXPECT_EQ(*out.results, worked::kJanbuRoundPrestressed);
    EXPECT_EQ(out.state.A, 1256.64f);
    EXPECT_EQ(out.state.P, 5.542f);
    EXPECT_EQ(out.state.S, 0.277f);
}

TEST(Janbu, DropWarningNames81AndChangesNoLine)
{
    calc::JanbuState previous;
    previous.S = 1.228f;
    const auto out = calc::CalculateJanbu(squarePile("5", "100"), previous);
    EXPECT_EQ(out.kind, OutcomeKind::DropTooHigh);
    EXPECT_EQ(out.message, "ระยะยกลูกตุ้มมากเกินไป หัวเข็มอาจระเบิดได้ ควรน้อยกว่า 81  ซม. ควรลดลงมาอีก");
    EXPECT_EQ(out.focus, 4);
    EXPECT_FALSE(out.results);
    EXPECT_FALSE(out.printable);
    EXPECT_EQ(out.state.S, 1.228f);
}

TEST(Janbu, NegativeSetShowsNegativeCriteria)
{
    const auto out = calc::CalculateJanbu(squarePile("3", "50"), {});
    EXPECT_EQ(out.kind, OutcomeKind::Negative);
    EXPECT_EQ(out.message, calc::messages::kNegative);
    EXPECT_EQ(out.focus, 4);
    ASSERT_TRUE(out.results);
    EXPECT_EQ(*out.results, worked::kJanbuNegative);
    EXPECT_FALSE(out.printable);
}

TEST(Janbu, TenCmAtHmaxTenAcceptedJustAboveRefused)
{
    // A 900 cm² pile under a 40.5 t hammer: Hmax = 900 × 45 / 4050 = 10 cm.
    EXPECT_NE(calc::CalculateJanbu(squarePile("40.5", "10"), {}).kind, OutcomeKind::DropTooHigh);
    const auto out = calc::CalculateJanbu(squarePile("40.5", "10.5"), {});
    EXPECT_EQ(out.kind, OutcomeKind::DropTooHigh);
    EXPECT_EQ(out.message, "ระยะยกลูกตุ้มมากเกินไป หัวเข็มอาจระเบิดได้ ควรน้อยกว่า 10  ซม. ควรลดลงมาอีก");
}

TEST(Janbu, CommaSeparator)
{
    calc::JanbuInputs in = squarePile("5", "80");
    in.decimalSeparator = ",";
    const auto out = calc::CalculateJanbu(in, {});
    ASSERT_EQ(out.kind, OutcomeKind::Ok);
    EXPECT_EQ(out.results->at(1), "น้ำหนักเสาเข็ม =  4,32  ตัน");
    EXPECT_EQ(out.results->at(7), "Cd=  0,8796");
}

}  // namespace
