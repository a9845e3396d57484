#pragma once
// The report a calculation's print button would print right after it.
#include <optional>

#include "cli/calculation.h"
#include "report/page.h"

namespace cli {

// The tab as the calculation left it, made into its report page; nothing when
// the calculation shows no print button (or its S gives no report).
std::optional<report::Page> reportPage(const Calculation& c);

}  // namespace cli
