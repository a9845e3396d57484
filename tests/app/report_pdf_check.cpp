#include "report_pdf_check.h"

#include <QFontMetricsF>
#include <QPrinter>
#include <QTest>
#include <algorithm>
#include <cmath>

#include "report/report_font.h"
#include "tests/print/pdf_letters.h"
#include "tests/report/pdf_tools.h"

namespace testing_gui {

namespace {

constexpr double kTolerance = 1.0;  // points

void checkLines(const QString& pdf, const std::vector<report::Line>& lines, QPrinter& printer)
{
    const std::optional<report::ReportFont> thai = report::reportFont();
    QVERIFY2(thai, "no installed font writes Thai");
    report::ReportFont font = *thai;
    font.stretch = report::fittedStretch(font, report::Page{lines, {}, {}}, printer);
    const QPointF origin = printer.pageLayout().paintRect(QPageLayout::Point).topLeft();

    const auto words = report::pdf::words(pdf);
    QVERIFY2(words, "pdftotext failed");
    std::size_t placed = 0;
    for (const report::Line& line : lines) {
        const QString expected = QString::fromStdString(line.text);
        const double top = origin.y() + line.y / 20.0;
        std::vector<report::pdf::Word> row;
        for (const auto& word : *words)
            if (std::abs(word.yMin - top) < kTolerance) row.push_back(word);
        std::sort(row.begin(), row.end(), [](const auto& a, const auto& b) { return a.xMin < b.xMin; });
        QVERIFY2(!row.empty(), qPrintable("nothing at Y " + QString::number(line.y) + ": " + expected));
        placed += row.size();

        const auto blanks = static_cast<qsizetype>(std::min(line.text.find_first_not_of(' '), line.text.size()));
        const QFontMetricsF metrics(report::lineFont(font, line, printer), &printer);
        const double indent = metrics.horizontalAdvance(QString(blanks, ' ')) * 72.0 / printer.logicalDpiX();
        QVERIFY2(std::abs(row.front().xMin - (origin.x() + line.x / 20.0 + indent)) < kTolerance,
                 qPrintable("line at Y " + QString::number(line.y) + " starts at " + QString::number(row.front().xMin)));
        QString text;
        for (const auto& word : row) text += word.text;
        QCOMPARE(print_jobs::letters(text), print_jobs::letters(expected));
        QCOMPARE(print_jobs::latin(text), print_jobs::latin(expected));
    }
    QCOMPARE(placed, words->size());
}

void checkFonts(const QString& pdf, const std::vector<report::Line>& lines)
{
    const auto fonts = report::pdf::fonts(pdf);
    QVERIFY2(fonts, "pdffonts failed");
    const QString family = report::reportFont()->family.remove(' ');
    bool plain = false;
    bool bold = false;
    for (const auto& font : *fonts) {
        QVERIFY2(font.embedded, qPrintable(font.name));
        plain = plain || font.name == family;
        bold = bold || font.name == family + "-Bold";
    }
    QVERIFY2(plain, qPrintable(family));
    QCOMPARE(bold, std::any_of(lines.begin(), lines.end(), [](const report::Line& line) { return line.bold; }));
}

}  // namespace

void checkReportPdf(const QString& pdf, const std::vector<report::Line>& lines, QPrinter& printer)
{
    const auto info = report::pdf::pagesAndSize(pdf);
    QVERIFY2(info, qPrintable("pdfinfo failed on " + pdf));
    QCOMPARE(info->first, QString("1"));
    QCOMPARE(info->second, QString("595 x 842 pts (A4)"));
    checkLines(pdf, lines, printer);
    if (QTest::currentTestFailed()) return;
    checkFonts(pdf, lines);
}

}  // namespace testing_gui
