// --file: a pile file's tab gives what the same texts give on the command
// line, the command line overriding it; a bad file is exit 1 with the reason.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "calc/formula_names.h"
#include "calc/pile_file.h"
#include "run_process.h"

namespace {

using testing_support::ProcessResult;
using testing_support::runProcess;

ProcessResult cli(const std::vector<std::string>& args)
{
    return runProcess(BLOWCOUNT_CLI, args, {{"LC_ALL", "C.UTF-8"}});
}

class CliPileFile : public testing::Test {
protected:
    void SetUp() override
    {
        path_ = std::filesystem::temp_directory_path()
                / ("cli_pile_" + std::to_string(getpid()) + "_"
                   + testing::UnitTest::GetInstance()->current_test_info()->name() + ".blowcount");
    }
    void TearDown() override { std::filesystem::remove(path_); }

    void save(const std::string& text)
    {
        std::ofstream out(path_, std::ios::binary);
        out << text;
    }
    std::string path() const { return path_.string(); }

    std::filesystem::path path_;
};

// Every tab holds the worked example's texts; Hiley and Janbu tick round
// prestressed, Danish square RC.
calc::PileDocument workedExamples()
{
    calc::PileDocument d;
    const auto set = [&](calc::Formula f, std::vector<std::pair<const char*, const char*>> fields) {
        const calc::FormulaInfo& info = calc::formulaInfo(f);
        d.tab(f).texts.assign(info.fields.size(), "");
        for (const auto& [symbol, text] : fields) d.tab(f).texts[*calc::fieldIndex(info, symbol)] = text;
    };
    set(calc::Formula::EngineeringNews, {{"Qa", "30"}, {"W", "3"}, {"h", "100"}, {"C", "0.9"}, {"FS", "4"}});
    set(calc::Formula::Hiley, {{"D", "30"}, {"L", "12"}, {"Qa", "40"}, {"W", "5"}, {"h", "100"}, {"L2", "5"},
                               {"r", "0.25"}, {"Z", "0.8"}, {"FS", "4"}});
    set(calc::Formula::Danish,
        {{"D", "30"}, {"L", "12"}, {"Qa", "40"}, {"W", "3"}, {"h", "135"}, {"e", "0.8"}, {"FS", "4"}, {"E", "200"}});
    set(calc::Formula::Janbu, {{"D", "30"}, {"L", "12"}, {"Qa", "40"}, {"W", "3"}, {"h", "100"}, {"FS", "4"}, {"E", "200"}});
    d.tab(calc::Formula::Hiley).boxes = {false, true, false, true};
    d.tab(calc::Formula::Danish).boxes = {true, false, true, false};
    d.tab(calc::Formula::Janbu).boxes = {false, true, false, true};
    return d;
}

// The same tab as command-line arguments, every field given.
std::vector<std::string> commandLine(const calc::PileDocument& d, calc::Formula f)
{
    const calc::FormulaInfo& info = calc::formulaInfo(f);
    std::vector<std::string> args = {info.name};
    for (const calc::FieldSymbol& s : info.fields) args.push_back(std::string(s.symbol) + "=" + d.tab(f).texts[s.index]);
    const calc::PileBoxes& b = d.tab(f).boxes;
    if (b.reinforced || b.prestressed) args.push_back(b.prestressed ? "prestressed" : "rc");
    if (b.square || b.round) args.push_back(b.round ? "round" : "square");
    return args;
}

TEST_F(CliPileFile, GivesTheSameOutputAsTheTextsOnTheCommandLine)
{
    const calc::PileDocument d = workedExamples();
    save(calc::writePileFile(d));
    for (const calc::FormulaInfo& info : calc::formulas()) {
        for (const bool json : {false, true}) {
            std::vector<std::string> given = commandLine(d, info.formula);
            std::vector<std::string> fromFile = {info.name, "--file", path()};
            if (json) given.push_back("--json"), fromFile.push_back("--json");
            const ProcessResult expected = cli(given);
            const ProcessResult r = cli(fromFile);
            EXPECT_EQ(r.out, expected.out) << info.name;
            EXPECT_EQ(r.err, expected.err) << info.name;
            EXPECT_EQ(r.exitCode, expected.exitCode) << info.name;
            EXPECT_FALSE(r.out.empty()) << info.name;
        }
    }
}

TEST_F(CliPileFile, CommandLineFieldsAndBoxesOverrideTheFile)
{
    calc::PileDocument d = workedExamples();
    save(calc::writePileFile(d));
    const ProcessResult r = cli({"hiley", "Qa=45", "--file", path(), "rc", "--json"});
    d.tab(calc::Formula::Hiley).texts[1] = "45";
    d.tab(calc::Formula::Hiley).boxes.reinforced = true;
    d.tab(calc::Formula::Hiley).boxes.prestressed = false;
    std::vector<std::string> given = commandLine(d, calc::Formula::Hiley);
    given.push_back("--json");
    const ProcessResult expected = cli(given);
    EXPECT_EQ(r.out, expected.out);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("Ultimate Bearing Capacity (Qu) = 180  ตัน"), std::string::npos) << r.out;
}

TEST_F(CliPileFile, AFieldTheFileLacksIsEmptyNotTheInitialText)
{
    save(R"({"format":"blowcount-pile","version":1,"tabs":{"engineering-news":{"fields":{"Qa":"30","W":"3","h":"100"}}}})");
    const ProcessResult r = cli({"engineering-news", "--file", path(), "--json"});
    EXPECT_EQ(r.out, cli({"engineering-news", "Qa=30", "W=3", "h=100", "C=", "FS=", "--json"}).out);
    EXPECT_NE(r.out.find(R"("outcome":"incomplete")"), std::string::npos) << r.out;
}

TEST_F(CliPileFile, ABadFileIsExitOneWithTheReason)
{
    save(R"({"format":"blowcount-pile","version":3,"tabs":{}})");
    ProcessResult r = cli({"janbu", "--file", path()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "blowcount-cli: cannot open '" + path()
                         + "': the file's version 3 is newer than this program reads (2)\n");

    save(R"({"format":"blowcount-pile","version":1,"tabs":{"janbu":{"fields":{"W":3}}}})");
    r = cli({"janbu", "--file", path(), "--json"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "blowcount-cli: cannot open '" + path() + "': field 'W' of janbu is not a text\n");

    std::filesystem::remove(path_);
    r = cli({"janbu", "--file", path()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "blowcount-cli: cannot open '" + path() + "': no such file\n");
}

TEST(CliPileFileUsage, FileNeedsAPathAndIsGivenOnce)
{
    ProcessResult r = cli({"hiley", "--file"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.starts_with("blowcount-cli: '--file' needs a PILE\n")) << r.err;
    r = cli({"hiley", "--file", "a", "--file", "b"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.starts_with("blowcount-cli: '--file' given twice\n")) << r.err;
}

}  // namespace
