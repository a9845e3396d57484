// The driving chart: the table of the four formulas over 1000 drop heights,
// the window's table and chart brought up to date after a change to a tab
// (100 rows, repainted), and its printed page (100 rows and the chart) into a
// PDF file.
#include <benchmark/benchmark.h>

#include <QChartView>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "app/chart_window.h"
#include "app/formula_tab.h"
#include "app/main_window.h"
#include "bench/worked_examples.h"
#include "calc/driving_chart.h"
#include "report/driving_chart_page.h"
#include "report/page_painter.h"

namespace {

using calc::Formula;

calc::ChartRequest workedRequest(const char* step)
{
    return bench::drivingChartExample(step);
}

void drivingChart(benchmark::State& state, const char* step)
{
    const calc::ChartRequest request = workedRequest(step);
    if (request.heights.size() != 1000) {
        state.SkipWithError("not 1000 rows");
        return;
    }
    for (auto _ : state) {
        const calc::DrivingChart chart = calc::buildDrivingChart(request);
        benchmark::DoNotOptimize(chart.rows.data());
    }
}
BENCHMARK_CAPTURE(drivingChart, four_formulas_1000_rows, "0.1")->Unit(benchmark::kMillisecond);

void chartWindowUpdate(benchmark::State& state, const char* step)
{
    app::MainWindow main;
    const calc::ChartRequest worked = workedRequest(step);
    for (const calc::TabInputs& tab : worked.tabs) {
        app::FormulaTab* page = main.page(tab.formula);
        for (std::size_t i = 0; i < tab.texts.size(); ++i) page->field(static_cast<int>(i))->setText(QString::fromStdString(tab.texts[i]));
    }
    main.show();
    app::ChartWindow* window = app::showChartWindow(main);
    window->findChild<QLineEdit*>(QStringLiteral("heightstep"))->setText(QString::fromUtf8(step));
    window->findChild<QLineEdit*>(QStringLiteral("heightto"))->setText(QStringLiteral("149"));
    window->refresh();
    if (!QTest::qWaitForWindowExposed(window) || window->chart().rows.size() != 100) {
        state.SkipWithError("the window did not show 100 rows");
        return;
    }
    QLineEdit* qa = main.page(Formula::Hiley)->field(1);
    auto* table = window->findChild<QTableView*>(QStringLiteral("charttable"));
    auto* view = window->findChild<QChartView*>(QStringLiteral("chartview"));
    bool other = false;
    for (auto _ : state) {
        qa->setText(other ? QStringLiteral("40") : QStringLiteral("45"));
        other = !other;
        window->refresh();
        table->viewport()->repaint();
        view->viewport()->repaint();
    }
}
BENCHMARK_CAPTURE(chartWindowUpdate, hundred_rows, "1")->Unit(benchmark::kMillisecond);

void chartPdf(benchmark::State& state, const char* step)
{
    const calc::ChartRequest request = workedRequest(step);
    const calc::DrivingChart chart = calc::buildDrivingChart(request);
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("chart.pdf"));
    if (request.heights.size() != 100 || !folder.isValid()) {
        state.SkipWithError("not 100 rows");
        return;
    }
    for (auto _ : state) {
        const bool written = report::writePdf(report::drivingChartPages(request, chart), path);
        if (!written) state.SkipWithError("the PDF could not be written");
        benchmark::DoNotOptimize(written);
    }
}
BENCHMARK_CAPTURE(chartPdf, hundred_rows_and_chart, "1")->Unit(benchmark::kMillisecond);

}  // namespace
