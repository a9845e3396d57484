#pragma once
// Runs one formula's calculator for the command line exactly as the window
// does on a click on Calculate: the field texts as typed (a field not given
// holds the text the window starts with), the check boxes, the locale's
// decimal separator and a fresh tab state.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/capacity.h"
#include "calc/outcome.h"
#include "calc/pile.h"
#include "calc/tab_texts.h"
#include "cli/arguments.h"

namespace cli {

// What one calculation decided, whatever the formula.
struct Calculation {
    calc::Formula formula = calc::Formula::EngineeringNews;
    std::vector<std::string> texts;  // the field texts, by index, as calculated
    calc::PileBoxes boxes;
    std::string decimalSeparator;

    calc::OutcomeKind kind = calc::OutcomeKind::Ok;
    std::optional<std::string> message;
    std::optional<std::string> focus;                 // objectName, "Text16(3)"
    std::optional<std::vector<std::string>> results;  // result label texts, top to bottom
    std::optional<float> S;                           // when this calculation stored one
    bool printable = false;

    // With a driving record: the capacity it proves, or why there is none.
    bool recordGiven = false;
    std::optional<calc::CapacityTexts> capacity;
    std::optional<std::string> capacityMessage;  // not repeated when it is the calculation's own message
};

// The field texts the calculator gets: the given ones, else the window's
// initial texts with the locale's separator, else empty.
std::vector<std::string> fieldTexts(const Request& request, std::string_view decimalSeparator);

// The tab as the calculation takes it: those texts, the boxes the pile words
// tick and the separator.
calc::TabInputs tabInputs(const Request& request, std::string_view decimalSeparator);

Calculation calculate(const Request& request, std::string_view decimalSeparator);

// "ok", "incomplete", "not_a_number", ...
const char* outcomeName(calc::OutcomeKind kind);

}  // namespace cli
