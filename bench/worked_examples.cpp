#include "bench/worked_examples.h"

#include <stdexcept>

namespace bench {

namespace {

template <typename Inputs, typename Outcome>
report::TabSnapshot snapshot(calc::Formula formula, const Inputs& in, const Outcome& out, calc::PileBoxes boxes)
{
    if (out.kind != calc::OutcomeKind::Ok || !out.results) throw std::logic_error("worked example not printable");
    const std::vector<std::string> texts(in.texts.begin(), in.texts.end());
    return report::snapshotAfterCalculation(formula, texts, boxes, *out.results, out.state.S, in.decimalSeparator);
}

}  // namespace

calc::EngineeringNewsInputs engineeringNewsExample()
{
    return {{"30", "3", "100", "0.9", "4"}, "."};
}

calc::HileyInputs hileyExample(calc::PileBoxes boxes)
{
    return {{"12", "40", "5", "100", "5", "0.25", "0.8", "4", "30"}, boxes, "."};
}

calc::DanishInputs danishExample(calc::PileBoxes boxes)
{
    return {{"30", "12", "40", "3", "100", "0.8", "5", "200"}, boxes, "."};
}

calc::JanbuInputs janbuExample(calc::PileBoxes boxes)
{
    if (boxes.round) return {{"40", "18", "60", "5", "100", "4", "200"}, boxes, "."};
    return {{"30", "20", "30", "5", "80", "4", "200"}, boxes, "."};
}

calc::ChartRequest drivingChartExample(const char* step)
{
    using calc::Formula;
    calc::ChartRequest request;
    request.tabs = {
        {Formula::EngineeringNews, {"30", "3", "100", "0.9", "4"}, {}, "."},
        {Formula::Hiley, {"12", "40", "5", "100", "5", "0.25", "0.8", "4", "30"}, kSquareRc, "."},
        {Formula::Danish, {"30", "12", "40", "3", "100", "0.8", "5", "200"}, kSquareRc, "."},
        {Formula::Janbu, {"30", "20", "30", "5", "80", "4", "200"}, kSquareRc, "."},
    };
    request.heights = calc::heightRows("50", "149.95", step, ".").texts;
    return request;
}

report::TabSnapshot snapshotOfExample(calc::Formula formula)
{
    switch (formula) {
    case calc::Formula::EngineeringNews: {
        const auto in = engineeringNewsExample();
        return snapshot(formula, in, calc::CalculateEngineeringNews(in, {}), {});
    }
    case calc::Formula::Hiley: {
        const auto in = hileyExample(kSquareRc);
        return snapshot(formula, in, calc::CalculateHiley(in, {}), kSquareRc);
    }
    case calc::Formula::Danish: {
        const auto in = danishExample(kSquareRc);
        return snapshot(formula, in, calc::CalculateDanish(in, {}), kSquareRc);
    }
    case calc::Formula::Janbu: {
        const auto in = janbuExample(kSquareRc);
        return snapshot(formula, in, calc::CalculateJanbu(in, {}), kSquareRc);
    }
    }
    throw std::logic_error("unknown formula");
}

}  // namespace bench
