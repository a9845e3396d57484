#include "calc/pile_record.h"

#include <algorithm>
#include <unordered_set>

#include "calc/formula_names.h"

namespace calc {

bool isAcceptanceFormula(std::string_view name)
{
    return name == kStrictest || findFormula(name) != nullptr;
}

namespace {

// The mark with its last run of digits counted up by one.
std::string countedUp(const std::string& mark)
{
    std::size_t end = mark.size();
    while (end > 0 && !(mark[end - 1] >= '0' && mark[end - 1] <= '9')) --end;
    if (end == 0) return mark + "-2";
    std::string out = mark;
    std::size_t i = end;
    while (i > 0 && out[i - 1] >= '0' && out[i - 1] <= '9') {
        if (out[i - 1] != '9') {
            ++out[i - 1];
            return out;
        }
        out[i - 1] = '0';
        --i;
    }
    out.insert(i, "1");  // 99 → 100
    return out;
}

}  // namespace

std::string nextMark(const std::string& mark, const std::vector<std::string>& taken)
{
    std::string next = countedUp(mark);
    while (std::ranges::find(taken, next) != taken.end()) next = countedUp(next);
    return next;
}

std::optional<MarkProblem> markProblem(const std::vector<PileRecord>& records)
{
    std::unordered_set<std::string_view> seen;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (records[i].mark.empty()) return MarkProblem{i, false};
        if (!seen.insert(records[i].mark).second) return MarkProblem{i, true};
    }
    return std::nullopt;
}

}  // namespace calc
