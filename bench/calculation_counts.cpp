// calculation_counts EXAMPLE N: runs one worked example's calculation N times
// (EXAMPLE as in the calculate/ benchmarks, or driving_chart for the four
// formulas over 1000 drop heights), for instruction counts under callgrind
// that do not depend on the machine's load: the count of N = 101 less that of
// N = 1, divided by 100. bench/instruction_counts.sh does exactly that.
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "bench/worked_examples.h"

namespace {

template <typename Calculate, typename Inputs>
bool repeat(Calculate calculate, const Inputs& in, long n)
{
    bool ok = true;
    for (long i = 0; i < n; ++i) ok = calculate(in, {}).kind == calc::OutcomeKind::Ok && ok;
    return ok;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::cerr << "usage: calculation_counts EXAMPLE N\n";
        return 2;
    }
    const char* example = argv[1];
    const long n = std::atol(argv[2]);
    using bench::kRoundPrestressed;
    using bench::kSquareRc;
    bool ok = false;
    if (!std::strcmp(example, "engineering_news"))
        ok = repeat(calc::CalculateEngineeringNews, bench::engineeringNewsExample(), n);
    else if (!std::strcmp(example, "hiley_square_rc"))
        ok = repeat(calc::CalculateHiley, bench::hileyExample(kSquareRc), n);
    else if (!std::strcmp(example, "hiley_round_prestressed"))
        ok = repeat(calc::CalculateHiley, bench::hileyExample(kRoundPrestressed), n);
    else if (!std::strcmp(example, "danish_square_rc"))
        ok = repeat(calc::CalculateDanish, bench::danishExample(kSquareRc), n);
    else if (!std::strcmp(example, "danish_round_prestressed"))
        ok = repeat(calc::CalculateDanish, bench::danishExample(kRoundPrestressed), n);
    else if (!std::strcmp(example, "janbu_square_rc"))
        ok = repeat(calc::CalculateJanbu, bench::janbuExample(kSquareRc), n);
    else if (!std::strcmp(example, "janbu_round_prestressed"))
        ok = repeat(calc::CalculateJanbu, bench::janbuExample(kRoundPrestressed), n);
    else if (!std::strcmp(example, "driving_chart")) {
        const calc::ChartRequest request = bench::drivingChartExample("0.1");
        ok = request.heights.size() == 1000;
        for (long i = 0; i < n; ++i) ok = calc::buildDrivingChart(request).rows.size() == 1000 && ok;
    } else {
        std::cerr << "unknown example " << example << '\n';
        return 2;
    }
    if (!ok) std::cerr << example << " was not calculated\n";
    return ok ? 0 : 1;
}
