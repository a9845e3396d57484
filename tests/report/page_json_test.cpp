// A page as the JSON array the command line prints.
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "report/page_json.h"

namespace report {
namespace {

TEST(PageJson, WritesTheLinesInPrintingOrder)
{
    Page page;
    page.lines.push_back({3900, 800, true, false, 14, " รายการคำนวณ Blow Count   Janbu's Formular "});
    page.lines.push_back({900, 1800, false, true, 14, "เสาเข็มกลม คอร."});
    EXPECT_EQ(pageJson(page),
              "[{\"x\":3900,\"y\":800,\"bold\":true,\"underline\":false,"
              "\"text\":\" รายการคำนวณ Blow Count   Janbu's Formular \"},"
              "{\"x\":900,\"y\":1800,\"bold\":false,\"underline\":true,\"text\":\"เสาเข็มกลม คอร.\"}]");
}

TEST(PageJson, AnEmptyPageIsAnEmptyArray)
{
    EXPECT_EQ(pageJson(Page{}), "[]");
}

struct EscapeCase {
    std::string name;
    std::string text;
    std::string json;
};

void PrintTo(const EscapeCase& c, std::ostream* out) { *out << c.name; }

class JsonString : public testing::TestWithParam<EscapeCase> {};

TEST_P(JsonString, EscapesWhatJsonRequires)
{
    EXPECT_EQ(jsonString(GetParam().text), GetParam().json);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, JsonString,
    testing::Values(
        EscapeCase{"empty", "", "\"\""},
        EscapeCase{"thai kept as utf8", "ผลการคำนวณ :", "\"ผลการคำนวณ :\""},
        EscapeCase{"quote and backslash", "say \"30\\4\"", "\"say \\\"30\\\\4\\\"\""},
        EscapeCase{"short escapes", "a\tb\nc\rd\be\ff", "\"a\\tb\\nc\\rd\\be\\ff\""},
        EscapeCase{"other control characters", std::string("\x01\x1f\x7f", 3), "\"\\u0001\\u001f\x7f\""},
        EscapeCase{"nul inside", std::string("a\0b", 3), "\"a\\u0000b\""},
        EscapeCase{"slash stays", "W*h / A", "\"W*h / A\""},
        EscapeCase{"four byte sequence kept", "\xF0\x9F\x94\xA8", "\"\xF0\x9F\x94\xA8\""},
        // each byte outside a valid UTF-8 sequence becomes U+FFFD
        EscapeCase{"stray continuation byte", "a\x80z", "\"a\xEF\xBF\xBDz\""},
        EscapeCase{"truncated sequence", "\xE0\xB8", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},
        EscapeCase{"truncated before ascii", "\xE0\xB8z", "\"\xEF\xBF\xBD\xEF\xBF\xBDz\""},
        EscapeCase{"overlong slash", "\xC0\xAF", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},
        EscapeCase{"overlong three bytes", "\xE0\x80\xAF", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},
        EscapeCase{"surrogate", "\xED\xA0\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},
        EscapeCase{"beyond unicode", "\xF4\x90\x80\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},
        EscapeCase{"windows 874 byte", "\xA1", "\"\xEF\xBF\xBD\""}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& c : name)
            if (c == ' ') c = '_';
        return name;
    });

}  // namespace
}  // namespace report
