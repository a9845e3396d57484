// The reports as PDF files, read back with poppler's tools: every line where
// its twips put it with all its letters, nothing else on the page, one A4
// portrait page, the report font embedded with a bold face where the page
// has bold lines.
#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "report/page_builder.h"
#include "report/page_painter.h"
#include "report/report_font.h"
#include "tests/report/pdf_tools.h"
#include "tests/report/sample_tabs.h"

namespace report {
namespace {

constexpr double kTolerance = 0.5;  // points

// Thai fonts draw some marks and letters with shifted or shortened glyphs that
// sit in the private use area U+F700-U+F71A; a PDF names those.
QChar unshifted(QChar c)
{
    static const char16_t kThai[] = {
        0x0E10, 0x0E34, 0x0E35, 0x0E36, 0x0E37, 0x0E48, 0x0E49, 0x0E4A, 0x0E4B, 0x0E4C, 0x0E48, 0x0E49, 0x0E4A, 0x0E4B,
        0x0E4C, 0x0E0D, 0x0E31, 0x0E4D, 0x0E47, 0x0E48, 0x0E49, 0x0E4A, 0x0E4B, 0x0E4C, 0x0E38, 0x0E39, 0x0E3A,
    };
    const char16_t u = c.unicode();
    return u >= 0xF700 && u <= 0xF71A ? QChar(kThai[u - 0xF700]) : c;
}

// The letters of a text without blanks, in a fixed order: a PDF gives the
// marks of a Thai cluster in the order of their glyphs, sara am as its two
// parts and "ffi" as one ligature (their compatibility forms).
QString letters(const QString& text)
{
    QString result;
    for (QChar c : text.normalized(QString::NormalizationForm_KC)) {
        c = unshifted(c);
        if (!c.isSpace()) result += c;
    }
    std::sort(result.begin(), result.end());
    return result;
}

QString latin(const QString& text)
{
    QString result;
    for (QChar c : text.normalized(QString::NormalizationForm_KC))
        if (c.unicode() > ' ' && c.unicode() < 0x80) result += c;
    return result;
}

// The width in points of the blanks a line starts with, as the painter sets them.
double leadingBlanks(const Page& page, const Line& line)
{
    const qsizetype count = static_cast<qsizetype>(line.text.find_first_not_of(' '));
    if (count <= 0) return 0;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter device(&buffer);
    device.setResolution(kPdfResolution);
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kPdfMargin, kPdfMargin, kPdfMargin, kPdfMargin), QPageLayout::Point));
    ReportFont font = *reportFont();
    font.stretch = fittedStretch(font, page, device);
    const QFontMetricsF metrics(lineFont(font, line, device), &device);
    return metrics.horizontalAdvance(QString(count, ' ')) * 72.0 / kPdfResolution;
}

struct ReportCase {
    std::string name;
    calc::Formula formula;
};

void PrintTo(const ReportCase& c, std::ostream* out) { *out << c.name; }

class ReportPdf : public testing::TestWithParam<ReportCase> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        const std::optional<Page> page = buildPage(samples::ofFormula(GetParam().formula));
        ASSERT_TRUE(page.has_value());
        page_ = *page;
        ASSERT_TRUE(writePdf(page_, path()));
    }

    QString path() const { return dir_.filePath("report.pdf"); }

    QTemporaryDir dir_;
    Page page_;
};

TEST_P(ReportPdf, IsOneA4PortraitPage)
{
    const auto info = pdf::pagesAndSize(path());
    ASSERT_TRUE(info.has_value()) << "pdfinfo failed";
    EXPECT_EQ(info->first, "1");
    EXPECT_EQ(info->second, "595 x 842 pts (A4)");
}

TEST_P(ReportPdf, EveryLineStandsWhereItsTwipsPutIt)
{
    const std::optional<std::vector<pdf::Word>> words = pdf::words(path());
    ASSERT_TRUE(words.has_value()) << "pdftotext failed";

    std::size_t placed = 0;
    for (const Line& line : page_.lines) {
        const double top = kPdfMargin + line.y / 20.0;
        std::vector<pdf::Word> row;
        for (const pdf::Word& word : *words)
            if (std::abs(word.yMin - top) < kTolerance) row.push_back(word);
        std::sort(row.begin(), row.end(), [](const auto& a, const auto& b) { return a.xMin < b.xMin; });
        ASSERT_FALSE(row.empty()) << "nothing at Y " << line.y << ": " << line.text;
        placed += row.size();

        const double left = kPdfMargin + line.x / 20.0 + leadingBlanks(page_, line);
        EXPECT_NEAR(row.front().xMin, left, kTolerance) << "line at Y " << line.y;
        QString text;
        for (const pdf::Word& word : row) text += word.text;
        const QString expected = QString::fromStdString(line.text);
        EXPECT_EQ(letters(text).toStdString(), letters(expected).toStdString())
            << "line at Y " << line.y << ": " << text.toStdString();
        EXPECT_EQ(latin(text).toStdString(), latin(expected).toStdString()) << "line at Y " << line.y;
    }
    EXPECT_EQ(placed, words->size()) << "words on the page that belong to no line";
}

TEST_P(ReportPdf, NothingLeavesThePrintableArea)
{
    const std::optional<std::vector<pdf::Word>> words = pdf::words(path());
    ASSERT_TRUE(words.has_value()) << "pdftotext failed";
    const QSizeF paper = QPageSize(QPageSize::A4).size(QPageSize::Point);
    for (const pdf::Word& word : *words) {
        EXPECT_GE(word.xMin, kPdfMargin - kTolerance) << word.text.toStdString();
        EXPECT_LE(word.xMax, paper.width() - kPdfMargin) << word.text.toStdString();
        EXPECT_LE(word.yMax, paper.height() - kPdfMargin) << word.text.toStdString();
    }
}

TEST_P(ReportPdf, EmbedsTheReportFontInItsPlainAndBoldFaces)
{
    const std::optional<std::vector<pdf::Font>> fonts = pdf::fonts(path());
    ASSERT_TRUE(fonts.has_value()) << "pdffonts failed";
    const QString family = reportFont()->family.remove(' ');
    bool plain = false;
    bool bold = false;
    for (const pdf::Font& font : *fonts) {
        EXPECT_TRUE(font.embedded) << font.name.toStdString();
        EXPECT_TRUE(font.unicode) << font.name.toStdString();
        plain = plain || font.name == family;
        bold = bold || font.name == family + "-Bold";
    }
    EXPECT_TRUE(plain);
    EXPECT_TRUE(bold);
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, ReportPdf,
                         testing::Values(ReportCase{"engineering_news", calc::Formula::EngineeringNews},
                                         ReportCase{"hiley", calc::Formula::Hiley},
                                         ReportCase{"danish", calc::Formula::Danish},
                                         ReportCase{"janbu", calc::Formula::Janbu}),
                         [](const auto& info) { return info.param.name; });

// ------------------------------------------------------- faces by the page

struct FaceCase {
    std::string name;
    std::vector<bool> boldLines;
    bool plainFace;
    bool boldFace;
};

void PrintTo(const FaceCase& c, std::ostream* out) { *out << c.name; }

class PdfFaces : public testing::TestWithParam<FaceCase> {};

TEST_P(PdfFaces, FollowTheBoldOfTheLines)
{
    Page page;
    int y = 800;
    for (bool bold : GetParam().boldLines) {
        page.lines.push_back({900, y, bold, false, 14, "เสาเข็มกลม คอร. = 30"});
        y += 300;
    }
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("faces.pdf");
    ASSERT_TRUE(writePdf(page, path));
    const std::optional<std::vector<pdf::Font>> fonts = pdf::fonts(path);
    ASSERT_TRUE(fonts.has_value()) << "pdffonts failed";

    const QString family = reportFont()->family.remove(' ');
    bool plain = false;
    bool bold = false;
    for (const pdf::Font& font : *fonts) {
        plain = plain || font.name == family;
        bold = bold || font.name == family + "-Bold";
    }
    EXPECT_EQ(plain, GetParam().plainFace);
    EXPECT_EQ(bold, GetParam().boldFace);
}

INSTANTIATE_TEST_SUITE_P(Lines, PdfFaces,
                         testing::Values(FaceCase{"plain_only", {false, false}, true, false},
                                         FaceCase{"bold_only", {true}, false, true},
                                         FaceCase{"both", {false, true, false}, true, true}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace report
