// The "page" of --json: the report the print button would print right after
// the calculation, line by line, or null when there is no print button.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "run_process.h"

namespace {

using testing_support::ProcessResult;
using testing_support::runProcess;

ProcessResult cliJson(std::vector<std::string> args)
{
    args.insert(args.begin() + 1, "--json");
    return runProcess(BLOWCOUNT_CLI, args, {{"LC_ALL", "C.UTF-8"}});
}

// The page's line objects as written, or nothing for "page":null. Report
// texts never hold "},{", so the array splits there.
std::optional<std::vector<std::string>> pageObjects(const std::string& out)
{
    const std::string key = R"(,"page":)";
    const std::size_t at = out.find(key);
    if (at == std::string::npos) throw std::runtime_error("no page key in " + out);
    const std::string page = out.substr(at + key.size());
    if (page == "null}\n") return std::nullopt;
    if (!page.starts_with("[{") || !page.ends_with("}]}\n")) throw std::runtime_error("page is no array: " + page);
    std::vector<std::string> objects;
    const std::string inner = page.substr(1, page.size() - 4);  // {...},{...}
    std::size_t from = 0;
    for (std::size_t cut = inner.find("},{"); cut != std::string::npos; cut = inner.find("},{", from)) {
        objects.push_back(inner.substr(from, cut + 1 - from));
        from = cut + 2;
    }
    objects.push_back(inner.substr(from));
    return objects;
}

std::string line(int x, int y, bool bold, bool underline, const std::string& text)
{
    auto flag = [](bool b) { return b ? "true" : "false"; };
    return R"({"x":)" + std::to_string(x) + R"(,"y":)" + std::to_string(y) + R"(,"bold":)" + flag(bold)
           + R"(,"underline":)" + flag(underline) + R"(,"text":")" + text + "\"}";
}

const std::string kTenBlows = "ดังนั้นค่าการทรุดตัวของเสาเข็มจากการตอก 10 ครั้งสุดท้าย ต้องไม่เกิน  ";
const std::string kPerFoot = "หรือจำนวนครั้งในการตอกต่อระยะ 30 ซม.(1 ฟุต) ต้องไม่น้อยกว่า  ";

struct PageCase {
    const char* name;
    std::vector<std::string> args;
    std::size_t lineCount;
    std::vector<std::string> lines;  // each compared whole with the page's line of the same Y
};

void PrintTo(const PageCase& c, std::ostream* out) { *out << c.name; }

class CliPage : public testing::TestWithParam<PageCase> {};

TEST_P(CliPage, HoldsTheReportOfTheCalculation)
{
    const auto r = cliJson(GetParam().args);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto objects = pageObjects(r.out);
    ASSERT_TRUE(objects.has_value()) << r.out;
    EXPECT_EQ(objects->size(), GetParam().lineCount);
    for (const std::string& expected : GetParam().lines) {
        const std::string y = expected.substr(expected.find(R"(,"y":)"), expected.find(R"(,"bold")") - expected.find(R"(,"y":)"));
        std::vector<std::string> atY;
        for (const std::string& o : *objects)
            if (o.find(y + ",") != std::string::npos) atY.push_back(o);
        ASSERT_EQ(atY.size(), 1u) << "lines with " << y << " in " << r.out;
        EXPECT_EQ(atY.front(), expected);
    }
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, CliPage,
    testing::Values(
        PageCase{"engineering_news", {"engineering-news", "Qa=30", "W=3", "h=100", "C=0.9", "FS=4"}, 21,
                 {line(3700, 800, true, false, " รายการคำนวณ Blow Count   Engineering News Formular "),
                  line(900, 1800, false, false, "น้ำหนักปลอดภัยที่เสาเข็มรับได้:Qa (ตัน) = 30"),
                  line(900, 3000, false, false, "Factor of Safety ( แนะนำให้ใช้ = 4) = 4"),
                  line(900, 4600, false, false, "ค่าเฉลี่ยการทรุดตัวของเสาเข็มจากการตอก 10 ครั้งสุดท้าย (S) ต้องไม่เกิน  0.214  ซม."),
                  line(900, 4900, true, true, kTenBlows + "2.140001  ซม."),
                  line(900, 5200, true, true, kPerFoot + "140  ครั้ง"),
                  line(900, 7400, false, false, "C = 0.9 สำหรับลูกตุ้มชนิดปล่อย Drop Hammer")}},
        // Fields not given keep the window's initial texts; typed texts print as typed.
        PageCase{"engineering_news_as_typed", {"engineering-news", "Qa=30.0", "W=3", "h=100"}, 21,
                 {line(900, 1800, false, false, "น้ำหนักปลอดภัยที่เสาเข็มรับได้:Qa (ตัน) = 30.0"),
                  line(900, 2700, false, false, "ประสิทธิภาพการตอกของปั้นจั่น = 0.9"),
                  line(900, 4900, true, true, kTenBlows + "2.140001  ซม.")}},
        PageCase{"danish_h_135", {"danish", "D=30", "L=12", "Qa=40", "W=3", "h=135", "rc", "square"}, 27,
                 {line(3900, 800, true, false, " รายการคำนวณ Blow Count   Danish's Formular "),
                  line(900, 1800, false, false, "เสาเข็มสี่เหลี่ยม คสล."),
                  line(900, 3300, false, false, "ระยะยกลูกตุ้มสูงจากหัวเสา (ซม.) = 135"),
                  line(900, 6100, false, false, "ค่าเฉลี่ยการทรุดตัวของเสาเข็มจากการตอก 10 ครั้งสุดท้าย (S) ต้องไม่เกิน  0.581  ซม."),
                  line(900, 6400, true, true, kTenBlows + "5.809999  ซม."),
                  line(900, 6700, true, true, kPerFoot + "52  ครั้ง"),
                  line(900, 9200, false, false, "L = ความยาวเสาเข็ม (ม.)")}},
        PageCase{"danish_first_example", {"danish", "D=30", "L=12", "Qa=40", "W=3", "h=100", "rc", "square"}, 27,
                 {line(900, 6400, true, true, kTenBlows + "3.06  ซม."), line(900, 6700, true, true, kPerFoot + "98  ครั้ง")}},
        PageCase{"hiley", {"hiley", "D=30", "L=12", "Qa=40", "W=5", "h=100", "L2=5", "r=0.25", "Z=0.8", "FS=4", "rc", "square"}, 42,
                 {line(900, 1800, false, false, "เสาเข็มสี่เหลี่ยม คสล."),
                  line(900, 7300, false, false, "C=C1+C2+C3 =  2.192  ซม."),
                  line(900, 7900, true, true, kTenBlows + "6.04  ซม."),
                  line(900, 8200, true, true, kPerFoot + "50  ครั้ง"),
                  line(1200, 13700, false, false, "A = พื้นที่หน้าตัดเสาเข็ม (ตร.ซม.)")}},
        PageCase{"janbu_round_prestressed",
                 {"janbu", "D=40", "L=18", "Qa=60", "W=5", "h=100", "FS=4", "E=200", "prestressed", "round"}, 35,
                 {line(900, 1800, false, false, "เสาเข็มกลม คอร."),
                  line(900, 6700, false, false, "Cd=  0.9163"),
                  line(900, 7300, true, true, kTenBlows + "2.77  ซม."),
                  line(900, 7600, true, true, kPerFoot + "108  ครั้ง")}}),
    [](const auto& info) { return std::string(info.param.name); });

struct NoPageCase {
    const char* name;
    std::vector<std::string> args;
};

void PrintTo(const NoPageCase& c, std::ostream* out) { *out << c.name; }

class CliNoPage : public testing::TestWithParam<NoPageCase> {};

TEST_P(CliNoPage, IsNullWithoutAPrintButton)
{
    const auto r = cliJson(GetParam().args);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(pageObjects(r.out), std::nullopt) << r.out;
}

INSTANTIATE_TEST_SUITE_P(NotPrintable, CliNoPage,
    testing::Values(
        NoPageCase{"negative_set", {"engineering-news", "Qa=30", "W=3", "h=50"}},
        NoPageCase{"negative_danish", {"danish", "D=30", "L=12", "Qa=40", "W=1", "h=30", "rc", "square"}},
        NoPageCase{"drop_too_high", {"hiley", "D=30", "L=12", "Qa=40", "W=3", "h=300", "L2=5", "r=0.25", "rc", "square"}},
        NoPageCase{"incomplete", {"janbu", "D=30", "L=20", "Qa=30", "W=5", "h=80"}},
        NoPageCase{"zero_set", {"engineering-news", "Qa=1", "W=1", "h=0", "C=0", "FS=1"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
