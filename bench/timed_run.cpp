#include "bench/timed_run.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sstream>

extern char** environ;

namespace bench {

namespace {

long long nowNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

std::string readAll(int fd)
{
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<std::size_t>(n));
    return text;
}

}  // namespace

TimedRun runTimed(const std::string& program, int timeoutSeconds)
{
    TimedRun run;
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) {
        run.problem = "pipe failed";
        return run;
    }
    char errorPath[] = "/tmp/blowcount-bench-stderr-XXXXXX";
    const int err = mkostemp(errorPath, O_CLOEXEC);
    if (err < 0) {
        run.problem = "no temporary file";
        return run;
    }
    unlink(errorPath);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err, STDERR_FILENO);
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};

    pid_t pid = 0;
    const long long start = nowNs();
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        close(err);
        run.problem = "cannot start " + program;
        return run;
    }

    std::string output;
    bool timedOut = false;
    const long long deadline = start + static_cast<long long>(timeoutSeconds) * 1'000'000'000;
    for (;;) {
        pollfd p{out[0], POLLIN, 0};
        const long long left = (deadline - nowNs()) / 1'000'000;
        if (left <= 0) {
            timedOut = true;
            break;
        }
        if (poll(&p, 1, static_cast<int>(left)) <= 0) continue;
        char buffer[4096];
        const ssize_t n = read(out[0], buffer, sizeof buffer);
        if (n <= 0) break;
        output.append(buffer, static_cast<std::size_t>(n));
    }
    if (timedOut) kill(pid, SIGKILL);
    close(out[0]);

    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.wallMs = static_cast<double>(nowNs() - start) / 1e6;
    run.maxRssKiB = usage.ru_maxrss;

    std::istringstream lines(output);
    for (std::string text; std::getline(lines, text);) {
        std::istringstream line(text);
        std::string word, name;
        line >> word;
        if (word == "mark") {
            long long ns = 0, cpuNs = -1;
            line >> name >> ns >> cpuNs;
            run.marks[name] = static_cast<double>(ns - start) / 1e6;
            if (cpuNs >= 0) run.cpu[name] = static_cast<double>(cpuNs) / 1e6;
        } else if (!word.empty()) {
            long count = 0;
            line >> count;
            run.counts[word] = count;
        }
    }

    lseek(err, 0, SEEK_SET);
    const std::string errors = readAll(err);
    close(err);
    if (timedOut)
        run.problem = program + " did not end within " + std::to_string(timeoutSeconds) + " s";
    else if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        run.problem = program + " ended with status " + std::to_string(status);
    else
        run.ok = true;
    if (!run.ok && !errors.empty()) run.problem += "\n" + errors;
    return run;
}

}  // namespace bench
