#pragma once
// The fixed texts of each formula tab: its caption, the field array and the
// caption label of every field, the result labels, the fixed formula labels,
// the check boxes and the initial field texts. The window builds its controls
// from these; the command line uses them to stand in for the window.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace calc {

enum class Formula { EngineeringNews, Hiley, Danish, Janbu };

struct NamedText {
    const char* name;  // objectName of the control
    const char* text;  // its caption
};

struct TabTexts {
    Formula formula;
    const char* caption;                      // tab caption, also the report's formula name
    const char* fieldArray;                   // "Text16"
    std::vector<int> rows;                    // field indices from the top row down
    std::vector<NamedText> fieldLabels;       // by field index: the caption label beside it
    std::vector<const char*> resultLabels;    // result labels, top to bottom
    std::vector<NamedText> fixedLabels;       // fixed formula labels, top to bottom
    std::vector<NamedText> boxes;             // RC, prestressed, square, round; none on tab 0
    std::vector<std::pair<int, const char*>> defaults;  // initial texts, in writing order, "." separator
};

const TabTexts& tabTexts(Formula formula);

// "Text16(3)"
std::string fieldName(Formula formula, int index);

// Caption of a fixed or field label of the tab by its objectName, or nullptr.
const char* fixedCaption(Formula formula, std::string_view label);

}  // namespace calc
