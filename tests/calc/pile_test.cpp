// Pile area and weight, with π as 3.14159 and unit weights 2.4 and 2.45 t/m³.
#include <gtest/gtest.h>

#include "calc/pile.h"

namespace {

TEST(PileArea, SquareIsSideSquared)
{
    EXPECT_DOUBLE_EQ(calc::pileArea(30.0f, false), 900.0);
}

TEST(PileArea, RoundUsesPiToFiveDecimalsRoundedToTwo)
{
    EXPECT_DOUBLE_EQ(calc::pileArea(30.0f, true), 706.86);
    EXPECT_DOUBLE_EQ(calc::pileArea(40.0f, true), 1256.64);
    EXPECT_DOUBLE_EQ(calc::pileArea(25.0f, true), 490.87);
}

TEST(PileArea, TinyPileRoundsToZero)
{
    EXPECT_EQ(calc::pileArea(0.05f, false), 0.0);
}

TEST(PileWeight, ReinforcedAndPrestressedConcrete)
{
    EXPECT_DOUBLE_EQ(calc::pileWeight(900.0f, 12.0f, false), 2.592);
    EXPECT_DOUBLE_EQ(calc::pileWeight(706.86f, 12.0f, true), 2.078);
    EXPECT_DOUBLE_EQ(calc::pileWeight(1256.64f, 18.0f, true), 5.542);
}

}  // namespace
