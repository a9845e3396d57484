#pragma once
// The invariant checks of the fuzz targets. A broken invariant prints what was
// expected and what came out, then aborts, so that libFuzzer keeps the input
// as a crash.
#include <functional>
#include <string>
#include <string_view>

namespace fuzz {

[[noreturn]] void fail(const char* file, int line, const char* condition, const std::string& detail);

// Describes the input that broke an invariant; only called when one breaks.
using Context = std::function<std::string()>;

// The text between double quotes, with every byte outside printable ASCII
// written as \xNN, so that a failure report shows exactly what was there.
std::string quoted(std::string_view text);

}  // namespace fuzz

// The detail is only formed when the condition does not hold.
#define FUZZ_REQUIRE(condition, detail)                                     \
    do {                                                                    \
        if (!(condition)) ::fuzz::fail(__FILE__, __LINE__, #condition, (detail)); \
    } while (0)
