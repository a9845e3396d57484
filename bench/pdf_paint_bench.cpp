// A built report page painted into a one-page A4 PDF file, as the command
// line's --pdf and a print to a PDF printer do: the report font looked up,
// fitted to the page, every line set and the file written.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "bench/worked_examples.h"
#include "report/page_builder.h"
#include "report/page_painter.h"

namespace {

void paintToPdf(benchmark::State& state, calc::Formula formula)
{
    const std::optional<report::Page> page = report::buildPage(bench::snapshotOfExample(formula));
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("report.pdf"));
    if (!page || !folder.isValid() || !report::writePdf(*page, path)) {
        state.SkipWithError("the page could not be written to a PDF");
        return;
    }
    for (auto _ : state) {
        const bool written = report::writePdf(*page, path);
        benchmark::DoNotOptimize(written);
    }
}

BENCHMARK_CAPTURE(paintToPdf, engineering_news, calc::Formula::EngineeringNews)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(paintToPdf, hiley, calc::Formula::Hiley)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(paintToPdf, danish, calc::Formula::Danish)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(paintToPdf, janbu, calc::Formula::Janbu)->Unit(benchmark::kMillisecond);

}  // namespace
