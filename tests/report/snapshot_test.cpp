// The tab as the window shows it right after a calculation, as the command
// line hands it to the report.
#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "report/snapshot.h"

namespace report {
namespace {

using calc::Formula;

TEST(SnapshotAfterCalculation, PutsFieldTextsResultLinesAndCaptionsUnderTheirControls)
{
    calc::PileBoxes boxes;
    boxes.prestressed = true;
    boxes.round = true;
    const TabSnapshot tab = snapshotAfterCalculation(
        Formula::Hiley, {"12", "40", "5", "100", "5", "0.25", "0.8", "4", "30"}, boxes,
        {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k"}, 0.417f, ",");

    EXPECT_EQ(tab.formula, Formula::Hiley);
    EXPECT_EQ(tab.S, 0.417f);
    EXPECT_EQ(tab.decimalSeparator, ",");
    EXPECT_EQ(tab.text("Text16(0)"), "12");
    EXPECT_EQ(tab.text("Text16(8)"), "30");
    EXPECT_EQ(tab.text("Label26"), "เสาเข็มขนาด(ซม.)");
    EXPECT_EQ(tab.text("Label9"), "Factor of Safety (Heiley's แนะให้ใช้ = 4)");
    EXPECT_EQ(tab.text("Label20"), "a");
    EXPECT_EQ(tab.text("Label25"), "i");
    EXPECT_EQ(tab.text("Label28"), "k");
    EXPECT_EQ(tab.text("Label45"), "A = พื้นที่หน้าตัดเสาเข็ม (ตร.ซม.)");
    EXPECT_FALSE(tab.checked("Check8"));
    EXPECT_TRUE(tab.checked("Check7"));
    EXPECT_FALSE(tab.checked("Check6"));
    EXPECT_TRUE(tab.checked("Check5"));
}

struct BoxCase {
    std::string name;
    Formula formula;
    calc::PileBoxes boxes;
    std::vector<std::string> ticked;
};

void PrintTo(const BoxCase& c, std::ostream* out) { *out << c.name; }

class SnapshotBoxes : public testing::TestWithParam<BoxCase> {};

TEST_P(SnapshotBoxes, TickTheTabsOwnCheckBoxes)
{
    const TabSnapshot tab = snapshotAfterCalculation(GetParam().formula, {}, GetParam().boxes, {}, 1.0f, ".");
    std::vector<std::string> ticked;
    for (const auto& [name, on] : tab.checks)
        if (on) ticked.push_back(name);
    std::vector<std::string> expected = GetParam().ticked;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(ticked, expected);
}

calc::PileBoxes rcSquare()
{
    calc::PileBoxes b;
    b.reinforced = true;
    b.square = true;
    return b;
}

calc::PileBoxes prestressedRound()
{
    calc::PileBoxes b;
    b.prestressed = true;
    b.round = true;
    return b;
}

INSTANTIATE_TEST_SUITE_P(
    Tabs, SnapshotBoxes,
    testing::Values(BoxCase{"hiley_rc_square", Formula::Hiley, rcSquare(), {"Check8", "Check6"}},
                    BoxCase{"hiley_prestressed_round", Formula::Hiley, prestressedRound(), {"Check7", "Check5"}},
                    BoxCase{"danish_rc_square", Formula::Danish, rcSquare(), {"Check4", "Check2"}},
                    BoxCase{"danish_prestressed_round", Formula::Danish, prestressedRound(), {"Check3", "Check1"}},
                    BoxCase{"janbu_rc_square", Formula::Janbu, rcSquare(), {"Check9", "Check11"}},
                    BoxCase{"janbu_prestressed_round", Formula::Janbu, prestressedRound(), {"Check10", "Check12"}},
                    BoxCase{"engineering_news_has_no_boxes", Formula::EngineeringNews, rcSquare(), {}}),
    [](const auto& info) { return info.param.name; });

TEST(SnapshotAfterCalculation, ResultLabelsBeyondTheLinesGivenStayEmpty)
{
    const TabSnapshot tab =
        snapshotAfterCalculation(Formula::EngineeringNews, {"30", "3"}, {}, {"first", "second"}, 1.0f, ".");
    EXPECT_EQ(tab.text("Label1"), "first");
    EXPECT_EQ(tab.text("Label5"), "second");
    EXPECT_EQ(tab.text("Label30"), "");
    EXPECT_EQ(tab.text("Text2(1)"), "3");
    EXPECT_EQ(tab.text("Text2(2)"), "");
}

}  // namespace
}  // namespace report
