// The report font: "CordiaUPC" where installed, else a Thai family sized to the
// line pitch; every line of every report inside the printable width of A4, and
// no line's ink reaching into the next.
#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <utility>

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

TEST(ReportFont, IsCordiaUpcWhereInstalledElseLaksamanSizedToThePitch)
{
    const std::optional<ReportFont> font = reportFont();
    ASSERT_TRUE(font.has_value());
    if (QFontDatabase::hasFamily("CordiaUPC")) {
        EXPECT_EQ(font->family.toStdString(), "CordiaUPC");
        EXPECT_EQ(font->scale, 1.0);
    } else {
        ASSERT_TRUE(QFontDatabase::hasFamily("Laksaman")) << "fonts-thai-tlwg is not installed";
        EXPECT_EQ(font->family.toStdString(), "Laksaman");
        // Laksaman at a full 14 points is taller than the 15-point pitch;
        // it still must not shrink to something hard to read.
        EXPECT_LT(font->scale, 1.0);
        EXPECT_GT(font->scale, 0.75);
    }
    EXPECT_EQ(font->stretch, 100);
}

// Each pair of lines 300 twips apart: the lowest ink of the upper line (its
// descenders, lower vowels or underline) stays above the highest ink of the
// lower one (its tone marks).
class LinePitch : public testing::TestWithParam<calc::Formula> {};

std::string reportName(const testing::TestParamInfo<calc::Formula>& info)
{
    const char* tabs[] = {"engineering_news", "hiley", "danish", "janbu"};
    return tabs[static_cast<int>(info.param)];
}

TEST_P(LinePitch, NoLineReachesIntoTheNext)
{
    const Page page = *buildPage(samples::ofFormula(GetParam()));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter device(&buffer);
    device.setResolution(kPdfResolution);
    const ReportFont font = *reportFont();
    const double twipsPerDot = 1440.0 / device.logicalDpiY();
    const auto ink = [&](const Line& line) {
        const QFont face = lineFont(font, line, device);
        const QFontMetricsF metrics(face, &device);
        const QRectF box = metrics.tightBoundingRect(QString::fromStdString(line.text));
        double bottom = box.bottom();
        if (line.underline) bottom = std::max(bottom, metrics.underlinePos() + metrics.lineWidth());
        return std::pair{line.y + (metrics.ascent() + box.top()) * twipsPerDot,
                         line.y + (metrics.ascent() + bottom) * twipsPerDot};
    };
    for (std::size_t i = 1; i < page.lines.size(); ++i) {
        const Line& upper = page.lines[i - 1];
        const Line& lower = page.lines[i];
        if (lower.y - upper.y > 300) continue;
        EXPECT_LT(ink(upper).second, ink(lower).first) << upper.text << " / " << lower.text;
    }
}

INSTANTIATE_TEST_SUITE_P(Reports, LinePitch,
                         testing::Values(calc::Formula::EngineeringNews, calc::Formula::Hiley, calc::Formula::Danish,
                                         calc::Formula::Janbu),
                         reportName);

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
