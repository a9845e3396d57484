// A report printed through a real print service: Qt's CUPS print support
// sends the page to the queue of tests/print/with_cups.sh, whose backend
// keeps the job's PDF as Qt sent it; poppler's tools read it back.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include <QFontMetricsF>
#include <QPrinter>
#include <QPrinterInfo>

#include <gtest/gtest.h>

#include "cli/arguments.h"
#include "cli/calculation.h"
#include "cli/report_page.h"
#include "report/page_painter.h"
#include "report/report_font.h"
#include "tests/print/pdf_letters.h"
#include "tests/print/print_jobs.h"
#include "tests/report/pdf_tools.h"

namespace {

using namespace std::chrono_literals;

constexpr double kTolerance = 0.5;  // points
constexpr auto kJobTimeout = 20s;

// The report the print button would print right after a calculation with
// these command-line arguments.
report::Page reportOf(const std::vector<std::string>& args)
{
    const cli::Request request = std::get<cli::Request>(cli::parseArguments(args));
    return *cli::reportPage(cli::calculate(request, "."));
}

struct PrintCase {
    std::string name;
    std::vector<std::string> args;
};

void PrintTo(const PrintCase& c, std::ostream* out) { *out << c.name; }

// One report printed and kept.
struct PrintedJob {
    report::Page page;
    QString pdf;
    QRectF printable;            // points, from the top-left corner of the paper
    std::vector<double> indent;  // points of the leading blanks of each line
};

class CupsQueue : public testing::Test {
protected:
    void SetUp() override
    {
        if (print_jobs::testPrinter().isEmpty() || print_jobs::jobFolder().isEmpty())
            FAIL() << "run through tests/print/with_cups.sh JOBDIR -- " << testing::internal::GetArgvs()[0];
    }
};

TEST_F(CupsQueue, IsTheOnlyPrinterAndTheDefault)
{
    EXPECT_EQ(QPrinterInfo::availablePrinterNames(), QStringList{print_jobs::testPrinter()});
    EXPECT_EQ(QPrinterInfo::defaultPrinterName(), print_jobs::testPrinter());
    const QPrinterInfo info = QPrinterInfo::printerInfo(print_jobs::testPrinter());
    EXPECT_FALSE(info.isNull());
    EXPECT_EQ(info.state(), QPrinter::Idle);
}

class CupsReport : public CupsQueue, public testing::WithParamInterface<PrintCase> {
protected:
    // Each report is printed once; its tests share the kept job.
    const PrintedJob& job()
    {
        static std::map<std::string, PrintedJob> printed;
        if (auto it = printed.find(GetParam().name); it != printed.end()) return it->second;

        PrintedJob result;
        result.page = reportOf(GetParam().args);
        const QStringList before = print_jobs::keptJobs(print_jobs::jobFolder());
        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName(print_jobs::testPrinter());
        printer.setDocName(QString::fromStdString("Blow Count " + GetParam().name));
        EXPECT_TRUE(report::printPage(result.page, printer));
        const std::optional<QString> pdf = print_jobs::waitForNewJob(print_jobs::jobFolder(), before, kJobTimeout);
        EXPECT_TRUE(pdf.has_value()) << "no job kept within " << kJobTimeout.count() << " s";
        result.pdf = pdf.value_or(QString());
        result.printable = printer.pageLayout().paintRect(QPageLayout::Point);

        std::optional<report::ReportFont> thai = report::reportFont();
        EXPECT_TRUE(thai.has_value()) << "no installed font writes Thai";
        report::ReportFont font = thai.value_or(report::ReportFont{});
        font.stretch = report::fittedStretch(font, result.page, printer);
        for (const report::Line& line : result.page.lines) {
            const qsizetype blanks = static_cast<qsizetype>(line.text.find_first_not_of(' '));
            const QFontMetricsF metrics(report::lineFont(font, line, printer), &printer);
            result.indent.push_back(metrics.horizontalAdvance(QString(blanks, ' ')) * 72.0 / printer.logicalDpiX());
        }
        return printed.emplace(GetParam().name, result).first->second;
    }
};

TEST_P(CupsReport, ArrivesAsOneA4Page)
{
    ASSERT_FALSE(job().pdf.isEmpty());
    const auto info = report::pdf::pagesAndSize(job().pdf);
    ASSERT_TRUE(info.has_value()) << "pdfinfo failed on " << job().pdf.toStdString();
    EXPECT_EQ(info->first, "1");
    EXPECT_EQ(info->second, "595 x 842 pts (A4)");
}

TEST_P(CupsReport, EveryLineStandsWhereItsTwipsPutIt)
{
    ASSERT_FALSE(job().pdf.isEmpty());
    const auto words = report::pdf::words(job().pdf);
    ASSERT_TRUE(words.has_value()) << "pdftotext failed";

    std::size_t placed = 0;
    for (std::size_t i = 0; i < job().page.lines.size(); ++i) {
        const report::Line& line = job().page.lines[i];
        const double top = job().printable.top() + line.y / 20.0;
        std::vector<report::pdf::Word> row;
        for (const report::pdf::Word& word : *words)
            if (std::abs(word.yMin - top) < kTolerance) row.push_back(word);
        std::sort(row.begin(), row.end(), [](const auto& a, const auto& b) { return a.xMin < b.xMin; });
        ASSERT_FALSE(row.empty()) << "nothing at Y " << line.y << ": " << line.text;
        placed += row.size();

        const double left = job().printable.left() + line.x / 20.0 + job().indent[i];
        EXPECT_NEAR(row.front().xMin, left, kTolerance) << "line at Y " << line.y;
        QString text;
        for (const report::pdf::Word& word : row) text += word.text;
        const QString expected = QString::fromStdString(line.text);
        EXPECT_EQ(print_jobs::letters(text).toStdString(), print_jobs::letters(expected).toStdString())
            << "line at Y " << line.y << ": " << text.toStdString();
        EXPECT_EQ(print_jobs::latin(text).toStdString(), print_jobs::latin(expected).toStdString())
            << "line at Y " << line.y;
    }
    EXPECT_EQ(placed, words->size()) << "words on the page that belong to no line";
}

TEST_P(CupsReport, EmbedsAThaiFontInItsPlainAndBoldFaces)
{
    ASSERT_FALSE(job().pdf.isEmpty());
    const auto fonts = report::pdf::fonts(job().pdf);
    ASSERT_TRUE(fonts.has_value()) << "pdffonts failed";
    const std::optional<report::ReportFont> thai = report::reportFont();
    ASSERT_TRUE(thai.has_value()) << "no installed font writes Thai";
    const QString family = QString(thai->family).remove(' ');
    bool plain = false;
    bool bold = false;
    for (const report::pdf::Font& font : *fonts) {
        EXPECT_TRUE(font.embedded) << font.name.toStdString();
        plain = plain || font.name == family;
        bold = bold || font.name == family + "-Bold";
    }
    EXPECT_TRUE(plain) << family.toStdString();
    EXPECT_TRUE(bold) << family.toStdString() << "-Bold";
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, CupsReport,
    testing::Values(
        PrintCase{"engineering_news", {"engineering-news", "Qa=30", "W=3", "h=100", "C=0.9", "FS=4"}},
        PrintCase{"hiley", {"hiley", "D=30", "L=12", "Qa=40", "W=5", "h=100", "L2=5", "r=0.25", "Z=0.8", "FS=4", "rc", "square"}},
        PrintCase{"danish_h_135", {"danish", "D=30", "L=12", "Qa=40", "W=3", "h=135", "rc", "square"}},
        PrintCase{"janbu", {"janbu", "D=40", "L=18", "Qa=60", "W=5", "h=100", "FS=4", "E=200", "prestressed", "round"}}),
    [](const auto& info) { return info.param.name; });

}  // namespace
