#include "cli/report_page.h"

#include "report/page_builder.h"
#include "report/snapshot.h"

namespace cli {

std::optional<report::Page> reportPage(const Calculation& c)
{
    if (!c.printable || !c.results || !c.S) return std::nullopt;
    return report::buildPage(
        report::snapshotAfterCalculation(c.formula, c.texts, c.boxes, *c.results, *c.S, c.decimalSeparator));
}

}  // namespace cli
