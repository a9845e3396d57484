// The driving records on paper: the summary of 1,000 records and their 1,000
// record sheets, checked, built and painted into one PDF each, as the window's
// "บันทึกเป็น PDF..." and the command line's --pdf and --sheets do.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "calc/record_check.h"
#include "report/page_painter.h"
#include "report/record_sheet_page.h"
#include "report/records_summary_page.h"

namespace {

// A site of `count` piles driven 14 to 24 m, 10 to 60 counts and up to four sets each.
calc::PileDocument site(std::size_t count)
{
    using Texts = std::vector<std::string>;
    calc::PileDocument d;
    d.tab(calc::Formula::EngineeringNews) = calc::PileTab{Texts{"30", "3", "100", "0.9", "4"}, {}};
    d.tab(calc::Formula::Hiley) = calc::PileTab{Texts{"12", "40", "5", "100", "5", "0.25", "0.8", "4", "30"}, {true, false, true, false}};
    d.tab(calc::Formula::Danish) = calc::PileTab{Texts{"30", "12", "40", "3", "100", "0.8", "5", "200"}, {false, true, false, true}};
    d.tab(calc::Formula::Janbu) = calc::PileTab{Texts{"30", "20", "30", "5", "80", "4", "200"}, {true, false, true, false}};
    d.acceptance.project = "อาคารสำนักงาน 8 ชั้น";
    for (std::size_t i = 0; i < count; ++i) {
        calc::PileRecord r;
        r.mark = "P-" + std::to_string(1001 + i);
        r.location = std::string(1, static_cast<char>('A' + i % 8)) + "/" + std::to_string(1 + i % 12);
        r.date = "2026-05-" + std::to_string(10 + i % 18);
        r.depth = std::to_string(14 + i % 11);
        for (std::size_t k = 0; k < 10 + i % 51; ++k) r.blows.push_back(std::to_string(8 + (k * 7 + i) % 70));
        for (std::size_t k = 0; k <= i % 4; ++k) r.sets.push_back(k % 2 ? "1.8" : "2.3");
        r.inspector = "นายสมชาย ใจดี";
        d.records.push_back(std::move(r));
    }
    return d;
}

void recordsPdf(benchmark::State& state, bool sheets)
{
    const calc::PileDocument document = site(1000);
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("records.pdf"));
    for (auto _ : state) {
        const std::vector<calc::RecordCheck> checks = calc::checkRecords(document);
        std::vector<report::Page> pages;
        if (sheets) {
            for (std::size_t i = 0; i < document.records.size(); ++i)
                pages.push_back(report::recordSheetPage(document, i, checks[i], "site"));
        } else {
            pages = report::recordsSummaryPages(document, checks, "site");
        }
        const bool written = report::writePdf(pages, path);
        if (!written) state.SkipWithError("the PDF could not be written");
        benchmark::DoNotOptimize(written);
    }
}

BENCHMARK_CAPTURE(recordsPdf, summary_of_1000, false)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK_CAPTURE(recordsPdf, sheets_of_1000, true)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
