#pragma once
// The worked examples of the four formula tabs, as the fields hold them when
// Calculate is clicked, with the calculation's outcome made into the tab
// snapshot a report is built from.
#include <string>
#include <vector>

#include "calc/danish.h"
#include "calc/driving_chart.h"
#include "calc/engineering_news.h"
#include "calc/hiley.h"
#include "calc/janbu.h"
#include "report/snapshot.h"

namespace bench {

inline constexpr calc::PileBoxes kSquareRc{true, false, true, false};
inline constexpr calc::PileBoxes kRoundPrestressed{false, true, false, true};

calc::EngineeringNewsInputs engineeringNewsExample();
calc::HileyInputs hileyExample(calc::PileBoxes boxes);
calc::DanishInputs danishExample(calc::PileBoxes boxes);
calc::JanbuInputs janbuExample(calc::PileBoxes boxes);

// The four worked examples (square reinforced concrete) over the drop
// heights 50 to 149.95 cm in steps of `step` (1000 rows for "0.1").
calc::ChartRequest drivingChartExample(const char* step);

// The tab of `formula` right after its square reinforced-concrete worked
// example (the only one on the Engineering News tab) was calculated.
report::TabSnapshot snapshotOfExample(calc::Formula formula);

}  // namespace bench
