// Printing a page: A4 portrait whatever the printer was set to, and no output
// at all when a step fails.
#include <optional>

#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "report/page_builder.h"
#include "report/page_painter.h"
#include "tests/report/pdf_tools.h"
#include "tests/report/sample_tabs.h"

namespace report {
namespace {

Page hileyPage()
{
    return *buildPage(samples::hiley());
}

TEST(PrintPage, SetsA4PortraitOnAPrinterLeftOnLetterLandscape)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("printed.pdf"));
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setFullPage(true);

    ASSERT_TRUE(printPage(hileyPage(), printer));
    const auto info = pdf::pagesAndSize(dir.filePath("printed.pdf"));
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->first, "1");
    EXPECT_EQ(info->second, "595 x 842 pts (A4)");
    EXPECT_FALSE(printer.fullPage());
}

TEST(PrintPage, PlacesLinesFromThePrintersPrintableArea)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("printed.pdf"));
    printer.setPageMargins(QMarginsF(20, 30, 20, 30), QPageLayout::Millimeter);

    Page page;
    page.lines.push_back({900, 1800, false, false, 14, "Qa"});
    ASSERT_TRUE(printPage(page, printer));
    const auto words = pdf::words(dir.filePath("printed.pdf"));
    ASSERT_TRUE(words.has_value());
    ASSERT_EQ(words->size(), 1u);
    const double mm = 72 / 25.4;
    EXPECT_NEAR(words->front().xMin, 20 * mm + 45, 0.5);
    EXPECT_NEAR(words->front().yMin, 30 * mm + 90, 0.5);
}

TEST(PrintPage, FailsWithoutOutputWhenThePrinterCannotBegin)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("missing-folder/printed.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);

    EXPECT_FALSE(printPage(hileyPage(), printer));
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST(WritePdf, FailsWhereNoFileCanBeMade)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_FALSE(writePdf(hileyPage(), dir.filePath("missing-folder/report.pdf")));
    EXPECT_FALSE(writePdf(hileyPage(), dir.path()));
    EXPECT_TRUE(QFileInfo(dir.path()).isDir());
}

TEST(WritePdf, ReplacesAnEarlierFileWithOneWholePage)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("report.pdf");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("not a pdf");
    }
    ASSERT_TRUE(writePdf(hileyPage(), path));
    const auto info = pdf::pagesAndSize(path);
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->first, "1");
}

}  // namespace
}  // namespace report
