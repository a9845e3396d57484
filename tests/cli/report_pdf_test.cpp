// blowcount-cli --pdf FILE: the report as a one-page A4 PDF, read back with
// poppler's tools; no file, a message and exit status 1 when there is no
// report to write or it cannot be written.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "run_process.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ProcessResult;
using testing_support::runProcess;

ProcessResult cli(const std::vector<std::string>& args, std::map<std::string, std::string> environment = {})
{
    environment.emplace("LC_ALL", "C.UTF-8");
    return runProcess(BLOWCOUNT_CLI, args, environment);
}

ProcessResult tool(const std::string& name, const std::vector<std::string>& args)
{
    std::vector<std::string> all{name};
    all.insert(all.end(), args.begin(), args.end());
    return runProcess("/usr/bin/env", all);
}

std::string contents(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The page's text with every run of blanks folded into one, since pdftotext
// spaces words by their distance on the page; the Latin parts of the lines
// come out as they were written.
std::string pdfText(const fs::path& pdf)
{
    const auto r = tool("pdftotext", {"-layout", pdf.string(), "-"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    std::string folded;
    for (const char c : r.out)
        if (c != ' ' || folded.empty() || folded.back() != ' ') folded += c;
    return folded;
}

class CliPdf : public testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "blowcount-cli-pdf-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path dir_;
};

// ---- a report for every formula ----

struct PdfCase {
    const char* name;
    std::vector<std::string> args;
    std::vector<std::string> texts;  // Latin texts of the page, as pdftotext gives them
};

void PrintTo(const PdfCase& c, std::ostream* out) { *out << c.name; }

class CliPdfReport : public CliPdf, public testing::WithParamInterface<PdfCase> {};

TEST_P(CliPdfReport, WritesOneA4PageBesideTheUsualOutput)
{
    const fs::path pdf = dir_ / "report.pdf";
    std::vector<std::string> args = GetParam().args;
    args.insert(args.end(), {"--pdf", pdf.string()});
    const auto r = cli(args);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, cli(GetParam().args).out);

    const auto info = tool("pdfinfo", {pdf.string()});
    ASSERT_EQ(info.exitCode, 0) << info.err;
    EXPECT_NE(info.out.find("\nPages:           1\n"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("\nPage size:       595 x 842 pts (A4)\n"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("\nPage rot:        0\n"), std::string::npos) << info.out;

    const std::string text = pdfText(pdf);
    for (const std::string& expected : GetParam().texts) EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, CliPdfReport,
    testing::Values(
        PdfCase{"engineering_news", {"engineering-news", "Qa=30", "W=3", "h=100", "C=0.9", "FS=4"},
                {"Blow Count Engineering News Formular", "Criteria:", " 2.140001 ", "Qu = (Wh) / (S+2.54C)",
                 "C = 0.9 ", " Drop Hammer"}},
        PdfCase{"hiley", {"hiley", "D=30", "L=12", "Qa=40", "W=5", "h=100", "L2=5", "r=0.25", "Z=0.8", "FS=4", "rc", "square"},
                {"Blow Count Heiley's Formular", " 6.04 ", "C1 = (1.8*Qu*L2) / A"}},
        PdfCase{"danish_h_135", {"danish", "D=30", "L=12", "Qa=40", "W=3", "h=135", "rc", "square"},
                {"Blow Count Danish's Formular", " 5.809999 ", " 52 "}},
        PdfCase{"janbu", {"janbu", "D=40", "L=18", "Qa=60", "W=5", "h=100", "FS=4", "E=200", "prestressed", "round"},
                {"Blow Count Janbu's Formular", " 2.77 ", "Cd = 0.75+ [ 0.15* P / W]"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CliPdf, OptionsMayStandBeforeTheFormulaWithJson)
{
    const fs::path pdf = dir_ / "report.pdf";
    const auto r = cli({"--pdf", pdf.string(), "--json", "engineering-news", "Qa=30", "W=3", "h=100"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_NE(r.out.find(R"(,"printable":true,"section":null,"page":[{"x":3700,"y":800,)"), std::string::npos) << r.out;
    EXPECT_NE(pdfText(pdf).find(" 2.140001 "), std::string::npos);
}

// Without a display, the PDF is made on Qt's offscreen platform.
TEST_F(CliPdf, NeedsNoDisplay)
{
    const fs::path pdf = dir_ / "report.pdf";
    const auto r = cli({"engineering-news", "Qa=30", "W=3", "h=100", "--pdf", pdf.string()},
                       {{"QT_QPA_PLATFORM", ""}, {"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(fs::is_regular_file(pdf));
}

// ---- no report to write ----

struct NotPrintableCase {
    const char* name;
    std::vector<std::string> args;
};

void PrintTo(const NotPrintableCase& c, std::ostream* out) { *out << c.name; }

class CliPdfNotPrintable : public CliPdf, public testing::WithParamInterface<NotPrintableCase> {};

TEST_P(CliPdfNotPrintable, WritesNoFileAndSaysSo)
{
    const fs::path pdf = dir_ / "report.pdf";
    std::vector<std::string> args = GetParam().args;
    args.insert(args.end(), {"--pdf", pdf.string()});
    const auto r = cli(args);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, cli(GetParam().args).out);
    EXPECT_EQ(r.err, "blowcount-cli: no report written to '" + pdf.string()
                         + "': the calculation did not end in a printable result\n");
    EXPECT_FALSE(fs::exists(pdf));
}

INSTANTIATE_TEST_SUITE_P(Refused, CliPdfNotPrintable,
    testing::Values(
        NotPrintableCase{"negative_set", {"engineering-news", "Qa=30", "W=3", "h=50"}},
        NotPrintableCase{"drop_too_high", {"janbu", "D=30", "L=20", "Qa=30", "W=5", "h=100", "rc", "square"}},
        NotPrintableCase{"incomplete", {"hiley", "D=30", "L=12", "Qa=40", "W=5", "h=100", "L2=5", "r=0.25"}},
        NotPrintableCase{"not_a_number", {"danish", "D=30", "L=12", "Qa=4O", "W=3", "h=100", "rc", "square"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CliPdf, NotPrintableLeavesAnEarlierFileAsItWas)
{
    const fs::path pdf = dir_ / "report.pdf";
    std::ofstream(pdf) << "earlier report";
    const auto r = cli({"engineering-news", "Qa=30", "W=3", "h=50", "--pdf", pdf.string()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(contents(pdf), "earlier report");
}

// ---- the file cannot be written ----

TEST_F(CliPdf, UnwritablePathFailsWithAMessage)
{
    const fs::path pdf = dir_ / "missing-folder" / "report.pdf";
    const auto r = cli({"engineering-news", "Qa=30", "W=3", "h=100", "--pdf", pdf.string()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "blowcount-cli: could not write the report to '" + pdf.string() + "'\n");
    EXPECT_FALSE(fs::exists(dir_ / "missing-folder"));
}

TEST_F(CliPdf, FolderInPlaceOfTheFileIsLeftAlone)
{
    const auto r = cli({"engineering-news", "Qa=30", "W=3", "h=100", "--pdf", dir_.string()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "blowcount-cli: could not write the report to '" + dir_.string() + "'\n");
    EXPECT_TRUE(fs::is_directory(dir_));
}

// A system without any font that writes Thai gets no page of empty boxes.
TEST_F(CliPdf, NoThaiFontWritesNoFile)
{
    const fs::path config = dir_ / "fonts.conf";
    std::ofstream(config) << "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n";
    const fs::path pdf = dir_ / "report.pdf";
    const auto r = cli({"engineering-news", "Qa=30", "W=3", "h=100", "--pdf", pdf.string()},
                       {{"FONTCONFIG_FILE", config.string()}, {"XDG_CACHE_HOME", (dir_ / "cache").string()}});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "blowcount-cli: could not write the report to '" + pdf.string()
                         + "': no installed font has Thai letters\n");
    EXPECT_FALSE(fs::exists(pdf));
}

}  // namespace
