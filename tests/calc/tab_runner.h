#pragma once
// Runs any formula tab's calculator from field texts by index, so that the
// same table of cases can cover all four tabs.
#include <optional>
#include <string>
#include <vector>

#include "calc/outcome.h"
#include "calc/pile.h"
#include "calc/tab_texts.h"

namespace testing_support {

struct TabRun {
    calc::OutcomeKind kind = calc::OutcomeKind::Ok;
    std::optional<std::string> message;
    std::optional<int> focus;
    std::optional<std::vector<std::string>> results;
    float S = 0;  // S of the tab state afterwards
    bool printable = false;
};

inline constexpr calc::PileBoxes kSquareRc{true, false, true, false};
inline constexpr calc::PileBoxes kRoundPrestressed{false, true, false, true};

// The calculator of `formula` on `texts`, from a tab state whose S is
// `previousS`.
TabRun runTab(calc::Formula formula, const std::vector<std::string>& texts, calc::PileBoxes boxes = kSquareRc,
              float previousS = 0, const std::string& separator = ".");

}  // namespace testing_support
