#pragma once
// What a report reads from its tab at the moment of printing: the current texts
// of the tab's labels and fields by objectName ("Label26", "Text16(8)"), the
// check boxes by objectName ("Check8"), and the S kept in the tab state.
// A name that is missing reads as the empty text or an unchecked box.
#include <map>
#include <string>

#include "calc/tab_texts.h"

namespace report {

struct TabSnapshot {
    calc::Formula formula = calc::Formula::EngineeringNews;
    std::map<std::string, std::string> texts;
    std::map<std::string, bool> checks;
    float S = 0;
    std::string decimalSeparator = ".";

    const std::string& text(const std::string& name) const;
    bool checked(const std::string& name) const;
};

}  // namespace report
