#include "report_checks.h"

#include <QPageLayout>
#include <QPrinter>
#include <cmath>

#include "defined_boxes.h"
#include "tests/report/pdf_tools.h"

namespace random_session {

namespace {

constexpr double kSameLine = 1.0;  // points between a word's top and its line's

}  // namespace

bool isInputLine(const report::Line& line, calc::Formula formula)
{
    for (const calc::NamedText& caption : calc::tabTexts(formula).fieldLabels)
        if (line.text.starts_with(std::string(caption.text) + " = ")) return true;
    return false;
}

QString checkPageLines(const report::Page& page, calc::Formula formula)
{
    for (const report::Line& line : page.lines) {
        if (isInputLine(line, formula)) continue;
        const QString text = QString::fromStdString(line.text);
        if (showsInfOrNan(text)) return QStringLiteral("a report line shows inf or nan: ") + text;
    }
    return {};
}

QString checkPrintedPdf(const QString& path, const report::Page& page, calc::Formula formula, QPrinter& printer)
{
    const auto info = report::pdf::pagesAndSize(path);
    if (!info) return QStringLiteral("pdfinfo cannot read ") + path;
    if (info->first != QStringLiteral("1") || info->second != QStringLiteral("595 x 842 pts (A4)"))
        return QStringLiteral("the printed report is %1 page(s) of %2, not one A4 page").arg(info->first, info->second);

    const auto words = report::pdf::words(path);
    if (!words) return QStringLiteral("pdftotext cannot read ") + path;
    if (words->empty()) return QStringLiteral("the printed report holds no text");
    const double top = printer.pageLayout().paintRect(QPageLayout::Point).top();
    for (const report::pdf::Word& word : *words) {
        if (!showsInfOrNan(word.text)) continue;
        bool onInputLine = false;
        for (const report::Line& line : page.lines)
            if (isInputLine(line, formula) && std::abs(word.yMin - (top + line.y / 20.0)) < kSameLine) onInputLine = true;
        if (!onInputLine) return QStringLiteral("the printed report shows inf or nan: ") + word.text;
    }
    return {};
}

}  // namespace random_session
