#include "cli/calculation.h"

#include "calc/danish.h"
#include "calc/engineering_news.h"
#include "calc/hiley.h"
#include "calc/janbu.h"

namespace cli {

namespace {

std::string replaceAll(std::string text, std::string_view from, std::string_view to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

template <typename Inputs, typename State>
Calculation run(const Calculation& base, calc::Outcome<State> (*calculator)(const Inputs&, const State&))
{
    Inputs inputs;
    for (std::size_t i = 0; i < inputs.texts.size(); ++i) inputs.texts[i] = base.texts[i];
    inputs.decimalSeparator = base.decimalSeparator;
    if constexpr (requires { inputs.boxes; }) inputs.boxes = base.boxes;

    const calc::Outcome<State> outcome = calculator(inputs, State{});
    Calculation c = base;
    c.kind = outcome.kind;
    c.message = outcome.message;
    if (outcome.focus) c.focus = calc::fieldName(base.formula, *outcome.focus);
    c.results = outcome.results;
    if (outcome.kind == calc::OutcomeKind::Ok || outcome.kind == calc::OutcomeKind::Negative) c.S = outcome.state.S;
    c.printable = outcome.printable;
    return c;
}

}  // namespace

std::vector<std::string> fieldTexts(const Request& request, std::string_view decimalSeparator)
{
    const calc::TabTexts& tab = calc::tabTexts(request.formula);
    std::vector<std::string> texts(tab.fieldLabels.size());
    for (const auto& [index, text] : tab.defaults)
        texts[static_cast<std::size_t>(index)] = replaceAll(text, ".", decimalSeparator);
    for (const auto& [index, text] : request.fields) texts[static_cast<std::size_t>(index)] = text;
    return texts;
}

Calculation calculate(const Request& request, std::string_view decimalSeparator)
{
    Calculation base;
    base.formula = request.formula;
    base.texts = fieldTexts(request, decimalSeparator);
    base.decimalSeparator = decimalSeparator;
    base.boxes.reinforced = request.prestressed == false;
    base.boxes.prestressed = request.prestressed == true;
    base.boxes.square = request.roundSection == false;
    base.boxes.round = request.roundSection == true;

    switch (request.formula) {
    case calc::Formula::EngineeringNews: return run(base, &calc::CalculateEngineeringNews);
    case calc::Formula::Hiley: return run(base, &calc::CalculateHiley);
    case calc::Formula::Danish: return run(base, &calc::CalculateDanish);
    case calc::Formula::Janbu: return run(base, &calc::CalculateJanbu);
    }
    return base;
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
