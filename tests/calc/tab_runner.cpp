#include "tab_runner.h"

#include <stdexcept>

#include "calc/danish.h"
#include "calc/engineering_news.h"
#include "calc/hiley.h"
#include "calc/janbu.h"

namespace testing_support {

namespace {

template <typename Inputs, typename State>
TabRun run(calc::Outcome<State> (*calculator)(const Inputs&, const State&), const std::vector<std::string>& texts,
           calc::PileBoxes boxes, float previousS, const std::string& separator)
{
    Inputs in;
    if (texts.size() != in.texts.size()) throw std::invalid_argument("wrong number of field texts");
    for (std::size_t i = 0; i < texts.size(); ++i) in.texts[i] = texts[i];
    in.decimalSeparator = separator;
    if constexpr (requires { in.boxes; }) in.boxes = boxes;
    State previous;
    previous.S = previousS;
    const calc::Outcome<State> out = calculator(in, previous);
    return {out.kind, out.message, out.focus, out.results, out.state.S, out.printable};
}

}  // namespace

TabRun runTab(calc::Formula formula, const std::vector<std::string>& texts, calc::PileBoxes boxes, float previousS,
              const std::string& separator)
{
    switch (formula) {
    case calc::Formula::EngineeringNews: return run(&calc::CalculateEngineeringNews, texts, boxes, previousS, separator);
    case calc::Formula::Hiley: return run(&calc::CalculateHiley, texts, boxes, previousS, separator);
    case calc::Formula::Danish: return run(&calc::CalculateDanish, texts, boxes, previousS, separator);
    case calc::Formula::Janbu: return run(&calc::CalculateJanbu, texts, boxes, previousS, separator);
    }
    throw std::invalid_argument("unknown formula");
}

}  // namespace testing_support
