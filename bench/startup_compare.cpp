// startup_compare: blowcount's start-up probe against the bare window (the
// floor), run alternately on whatever platform QT_QPA_PLATFORM names, after a
// few unmeasured runs of each.
//
//   startup_compare --probe PATH --floor PATH [--text-floor PATH]
//                   [--controls-floor PATH] [--candidate PATH] [--runs N] [--warmup N]
//                   [--platform LABEL] [--rows FILE]
//
// Prints the minimum, median and maximum of every figure, and writes the
// performance table's rows (ratios of medians, against their targets) into
// FILE. Three more programs may take their turn in every round, for
// comparison only: the text floor (a window with one label), the controls
// floor (Qt's own main window of the program's controls, with no program
// code), and a candidate probe built from a changed `app` to see what a
// change gains. Exits 1 when a
// run fails or misses a mark.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include "bench/statistics.h"
#include "bench/table_row.h"
#include "bench/timed_run.h"

namespace {

constexpr int kTimeoutSeconds = 60;
constexpr int kSplashTicks = 101;
constexpr double kStartupRatioTarget = 1.15;
constexpr double kMemoryRatioTarget = 1.25;
constexpr double kMainWindowTargetMs = 50;

struct Options {
    std::string probe, floor, textFloor, controlsFloor, candidate, platform = "this platform", rows;
    int runs = 30, warmup = 3;
};

// The processor time to the first frame (cpuMs) hardly depends on what else
// the machine is doing, unlike the time on the clock: it is listed beside it.
struct WindowSamples {  // a bare window, with or without its label
    std::vector<double> paintMs, cpuMs, rssMiB, wallMs;
};

struct ProbeSamples {
    std::vector<double> splashMs, cpuMs, rssMiB, afterTickMs, wallMs;
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
        else if (flag == "--controls-floor") o.controlsFloor = value;
        else if (flag == "--candidate") o.candidate = value;
        else if (flag == "--runs") o.runs = std::atoi(value);
        else if (flag == "--warmup") o.warmup = std::atoi(value);
        else if (flag == "--platform") o.platform = value;
        else if (flag == "--rows") o.rows = value;
        else fail("unknown option " + flag);
    }
    if (o.probe.empty() || o.floor.empty() || o.runs < 1 || o.warmup < 0)
        fail("usage: startup_compare --probe PATH --floor PATH [--text-floor PATH] [--controls-floor PATH] "
             "[--candidate PATH] [--runs N] [--warmup N] [--platform LABEL] [--rows FILE]");
    return o;
}

double mark(const bench::TimedRun& run, const char* name, const std::string& program)
{
    const auto found = run.marks.find(name);
    if (found == run.marks.end()) fail(program + " wrote no mark " + name);
    return found->second;
}

double cpu(const bench::TimedRun& run, const char* name, const std::string& program)
{
    const auto found = run.cpu.find(name);
    if (found == run.cpu.end()) fail(program + " wrote no processor time with mark " + name);
    return found->second;
}

double mebibytes(long kibibytes) { return static_cast<double>(kibibytes) / 1024.0; }

void runWindow(const std::string& program, WindowSamples* samples)
{
    if (program.empty()) return;
    const bench::TimedRun run = bench::runTimed(program, kTimeoutSeconds);
    if (!run.ok) fail(run.problem);
    const double painted = mark(run, "window-painted", program);
    if (!samples) return;
    samples->paintMs.push_back(painted);
    samples->cpuMs.push_back(cpu(run, "window-painted", program));
    samples->rssMiB.push_back(mebibytes(run.maxRssKiB));
    samples->wallMs.push_back(run.wallMs);
}

void runProbe(const std::string& program, ProbeSamples* samples)
{
    if (program.empty()) return;
    const bench::TimedRun run = bench::runTimed(program, kTimeoutSeconds);
    if (!run.ok) fail(run.problem);
    const double splash = mark(run, "splash-painted", program);
    const double afterTick = mark(run, "main-painted", program) - mark(run, "last-tick", program);
    const auto ticks = run.counts.find("ticks");
    if (ticks == run.counts.end() || ticks->second != kSplashTicks)
        fail(program + " did not open its main window on tick " + std::to_string(kSplashTicks));
    if (!samples) return;
    samples->splashMs.push_back(splash);
    samples->cpuMs.push_back(cpu(run, "splash-painted", program));
    samples->rssMiB.push_back(mebibytes(run.maxRssKiB));
    samples->afterTickMs.push_back(afterTick);
    samples->wallMs.push_back(run.wallMs);
}

void printSpread(const std::string& what, const std::vector<double>& v, const char* unit)
{
    if (v.empty()) return;
    std::printf("  %-52s min %9.2f  median %9.2f  max %9.2f %s\n", what.c_str(), bench::quantile(v, 0),
                bench::median(v), bench::quantile(v, 1), unit);
}

// "1.07 (105.3 ms ÷ 98.2 ms, medians of 30)"
std::string ratioText(double a, double b, const char* unit, int runs)
{
    return bench::fixed(a / b, 2) + " (" + bench::fixed(a, 1) + " " + unit + " ÷ " + bench::fixed(b, 1) + " " + unit +
           ", medians of " + std::to_string(runs) + ")";
}

std::vector<std::string> probeRows(const std::string& who, const ProbeSamples& p, const WindowSamples& floor,
                                   const Options& o, bool scored)
{
    const double splash = bench::median(p.splashMs), floorPaint = bench::median(floor.paintMs);
    const double rss = bench::median(p.rssMiB), floorRss = bench::median(floor.rssMiB);
    const double afterTick = bench::median(p.afterTickMs);
    const auto met = [scored](bool ok) { return scored ? std::string(ok ? "yes" : "**no**") : std::string("—"); };
    const std::string prefix = scored ? "" : "(for comparison) ";
    return {
        bench::tableRow(prefix + "start-up to first paint, " + o.platform + ": " + who + "'s splash ÷ bare window",
                        ratioText(splash, floorPaint, "ms", o.runs), "≤ " + bench::fixed(kStartupRatioTarget, 2),
                        met(splash / floorPaint <= kStartupRatioTarget)),
        bench::tableRow("(for comparison) processor time to first paint, " + o.platform + ": " + who +
                            "'s splash ÷ bare window",
                        ratioText(bench::median(p.cpuMs), bench::median(floor.cpuMs), "ms", o.runs), "—",
                        std::string("—")),
        bench::tableRow(prefix + "peak memory of a whole run, " + o.platform + ": " + who + " ÷ bare window",
                        ratioText(rss, floorRss, "MiB", o.runs), "≤ " + bench::fixed(kMemoryRatioTarget, 2),
                        met(rss / floorRss <= kMemoryRatioTarget)),
        bench::tableRow(prefix + "main window painted after the splash's last tick, " + o.platform + ": " + who,
                        bench::fixed(afterTick, 1) + " ms (median of " + std::to_string(o.runs) + ")",
                        "≤ " + bench::fixed(kMainWindowTargetMs, 0) + " ms", met(afterTick <= kMainWindowTargetMs)),
    };
}

}  // namespace

int main(int argc, char* argv[])
{
    const Options o = parse(argc, argv);

    for (int i = 0; i < o.warmup; ++i) {
        runWindow(o.floor, nullptr);
        runProbe(o.probe, nullptr);
        runWindow(o.textFloor, nullptr);
        runWindow(o.controlsFloor, nullptr);
        runProbe(o.candidate, nullptr);
    }
    WindowSamples floor, text, controls;
    ProbeSamples probe, candidate;
    for (int i = 0; i < o.runs; ++i) {
        // Alternate which goes first, so that neither always follows the other.
        if (i % 2 == 0) {
            runWindow(o.floor, &floor);
            runProbe(o.probe, &probe);
        } else {
            runProbe(o.probe, &probe);
            runWindow(o.floor, &floor);
        }
        runWindow(o.textFloor, &text);
        runWindow(o.controlsFloor, &controls);
        runProbe(o.candidate, &candidate);
    }

    std::printf("start-up, %s, %d runs of each after %d unmeasured:\n", o.platform.c_str(), o.runs, o.warmup);
    printSpread("bare window: start to first frame", floor.paintMs, "ms");
    printSpread("window with one label: start to first frame", text.paintMs, "ms");
    printSpread("window of the program's controls: start to first frame", controls.paintMs, "ms");
    printSpread("blowcount: start to the splash's first frame", probe.splashMs, "ms");
    printSpread("candidate: start to the splash's first frame", candidate.splashMs, "ms");
    printSpread("bare window: processor time to first frame", floor.cpuMs, "ms");
    printSpread("window with one label: processor time to first frame", text.cpuMs, "ms");
    printSpread("blowcount: processor time to the splash's first frame", probe.cpuMs, "ms");
    printSpread("candidate: processor time to the splash's first frame", candidate.cpuMs, "ms");
    printSpread("blowcount: last tick to the main window's frame", probe.afterTickMs, "ms");
    printSpread("candidate: last tick to the main window's frame", candidate.afterTickMs, "ms");
    printSpread("bare window: peak resident memory", floor.rssMiB, "MiB");
    printSpread("window with one label: peak resident memory", text.rssMiB, "MiB");
    printSpread("window of the program's controls: peak resident memory", controls.rssMiB, "MiB");
    printSpread("blowcount: peak resident memory", probe.rssMiB, "MiB");
    printSpread("candidate: peak resident memory", candidate.rssMiB, "MiB");
    printSpread("bare window: whole run", floor.wallMs, "ms");
    printSpread("blowcount: whole run", probe.wallMs, "ms");

    std::vector<std::string> rows = probeRows("blowcount", probe, floor, o, true);
    for (const auto& [name, window] : {std::pair{"window with one label", &text},
                                        std::pair{"window of the program's controls", &controls}}) {
        if (window->paintMs.empty()) continue;
        const std::string who = ": " + std::string(name) + " ÷ bare window";
        for (const auto& [figure, samples, unit] :
             {std::tuple{"start-up to first paint", &WindowSamples::paintMs, "ms"},
              std::tuple{"processor time to first paint", &WindowSamples::cpuMs, "ms"},
              std::tuple{"peak memory of a whole run", &WindowSamples::rssMiB, "MiB"}})
            rows.push_back(bench::tableRow(
                "(for comparison) " + std::string(figure) + ", " + o.platform + who,
                ratioText(bench::median((*window).*samples), bench::median(floor.*samples), unit, o.runs), "—",
                std::string("—")));
    }
    if (!candidate.splashMs.empty())
        for (const std::string& row : probeRows("candidate", candidate, floor, o, false)) rows.push_back(row);

    for (const std::string& row : rows) std::printf("%s\n", row.c_str());
    if (!o.rows.empty()) {
        std::ofstream out(o.rows);
        for (const std::string& row : rows) out << row << '\n';
        if (!out) fail("cannot write " + o.rows);
    }
    return 0;
}
