#pragma once
// PLACEHOLDER until the records branch is merged.
#include <string>
#include <vector>
namespace calc {
struct PileRecord {
    std::string mark, location, date, hammer, drop, depth;
    std::vector<std::string> blows, sets;
    std::string inspector, remarks;
    bool operator==(const PileRecord&) const = default;
};
}  // namespace calc
