// blowcount-cli, run as a user or a script would run it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

#include <unistd.h>

#include "run_process.h"
#include "worked_examples.h"

namespace {

using testing_support::ProcessResult;
using testing_support::runProcess;

// The C.UTF-8 locale pins the decimal separator to ".".
ProcessResult cli(const std::vector<std::string>& args)
{
    return runProcess(BLOWCOUNT_CLI, args, {{"LC_ALL", "C.UTF-8"}});
}

std::string joinLines(const std::vector<std::string>& lines)
{
    std::string out;
    for (const std::string& l : lines) out += l + "\n";
    return out;
}

TEST(Cli, HileyWorkedExamplePrintsElevenLines)
{
    const auto r = cli({"hiley", "D=30", "L=12", "Qa=40", "W=5", "h=100", "L2=5", "r=0.25", "Z=0.8", "FS=4", "rc", "square"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, joinLines(worked::kHileySquareRc));
    EXPECT_EQ(r.err, "");
}

TEST(Cli, NegativeSetPrintsLinesThenMessageAndExitsOne)
{
    const auto r = cli({"engineering-news", "Qa=30", "W=3", "h=50"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, joinLines(worked::kEnNegative) + "ค่าที่ได้ติดลบ ควรปรับระยะยกลูกตุ้มและน้ำหนักลูกตุ้มให้เหมาะสมกัน\n");
}

// ---- --json: one object per run ----

std::string jsonLines(const std::vector<std::string>& lines)
{
    std::string out = "[";
    for (std::size_t i = 0; i < lines.size(); ++i) out += (i ? ",\"" : "\"") + lines[i] + "\"";
    return out + "]";
}

// The report page of a printable calculation stands as "[...]": its lines are
// checked in report_page_test.cpp.
std::string okJson(const std::vector<std::string>& lines, const std::string& S)
{
    return R"({"outcome":"ok","message":null,"focus":null,"results":)" + jsonLines(lines) + R"(,"S":)" + S
           + R"(,"printable":true,"section":null,"page":[...]})" "\n";
}

std::string withPageElided(const std::string& out)
{
    const std::string key = R"(,"page":[)";
    const std::size_t at = out.find(key);
    const std::size_t end = out.rfind("]}\n");
    if (at == std::string::npos || end == std::string::npos || end < at) return out;
    return out.substr(0, at + key.size()) + "..." + out.substr(end);
}

std::string negativeJson(const std::vector<std::string>& lines, const std::string& focus, const std::string& S)
{
    return R"({"outcome":"negative","message":"ค่าที่ได้ติดลบ ควรปรับระยะยกลูกตุ้มและน้ำหนักลูกตุ้มให้เหมาะสมกัน","focus":")"
           + focus + R"(","results":)" + jsonLines(lines) + R"(,"S":)" + S + R"(,"printable":false,"section":null,"page":null})" "\n";
}

std::string dropJson(const std::string& limit, const std::string& focus)
{
    return R"({"outcome":"drop_too_high","message":"ระยะยกลูกตุ้มมากเกินไป หัวเข็มอาจระเบิดได้ ควรน้อยกว่า )" + limit
           + R"(  ซม. ควรลดลงมาอีก","focus":")" + focus + R"(","results":null,"S":null,"printable":false,"section":null,"page":null})" "\n";
}

struct JsonCase {
    const char* name;
    std::vector<std::string> args;
    std::string expected;
    int exitCode;
};

class CliJson : public testing::TestWithParam<JsonCase> {};

TEST_P(CliJson, WorkedExampleComesOutAsTheTabShowsIt)
{
    std::vector<std::string> args = GetParam().args;
    args.insert(args.begin() + 1, "--json");
    const auto r = cli(args);
    EXPECT_EQ(withPageElided(r.out), GetParam().expected);
    EXPECT_EQ(r.exitCode, GetParam().exitCode);
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, CliJson,
    testing::Values(
        JsonCase{"engineering_news", {"engineering-news", "Qa=30", "W=3", "h=100", "C=0.9", "FS=4"},
                 okJson(worked::kEnExample, "0.214000061"), 0},
        JsonCase{"engineering_news_negative", {"engineering-news", "Qa=30", "W=3", "h=50"},
                 negativeJson(worked::kEnNegative, "Text2(2)", "-1.03599989"), 1},
        JsonCase{"engineering_news_drop", {"engineering-news", "Qa=30", "W=5", "h=150"}, dropJson("144", "Text2(2)"), 1},
        JsonCase{"hiley_square_rc",
                 {"hiley", "D=30", "L=12", "Qa=40", "W=5", "h=100", "L2=5", "r=0.25", "Z=0.8", "FS=4", "rc", "square"},
                 okJson(worked::kHileySquareRc, "0.603999972"), 0},
        JsonCase{"hiley_round_prestressed",
                 {"hiley", "D=30", "L=12", "Qa=40", "W=5", "h=100", "L2=5", "r=0.25", "prestressed", "round"},
                 okJson(worked::kHileyRoundPrestressed, "0.416999996"), 0},
        JsonCase{"hiley_drop", {"hiley", "D=30", "L=12", "Qa=40", "W=3", "h=300", "L2=5", "r=0.25", "rc", "square"},
                 dropJson("270", "Text16(3)"), 1},
        JsonCase{"danish_square_rc", {"danish", "D=30", "L=12", "Qa=40", "W=3", "h=100", "rc", "square"},
                 okJson(worked::kDanishSquareRc, "0.305999994"), 0},
        JsonCase{"danish_round_prestressed", {"danish", "D=30", "L=12", "Qa=40", "W=3", "h=100", "prestressed", "round"},
                 okJson(worked::kDanishRoundPrestressed, "0.191"), 0},
        JsonCase{"danish_negative", {"danish", "D=30", "L=12", "Qa=40", "W=1", "h=30", "rc", "square"},
                 negativeJson(worked::kDanishNegative, "Text15(4)", "-0.163000003"), 1},
        JsonCase{"danish_drop_74", {"danish", "D=25", "L=12", "Qa=40", "W=3", "h=100", "rc", "round"},
                 dropJson("74", "Text15(4)"), 1},
        JsonCase{"danish_drop_202", {"danish", "D=30", "L=12", "Qa=40", "W=2", "h=210", "rc", "square"},
                 dropJson("202", "Text15(4)"), 1},
        JsonCase{"janbu_square_rc", {"janbu", "D=30", "L=20", "Qa=30", "W=5", "h=80", "rc", "square"},
                 okJson(worked::kJanbuSquareRc, "1.22800004"), 0},
        JsonCase{"janbu_round_prestressed", {"janbu", "D=40", "L=18", "Qa=60", "W=5", "h=100", "FS=4", "E=200", "prestressed", "round"},
                 okJson(worked::kJanbuRoundPrestressed, "0.27700001"), 0},
        JsonCase{"janbu_drop", {"janbu", "D=30", "L=20", "Qa=30", "W=5", "h=100", "rc", "square"}, dropJson("81", "Text19(4)"), 1},
        JsonCase{"janbu_negative", {"janbu", "D=30", "L=20", "Qa=30", "W=3", "h=50", "rc", "square"},
                 negativeJson(worked::kJanbuNegative, "Text19(4)", "-0.0199999996"), 1}),
    [](const auto& info) { return std::string(info.param.name); });

struct MessageCase {
    const char* name;
    std::vector<std::string> args;
    const char* outcome;
    const char* message;
    const char* focus;
};

class CliMessage : public testing::TestWithParam<MessageCase> {};

TEST_P(CliMessage, ReportsOutcomeMessageAndFocus)
{
    std::vector<std::string> args = GetParam().args;
    args.push_back("--json");
    const auto r = cli(args);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, std::string(R"({"outcome":")") + GetParam().outcome + R"(","message":")" + GetParam().message
                         + R"(","focus":")" + GetParam().focus + R"(","results":null,"S":null,"printable":false,"section":null,"page":null})" "\n");
}

INSTANTIATE_TEST_SUITE_P(Refused, CliMessage,
    testing::Values(
        MessageCase{"no_boxes", {"hiley", "D=30", "L=12", "Qa=40", "W=5", "h=100", "L2=5", "r=0.25"}, "incomplete",
                    "คุณป้อนข้อมูลไม่ครบ", "Text16(0)"},
        MessageCase{"empty_text_given", {"engineering-news", "Qa=30", "W=3", "h="}, "incomplete", "คุณป้อนข้อมูลไม่ครบ",
                    "Text2(0)"},
        MessageCase{"default_cleared", {"danish", "D=30", "L=12", "Qa=40", "W=3", "h=100", "E=", "rc", "square"},
                    "incomplete", "คุณป้อนข้อมูลไม่ครบ", "Text15(0)"},
        MessageCase{"not_a_number", {"janbu", "D=30", "L=20", "Qa=3O", "W=5", "h=80", "rc", "square"}, "not_a_number",
                    "ข้อมูลต้องเป็นตัวเลข", "Text19(2)"},
        MessageCase{"zero_divisor", {"janbu", "D=30", "L=20", "Qa=30", "W=5", "h=80", "E=0", "rc", "square"},
                    "not_positive", "ค่านี้ต้องมากกว่าศูนย์", "Text19(6)"},
        MessageCase{"zero_set", {"engineering-news", "Qa=1", "W=1", "h=0", "C=0", "FS=1"}, "zero_set",
                    "ค่าที่ได้เป็นศูนย์ ควรปรับระยะยกลูกตุ้มและน้ำหนักลูกตุ้มให้เหมาะสมกัน", "Text2(2)"},
        MessageCase{"out_of_range", {"hiley", "D=100000000000000000000", "L=12", "Qa=40", "W=5", "h=100", "L2=5", "r=0.25", "rc", "square"},
                    "out_of_range", "ผลการคำนวณเกินขอบเขต กรุณาตรวจสอบข้อมูล", "Text16(0)"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- usage errors: exit 2, nothing on stdout, the bad argument named ----

struct UsageCase {
    const char* name;
    std::vector<std::string> args;
    const char* named;  // what stderr must mention
};

class CliUsage : public testing::TestWithParam<UsageCase> {};

TEST_P(CliUsage, ExitsTwoNamingTheArgument)
{
    const auto r = cli(GetParam().args);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(GetParam().named), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("usage: blowcount-cli FORMULA"), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(Errors, CliUsage,
    testing::Values(
        UsageCase{"no_arguments", {}, "missing FORMULA"},
        UsageCase{"unknown_formula", {"gates", "W=3"}, "'gates'"},
        UsageCase{"unknown_field", {"hiley", "X=3"}, "'X'"},
        UsageCase{"field_of_another_tab", {"janbu", "e=0.8"}, "'e'"},
        UsageCase{"symbols_are_case_sensitive", {"engineering-news", "fs=4"}, "'fs'"},
        UsageCase{"boxes_on_engineering_news", {"engineering-news", "rc"}, "'rc'"},
        UsageCase{"both_materials", {"danish", "rc", "prestressed"}, "'prestressed'"},
        UsageCase{"both_sections", {"janbu", "round", "square"}, "'square'"},
        UsageCase{"field_twice", {"hiley", "h=100", "h=90"}, "'h'"},
        UsageCase{"unknown_option", {"hiley", "--verbose"}, "'--verbose'"},
        UsageCase{"stray_word", {"hiley", "100"}, "'100'"},
        UsageCase{"option_before_unknown_formula", {"--verbose", "hiley"}, "unknown option '--verbose'"},
        UsageCase{"pdf_without_file", {"hiley", "--pdf"}, "'--pdf' needs a FILE"},
        UsageCase{"pdf_with_empty_file", {"hiley", "--pdf", ""}, "'--pdf' needs a FILE"},
        UsageCase{"pdf_twice", {"hiley", "--pdf", "a.pdf", "--pdf", "b.pdf"}, "'--pdf' given twice"},
        UsageCase{"pdf_file_taken_as_formula", {"--pdf", "hiley", "D=30"}, "unknown formula 'D=30'"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Cli, HelpGoesToStdoutAndExitsZero)
{
    const auto r = cli({"--help"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.starts_with(
        "usage: blowcount-cli FORMULA [--file PILE.blowcount] [--json] [--pdf FILE] [FIELD=TEXT ...]\n"
        "                     [rc|prestressed] [square|round] [--set10 CM | --blows30 N]\n"))
        << r.out;
    EXPECT_NE(r.out.find("hiley             D L Qa W h L2 r Z FS"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\n--pdf FILE writes the report"), std::string::npos) << r.out;
}

// ---- the user's locale decides the decimal separator ----

class CliCommaLocale : public testing::Test {
protected:
    // Builds a German (comma) locale once into the build tree; tests running
    // side by side build it in folders of their own and the first rename wins.
    static void SetUpTestSuite()
    {
        namespace fs = std::filesystem;
        localeDir_ = fs::path(BLOWCOUNT_TEST_LOCALES);
        const fs::path target = localeDir_ / "de_DE.UTF-8";
        if (!fs::exists(target / "LC_NUMERIC")) {
            const fs::path scratch = localeDir_ / ("build-" + std::to_string(getpid()));
            fs::create_directories(scratch);
            const std::string command = "localedef -i de_DE -f UTF-8 '" + (scratch / "de_DE.UTF-8").string()
                                        + "' >/dev/null 2>&1";
            if (std::system(command.c_str()) == 0) {
                std::error_code ignored;
                fs::rename(scratch / "de_DE.UTF-8", target, ignored);
            }
            fs::remove_all(scratch);
        }
        available_ = fs::exists(target / "LC_NUMERIC");
    }

    void SetUp() override
    {
        if (!available_) GTEST_SKIP() << "localedef could not build a comma locale (package locales missing)";
    }

    static ProcessResult commaCli(const std::vector<std::string>& args)
    {
        return runProcess(BLOWCOUNT_CLI, args, {{"LOCPATH", localeDir_.string()}, {"LC_ALL", "de_DE.UTF-8"}});
    }

    static inline std::filesystem::path localeDir_;
    static inline bool available_ = false;
};

TEST_F(CliCommaLocale, DefaultsAndResultsUseComma)
{
    // C and F.S. keep the window's initial texts, "0,9" and "4".
    const auto r = commaCli({"engineering-news", "Qa=30", "W=3", "h=100"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("(S) ต้องไม่เกิน  0,214  ซม.\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("ต้องไม่เกิน  2,14  ซม.\n"), std::string::npos) << r.out;
}

TEST_F(CliCommaLocale, FullStopIsNotANumber)
{
    const auto r = commaCli({"engineering-news", "--json", "Qa=30", "W=3", "h=100", "C=0.9"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.out.find(R"("outcome":"not_a_number")"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(R"x("focus":"Text2(3)")x"), std::string::npos) << r.out;
}

TEST_F(CliCommaLocale, ReportPageUsesComma)
{
    const auto r = commaCli({"danish", "--json", "D=30", "L=12", "Qa=40", "W=3", "h=135", "rc", "square"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find(R"({"x":900,"y":6400,"bold":true,"underline":true,"text":")"
                         "ดังนั้นค่าการทรุดตัวของเสาเข็มจากการตอก 10 ครั้งสุดท้าย ต้องไม่เกิน  5,809999  ซม.\"}"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find(R"({"x":900,"y":3600,"bold":false,"underline":false,"text":")"
                         "ประสิทธิภาพการตอกของปั้นจั่น = 0,8\"}"),
              std::string::npos)
        << r.out;
}

TEST_F(CliCommaLocale, PileFileTypedWithFullStopOpensWithComma)
{
    const auto path = std::filesystem::temp_directory_path() / ("cli_comma_" + std::to_string(getpid()) + ".blowcount");
    {
        std::ofstream out(path, std::ios::binary);
        out << R"({"format":"blowcount-pile","version":1,"decimal_separator":".",)"
               R"("tabs":{"danish":{"fields":{"D":"30","L":"12","Qa":"40","W":"3","h":"135","e":"0.8","FS":"4","E":"200"},)"
               R"("material":"rc","section":"square"}}})";
    }
    const auto r = commaCli({"danish", "--file", path.string(), "--json"});
    std::filesystem::remove(path);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, commaCli({"danish", "D=30", "L=12", "Qa=40", "W=3", "h=135", "e=0,8", "FS=4", "E=200", "rc",
                               "square", "--json"})
                         .out);
    EXPECT_NE(r.out.find("ประสิทธิภาพการตอกของปั้นจั่น = 0,8"), std::string::npos) << r.out;
}

TEST_F(CliCommaLocale, JsonNumberKeepsFullStop)
{
    const auto r = commaCli({"danish", "--json", "D=30", "L=12", "Qa=40", "W=3", "h=100", "prestressed", "round"});
    EXPECT_NE(r.out.find(R"("S":0.191,)"), std::string::npos) << r.out;
}

}  // namespace
