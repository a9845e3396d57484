#include "calc/tab_calculation.h"

#include <utility>

#include "calc/danish.h"
#include "calc/engineering_news.h"
#include "calc/hiley.h"
#include "calc/janbu.h"
#include "calc/numbers.h"

namespace calc {

namespace {

template <typename Inputs, typename State>
TabOutcome run(const TabInputs& tab, Outcome<State> (*calculator)(const Inputs&, const State&))
{
    return tabOutcome(calculator(calculatorInputs<Inputs>(tab), State{}));
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
