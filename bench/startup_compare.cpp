// startup_compare: blowcount's start-up probe against the bare window (the
// floor), run alternately on whatever platform QT_QPA_PLATFORM names, after a
// few unmeasured runs of each.
//
//   startup_compare --probe PATH --floor PATH [--text-floor PATH] [--runs N]
//                   [--warmup N] [--platform LABEL] [--rows FILE]
//
// Prints the minimum, median and maximum of every figure, and writes the
// performance table's rows (ratios of medians, against their targets) into
// FILE. The text floor, when given, takes its turn in every round and is
// compared with the bare window too, for information. Exits 1 when a run
// fails or misses a mark.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "bench/statistics.h"
#include "bench/table_row.h"
#include "bench/timed_run.h"

namespace {

constexpr int kTimeoutSeconds = 60;
constexpr int kSplashTicks = 101;
constexpr double kStartupRatioTarget = 1.2;
constexpr double kMemoryRatioTarget = 1.3;
constexpr double kMainWindowTargetMs = 50;

struct Options {
    std::string probe, floor, textFloor, platform = "this platform", rows;
    int runs = 30, warmup = 3;
};

struct Samples {
    std::vector<double> floorPaintMs, floorRssMiB, floorWallMs;
    std::vector<double> textPaintMs, textRssMiB;
    std::vector<double> splashPaintMs, probeRssMiB, mainAfterTickMs, probeWallMs;
};

[[noreturn]] void fail(const std::string& message)
{
    std::fprintf(stderr, "startup_compare: %s\n", message.c_str());
    std::exit(1);
}

Options parse(int argc, char* argv[])
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string flag = argv[i];
        if (i + 1 >= argc) fail("missing value after " + flag);
        const char* value = argv[++i];
        if (flag == "--probe") o.probe = value;
        else if (flag == "--floor") o.floor = value;
        else if (flag == "--text-floor") o.textFloor = value;
        else if (flag == "--runs") o.runs = std::atoi(value);
        else if (flag == "--warmup") o.warmup = std::atoi(value);
        else if (flag == "--platform") o.platform = value;
        else if (flag == "--rows") o.rows = value;
        else fail("unknown option " + flag);
    }
    if (o.probe.empty() || o.floor.empty() || o.runs < 1 || o.warmup < 0)
        fail("usage: startup_compare --probe PATH --floor PATH [--runs N] [--warmup N] [--platform LABEL] [--rows FILE]");
    return o;
}

double mark(const bench::TimedRun& run, const char* name, const std::string& program)
{
    const auto found = run.marks.find(name);
    if (found == run.marks.end()) fail(program + " wrote no mark " + name);
    return found->second;
}

void runFloor(const Options& o, Samples* samples)
{
    const bench::TimedRun run = bench::runTimed(o.floor, kTimeoutSeconds);
    if (!run.ok) fail(run.problem);
    const double painted = mark(run, "window-painted", o.floor);
    if (!samples) return;
    samples->floorPaintMs.push_back(painted);
    samples->floorRssMiB.push_back(static_cast<double>(run.maxRssKiB) / 1024.0);
    samples->floorWallMs.push_back(run.wallMs);
}

void runTextFloor(const Options& o, Samples* samples)
{
    if (o.textFloor.empty()) return;
    const bench::TimedRun run = bench::runTimed(o.textFloor, kTimeoutSeconds);
    if (!run.ok) fail(run.problem);
    const double painted = mark(run, "window-painted", o.textFloor);
    if (!samples) return;
    samples->textPaintMs.push_back(painted);
    samples->textRssMiB.push_back(static_cast<double>(run.maxRssKiB) / 1024.0);
}

void runProbe(const Options& o, Samples* samples)
{
    const bench::TimedRun run = bench::runTimed(o.probe, kTimeoutSeconds);
    if (!run.ok) fail(run.problem);
    const double splash = mark(run, "splash-painted", o.probe);
    const double afterTick = mark(run, "main-painted", o.probe) - mark(run, "last-tick", o.probe);
    const auto ticks = run.counts.find("ticks");
    if (ticks == run.counts.end() || ticks->second != kSplashTicks)
        fail(o.probe + " did not open its main window on tick " + std::to_string(kSplashTicks));
    if (!samples) return;
    samples->splashPaintMs.push_back(splash);
    samples->probeRssMiB.push_back(static_cast<double>(run.maxRssKiB) / 1024.0);
    samples->mainAfterTickMs.push_back(afterTick);
    samples->probeWallMs.push_back(run.wallMs);
}

void printSpread(const char* what, const std::vector<double>& v, const char* unit)
{
    std::printf("  %-44s min %9.2f  median %9.2f  max %9.2f %s\n", what, bench::quantile(v, 0), bench::median(v),
                bench::quantile(v, 1), unit);
}

}  // namespace

int main(int argc, char* argv[])
{
    const Options o = parse(argc, argv);

    for (int i = 0; i < o.warmup; ++i) {
        runFloor(o, nullptr);
        runTextFloor(o, nullptr);
        runProbe(o, nullptr);
    }
    Samples s;
    for (int i = 0; i < o.runs; ++i) {
        // Alternate which goes first, so that neither always follows the other.
        if (i % 2 == 0) {
            runFloor(o, &s);
            runProbe(o, &s);
        } else {
            runProbe(o, &s);
            runFloor(o, &s);
        }
        runTextFloor(o, &s);
    }

    const double floorPaint = bench::median(s.floorPaintMs), splashPaint = bench::median(s.splashPaintMs);
    const double floorRss = bench::median(s.floorRssMiB), probeRss = bench::median(s.probeRssMiB);
    const double afterTick = bench::median(s.mainAfterTickMs);

    std::printf("start-up, %s, %d runs of each after %d unmeasured:\n", o.platform.c_str(), o.runs, o.warmup);
    printSpread("bare window: start to first frame", s.floorPaintMs, "ms");
    printSpread("blowcount: start to the splash's first frame", s.splashPaintMs, "ms");
    printSpread("blowcount: last tick to main window's frame", s.mainAfterTickMs, "ms");
    if (!s.textPaintMs.empty())
        printSpread("window with one label: start to first frame", s.textPaintMs, "ms");
    printSpread("bare window: peak resident memory", s.floorRssMiB, "MiB");
    printSpread("blowcount: peak resident memory", s.probeRssMiB, "MiB");
    if (!s.textRssMiB.empty()) printSpread("window with one label: peak resident memory", s.textRssMiB, "MiB");
    printSpread("bare window: whole run", s.floorWallMs, "ms");
    printSpread("blowcount: whole run", s.probeWallMs, "ms");

    const std::string medians = ", medians of " + std::to_string(o.runs) + ")";
    std::vector<std::string> rows = {
        bench::tableRow("start-up to first paint, " + o.platform + ": blowcount's splash ÷ bare window",
                        bench::fixed(splashPaint / floorPaint, 2) + " (" + bench::fixed(splashPaint, 1) + " ms ÷ " +
                            bench::fixed(floorPaint, 1) + " ms" + medians,
                        "≤ " + bench::fixed(kStartupRatioTarget, 1), splashPaint / floorPaint <= kStartupRatioTarget),
        bench::tableRow("peak memory of a whole run, " + o.platform + ": blowcount ÷ bare window",
                        bench::fixed(probeRss / floorRss, 2) + " (" + bench::fixed(probeRss, 1) + " MiB ÷ " +
                            bench::fixed(floorRss, 1) + " MiB" + medians,
                        "≤ " + bench::fixed(kMemoryRatioTarget, 1), probeRss / floorRss <= kMemoryRatioTarget),
        bench::tableRow("main window painted after the splash's last tick, " + o.platform,
                        bench::fixed(afterTick, 1) + " ms (median of " + std::to_string(o.runs) + ")",
                        "≤ " + bench::fixed(kMainWindowTargetMs, 0) + " ms", afterTick <= kMainWindowTargetMs),
    };
    if (!s.textPaintMs.empty()) {
        const double textPaint = bench::median(s.textPaintMs), textRss = bench::median(s.textRssMiB);
        rows.push_back(bench::tableRow(
            "(for comparison) start-up to first paint, " + o.platform + ": window with one label ÷ bare window",
            bench::fixed(textPaint / floorPaint, 2) + " (" + bench::fixed(textPaint, 1) + " ms ÷ " +
                bench::fixed(floorPaint, 1) + " ms" + medians,
            "—", std::string("—")));
        rows.push_back(bench::tableRow(
            "(for comparison) peak memory, " + o.platform + ": window with one label ÷ bare window",
            bench::fixed(textRss / floorRss, 2) + " (" + bench::fixed(textRss, 1) + " MiB ÷ " +
                bench::fixed(floorRss, 1) + " MiB" + medians,
            "—", std::string("—")));
    }
    for (const std::string& row : rows) std::printf("%s\n", row.c_str());
    if (!o.rows.empty()) {
        std::ofstream out(o.rows);
        for (const std::string& row : rows) out << row << '\n';
        if (!out) fail("cannot write " + o.rows);
    }
    return 0;
}
