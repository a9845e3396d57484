#pragma once
// What a random session checks of a report: no line of the page shows an
// infinite or not-a-number value (input lines aside, which repeat whatever
// the user put into a field), and the PDF printed from the page is one A4
// page whose words, read back with poppler's pdftotext, show none either.
// Each returns a description of the first fault, or an empty text.
#include <QString>

#include "calc/tab_texts.h"
#include "report/page.h"

class QPrinter;

namespace random_session {

// An input line: a field's caption, " = ", the field's text.
bool isInputLine(const report::Line& line, calc::Formula formula);

QString checkPageLines(const report::Page& page, calc::Formula formula);

QString checkPrintedPdf(const QString& path, const report::Page& page, calc::Formula formula, QPrinter& printer);

}  // namespace random_session
