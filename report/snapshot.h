#pragma once
// What a report reads from its tab at the moment of printing: the current texts
// of the tab's labels and fields by objectName ("Label26", "Text16(8)"), the
// check boxes by objectName ("Check8"), and the S kept in the tab state.
// A name that is missing reads as the empty text or an unchecked box.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "calc/pile.h"
#include "calc/tab_texts.h"

namespace report {

struct TabSnapshot {
    calc::Formula formula = calc::Formula::EngineeringNews;
    std::map<std::string, std::string> texts;
    std::map<std::string, bool> checks;
    float S = 0;
    std::string decimalSeparator = ".";
    std::optional<calc::PileSection> section;  // the tab's section in use, instead of the square and round boxes

    const std::string& text(const std::string& name) const;
    bool checked(const std::string& name) const;
};

// The tab as the window shows it right after a calculation: the field captions
// and fixed formula captions of the tab, the field texts by index, the check
// boxes (ignored on the Engineering News tab), the result labels filled from
// the calculation's lines top to bottom, and the S it stored.
TabSnapshot snapshotAfterCalculation(calc::Formula formula,
                                     const std::vector<std::string>& fieldTexts,
                                     const calc::PileBoxes& boxes,
                                     const std::vector<std::string>& resultLines,
                                     float S,
                                     std::string decimalSeparator);

}  // namespace report
