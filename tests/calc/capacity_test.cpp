// The capacity a driving record proves, through the tabs' own calculators:
// the worked examples fed back their own printed ten-blow set, the messages
// in their order, and the guards against values that are not finite.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "calc/capacity.h"
#include "calc/messages.h"
#include "calc/numbers.h"
#include "tab_runner.h"
#include "worked_examples.h"

namespace {

using calc::Formula;
using calc::OutcomeKind;
using calc::RecordForm;
using testing_support::kRoundPrestressed;
using testing_support::kSquareRc;

calc::TabInputs tab(Formula f, std::vector<std::string> texts, calc::PileBoxes boxes = kSquareRc)
{
    return {f, std::move(texts), boxes, "."};
}

calc::DrivingRecord tenBlows(std::string set, std::optional<std::string> height = std::nullopt)
{
    return {RecordForm::TenBlowSet, std::move(set), std::move(height)};
}

// The number in a result line "...  2.14  ซม.": the text between the last
// two double blanks.
std::string printedNumber(const std::string& line)
{
    const std::size_t end = line.rfind("  ");
    const std::size_t start = line.rfind("  ", end - 1);
    return line.substr(start + 2, end - start - 2);
}

struct Example {
    const char* name;
    Formula formula;
    std::vector<std::string> texts;
    calc::PileBoxes boxes;
    const std::vector<std::string>* results;
    // How far the printed set may lie from the exact solution of the tab's
    // formula at its own Qu: the ten-blow set is printed to 0.01 cm, so S to
    // ±0.0005 cm (the three-decimal criterion of Hiley, Danish and Janbu is
    // that same value). Hiley also rounds C1, C2 and C3 to 0.001 cm each and
    // subtracts C / 2: another ±0.00075 cm. A millionth covers float reading.
    double setTolerance;
};

std::vector<Example> examples()
{
    return {
        {"engineering_news", Formula::EngineeringNews, {"30", "3", "100", "0.9", "4"}, {}, &worked::kEnExample,
         0.0005},
        {"hiley_square_rc", Formula::Hiley, {"12", "40", "5", "100", "5", "0.25", "0.8", "4", "30"}, kSquareRc,
         &worked::kHileySquareRc, 0.00125},
        {"hiley_round_prestressed", Formula::Hiley, {"12", "40", "5", "100", "5", "0.25", "0.8", "4", "30"},
         kRoundPrestressed, &worked::kHileyRoundPrestressed, 0.00125},
        {"danish_square_rc", Formula::Danish, {"30", "12", "40", "3", "100", "0.8", "5", "200"}, kSquareRc,
         &worked::kDanishSquareRc, 0.0005},
        {"danish_round_prestressed", Formula::Danish, {"30", "12", "40", "3", "100", "0.8", "5", "200"},
         kRoundPrestressed, &worked::kDanishRoundPrestressed, 0.0005},
        {"janbu_square_rc", Formula::Janbu, {"30", "20", "30", "5", "80", "4", "200"}, kSquareRc,
         &worked::kJanbuSquareRc, 0.0005},
        {"janbu_round_prestressed", Formula::Janbu, {"40", "18", "60", "5", "100", "4", "200"}, kRoundPrestressed,
         &worked::kJanbuRoundPrestressed, 0.0005},
    };
}

// Each tab's own criterion fed back: its printed ten-blow set at its drop
// height proves its own Qu = FS × Qa, to within the band the rounding of S
// allows and within 1 %; the safe load is then the tab's Qa.
TEST(Capacity, WorkedExamplesGiveBackTheirOwnUltimateLoad)
{
    for (const Example& ex : examples()) {
        SCOPED_TRACE(ex.name);
        const calc::TabInputs in = tab(ex.formula, ex.texts, ex.boxes);
        const calc::TabOutcome criterion = calc::calculateTab(in);
        ASSERT_TRUE(criterion.results);
        ASSERT_EQ(*criterion.results, *ex.results);
        const std::string set10 = printedNumber(ex.results->at(ex.results->size() - 2));

        const calc::CapacityCheck check = calc::checkCapacity(in, tenBlows(set10));
        ASSERT_FALSE(check.message) << *check.message;
        ASSERT_TRUE(check.capacity && check.basis);
        EXPECT_EQ(check.tab.results, criterion.results);  // the tab's own calculation, unchanged

        const calc::CapacityBasis& b = *check.basis;
        const double tabQu = b.FS * b.Qa;
        const double S = check.capacity->S;
        const double tol = ex.setTolerance + 1e-6;
        EXPECT_NEAR(S, std::stod(set10) / 10, 1e-7);
        EXPECT_LE(calc::ultimateLoad(b, S + tol), tabQu);
        EXPECT_GE(calc::ultimateLoad(b, S - tol), tabQu);
        EXPECT_NEAR(check.capacity->Qu, tabQu, 0.01 * tabQu);
        EXPECT_NEAR(check.capacity->safeLoad, b.Qa, 0.01 * b.Qa);
        EXPECT_EQ(check.capacity->required, b.Qa);
        EXPECT_EQ(check.capacity->meets, check.capacity->safeLoad >= b.Qa);

        // A harder record proves more, a softer one less, and both forms agree.
        const auto harder = calc::checkCapacity(in, tenBlows("1"));
        const auto softer = calc::checkCapacity(in, tenBlows("20"));
        ASSERT_TRUE(harder.capacity && softer.capacity);
        EXPECT_GT(harder.capacity->Qu, softer.capacity->Qu);
        const auto perFoot = calc::checkCapacity(in, {RecordForm::BlowsPerFoot, "300", std::nullopt});
        ASSERT_TRUE(perFoot.capacity);
        EXPECT_DOUBLE_EQ(perFoot.capacity->Qu, harder.capacity->Qu);  // 300 blows per 30 cm: 0.1 cm a blow
    }
}

TEST(Capacity, EngineeringNewsTextsAsShown)
{
    const auto check = calc::checkCapacity(tab(Formula::EngineeringNews, {"30", "3", "100", "0.9", "4"}), tenBlows("2.14"));
    ASSERT_TRUE(check.capacity);
    const calc::CapacityTexts t = calc::capacityTexts(*check.capacity, ".");
    EXPECT_EQ(t.Qu, "120");
    EXPECT_EQ(t.safeLoad, "30");
    EXPECT_EQ(t.required, "30");
    EXPECT_EQ(t.verdict, "ผ่าน");
    EXPECT_EQ(t.S, calc::numberText(static_cast<double>(2.14f) / 10, "."));

    // 1.8 cm at an 80 cm drop: 240 / (0.18 + 2.286) = 97.32 t, 24.33 t safe, short of 30.
    const auto site = calc::checkCapacity(tab(Formula::EngineeringNews, {"30", "3", "100", "0.9", "4"}),
                                          tenBlows("1,8", "80"));
    EXPECT_EQ(site.message, calc::kRecordNotPositive);  // "," is not the separator here
    const auto comma = calc::checkCapacity({Formula::EngineeringNews, {"30", "3", "100", "0,9", "4"}, {}, ","},
                                           tenBlows("1,8", "80"));
    ASSERT_TRUE(comma.capacity);
    const calc::CapacityTexts c = calc::capacityTexts(*comma.capacity, ",");
    EXPECT_EQ(c.Qu, "97,32");
    EXPECT_EQ(c.safeLoad, "24,33");
    EXPECT_EQ(c.verdict, "ไม่ผ่าน");
}

// The tab's checks first, in their order, with the record's drop height in
// the h field; then the record; then the range.
TEST(Capacity, MessagesInOrder)
{
    const std::vector<std::string> en = {"30", "3", "100", "0.9", "4"};
    auto with = [&](std::size_t i, std::string text) {
        std::vector<std::string> t = en;
        t[i] = std::move(text);
        return tab(Formula::EngineeringNews, t);
    };
    struct Case {
        const char* name;
        calc::TabInputs in;
        calc::DrivingRecord record;
        std::string message;
        bool tabRefused;
    };
    const std::vector<Case> cases = {
        {"incomplete_before_record", with(0, ""), tenBlows("0"), calc::messages::kIncomplete, true},
        {"record_height_empty", with(0, "30"), tenBlows("2", ""), calc::messages::kIncomplete, true},
        {"not_a_number", with(3, "x"), tenBlows("abc"), calc::messages::kNotANumber, true},
        {"zero_divisor", with(1, "0"), tenBlows("-1"), calc::messages::kNotPositive, true},
        {"record_drop_too_high", tab(Formula::EngineeringNews, en), tenBlows("2", "250"),
         calc::messages::dropTooHigh(240, "."), true},
        {"record_empty", tab(Formula::EngineeringNews, en), tenBlows(""), calc::kRecordNotPositive, false},
        {"record_not_a_number", tab(Formula::EngineeringNews, en), tenBlows("1.2.3"), calc::kRecordNotPositive, false},
        {"record_zero", tab(Formula::EngineeringNews, en), tenBlows("0.000"), calc::kRecordNotPositive, false},
        {"record_negative", tab(Formula::EngineeringNews, en), tenBlows("-2"), calc::kRecordNotPositive, false},
        {"blows_zero", tab(Formula::EngineeringNews, en), {RecordForm::BlowsPerFoot, "0", std::nullopt},
         calc::kRecordNotPositive, false},
        // The area of a 1e20 cm pile does not fit a float: no A, no capacity.
        {"hiley_area_overflows", tab(Formula::Hiley, {"12", "40", "5", "100", "5", "0.25", "0.8", "4",
                                                      "100000000000000000000"}),
         tenBlows("2"), calc::messages::kOutOfRange, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const calc::CapacityCheck check = calc::checkCapacity(c.in, c.record);
        EXPECT_EQ(check.message, c.message);
        EXPECT_EQ(check.tabRefused, c.tabRefused);
        EXPECT_FALSE(check.capacity);
    }
}

// Whatever the tab's own criterion came to, the capacity stands on the
// values the tab read and derived.
TEST(Capacity, ComputedWhateverTheCriterion)
{
    struct Case {
        const char* name;
        calc::TabInputs in;
        OutcomeKind kind;
    };
    const std::vector<Case> cases = {
        {"negative_set", tab(Formula::EngineeringNews, {"30", "3", "50", "0.9", "4"}), OutcomeKind::Negative},
        {"zero_set", tab(Formula::EngineeringNews, {"30", "3", "0", "0", "4"}), OutcomeKind::ZeroSet},
        {"set_beyond_float", tab(Formula::EngineeringNews,
                                 {"0.000000000000000000000000000000000003", "3", "100", "0", "1"}),
         OutcomeKind::OutOfRange},
        {"danish_negative", tab(Formula::Danish, {"30", "12", "40", "3", "30", "0.8", "5", "200"}),
         OutcomeKind::Negative},
        {"janbu_negative", tab(Formula::Janbu, {"30", "20", "30", "3", "30", "4", "200"}), OutcomeKind::Negative},
        {"hiley_zero_set", tab(Formula::Hiley, {"12", "40", "5", "100", "5", "0.25", "0.5158", "4", "30"}),
         OutcomeKind::ZeroSet},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const calc::CapacityCheck check = calc::checkCapacity(c.in, tenBlows("2"));
        EXPECT_EQ(check.tab.kind, c.kind);
        ASSERT_TRUE(check.capacity);
        EXPECT_FALSE(check.message);
        EXPECT_TRUE(std::isfinite(check.capacity->Qu));
        EXPECT_GE(check.capacity->Qu, 0);
    }
    // A zero drop proves nothing, and says so as a number.
    const auto still = calc::checkCapacity(cases[1].in, tenBlows("2"));
    EXPECT_EQ(calc::capacityTexts(*still.capacity, ".").Qu, "0");
    EXPECT_EQ(calc::capacityTexts(*still.capacity, ".").verdict, "ไม่ผ่าน");
}

// A load that is not finite is never a result: refused at one set, left out
// of the graph at one blow count.
TEST(Capacity, NoInfiniteLoad)
{
    calc::CapacityBasis b;
    b.formula = Formula::EngineeringNews;
    b.W = 3;
    b.h = 100;
    b.FS = 4;
    b.Qa = 30;
    EXPECT_FALSE(calc::capacityAt(b, 0));  // 300 / 0
    EXPECT_TRUE(calc::capacityAt(b, 0.1));

    b.formula = Formula::Janbu;  // A = E = 0: not a number at every set
    b.Cd = 0.8;
    const auto points = calc::bearingGraph(b, 1, 5);
    ASSERT_EQ(points.size(), 5u);
    for (const calc::BearingPoint& p : points) EXPECT_FALSE(p.safeLoad);

    b.formula = Formula::EngineeringNews;
    b.W = 1e307;  // Qu overflows a double
    EXPECT_FALSE(calc::capacityAt(b, 0.1));
}

TEST(Capacity, BearingGraphFollowsTheBlowCount)
{
    const auto check = calc::checkCapacity(tab(Formula::Janbu, {"30", "20", "30", "5", "80", "4", "200"}),
                                           tenBlows("2"));
    ASSERT_TRUE(check.basis);
    const auto points = calc::bearingGraph(*check.basis, 1, 200);
    ASSERT_EQ(points.size(), 200u);
    EXPECT_EQ(points.front().blows, 1);
    EXPECT_EQ(points.back().blows, 200);
    for (std::size_t i = 1; i < points.size(); ++i) {
        ASSERT_TRUE(points[i].safeLoad);
        EXPECT_GT(*points[i].safeLoad, *points[i - 1].safeLoad);
    }
    // 150 blows per 30 cm is a set of 0.2 cm a blow.
    EXPECT_DOUBLE_EQ(*points[149].safeLoad, calc::capacityAt(*check.basis, 30.0 / 150)->safeLoad);
    EXPECT_TRUE(calc::bearingGraph(*check.basis, 0, 10).empty());
    EXPECT_TRUE(calc::bearingGraph(*check.basis, 10, 9).empty());
}

}  // namespace
