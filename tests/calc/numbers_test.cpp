// round, number text and text to number: the conversions every tab and report
// relies on.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "calc/numbers.h"

namespace {

using calc::numberText;
using calc::roundHalfEven;
using calc::textToNumber;

// ---- round(x, n): an exact half goes to the even neighbour ----

struct RoundCase {
    const char* name;
    double x;
    int decimals;
    double expected;
};

class RoundDouble : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundDouble, RoundsHalfToEven)
{
    EXPECT_EQ(roundHalfEven(GetParam().x, GetParam().decimals), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Halves, RoundDouble,
    testing::Values(
        RoundCase{"half_up_to_even_38", 37.5, 0, 38},
        RoundCase{"half_down_to_even_62", 62.5, 0, 62},
        RoundCase{"drop_limit_202", 202.5, 0, 202},
        RoundCase{"two_and_a_half", 2.5, 0, 2},
        RoundCase{"three_and_a_half", 3.5, 0, 4},
        RoundCase{"negative_half", -2.5, 0, -2},
        RoundCase{"not_a_half", 73.6, 0, 74},
        RoundCase{"three_decimals", 0.30557280900008, 3, 0.306},
        RoundCase{"negative_three_decimals", -1.0360000599, 3, -1.036},
        RoundCase{"area_two_decimals", 706.858275, 2, 706.86},
        RoundCase{"too_large_to_scale_kept", 1e308, 3, 1e308}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RoundFloat, KeepsFloatWidth)
{
    const float rounded = roundHalfEven(0.60399997f, 3);
    static_assert(std::is_same_v<decltype(rounded), const float>);
    EXPECT_EQ(rounded, 0.604f);
    EXPECT_EQ(roundHalfEven(37.5f, 0), 38.0f);
    EXPECT_EQ(roundHalfEven(62.5f, 0), 62.0f);
}

// ---- number text ----

struct FloatTextCase {
    const char* name;
    float value;
    const char* separator;
    const char* expected;
};

class FloatNumberText : public testing::TestWithParam<FloatTextCase> {};

TEST_P(FloatNumberText, WritesPlainSevenDigits)
{
    EXPECT_EQ(numberText(GetParam().value, GetParam().separator), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, FloatNumberText,
    testing::Values(
        FloatTextCase{"whole_number_without_separator", 900.0f, ".", "900"},
        FloatTextCase{"one_third_seven_digits", 1.0f / 3, ".", "0.3333333"},
        FloatTextCase{"zero_before_separator", 0.604f, ".", "0.604"},
        FloatTextCase{"trailing_zeros_dropped", 2.5f, ".", "2.5"},
        FloatTextCase{"negative", -1.036f, ".", "-1.036"},
        FloatTextCase{"negative_zero", -0.0f, ".", "0"},
        FloatTextCase{"zero", 0.0f, ".", "0"},
        FloatTextCase{"unrounded_ten_blows", 2.1400006f, ".", "2.140001"},
        FloatTextCase{"seven_digit_whole", 1234567.0f, ".", "1234567"},
        FloatTextCase{"comma_separator", 706.86f, ",", "706,86"},
        FloatTextCase{"small_fraction_plain", 0.0001f, ".", "0.0001"},
        FloatTextCase{"ten_million_scientific", 12345678.0f, ".", "1.234568E+07"},
        FloatTextCase{"eighth_digit_half_to_even", 12345665.0f, ".", "1.234566E+07"},
        FloatTextCase{"huge_scientific", 3e31f, ".", "3E+31"},
        FloatTextCase{"tiny_scientific", 0.00001f, ",", "1E-05"},
        FloatTextCase{"largest_float", std::numeric_limits<float>::max(), ".", "3.402823E+38"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DoubleNumberText, WritesFifteenDigits)
{
    EXPECT_EQ(numberText(144.0, "."), "144");
    EXPECT_EQ(numberText(1.0 / 3, "."), "0.333333333333333");
    EXPECT_EQ(numberText(0.1 + 0.2, "."), "0.3");
    EXPECT_EQ(numberText(113.0976, ","), "113,0976");
    EXPECT_EQ(numberText(1e15, "."), "1E+15");
    EXPECT_EQ(numberText(-0.0, "."), "0");
}

TEST(NumberText, NeverWritesInfinityOrNan)
{
    for (float v : {std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity(),
                    std::numeric_limits<float>::quiet_NaN()}) {
        const std::string text = numberText(v, ".");
        EXPECT_EQ(text.find("inf"), std::string::npos) << text;
        EXPECT_EQ(text.find("nan"), std::string::npos) << text;
    }
}

// ---- text to number: strict syntax ----

struct ValidText {
    const char* name;
    const char* text;
    const char* separator;
    float expected;
};

class TextToNumberValid : public testing::TestWithParam<ValidText> {};

TEST_P(TextToNumberValid, ConvertsToNearestFloat)
{
    const std::optional<float> value = textToNumber(GetParam().text, GetParam().separator);
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, TextToNumberValid,
    testing::Values(
        ValidText{"whole", "100", ".", 100.0f},
        ValidText{"decimal", "12.5", ".", 12.5f},
        ValidText{"trailing_separator", "5.", ".", 5.0f},
        ValidText{"leading_separator", ".5", ".", 0.5f},
        ValidText{"leading_zeros", "007", ".", 7.0f},
        ValidText{"zero", "0", ".", 0.0f},
        ValidText{"nearest_float", "0.1", ".", 0.1f},
        ValidText{"comma_locale", "12,5", ",", 12.5f},
        ValidText{"multibyte_separator", "0\xd9\xab" "8", "\xd9\xab", 0.8f},
        ValidText{"largest_float", "340282346638528859811704183484516925440", ".",
                  std::numeric_limits<float>::max()},
        ValidText{"fraction_below_float_range_is_zero",
                  "0.00000000000000000000000000000000000000000000000001", ".", 0.0f}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusedText {
    const char* name;
    const char* text;
    const char* separator;
};

class TextToNumberRefused : public testing::TestWithParam<RefusedText> {};

TEST_P(TextToNumberRefused, IsNotANumber)
{
    EXPECT_FALSE(textToNumber(GetParam().text, GetParam().separator).has_value()) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Table, TextToNumberRefused,
    testing::Values(
        RefusedText{"empty", "", "."},
        RefusedText{"lone_separator", ".", "."},
        RefusedText{"two_separators", "1.2.3", "."},
        RefusedText{"leading_blank", " 1", "."},
        RefusedText{"trailing_blank", "1 ", "."},
        RefusedText{"only_blanks", "   ", "."},
        RefusedText{"minus_sign", "-1", "."},
        RefusedText{"plus_sign", "+1", "."},
        RefusedText{"exponent", "1e5", "."},
        RefusedText{"hexadecimal", "0x10", "."},
        RefusedText{"digit_grouping", "1,000", "."},
        RefusedText{"full_stop_in_comma_locale", "12.5", ","},
        RefusedText{"letters", "abc", "."},
        RefusedText{"infinity_word", "inf", "."},
        RefusedText{"thai_digits", "\xe0\xb9\x91\xe0\xb9\x92", "."},
        RefusedText{"beyond_float_range", "340282366920938463463374607431768211456", "."},
        RefusedText{"far_beyond_float_range", "1000000000000000000000000000000000000000000000000000", "."}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
