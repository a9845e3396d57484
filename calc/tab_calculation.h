#pragma once
// One click on Calculate of any of the four tabs, for code that handles the
// tabs alike (the command line, pile files, tables over drop heights): the
// field texts by index, the check boxes and the decimal separator in, what
// the tab's calculator decided out. The calculation starts from a fresh tab
// state, as a tab does whose last calculation left no stored value behind.
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
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

// A tab calculator's own inputs (EngineeringNewsInputs, HileyInputs, ...)
// from the texts by index, the boxes and the separator.
template <typename Inputs>
Inputs calculatorInputs(const TabInputs& tab)
{
    Inputs inputs;
    for (std::size_t i = 0; i < inputs.texts.size() && i < tab.texts.size(); ++i) inputs.texts[i] = tab.texts[i];
    inputs.decimalSeparator = tab.decimalSeparator;
    if constexpr (requires { inputs.boxes; }) inputs.boxes = tab.boxes;
    return inputs;
}

// What a calculator's outcome tells, whatever the tab.
template <typename State>
TabOutcome tabOutcome(Outcome<State> outcome)
{
    TabOutcome out;
    out.kind = outcome.kind;
    out.message = std::move(outcome.message);
    out.focus = outcome.focus;
    out.results = std::move(outcome.results);
    if (outcome.kind == OutcomeKind::Ok || outcome.kind == OutcomeKind::Negative) out.S = outcome.state.S;
    out.printable = outcome.printable;
    return out;
}

// The texts the window starts with, by field index, with the locale's
// separator; fields without an initial text are empty.
std::vector<std::string> initialTexts(Formula formula, std::string_view decimalSeparator);

}  // namespace calc
