// The driving chart on the command line: each row of `chart --file` is the
// single calculation of its formula with that row's h (and hammer), the
// exit status tells a table from none, and usage errors name the argument.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <nlohmann/json.hpp>
#include <unistd.h>

#include "calc/formula_names.h"
#include "calc/pile_file.h"
#include "cli/calculation.h"
#include "cli/chart_command.h"
#include "cli/pile_input.h"
#include "run_process.h"

namespace {

using testing_support::ProcessResult;
using testing_support::runProcess;

ProcessResult cli(const std::vector<std::string>& args)
{
    return runProcess(BLOWCOUNT_CLI, args, {{"LC_ALL", "C.UTF-8"}});
}

// The worked examples of the four tabs as a pile file.
calc::PileDocument workedDocument()
{
    calc::PileDocument document;
    document.tab(calc::Formula::EngineeringNews) = {{"30", "3", "100", "0.9", "4"}, {}};
    document.tab(calc::Formula::Hiley) = {{"12", "40", "5", "100", "5", "0.25", "0.8", "4", "30"}, {true, false, true, false}};
    document.tab(calc::Formula::Danish) = {{"30", "12", "40", "3", "100", "0.8", "5", "200"}, {false, true, false, true}};
    document.tab(calc::Formula::Janbu) = {{"30", "20", "30", "5", "80", "4", "200"}, {true, false, true, false}};
    return document;
}

class ChartCli : public testing::Test {
protected:
    void SetUp() override
    {
        path_ = std::filesystem::temp_directory_path() / ("chart_cli_" + std::to_string(getpid()) + ".blowcount");
        std::ofstream(path_, std::ios::binary) << calc::writePileFile(workedDocument());
    }
    void TearDown() override { std::filesystem::remove(path_); }
    std::string path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

TEST_F(ChartCli, EveryRowIsTheSingleCalculationWithItsTexts)
{
    const ProcessResult run = cli({"chart", "--file", path(), "--hammer", "3", "--hammer", "0", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const nlohmann::json out = nlohmann::json::parse(run.out);
    ASSERT_EQ(out["heights"].size(), 11u);  // 50:150:10 by default
    EXPECT_EQ(out["heights"][5], "100");
    ASSERT_EQ(out["formulas"].size(), 4u);
    for (const calc::FormulaInfo& info : calc::formulas()) {
        const nlohmann::json& formula = out["formulas"][info.name];
        EXPECT_EQ(formula["outcome"], "ok");
        ASSERT_EQ(formula["rows"].size(), 22u) << info.name;
        for (const nlohmann::json& row : formula["rows"]) {
            cli::Request single;
            single.formula = info.formula;
            single.fields[*calc::fieldIndex(info, "h")] = row["h"];
            single.fields[*calc::fieldIndex(info, "W")] = row["W"];
            cli::fillFromDocument(single, workedDocument());
            const cli::Calculation expected = cli::calculate(single, ".");
            SCOPED_TRACE(std::string(info.name) + " " + row.dump());
            EXPECT_EQ(row["outcome"], cli::outcomeName(expected.kind));
            EXPECT_EQ(row["message"].is_null(), !expected.message.has_value());
            if (expected.kind != calc::OutcomeKind::Ok) {
                EXPECT_TRUE(row["S"].is_null() && row["set10"].is_null() && row["blows30"].is_null());
                continue;
            }
            const std::vector<std::string>& lines = *expected.results;
            const std::size_t n = lines.size();
            EXPECT_TRUE(lines[n - 3].ends_with("  " + row["S"].get<std::string>() + "  ซม."));
            EXPECT_TRUE(lines[n - 2].ends_with("  " + row["set10"].get<std::string>() + "  ซม."));
            EXPECT_TRUE(lines[n - 1].ends_with("  " + row["blows30"].get<std::string>() + "  ครั้ง"));
        }
    }
    // The governing column: the most blows per 30 cm of the row, hammer 0 rows have none.
    const nlohmann::json& governing = out["governing"];
    ASSERT_EQ(governing.size(), 22u);
    EXPECT_EQ(governing[5]["W"], "3");
    EXPECT_EQ(governing[16]["W"], "0");
    EXPECT_TRUE(governing[16]["formula"].is_null());
    for (std::size_t r = 0; r < 11; ++r) {
        int most = -1;
        for (const calc::FormulaInfo& info : calc::formulas()) {
            const nlohmann::json& row = out["formulas"][info.name]["rows"][r];
            if (row["outcome"] == "ok") most = std::max(most, std::stoi(row["blows30"].get<std::string>()));
        }
        if (most < 0) EXPECT_TRUE(governing[r]["formula"].is_null());
        else EXPECT_EQ(std::stoi(governing[r]["blows30"].get<std::string>()), most);
    }
}

TEST_F(ChartCli, ExitStatusAndUsageErrors)
{
    const ProcessResult csv = cli({"hiley", "--file", path(), "--heights", "100:110:10", "--csv"});
    EXPECT_EQ(csv.exitCode, 0) << csv.err;
    EXPECT_EQ(csv.out, "\xEF\xBB\xBF" "ระยะยก h (ซม.),Hiley 10 ครั้ง (ซม.),Hiley ครั้ง/30 ซม.,เกณฑ์ ครั้ง/30 ซม.,สูตรที่กำหนด\r\n"
                       "100,6.04,50,50,Hiley\r\n110,7.74,39,39,Hiley\r\n");

    // No formula calculable: the line names the tab and its message, exit 1.
    const ProcessResult none = cli({"engineering-news", "Qa=", "--heights", "50:60:10"});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_EQ(none.out, "Engineering News Formular: คุณป้อนข้อมูลไม่ครบ\n");

    const std::vector<std::pair<std::vector<std::string>, std::string>> bad = {
        {{"hiley", "--heights", "150:50:10"}, "'--heights'"},
        {{"hiley", "--heights", "1:1001:1"}, "more than 1000 rows"},
        {{"hiley", "--heights", "1:2"}, "'--heights'"},
        {{"hiley", "--hammer", "3"}, "'--hammer' needs '--heights"},
        {{"hiley", "--heights", "1:2:1", "--hammer", "x"}, "'--hammer' 'x'"},
        {{"chart", "--heights", "1:2:1"}, "'chart' needs '--file PILE'"},
        {{"chart", "--file", path(), "--formulas", "hiley,bogus"}, "'--formulas'"},
        {{"chart", "--file", path(), "--json", "--csv"}, "'--json' and '--csv'"},
    };
    for (const auto& [args, named] : bad) {
        const ProcessResult run = cli(args);
        EXPECT_EQ(run.exitCode, 2) << args.front() << " " << args.back();
        EXPECT_NE(run.err.find(named), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
}

// The workable drop heights: below the table, in the JSON per formula and
// hammer as the calculation module finds them, and alone with --workable.
TEST_F(ChartCli, WorkableDropHeights)
{
    const ProcessResult json = cli({"chart", "--file", path(), "--heights", "100:110:10", "--hammer", "3", "--json"});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    const nlohmann::json workable = nlohmann::json::parse(json.out)["workable"];
    ASSERT_EQ(workable.size(), 4u);
    for (const calc::FormulaInfo& info : calc::formulas()) {
        cli::Request single;
        single.formula = info.formula;
        cli::fillFromDocument(single, workedDocument());
        const calc::WorkableRange expected = calc::workableRange(cli::tabInputs(single, "."), "3");
        ASSERT_EQ(workable[info.name].size(), 1u);
        const nlohmann::json& range = workable[info.name][0];
        EXPECT_EQ(range["W"], "3");
        EXPECT_EQ(range["from"], *expected.from) << info.name;
        EXPECT_EQ(range["to"], *expected.to) << info.name;
    }

    const std::string hiley = "ระยะยกที่ใช้ได้ (Hiley, ลูกตุ้ม 5 ตัน): 64.5 – 162 ซม.\n";
    const ProcessResult table = cli({"hiley", "--file", path(), "--heights", "100:110:10"});
    EXPECT_TRUE(table.out.ends_with("39               Hiley\n" + hiley))
        << table.out;
    const ProcessResult alone = cli({"hiley", "--file", path(), "--workable"});
    EXPECT_EQ(alone.exitCode, 0);
    EXPECT_EQ(alone.out, hiley);

    // No range: from null, exit 1; a tab that cannot be calculated has no key.
    const ProcessResult none = cli({"engineering-news", "--file", path(), "Qa=100", "--workable", "--json"});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_EQ(nlohmann::json::parse(none.out)["workable"],
              nlohmann::json::parse(R"({"engineering-news": [{"W": "3", "from": null, "to": "240"}]})"));
    const ProcessResult empty = cli({"engineering-news", "Qa=", "--workable", "--json"});
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_EQ(nlohmann::json::parse(empty.out)["workable"], nlohmann::json::object());
    EXPECT_EQ(cli({"hiley", "--workable", "--pdf", path() + ".pdf"}).exitCode, 2);
}

TEST_F(ChartCli, PdfPagesForManyRows)
{
    const std::string pdf = path() + ".pdf";
    const ProcessResult run = cli({"chart", "--file", path(), "--heights", "50:150:0.4", "--pdf", pdf});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const ProcessResult info = runProcess("/usr/bin/pdfinfo", {pdf});
    std::filesystem::remove(pdf);
    EXPECT_NE(info.out.find("Pages:           2"), std::string::npos) << info.out;
}

}  // namespace
