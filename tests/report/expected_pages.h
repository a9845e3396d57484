#pragma once
// The four reports of the worked examples (sample_tabs.h) written out line by
// line: position, style and exact text of every line in printing order.
#include <vector>

#include "report/page.h"

namespace report::expected {

std::vector<Line> engineeringNewsPage();
std::vector<Line> hileyPage();
std::vector<Line> danishPage();
std::vector<Line> janbuPage();

}  // namespace report::expected
