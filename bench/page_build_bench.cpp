// Building a tab's report page from its snapshot, as a click on the print
// button does before anything is painted.
#include <benchmark/benchmark.h>

#include "bench/worked_examples.h"
#include "report/page_builder.h"

namespace {

void buildPage(benchmark::State& state, calc::Formula formula)
{
    const report::TabSnapshot tab = bench::snapshotOfExample(formula);
    if (!report::buildPage(tab)) {
        state.SkipWithError("no page for the worked example");
        return;
    }
    for (auto _ : state) {
        auto page = report::buildPage(tab);
        benchmark::DoNotOptimize(page);
    }
}

BENCHMARK_CAPTURE(buildPage, engineering_news, calc::Formula::EngineeringNews);
BENCHMARK_CAPTURE(buildPage, hiley, calc::Formula::Hiley);
BENCHMARK_CAPTURE(buildPage, danish, calc::Formula::Danish);
BENCHMARK_CAPTURE(buildPage, janbu, calc::Formula::Janbu);

}  // namespace
