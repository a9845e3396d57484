// blowcount-cli records: each record's verdict, criterion and proven load as
// JSON, the table and counts as text, and the exit status of a table, a bad
// file and a usage error.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <nlohmann/json.hpp>
#include <unistd.h>

#include "calc/pile_file.h"
#include "run_process.h"

namespace {

using testing_support::ProcessResult;

ProcessResult cli(const std::vector<std::string>& args)
{
    return testing_support::runProcess(BLOWCOUNT_CLI, args, {{"LC_ALL", "C.UTF-8"}});
}

calc::PileDocument recordsDocument()
{
    using Texts = std::vector<std::string>;
    calc::PileDocument d;
    d.tab(calc::Formula::EngineeringNews) = calc::PileTab{Texts{"30", "3", "100", "0.9", "4"}, {}};
    d.tab(calc::Formula::Hiley) = calc::PileTab{Texts{"12", "40", "5", "100", "5", "0.25", "0.8", "4", "30"}, {true, false, true, false}};
    d.tab(calc::Formula::Danish) = calc::PileTab{Texts{"30", "12", "40", "3", "100", "0.8", "5", "200"}, {false, true, false, true}};
    d.tab(calc::Formula::Janbu) = calc::PileTab{Texts{"30", "20", "30", "5", "80", "4", "200"}, {true, false, true, false}};
    const auto rec = [](std::string mark, std::string hammer, Texts sets, Texts blows, std::string depth) {
        calc::PileRecord r;
        r.mark = std::move(mark);
        r.hammer = std::move(hammer);
        r.sets = std::move(sets);
        r.blows = std::move(blows);
        r.depth = std::move(depth);
        return r;
    };
    d.records = {rec("P-001", "", {"1.91"}, {"150"}, "18.3"), rec("P-002", "", {"1.92"}, {}, "18.25"),
                 rec("P-003", "", {}, {}, ""), rec("P-004", "0", {"1"}, {}, "1"), rec("P-005", "", {"2", "x"}, {}, "2"),
                 rec("P-006", "", {"0"}, {"400"}, "")};
    return d;
}

class RecordsCli : public testing::Test {
protected:
    void SetUp() override
    {
        path_ = std::filesystem::temp_directory_path() / ("records_cli_" + std::to_string(getpid()) + ".blowcount");
        std::ofstream(path_, std::ios::binary) << calc::writePileFile(recordsDocument());
    }
    void TearDown() override { std::filesystem::remove(path_); }
    std::string path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

TEST_F(RecordsCli, JsonTellsEachVerdictAndTheCounts)
{
    const ProcessResult run = cli({"records", "--json", "--file", path()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const nlohmann::json out = nlohmann::json::parse(run.out);
    EXPECT_EQ(out["acceptance"], nlohmann::json::parse(R"({"formula":"strictest","sets_required":"1","project":""})"));
    const nlohmann::json& r = out["records"];
    ASSERT_EQ(r.size(), 6u);
    const std::vector<std::string> statuses{"meets", "fails", "incomplete", "no-criterion", "bad-input", "meets"};
    for (std::size_t i = 0; i < statuses.size(); ++i) EXPECT_EQ(r[i]["status"], statuses[i]) << i;
    EXPECT_EQ(r[0]["formula"], "danish");
    EXPECT_EQ(r[0]["criterion"], nlohmann::json::parse(R"({"S":"0.191","set10":"1.91","blows30":"157"})"));
    EXPECT_EQ(r[0]["last_set"], "1.91");
    EXPECT_EQ(r[0]["last_blows"], "150");
    // The proven load is the capacity check's, as --set10 gives it.
    const ProcessResult set10 = cli({"danish", "--file", path(), "--set10", "1.91", "--json"});
    EXPECT_EQ(r[0]["capacity"], nlohmann::json::parse(set10.out)["capacity"]);
    EXPECT_TRUE(r[0]["message"].is_null());
    EXPECT_EQ(r[3]["message"], "ไม่มีสูตรใดคำนวณได้");
    EXPECT_TRUE(r[3]["criterion"].is_null() && r[3]["formula"].is_null());
    EXPECT_EQ(r[4]["message"], "ค่าการทรุดตัวชุดที่ 2 ไม่ใช่ตัวเลข");
    EXPECT_EQ(r[5]["flags"], nlohmann::json::parse(R"(["refusal","overdriven"])"));
    EXPECT_TRUE(r[5]["capacity"].is_null());
    EXPECT_EQ(out["counts"], nlohmann::json::parse(
                                 R"({"records":6,"meets":2,"fails":1,"incomplete":1,"no-criterion":1,"bad-input":1})"));
    EXPECT_EQ(out["total_depth"], "39.55");
}

TEST_F(RecordsCli, PlainTextIsTheTableThenTheCounts)
{
    const ProcessResult run = cli({"records", "--file", path()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.rfind("หมายเลขเสาเข็ม  ตำแหน่ง  วันที่", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("\nP-004: ไม่มีสูตรใดคำนวณได้\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("เสาเข็ม 6 ต้น: ผ่าน 2, ไม่ผ่าน ตอกต่อ 1, ข้อมูลไม่ครบ 1, ไม่มีเกณฑ์ 1, ข้อมูลไม่ถูกต้อง 1\n"
                           "ความลึกที่ตอกรวม 39.55 ม.\n"),
              std::string::npos)
        << run.out;
}

TEST_F(RecordsCli, ExitStatusTellsABadFileFromAUsageError)
{
    struct Case {
        std::vector<std::string> args;
        int exit;
    };
    const std::vector<Case> cases{{{"records", "--file", path() + ".missing"}, 1},
                                  {{"records"}, 2},
                                  {{"records", "--file"}, 2},
                                  {{"records", "--file", path(), "--tsv"}, 2},
                                  {{"records", "--file", path(), "--json", "--json"}, 2}};
    for (const Case& c : cases) {
        const ProcessResult run = cli(c.args);
        EXPECT_EQ(run.exitCode, c.exit) << c.args.back() << run.err;
        EXPECT_TRUE(run.out.empty());
    }
}

}  // namespace
