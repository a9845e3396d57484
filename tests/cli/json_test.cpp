// JSON strings stay valid for any bytes a message or result line can hold.
#include <gtest/gtest.h>

#include "cli/json.h"

namespace {

struct EscapeCase {
    const char* name;
    std::string input;
    std::string expected;
};

class JsonString : public testing::TestWithParam<EscapeCase> {};

TEST_P(JsonString, EscapesWhatJsonRequires)
{
    EXPECT_EQ(cli::jsonString(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, JsonString,
    testing::Values(
        EscapeCase{"thai_passes_unchanged", "ตัน  ซม.", "\"ตัน  ซม.\""},
        EscapeCase{"quote_and_backslash", "a\"b\\c", R"("a\"b\\c")"},
        EscapeCase{"named_controls", "\n\r\t\b\f", R"("\n\r\t\b\f")"},
        EscapeCase{"other_controls", std::string("\x01\x1f\x7f", 3), "\"\\u0001\\u001f\x7f\""},
        EscapeCase{"nul", std::string("a\0b", 3), R"("a\u0000b")"},
        // each byte outside a valid UTF-8 sequence becomes U+FFFD
        EscapeCase{"invalid_byte", "a\xff" "b", "\"a\xEF\xBF\xBD" "b\""},
        EscapeCase{"truncated_sequence", "\xe0\xb8", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},
        EscapeCase{"overlong_slash", "\xc0\xaf", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},
        EscapeCase{"surrogate", "\xed\xa0\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},
        EscapeCase{"four_byte_sequence", "\xf0\x9f\x99\x82", "\"\xf0\x9f\x99\x82\""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JsonObject, KeepsKeyOrderAndWritesNulls)
{
    cli::JsonObject o;
    o.addString("message", std::nullopt)
        .addStrings("results", std::vector<std::string>{"a", "b"})
        .addNumber("S", 0.604f)
        .addNumber("none", std::nullopt)
        .addBool("printable", false);
    EXPECT_EQ(o.text(), R"({"message":null,"results":["a","b"],"S":0.603999972,"none":null,"printable":false})");
}

TEST(JsonNumber, NeverWritesInfinityOrNan)
{
    EXPECT_EQ(cli::jsonNumber(std::numeric_limits<float>::infinity()), "null");
    EXPECT_EQ(cli::jsonNumber(std::numeric_limits<float>::quiet_NaN()), "null");
    EXPECT_EQ(cli::jsonNumber(-1.036f), "-1.03600001");
}

}  // namespace
