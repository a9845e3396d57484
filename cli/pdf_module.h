#pragma once
// The entry point of blowcount-cli-pdf.so, which blowcount-cli loads by name.
#include <string>
#include <vector>

#include "report/page.h"

namespace cli {

inline constexpr const char* kPdfModuleFile = "blowcount-cli-pdf.so";
inline constexpr const char* kPdfModuleEntry = "blowcount_write_pages_pdf";

// Writes the pages to `path` (bytes as the file system takes them), a PDF page
// each. False, with the reason in `problem`, when it cannot.
using WritePagesPdfEntry = bool (*)(const std::vector<report::Page>* pages, const char* path, std::string* problem);

}  // namespace cli
