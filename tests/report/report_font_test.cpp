// The report font: "CordiaUPC" where installed, else a Thai family of similar
// width, and every line of every report inside the printable width of A4.
#include <optional>
#include <ostream>
#include <string>

#include <QBuffer>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include <gtest/gtest.h>

#include "report/page_builder.h"
#include "report/page_painter.h"
#include "report/report_font.h"
#include "tests/report/sample_tabs.h"

namespace report {
namespace {

TEST(ReportFont, IsCordiaUpcWhereInstalledElseLaksamanCondensed)
{
    const std::optional<ReportFont> font = reportFont();
    ASSERT_TRUE(font.has_value());
    if (QFontDatabase::hasFamily("CordiaUPC")) {
        EXPECT_EQ(font->family.toStdString(), "CordiaUPC");
        EXPECT_EQ(font->stretch, 100);
    } else {
        ASSERT_TRUE(QFontDatabase::hasFamily("Laksaman")) << "fonts-thai-tlwg is not installed";
        EXPECT_EQ(font->family.toStdString(), "Laksaman");
        EXPECT_EQ(font->stretch, 97);
    }
}

TEST(ReportFont, WritesThaiWithoutBorrowingFromAnotherFamily)
{
    const std::optional<ReportFont> font = reportFont();
    ASSERT_TRUE(font.has_value());
    QFont qfont(font->family);
    qfont.setStyleStrategy(QFont::NoFontMerging);
    EXPECT_EQ(QFontInfo(qfont).family(), font->family);
    const QFontMetricsF metrics(qfont);
    for (char16_t c : u"กขคงจฉชซญฎฐณดตถทธนบปผพภมยรลวศษสหฬอฮะัาำิีึืุูเแโใไๅ็่้๊๋์")
        if (c != 0) {
            EXPECT_TRUE(metrics.inFont(QChar(c))) << "U+" << std::hex << int(c);
        }
}

// A4 portrait with the printable area `margin` points inside the paper.
struct PaperCase {
    std::string name;
    double margin;
};

void PrintTo(const PaperCase& c, std::ostream* out) { *out << c.name; }

class LineWidths : public testing::TestWithParam<std::tuple<calc::Formula, PaperCase>> {};

TEST_P(LineWidths, EveryLineEndsInsideThePrintableWidth)
{
    const Page page = *buildPage(samples::ofFormula(std::get<0>(GetParam())));
    const double margin = std::get<1>(GetParam()).margin;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter device(&buffer);
    device.setResolution(kPdfResolution);
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(margin, margin, margin, margin), QPageLayout::Point));
    const double printableWidth = (QPageSize(QPageSize::A4).size(QPageSize::Point).width() - 2 * margin) * 20;

    ReportFont font = *reportFont();
    const int ownStretch = font.stretch;
    font.stretch = fittedStretch(font, page, device);
    // The report font fits the PDF's printable area as it is; the longest
    // lines need it condensed on paper with wide margins.
    if (margin <= kPdfMargin) {
        EXPECT_EQ(font.stretch, ownStretch);
    } else if (margin >= 72) {
        EXPECT_LT(font.stretch, ownStretch);
    } else {
        EXPECT_LE(font.stretch, ownStretch);
    }
    for (const Line& line : page.lines)
        EXPECT_LE(lineRightEdge(font, line, device), printableWidth) << line.y << ": " << line.text;
}

std::string lineWidthsName(const testing::TestParamInfo<LineWidths::ParamType>& info)
{
    const char* tabs[] = {"engineering_news", "hiley", "danish", "janbu"};
    return std::string(tabs[static_cast<int>(std::get<0>(info.param))]) + "_" + std::get<1>(info.param).name;
}

INSTANTIATE_TEST_SUITE_P(
    A4, LineWidths,
    testing::Combine(testing::Values(calc::Formula::EngineeringNews, calc::Formula::Hiley, calc::Formula::Danish,
                                     calc::Formula::Janbu),
                     testing::Values(PaperCase{"pdf_margin", kPdfMargin}, PaperCase{"quarter_inch", 18},
                                     PaperCase{"one_inch", 72})),
    lineWidthsName);

}  // namespace
}  // namespace report
