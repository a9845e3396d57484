#pragma once
// The invariants of a report page built from any tab as it stands: refused
// whole exactly when S gives no conclusion, otherwise every line on an A4
// page in printing order, every input printed, the two conclusions worked out
// from S, and no "inf", "nan" or broken UTF-8 that the tab did not hold itself.
#include <optional>
#include <string>
#include <vector>

#include "check.h"
#include "report/page.h"
#include "report/snapshot.h"

namespace fuzz {

// A4 portrait in twips, and the lowest line a report may place.
inline constexpr int kA4Width = 11906;
inline constexpr int kA4Height = 16838;
inline constexpr int kLowestLine = 13700;

void checkPage(const report::TabSnapshot& tab, const std::optional<report::Page>& page, const Context& context);

// The result lines shown on the tab (all but the last two, which the
// conclusions replace) come on the page in their order.
void checkResultsPrinted(const report::Page& page, const std::vector<std::string>& results, const Context& context);

std::string describe(const report::TabSnapshot& tab);

}  // namespace fuzz
