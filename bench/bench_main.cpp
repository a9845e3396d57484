// blowcount_bench: the calculators, the report pages and their PDFs under
// Google Benchmark. Takes Google Benchmark's flags, and --rows=FILE to write
// the performance table's rows of every benchmark with a target into FILE.
// The PDF and window benchmarks need a QApplication (the font database, the
// widgets and Qt Charts): on the offscreen platform unless QT_QPA_PLATFORM
// says otherwise.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "app/chart_loader.h"
#include "app/chart_windows.h"
#include "bench/target_reporter.h"

int main(int argc, char* argv[])
{
    std::string rowsFile;
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], "--rows=", 7) == 0)
            rowsFile = argv[i] + 7;
        else
            args.push_back(argv[i]);
    }
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);

    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(count, args.data());
    // The chart windows and their drawing are linked in, not loaded.
    app::useChartModule(&app::chartWindows());

    bench::TargetReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    if (!rowsFile.empty()) {
        std::ofstream out(rowsFile);
        for (const std::string& row : reporter.rows()) out << row << '\n';
        if (!out) return 1;
    }
    return 0;
}
