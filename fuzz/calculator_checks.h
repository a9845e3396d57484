#pragma once
// The invariants of one Calculate click on a formula tab, whatever its inputs:
// the defined message for each refused input in the defined order, or result
// lines of the right count; no "inf" or "nan" and nothing but valid UTF-8 in
// what is shown; S and the print button kept by every refusal; a finite tab
// state; and the same decision with the other decimal separator.
#include <optional>
#include <string>
#include <vector>

#include "calc/outcome.h"
#include "calculation_script.h"
#include "tab_rules.h"

namespace fuzz {

// What a click decided, with the tab state before and after it as its floats.
struct ClickResult {
    calc::OutcomeKind kind = calc::OutcomeKind::Ok;
    std::optional<std::string> message;
    std::optional<int> focus;
    std::optional<std::vector<std::string>> results;
    bool printable = false;
    std::vector<float> before, after;
    float sBefore = 0, sAfter = 0;
    std::optional<float> areaAfter;  // the tabs with a pile area
};

void checkClick(const TabRules& rules, const Click& click, const ClickResult& result);

// The click with "." and "," exchanged in every text and as the separator.
Click withOtherSeparator(const Click& click);

// The same decision and the same tab state for the same numbers written with
// the other separator.
void checkSameDecision(const Click& click, const ClickResult& result, const ClickResult& other);

std::string describe(const Click& click, const ClickResult& result);

}  // namespace fuzz
