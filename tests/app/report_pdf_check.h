#pragma once
// Reads back a report printed from the window (a PDF file or a job kept by
// the CUPS test queue) with poppler's tools and compares it with the page.
#include <QString>
#include <vector>

#include "report/page.h"

class QPrinter;

namespace testing_gui {

// Checks, as QtTest failures, that `pdf` is one A4 page holding every line
// of `lines` where its twips put it on `printer`'s printable area (within a
// point, the line's leading blanks set in the report font) with all its
// letters, and nothing else; and that a Thai-capable report font is embedded,
// with a bold face where a line is bold.
void checkReportPdf(const QString& pdf, const std::vector<report::Line>& lines, QPrinter& printer);

}  // namespace testing_gui
