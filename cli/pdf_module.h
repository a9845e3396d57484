#pragma once
// The entry point of blowcount-cli-pdf.so, which blowcount-cli loads by name.
#include <string>
#include <vector>

#include "report/page.h"

namespace cli {

inline constexpr const char* kPdfModuleFile = "blowcount-cli-pdf.so";
inline constexpr const char* kPdfModuleEntry = "blowcount_write_report_pdf";

// Writes the page to `path` (bytes as the file system takes them). False, with
// the reason in `problem`, when it cannot.
using WriteReportPdfEntry = bool (*)(const report::Page* page, const char* path, std::string* problem);

// The same for a report of several pages, a PDF page each.
inline constexpr const char* kPdfModulePagesEntry = "blowcount_write_pages_pdf";
using WritePagesPdfEntry = bool (*)(const std::vector<report::Page>* pages, const char* path, std::string* problem);

}  // namespace cli
