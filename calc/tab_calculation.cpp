#include "calc/tab_calculation.h"

#include <utility>

#include "calc/danish.h"
#include "calc/engineering_news.h"
#include "calc/hiley.h"
#include "calc/janbu.h"

namespace calc {

namespace {

std::string replaceAll(std::string text, std::string_view from, std::string_view to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

template <typename Inputs, typename State>
TabOutcome run(const TabInputs& tab, Outcome<State> (*calculator)(const Inputs&, const State&))
{
    Inputs inputs;
    for (std::size_t i = 0; i < inputs.texts.size() && i < tab.texts.size(); ++i) inputs.texts[i] = tab.texts[i];
    inputs.decimalSeparator = tab.decimalSeparator;
    if constexpr (requires { inputs.boxes; }) inputs.boxes = tab.boxes;

    Outcome<State> outcome = calculator(inputs, State{});
    TabOutcome out;
    out.kind = outcome.kind;
    out.message = std::move(outcome.message);
    out.focus = outcome.focus;
    out.results = std::move(outcome.results);
    if (outcome.kind == OutcomeKind::Ok || outcome.kind == OutcomeKind::Negative) out.S = outcome.state.S;
    out.printable = outcome.printable;
    return out;
}

}  // namespace

TabOutcome calculateTab(const TabInputs& inputs)
{
    switch (inputs.formula) {
    case Formula::EngineeringNews: return run(inputs, &CalculateEngineeringNews);
    case Formula::Hiley: return run(inputs, &CalculateHiley);
    case Formula::Danish: return run(inputs, &CalculateDanish);
    case Formula::Janbu: return run(inputs, &CalculateJanbu);
    }
    return {};
}

std::vector<std::string> initialTexts(Formula formula, std::string_view decimalSeparator)
{
    const TabTexts& tab = tabTexts(formula);
    std::vector<std::string> texts(tab.fieldLabels.size());
    for (const auto& [index, text] : tab.defaults)
        texts[static_cast<std::size_t>(index)] = replaceAll(text, ".", decimalSeparator);
    return texts;
}

}  // namespace calc
