// Every refused calculation on every tab: the message, the field that gets the
// focus, no result line, S and the print button as they were.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "calc/messages.h"
#include "tab_runner.h"

namespace {

using calc::Formula;
using calc::OutcomeKind;
using testing_support::kSquareRc;
using testing_support::runTab;

// The worked example of each tab, which calculates without a message.
std::vector<std::string> baseTexts(Formula f)
{
    switch (f) {
    case Formula::EngineeringNews: return {"30", "3", "100", "0.9", "4"};
    case Formula::Hiley: return {"12", "40", "5", "100", "5", "0.25", "0.8", "4", "30"};
    case Formula::Danish: return {"30", "12", "40", "3", "100", "0.8", "5", "200"};
    case Formula::Janbu: return {"30", "20", "30", "5", "80", "4", "200"};
    }
    return {};
}

const char* expectedMessage(OutcomeKind kind)
{
    switch (kind) {
    case OutcomeKind::Incomplete: return calc::messages::kIncomplete;
    case OutcomeKind::NotANumber: return calc::messages::kNotANumber;
    case OutcomeKind::NotPositive: return calc::messages::kNotPositive;
    case OutcomeKind::ZeroSet: return calc::messages::kZeroSet;
    case OutcomeKind::OutOfRange: return calc::messages::kOutOfRange;
    default: return "";
    }
}

const std::string kTiny38 = "0.00000000000000000000000000000000000001";  // 1e-38
const std::string kTiny50 = "0.00000000000000000000000000000000000000000000000001";
const std::string kHuge20 = "100000000000000000000";                      // 1e20
const std::string kBeyondFloat = "1000000000000000000000000000000000000000";  // 1e39

struct FailureCase {
    const char* name;
    Formula formula;
    std::map<int, std::string> texts;  // changed from the worked example
    OutcomeKind kind;
    int focus;
    calc::PileBoxes boxes = kSquareRc;
};

class RefusedCalculation : public testing::TestWithParam<FailureCase> {};

TEST_P(RefusedCalculation, ShowsMessageFocusesFieldAndKeepsResults)
{
    const FailureCase& c = GetParam();
    std::vector<std::string> texts = baseTexts(c.formula);
    for (const auto& [index, text] : c.texts) texts[static_cast<std::size_t>(index)] = text;
    const float previousS = 7.5f;

    const auto run = runTab(c.formula, texts, c.boxes, previousS);
    EXPECT_EQ(run.kind, c.kind);
    EXPECT_EQ(run.message, expectedMessage(c.kind));
    EXPECT_EQ(run.focus, c.focus);
    EXPECT_FALSE(run.results) << "no result line may be written";
    EXPECT_EQ(run.S, previousS);
    EXPECT_FALSE(run.printable);
}

INSTANTIATE_TEST_SUITE_P(AllTabs, RefusedCalculation,
    testing::Values(
        // Incomplete input: focus on field 0 whichever field is empty.
        FailureCase{"en_empty_C", Formula::EngineeringNews, {{3, ""}}, OutcomeKind::Incomplete, 0},
        FailureCase{"hiley_empty_D", Formula::Hiley, {{8, ""}}, OutcomeKind::Incomplete, 0},
        FailureCase{"hiley_no_section_box", Formula::Hiley, {}, OutcomeKind::Incomplete, 0, {true, false, false, false}},
        FailureCase{"danish_no_material_box", Formula::Danish, {}, OutcomeKind::Incomplete, 0, {false, false, true, false}},
        FailureCase{"janbu_empty_h", Formula::Janbu, {{4, ""}}, OutcomeKind::Incomplete, 0},
        FailureCase{"janbu_no_box", Formula::Janbu, {}, OutcomeKind::Incomplete, 0, {false, false, false, false}},
        // Not a number: the first failing field in conversion order.
        FailureCase{"en_lone_separator", Formula::EngineeringNews, {{2, "."}}, OutcomeKind::NotANumber, 2},
        FailureCase{"en_two_separators", Formula::EngineeringNews, {{3, "1.2.3"}}, OutcomeKind::NotANumber, 3},
        FailureCase{"en_first_of_two", Formula::EngineeringNews, {{1, "x"}, {4, "-4"}}, OutcomeKind::NotANumber, 1},
        FailureCase{"en_beyond_float", Formula::EngineeringNews, {{0, kBeyondFloat}}, OutcomeKind::NotANumber, 0},
        FailureCase{"hiley_D_read_last", Formula::Hiley, {{8, "."}, {4, "1 2"}}, OutcomeKind::NotANumber, 4},
        FailureCase{"hiley_only_D", Formula::Hiley, {{8, "3O"}}, OutcomeKind::NotANumber, 8},
        FailureCase{"danish_blank", Formula::Danish, {{7, " "}}, OutcomeKind::NotANumber, 7},
        FailureCase{"janbu_FS_before_D", Formula::Janbu, {{0, "-30"}, {5, "4.0.0"}}, OutcomeKind::NotANumber, 5},
        // Zero divisors, in conversion order, before the drop-height check.
        FailureCase{"en_Qa_zero", Formula::EngineeringNews, {{0, "0"}}, OutcomeKind::NotPositive, 0},
        FailureCase{"en_W_zero_high_drop", Formula::EngineeringNews, {{1, "0.0"}, {2, "100000"}}, OutcomeKind::NotPositive, 1},
        FailureCase{"en_FS_zero", Formula::EngineeringNews, {{4, "0"}}, OutcomeKind::NotPositive, 4},
        FailureCase{"en_W_underflows_to_zero", Formula::EngineeringNews, {{1, kTiny50}}, OutcomeKind::NotPositive, 1},
        FailureCase{"hiley_W_before_FS", Formula::Hiley, {{7, "0"}, {2, "0"}}, OutcomeKind::NotPositive, 2},
        FailureCase{"hiley_area_rounds_to_zero", Formula::Hiley, {{8, "0.05"}}, OutcomeKind::NotPositive, 8},
        FailureCase{"hiley_zero_size", Formula::Hiley, {{8, "0"}, {3, "5"}}, OutcomeKind::NotPositive, 8},
        FailureCase{"danish_E_zero", Formula::Danish, {{7, "0"}}, OutcomeKind::NotPositive, 7},
        FailureCase{"danish_Qa_before_E", Formula::Danish, {{7, "0"}, {2, "0"}}, OutcomeKind::NotPositive, 2},
        FailureCase{"danish_zero_size", Formula::Danish, {{0, "0"}}, OutcomeKind::NotPositive, 0},
        FailureCase{"janbu_FS_zero", Formula::Janbu, {{5, "0"}}, OutcomeKind::NotPositive, 5},
        FailureCase{"janbu_E_zero", Formula::Janbu, {{6, "0"}}, OutcomeKind::NotPositive, 6},
        FailureCase{"janbu_area_rounds_to_zero", Formula::Janbu, {{0, "0.001"}, {4, "8"}}, OutcomeKind::NotPositive, 0},
        // A set of exactly 0 leaves no blow count.
        FailureCase{"en_zero_set", Formula::EngineeringNews, {{2, "0"}, {3, "0"}}, OutcomeKind::ZeroSet, 2},
        FailureCase{"hiley_set_rounds_to_zero", Formula::Hiley, {{6, "0.5158"}}, OutcomeKind::ZeroSet, 3},
        FailureCase{"danish_set_rounds_to_zero", Formula::Danish, {{4, "55.56"}}, OutcomeKind::ZeroSet, 4},
        FailureCase{"janbu_set_rounds_to_zero", Formula::Janbu, {{4, "28.147"}}, OutcomeKind::ZeroSet, 4},
        // Values that do not fit a float.
        FailureCase{"en_set_overflows", Formula::EngineeringNews, {{0, kTiny38}, {4, "0.0000001"}}, OutcomeKind::OutOfRange, 0},
        FailureCase{"en_ten_blows_overflow", Formula::EngineeringNews,
                    {{0, "0.000000000000000000000000000000000003"}, {3, "0"}, {4, "1"}}, OutcomeKind::OutOfRange, 0},
        FailureCase{"en_blow_count_overflows", Formula::EngineeringNews,
                    {{0, "1"}, {1, "1"}, {2, kTiny38}, {3, "0"}, {4, "1"}}, OutcomeKind::OutOfRange, 0},
        FailureCase{"hiley_area_overflows", Formula::Hiley, {{8, kHuge20}}, OutcomeKind::OutOfRange, 0},
        FailureCase{"danish_ultimate_load_underflows", Formula::Danish, {{2, kTiny38}, {6, "0.0000000001"}},
                    OutcomeKind::OutOfRange, 0},
        FailureCase{"janbu_area_overflows", Formula::Janbu, {{0, kHuge20}}, OutcomeKind::OutOfRange, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// Absurd but well-formed inputs never reach a line as "inf" or "nan".
TEST(RefusedCalculation, NoLineEverShowsInfinityOrNan)
{
    const std::vector<std::string> extremes = {"0", kTiny50, kTiny38, "0.5", "1", "340282346638528859811704183484516925440"};
    for (Formula f : {Formula::EngineeringNews, Formula::Hiley, Formula::Danish, Formula::Janbu}) {
        const std::size_t n = baseTexts(f).size();
        for (std::size_t field = 0; field < n; ++field) {
            for (const std::string& value : extremes) {
                std::vector<std::string> texts = baseTexts(f);
                texts[field] = value;
                const auto run = runTab(f, texts);
                EXPECT_TRUE(std::isfinite(run.S));
                if (!run.results) continue;
                for (const std::string& line : *run.results) {
                    EXPECT_EQ(line.find("inf"), std::string::npos) << line;
                    EXPECT_EQ(line.find("nan"), std::string::npos) << line;
                }
            }
        }
    }
}

}  // namespace
