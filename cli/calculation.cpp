#include "cli/calculation.h"

#include "calc/tab_calculation.h"

namespace cli {

std::vector<std::string> fieldTexts(const Request& request, std::string_view decimalSeparator)
{
    std::vector<std::string> texts = calc::initialTexts(request.formula, decimalSeparator);
    for (const auto& [index, text] : request.fields) texts[static_cast<std::size_t>(index)] = text;
    return texts;
}

calc::TabInputs tabInputs(const Request& request, std::string_view decimalSeparator)
{
    calc::TabInputs inputs;
    inputs.formula = request.formula;
    inputs.texts = fieldTexts(request, decimalSeparator);
    inputs.decimalSeparator = decimalSeparator;
    inputs.boxes.reinforced = request.prestressed == false;
    inputs.boxes.prestressed = request.prestressed == true;
    inputs.boxes.square = request.roundSection == false;
    inputs.boxes.round = request.roundSection == true;
    inputs.boxes.section = request.section;
    return inputs;
}

Calculation calculate(const Request& request, std::string_view decimalSeparator)
{
    const calc::TabInputs inputs = tabInputs(request, decimalSeparator);
    Calculation c;
    c.formula = inputs.formula;
    c.texts = inputs.texts;
    c.decimalSeparator = inputs.decimalSeparator;
    c.boxes = inputs.boxes;

    std::optional<calc::CapacityCheck> check;
    if (request.record) check = calc::checkCapacity(inputs, {request.record->form, request.record->value, std::nullopt});
    const calc::TabOutcome outcome = check ? check->tab : calc::calculateTab(inputs);
    c.kind = outcome.kind;
    c.message = outcome.message;
    if (outcome.focus) c.focus = calc::fieldName(c.formula, *outcome.focus);
    c.results = outcome.results;
    c.S = outcome.S;
    c.printable = outcome.printable;
    if (check) {
        c.recordGiven = true;
        if (check->capacity) c.capacity = calc::capacityTexts(*check->capacity, c.decimalSeparator);
        // The calculation's own message is not repeated for the capacity.
        if (!check->tabRefused && check->message != c.message) c.capacityMessage = check->message;
    }
    return c;
}

const char* outcomeName(calc::OutcomeKind kind)
{
    using calc::OutcomeKind;
    switch (kind) {
    case OutcomeKind::Ok: return "ok";
    case OutcomeKind::Incomplete: return "incomplete";
    case OutcomeKind::NotANumber: return "not_a_number";
    case OutcomeKind::NotPositive: return "not_positive";
    case OutcomeKind::DropTooHigh: return "drop_too_high";
    case OutcomeKind::Negative: return "negative";
    case OutcomeKind::ZeroSet: return "zero_set";
    case OutcomeKind::OutOfRange: return "out_of_range";
    }
    return "unknown";
}

}  // namespace cli
