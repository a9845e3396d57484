#pragma once
// One click on Calculate of any of the four tabs, for code that handles the
// tabs alike (the command line, pile files, tables over drop heights): the
// field texts by index, the check boxes and the decimal separator in, what
// the tab's calculator decided out. The calculation starts from a fresh tab
// state, as a tab does whose last calculation left no stored value behind.
#include <optional>
#include <string>
#include <vector>

#include "calc/outcome.h"
#include "calc/pile.h"
#include "calc/tab_texts.h"

namespace calc {

struct TabInputs {
    Formula formula = Formula::EngineeringNews;
    std::vector<std::string> texts;  // by field index; missing ones read as empty
    PileBoxes boxes;                 // not read by the Engineering News tab
    std::string decimalSeparator = ".";
};

struct TabOutcome {
    OutcomeKind kind = OutcomeKind::Ok;
    std::optional<std::string> message;
    std::optional<int> focus;                         // field index
    std::optional<std::vector<std::string>> results;  // result label texts, top to bottom
    std::optional<float> S;                           // when the calculation stored one
    bool printable = false;
};

TabOutcome calculateTab(const TabInputs& inputs);

// The texts the window starts with, by field index, with the locale's
// separator; fields without an initial text are empty.
std::vector<std::string> initialTexts(Formula formula, std::string_view decimalSeparator);

}  // namespace calc
