// The driving records: 2,000 records re-checked after a change to a tab, a
// pile file of 2,000 records opened with its checked table shown, and one
// record's edit (re-checked alone, its row repainted).
#include <benchmark/benchmark.h>

#include <QFile>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "app/main_window.h"
#include "app/records_window.h"
#include "calc/pile_file.h"
#include "calc/record_check.h"

namespace {

using calc::Formula;

// The worked examples' tabs and `count` records: five drop heights, two
// hammers (one the tabs' own), twelve counts and three sets each.
calc::PileDocument site(int count)
{
    using Texts = std::vector<std::string>;
    calc::PileDocument d;
    d.tab(Formula::EngineeringNews) = calc::PileTab{Texts{"30", "3", "100", "0.9", "4"}, {}};
    d.tab(Formula::Hiley) = calc::PileTab{Texts{"12", "40", "5", "100", "5", "0.25", "0.8", "4", "30"}, {true, false, true, false}};
    d.tab(Formula::Danish) = calc::PileTab{Texts{"30", "12", "40", "3", "100", "0.8", "5", "200"}, {false, true, false, true}};
    d.tab(Formula::Janbu) = calc::PileTab{Texts{"30", "20", "30", "5", "80", "4", "200"}, {true, false, true, false}};
    for (int i = 0; i < count; ++i) {
        calc::PileRecord r;
        r.mark = "P-" + std::to_string(10000 + i);
        r.location = "A/" + std::to_string(i % 40);
        r.date = "2026-05-04";
        r.hammer = i % 2 ? "" : "3.5";
        r.drop = std::to_string(60 + 10 * (i % 5));
        r.depth = "18." + std::to_string(i % 10);
        for (int k = 0; k < 12; ++k) r.blows.push_back(std::to_string(20 + 12 * k + i % 7));
        r.sets = {"2.4", "2." + std::to_string(i % 10), "1." + std::to_string(i % 10)};
        d.records.push_back(std::move(r));
    }
    return d;
}

void recordsRecheck(benchmark::State& state)
{
    const calc::PileDocument document = site(2000);
    for (auto _ : state) {
        const std::vector<calc::RecordCheck> checks = calc::checkRecords(document);
        benchmark::DoNotOptimize(checks.data());
    }
}
BENCHMARK(recordsRecheck)->Name("recordsRecheck/two_thousand_records")->Unit(benchmark::kMillisecond);

// The file written once; each iteration opens it in a fresh main window and
// shows the records window until its table is painted.
void recordsOpen(benchmark::State& state)
{
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("site.blowcount"));
    QFile file(path);
    if (!folder.isValid() || !file.open(QIODevice::WriteOnly)) {
        state.SkipWithError("no file");
        return;
    }
    file.write(QByteArray::fromStdString(calc::writePileFile(site(2000))));
    file.close();
    for (auto _ : state) {
        app::MainWindow main;
        if (!main.openFile(path)) state.SkipWithError("not opened");
        app::RecordsWindow* window = app::showRecordsWindow(main);
        auto* table = window->findChild<QTableView*>(QStringLiteral("recordstable"));
        table->viewport()->repaint();
        if (table->model()->rowCount() != 2000) state.SkipWithError("not 2000 rows");
        window->close();
    }
}
BENCHMARK(recordsOpen)->Name("recordsOpen/two_thousand_records")->Unit(benchmark::kMillisecond)->Iterations(5);

void recordEdit(benchmark::State& state)
{
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("site.blowcount"));
    QFile file(path);
    if (!folder.isValid() || !file.open(QIODevice::WriteOnly)) return state.SkipWithError("no file");
    file.write(QByteArray::fromStdString(calc::writePileFile(site(2000))));
    file.close();
    app::MainWindow main;
    main.openFile(path);
    app::RecordsWindow* window = app::showRecordsWindow(main);
    window->selectRecord(1000);
    auto* sets = window->findChild<QLineEdit*>(QStringLiteral("recordsets"));
    auto* table = window->findChild<QTableView*>(QStringLiteral("recordstable"));
    bool other = false;
    for (auto _ : state) {
        sets->setText(other ? QStringLiteral("2.4 1.9") : QStringLiteral("2.4 2.0"));
        other = !other;
        table->viewport()->repaint();
    }
}
BENCHMARK(recordEdit)->Name("recordEdit/one_of_two_thousand")->Unit(benchmark::kMillisecond);

}  // namespace
