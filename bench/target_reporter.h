#pragma once
// A console reporter that also keeps, for each benchmark, the median real time
// of its repetitions (the one time when it ran once), and turns them into rows
// of the performance table against each family's target.
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace bench {

class TargetReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;

    // Rows in the order the benchmarks ran, for the families with a target:
    // calculate/ (< 5 µs), buildPage/ (< 50 µs), paintToPdf/ (< 50 ms),
    // drivingChart/ (< 5 ms), chartWindowUpdate/ (< 16 ms), chartPdf/ (< 100 ms),
    // recordsRecheck/ (< 50 ms), recordsOpen/ (< 1 s), recordEdit/ (< 16 ms).
    // recordsPdf/summary… (< 2 s), recordsPdf/sheets… (< 20 s).
    std::vector<std::string> rows() const;

private:
    std::vector<std::string> order_;
    std::map<std::string, double> seconds_;  // by benchmark name
    std::map<std::string, bool> median_;     // the time kept is a median
};

}  // namespace bench
