// One click on Calculate: the calculator from the field texts to the outcome
// (result lines, message, tab state), on each worked example.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/worked_examples.h"

namespace {

template <auto Calculate, typename Inputs>
void calculate(benchmark::State& state, const Inputs& in)
{
    const decltype(Calculate(in, {}).state) previous{};
    if (Calculate(in, previous).kind != calc::OutcomeKind::Ok) {
        state.SkipWithError("the worked example is not calculated");
        return;
    }
    for (auto _ : state) {
        auto out = Calculate(in, previous);
        benchmark::DoNotOptimize(out);
    }
}

using bench::kRoundPrestressed;
using bench::kSquareRc;

template <auto Calculate, typename Inputs>
void add(const char* example, const Inputs& in)
{
    benchmark::RegisterBenchmark((std::string("calculate/") + example).c_str(),
                                 [in](benchmark::State& state) { calculate<Calculate>(state, in); });
}

[[maybe_unused]] const bool registered = [] {
    add<calc::CalculateEngineeringNews>("engineering_news", bench::engineeringNewsExample());
    add<calc::CalculateHiley>("hiley_square_rc", bench::hileyExample(kSquareRc));
    add<calc::CalculateHiley>("hiley_round_prestressed", bench::hileyExample(kRoundPrestressed));
    add<calc::CalculateDanish>("danish_square_rc", bench::danishExample(kSquareRc));
    add<calc::CalculateDanish>("danish_round_prestressed", bench::danishExample(kRoundPrestressed));
    add<calc::CalculateJanbu>("janbu_square_rc", bench::janbuExample(kSquareRc));
    add<calc::CalculateJanbu>("janbu_round_prestressed", bench::janbuExample(kRoundPrestressed));
    return true;
}();

}  // namespace
