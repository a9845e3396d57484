#pragma once
// Writes a report page as a one-page A4 PDF for the command line.
//
// Qt is needed for this alone, so it lives in a module of its own,
// blowcount-cli-pdf.so, loaded only when a PDF is asked for: a plain run
// neither loads Qt's libraries nor needs a display.
#include <optional>
#include <string>
#include <vector>

#include "report/page.h"

namespace cli {

// Nothing when the file was written, else why not (one line, no newline). A
// file already at `path` is left as it was when writing fails.
std::optional<std::string> writeReportPdf(const report::Page& page, const std::string& path);

// The same for a report of several pages.
std::optional<std::string> writePagesPdf(const std::vector<report::Page>& pages, const std::string& path);

}  // namespace cli
