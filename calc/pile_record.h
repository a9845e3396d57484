#pragma once
// A pile as driven on site, and the file's acceptance settings: texts exactly
// as typed (numbers with the file's decimal separator), as the tab fields are.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace calc {

struct PileRecord {
    std::string mark;      // the pile number: required, unique in the file
    std::string location;  // grid
    std::string date;      // YYYY-MM-DD or empty; kept as typed
    std::string hammer;    // t; empty: the acceptance tab's own W
    std::string drop;      // cm; empty: the acceptance tab's own h
    std::string depth;     // m: the toe below the ground
    std::vector<std::string> blows;  // blows per 30 cm, in driving order, the last 30 cm last
    std::vector<std::string> sets;   // sets of ten blows (cm), the last one last
    std::string inspector, remarks;

    bool operator==(const PileRecord&) const = default;
};

// The names of the acceptance formula: a tab's name ("hiley") or "strictest".
inline constexpr const char* kStrictest = "strictest";

struct AcceptanceSettings {
    std::string formula = kStrictest;  // "engineering-news", "hiley", "danish", "janbu" or "strictest"
    std::string setsRequired = "1";    // K, as typed: how many of the last sets must each meet the criterion
    std::string project;               // a text for the reports

    bool operator==(const AcceptanceSettings&) const = default;
};

// Whether `name` is one of the acceptance formula names.
bool isAcceptanceFormula(std::string_view name);

// The mark after `mark`: its last run of digits counted up, width kept
// ("P-012" → "P-013", "P-099" → "P-100"), or "-2" added when it ends in no
// digit; then counted on until it is none of `taken`.
std::string nextMark(const std::string& mark, const std::vector<std::string>& taken);

// The first mark that is empty or given twice, by record index; nothing when
// every record has its own.
struct MarkProblem {
    std::size_t index;
    bool duplicate;  // false: empty
};
std::optional<MarkProblem> markProblem(const std::vector<PileRecord>& records);

}  // namespace calc
