// blowcount-cli records with outputs: the summary as CSV, export then import
// into an empty file giving the same records, a bad CSV or marks already in
// the file changing nothing, --replace, the pile file never written over by
// another name for it, the PDFs, and the usage errors naming their argument.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include <unistd.h>

#include "calc/pile_file.h"
#include "calc/record_csv_results.h"
#include "run_process.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ProcessResult;
using Texts = std::vector<std::string>;

ProcessResult cli(const std::vector<std::string>& args)
{
    return testing_support::runProcess(BLOWCOUNT_CLI, args, {{"LC_ALL", "C.UTF-8"}});
}

std::string contents(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

calc::PileDocument siteFile()
{
    calc::PileDocument d;
    d.tab(calc::Formula::EngineeringNews) = calc::PileTab{Texts{"30", "3", "100", "0.9", "4"}, {}};
    d.tab(calc::Formula::Danish) = calc::PileTab{Texts{"30", "12", "40", "3", "100", "0.8", "5", "200"}, {false, true, false, true}};
    d.acceptance.project = "โครงการ \"ทดสอบ\", ระยะ 1";
    d.acceptanceGiven = true;
    d.records = {calc::PileRecord{"P-001", "A/1", "2026-05-04", "", "", "18.3", {"120", "160"}, {"2.2", "1.91"}, "สมชาย", ""},
                 calc::PileRecord{"P-002", "A/2", "4 พ.ค.", "3.5", "80", "17", {}, {"1.92"}, "", "หัวเสาแตก, ต่อเสา \"ใหม่\""},
                 calc::PileRecord{"P-003", "", "", "", "", "", {}, {}, "", ""}};
    return d;
}

class RecordsOutputCli : public testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() / ("records_output_" + std::to_string(getpid()));
        fs::create_directories(dir_);
        write("site.blowcount", calc::writePileFile(siteFile()));
        calc::PileDocument empty = siteFile();
        empty.records.clear();
        write("empty.blowcount", calc::writePileFile(empty));
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    void write(const std::string& name, const std::string& text) const
    {
        std::ofstream(dir_ / name, std::ios::binary) << text;
    }
    calc::PileDocument read(const std::string& name) const
    {
        return std::get<calc::PileDocument>(calc::loadPileFile(path(name), "."));
    }

    fs::path dir_;
};

TEST_F(RecordsOutputCli, CsvIsTheSummaryAndImportsBackIntoAnEmptyFileUnchanged)
{
    const ProcessResult csv = cli({"records", "--file", path("site.blowcount"), "--csv"});
    ASSERT_EQ(csv.exitCode, 0) << csv.err;
    const calc::PileDocument site = siteFile();
    EXPECT_EQ(csv.out, calc::checkedRecordsCsv(site, calc::checkRecords(site)));
    EXPECT_NE(csv.out.find("\r\nP-001,A/1,2026-05-04,,,18.3,120;160,2.2;1.91,สมชาย,,meets,1.91,1.91,160,157,"),
              std::string::npos)
        << csv.out;
    write("out.csv", csv.out);
    const ProcessResult import = cli({"records", "--file", path("empty.blowcount"), "--import", path("out.csv"), "--write",
                                      path("back.blowcount")});
    ASSERT_EQ(import.exitCode, 0) << import.err;
    EXPECT_EQ(read("back.blowcount").records, site.records);
    EXPECT_TRUE(read("empty.blowcount").records.empty()) << "the pile file itself is not written";
}

TEST_F(RecordsOutputCli, ABadCsvOrMarksAlreadyThereWriteNothingUnlessReplaced)
{
    const std::string header = "mark,location,date,hammer,drop,depth,blows,sets,inspector,remarks\n";
    write("bad.csv", header + "P-009,,,x,,,,,,\n,,,,,,,,,\nP-009,,,,,,,,,\nP-010,,,\n");
    write("taken.csv", header + "P-002,B/9,,,,20,,1.5,,\nP-010,,,,,,,,,\n");
    const std::string before = contents(path("site.blowcount"));
    const ProcessResult bad =
        cli({"records", "--file", path("site.blowcount"), "--import", path("bad.csv"), "--write", path("site.blowcount")});
    EXPECT_EQ(bad.exitCode, 1);
    for (const char* line : {"line 2", "line 3", "line 4", "line 5", "4 problems"})
        EXPECT_NE(bad.err.find(line), std::string::npos) << line << "\n" << bad.err;
    const ProcessResult taken =
        cli({"records", "--file", path("site.blowcount"), "--import", path("taken.csv"), "--write", path("site.blowcount")});
    EXPECT_EQ(taken.exitCode, 1);
    EXPECT_NE(taken.err.find("P-002"), std::string::npos) << taken.err;
    EXPECT_EQ(contents(path("site.blowcount")), before);
    EXPECT_EQ(fs::directory_iterator(dir_) == fs::directory_iterator(), false);
    for (const auto& entry : fs::directory_iterator(dir_))
        EXPECT_FALSE(entry.path().filename().string().starts_with(".")) << "a temporary file left: " << entry.path();

    // A folder that is not there: nothing written, exit 1.
    const ProcessResult nowhere = cli({"records", "--file", path("site.blowcount"), "--import", path("taken.csv"),
                                       "--replace", "--write", path("gone/site.blowcount")});
    EXPECT_EQ(nowhere.exitCode, 1);
    EXPECT_NE(nowhere.err.find("gone"), std::string::npos) << nowhere.err;

    const ProcessResult replaced = cli({"records", "--file", path("site.blowcount"), "--import", path("taken.csv"),
                                        "--replace", "--write", path("site.blowcount")});
    ASSERT_EQ(replaced.exitCode, 0) << replaced.err;
    const calc::PileDocument after = read("site.blowcount");
    ASSERT_EQ(after.records.size(), 4u);
    EXPECT_EQ(after.records[1].mark, "P-002");
    EXPECT_EQ(after.records[1].location, "B/9");
    EXPECT_EQ(after.records[3].mark, "P-010");
    EXPECT_EQ(after.acceptance, siteFile().acceptance);
}

TEST_F(RecordsOutputCli, PdfsOfTheSummaryTheSheetsAndOneSheet)
{
    const struct {
        Texts args;
        const char* file;
    } cases[] = {{{"--pdf", path("summary.pdf")}, "summary.pdf"},
                 {{"--sheets", path("sheets.pdf")}, "sheets.pdf"},
                 {{"--sheet", "P-002", "--pdf", path("one.pdf")}, "one.pdf"}};
    for (const auto& c : cases) {
        Texts args{"records", "--file", path("site.blowcount")};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const ProcessResult run = cli(args);
        EXPECT_EQ(run.exitCode, 0) << c.file << run.err;
        EXPECT_TRUE(contents(path(c.file)).starts_with("%PDF")) << c.file;
    }
    const ProcessResult missing = cli({"records", "--file", path("site.blowcount"), "--sheet", "P-404", "--pdf", path("x.pdf")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("P-404"), std::string::npos);
    EXPECT_FALSE(fs::exists(path("x.pdf")));
}

TEST_F(RecordsOutputCli, UsageErrorsNameTheirArgument)
{
    const std::string site = path("site.blowcount");
    const std::string other = (dir_ / "." / "site.blowcount").string();
    const struct {
        Texts args;
        const char* named;
    } cases[] = {
        {{"--csv"}, "--file"},
        {{"--file", site, "--csv", "--json"}, "--csv"},
        {{"--file", site, "--sheet", "P-001"}, "--sheet"},
        {{"--file", site, "--replace"}, "--replace"},
        {{"--file", site, "--write", path("o.blowcount")}, "--write"},
        {{"--file", site, "--import", path("a.csv")}, "--import"},
        {{"--file", site, "--import", path("a.csv"), "--write", other}, "--write"},
        {{"--file", site, "--import", path("a.csv"), "--write", path("o.blowcount"), "--csv"}, "--import"},
        {{"--file", site, "--pdf"}, "--pdf"},
        {{"--file", site, "--csv", "--csv"}, "--csv"},
        {{"--file", site, "--csv", "--bogus"}, "--bogus"},
    };
    for (const auto& c : cases) {
        Texts args{"records"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const ProcessResult run = cli(args);
        EXPECT_EQ(run.exitCode, 2) << c.named;
        EXPECT_NE(run.err.find(std::string("'") + c.named), std::string::npos) << c.named << ": " << run.err;
    }
}

}  // namespace
