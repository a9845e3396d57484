// Pile sections: a tab that uses a section calculates exactly as it does for a
// square pile of the same area; the catalogue's computed areas; the checks on
// the user's rows.
#include <gtest/gtest.h>

#include <cmath>

#include "calc/numbers.h"
#include "calc/pile_sections.h"
#include "calc/tab_calculation.h"
#include "calc/user_sections.h"

namespace calc {
namespace {

// Drop heights low enough for the smallest section on every tab.
std::vector<std::string> texts(Formula f)
{
    switch (f) {
    case Formula::Hiley: return {"12", "40", "5", "30", "5", "0.25", "0.8", "4", "30"};
    case Formula::Danish: return {"30", "12", "40", "3", "30", "0.8", "5", "200"};
    default: return {"30", "20", "30", "3", "30", "4", "200"};
    }
}
int sizeField(Formula f) { return f == Formula::Hiley ? 8 : 0; }

TabOutcome run(Formula f, const PileBoxes& boxes, const std::string& size)
{
    std::vector<std::string> t = texts(f);
    t[static_cast<std::size_t>(sizeField(f))] = size;
    return calculateTab({f, t, boxes, "."});
}

void expectSame(const TabOutcome& a, const TabOutcome& b, const std::string& context)
{
    EXPECT_EQ(a.kind, b.kind) << context;
    EXPECT_EQ(a.results, b.results) << context;
    EXPECT_EQ(a.message, b.message) << context;
    EXPECT_EQ(a.S, b.S) << context;
}

// Each built-in section, and an area of 900, through each pile tab in both
// materials gives what a square pile gives whose D has the section's area;
// the D field, holding the section's size text or nothing, is not read.
TEST(PileSections, CalculateAsASquarePileOfTheSameArea)
{
    std::vector<PileSection> sections(builtInSections().begin(), builtInSections().end());
    sections.push_back({"x", kCustomSectionName, "", "900"});
    for (const PileSection& section : sections)
        for (const Formula f : {Formula::Hiley, Formula::Danish, Formula::Janbu})
            for (const bool prestressed : {false, true}) {
                const float area = *textToNumber(section.area, ".");
                const std::string D = numberText(std::sqrt(area), ".");
                ASSERT_EQ(static_cast<float>(pileArea(*textToNumber(D, "."), false)), area) << section.id;
                const std::string context = section.id + " " + std::to_string(static_cast<int>(f));
                const TabOutcome square = run(f, {!prestressed, prestressed, true, false}, D);
                EXPECT_TRUE(square.kind == OutcomeKind::Ok || square.kind == OutcomeKind::Negative) << context;
                const PileBoxes boxes{!prestressed, prestressed, false, false, section};
                expectSame(run(f, boxes, section.size), square, context);
                expectSame(run(f, boxes, ""), square, context);
            }
    EXPECT_EQ(numberText(std::sqrt(900.0f), "."), "30");
}

TEST(PileSections, AreaThatIsNotAPositiveNumberIsRefusedAtTheSizeField)
{
    const PileBoxes zero{true, false, false, false, PileSection{"z", "z", "", "0"}};
    EXPECT_EQ(run(Formula::Danish, zero, "").kind, OutcomeKind::NotPositive);
    EXPECT_EQ(run(Formula::Danish, zero, "").focus, 0);
    const PileBoxes none{true, false, false, false, std::nullopt};
    EXPECT_EQ(run(Formula::Hiley, none, "30").kind, OutcomeKind::Incomplete);
}

TEST(PileSections, SpunAreasAreRoundPilesWithTheHoleTakenOut)
{
    EXPECT_EQ(findBuiltInSection("spun-400/65")->area, "684.08");
    EXPECT_EQ(findBuiltInSection("spun-250/55")->area, "336.94");
    EXPECT_EQ(findBuiltInSection("spun-250/55")->name, "สปัน Ø250 มม. ผนัง 55 มม.");
    EXPECT_EQ(findBuiltInSection("I-26")->area, "489");
    EXPECT_EQ(builtInSections().size(), 16u);
    EXPECT_EQ(findBuiltInSection("I-27"), nullptr);
    EXPECT_EQ(hollowSquareArea(30, 10), 821.46);  // 900 − 78.53975
}

TEST(UserSections, RowsAreCheckedBeforeTheyAreStored)
{
    const std::vector<std::string> taken = {"เสาบ่อ 1"};
    struct Case {
        SectionRow row;
        std::string areaOrReason;
    };
    using enum SectionShape;
    const Case cases[] = {
        {{"ไอ 24", Area, "24×24", "420,5", ""}, "420.5"},
        {{"สปัน 40", HollowRound, "", "40", "6,5"}, "684.08"},
        {{"กลวง 30", HollowSquare, "", "30", "10"}, "821.46"},
        {{"", Area, "", "420", ""}, "กรุณาใส่ชื่อหน้าตัด"},
        {{"เสาบ่อ 1", Area, "", "420", ""}, "มีหน้าตัดชื่อนี้อยู่แล้ว"},
        {{"I-26", Area, "", "420", ""}, "มีหน้าตัดชื่อนี้อยู่แล้ว"},
        {{"ไอ 26×26", Area, "", "420", ""}, "มีหน้าตัดชื่อนี้อยู่แล้ว"},
        {{"a\tb", Area, "", "420", ""}, "ชื่อหรือขนาดมีอักขระควบคุม"},
        {{"a", Area, "", "0", ""}, "พื้นที่หน้าตัดต้องเป็นตัวเลขที่มากกว่า 0"},
        {{"a", Area, "", "420.5", ""}, "พื้นที่หน้าตัดต้องเป็นตัวเลขที่มากกว่า 0"},  // "," is this row's separator
        {{"a", HollowRound, "", "", "5"}, "เส้นผ่านศูนย์กลางต้องเป็นตัวเลขที่มากกว่า 0"},
        {{"a", HollowRound, "", "40", "-5"}, "ความหนาผนังต้องเป็นตัวเลขที่มากกว่า 0"},
        {{"a", HollowRound, "", "40", "20"}, "ผนังต้องหนาน้อยกว่าครึ่งหนึ่งของเส้นผ่านศูนย์กลาง"},
        {{"a", HollowSquare, "", "30", "30"}, "รูกลางต้องเล็กกว่าขนาดด้าน"},
        {{"a", HollowSquare, "", "0,05", "0,04"}, "พื้นที่หน้าตัดที่ได้ไม่ถูกต้อง"},  // rounds to 0
        {{"a", Area, "", "1E+40", ""}, "พื้นที่หน้าตัดต้องเป็นตัวเลขที่มากกว่า 0"},
    };
    for (const Case& c : cases) {
        const auto result = sectionOf(c.row, ",", taken);
        if (const auto* section = std::get_if<PileSection>(&result)) {
            EXPECT_EQ(section->area, c.areaOrReason) << c.row.name;
            EXPECT_EQ(section->id, c.row.name);
        } else {
            EXPECT_EQ(std::get<std::string>(result), c.areaOrReason) << c.row.name;
        }
    }
}

}  // namespace
}  // namespace calc
