#pragma once
// Runs a program with arguments and extra environment variables, and
// collects what it writes and how it exits.
#include <map>
#include <string>
#include <vector>

namespace testing_support {

struct ProcessResult {
    int exitCode = -1;  // -1 when it did not exit normally
    std::string out;
    std::string err;
};

ProcessResult runProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::map<std::string, std::string>& environment = {});

}  // namespace testing_support
