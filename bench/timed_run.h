#pragma once
// One run of a program, timed from just before it is started: the marks it
// writes on standard output ("mark NAME NS CPU_NS": the moment on
// CLOCK_MONOTONIC and the processor time it had used), its exit and its peak
// resident memory.
#include <map>
#include <optional>
#include <string>

namespace bench {

struct TimedRun {
    bool ok = false;                      // exited with status 0 within the time allowed
    std::string problem;                  // why not, with the program's error output
    std::map<std::string, double> marks;  // ms after the start, by mark name
    std::map<std::string, double> cpu;    // processor ms the program had used at each mark
    std::map<std::string, long> counts;   // other "NAME N" lines
    double wallMs = 0;                    // start to exit
    long maxRssKiB = 0;                   // peak resident set of the whole run
};

TimedRun runTimed(const std::string& program, int timeoutSeconds);

}  // namespace bench
