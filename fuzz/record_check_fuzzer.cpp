// The record check over random records and tabs. The first byte picks the
// decimal separator (bit 0: "," instead of "."), the acceptance formula
// (bits 1 to 3, modulo the five names: the four tabs, then "strictest") and
// the slower cross-checks (bit 4: the first record's criterion also through
// the driving chart; bit 5: the last record also by a fresh checker). The
// tabs start as the worked examples (the Hiley, Danish and Janbu tabs with a
// square reinforced pile); the rest is lines:
//
//   K                              the first line: the sets required, as typed
//   T<f><i>text                    field i (a byte, modulo the tab's count) of tab f (modulo 4)
//   B<f>abcd                       the boxes of tab f (modulo 3: Hiley, Danish, Janbu),
//                                  RC, prestressed, square, round; an odd byte ticks
//   R hammer|drop|depth|blows|sets a record, blows and sets split at ";"
//
// The rule the verdict must follow, worked out from the chart and the check:
//   - a record whose hammer, drop or depth is given and is not a number,
//     a blow count that is not a whole number or a set that is not a number
//     (the fields' strict number rule), or a sets-required K that is not a
//     whole number from 1, is "bad-input": a message and no criterion, no
//     verdict;
//   - otherwise each acceptance tab is one driving-chart cell, the tab with
//     W and h holding the record's hammer and drop (the tab's own when
//     empty); the criterion is the cell of the most blows per 30 cm (as
//     shown; the first on a tie) among the tabs whose calculation with those
//     texts ends without a message (calculateTab's Ok), its S, ten-blow set
//     and blows the numbers of that calculation's last three result lines;
//     with none it is "no-criterion" with a message (with bit 4, the one-row
//     driving chart of each tab is built for the first record and must agree);
//   - with at least K sets: "meets" exactly when each of the last K sets is
//     at or under the criterion's ten-blow set as shown (the value it was
//     written from when shown in the E form), else "fails";
//     with fewer sets and a blow count: "meets" exactly when the last count is
//     at or over the criterion's blows per 30 cm as shown; with neither:
//     "incomplete";
//   - "refusal" exactly when the last set is 0; "overdriven" exactly when the
//     last count is over twice the criterion's blows per 30 cm; a proven load
//     or the reason for none exactly when the last set is above 0.
// Also: no text the check produces (cells, criterion, capacity, messages,
// the total depth) says "inf" or "nan" or is broken UTF-8; the counts add up
// to the records; with bit 5, a checker that remembers criteria decides the
// last record as a fresh one.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/driving_chart.h"
#include "calc/formula_names.h"
#include "calc/numbers.h"
#include "calc/record_check.h"
#include "calculation_script.h"
#include "check.h"
#include "text_checks.h"

namespace {

constexpr std::size_t kMaxRecords = 8;

using calc::Formula;
using calc::RecordStatus;

const std::vector<std::string>& workedTexts(Formula formula)
{
    static const std::vector<std::string> texts[] = {
        {"30", "3", "100", "0.9", "4"},
        {"12", "40", "5", "100", "5", "0.25", "0.8", "4", "30"},
        {"30", "12", "40", "3", "100", "0.8", "5", "200"},
        {"30", "20", "30", "5", "80", "4", "200"},
    };
    return texts[static_cast<std::size_t>(formula)];
}

void requireText(const std::string& text, const std::string& what, const fuzz::Context& context)
{
    FUZZ_REQUIRE(!fuzz::mentionsInfOrNan(text) && fuzz::isValidUtf8(text),
                 what + " " + fuzz::quoted(text) + " for " + context());
}

calc::PileRecord recordOf(std::string_view line, std::size_t n)
{
    std::vector<std::string> p;
    for (std::size_t bar; p.size() < 4 && (bar = line.find('|')) != std::string_view::npos; line.remove_prefix(bar + 1))
        p.emplace_back(line.substr(0, bar));
    p.emplace_back(line);
    p.resize(5);
    calc::PileRecord r;
    r.mark = "P-" + std::to_string(n);
    r.hammer = p[0];
    r.drop = p[1];
    r.depth = p[2];
    r.blows = fuzz::semicolonList(p[3]);
    r.sets = fuzz::semicolonList(p[4]);
    return r;
}

calc::PileDocument documentOf(std::string_view text, unsigned char flags)
{
    static const char* names[] = {"engineering-news", "hiley", "danish", "janbu", calc::kStrictest};
    calc::PileDocument d;
    d.decimalSeparator = (flags & 1) ? "," : ".";
    for (const calc::FormulaInfo& info : calc::formulas()) {
        calc::PileTab& tab = d.tab(info.formula);
        for (const std::string& t : workedTexts(info.formula))
            tab.texts.push_back(calc::replaceAll(t, ".", d.decimalSeparator));
        if (info.hasPileBoxes) tab.boxes = calc::PileBoxes{true, false, true, false};
    }
    d.acceptance.formula = names[((flags >> 1) & 7) % 5];
    d.acceptanceGiven = true;
    const std::vector<std::string_view> lines = fuzz::splitLines(text);
    if (!lines.empty()) d.acceptance.setsRequired = std::string(lines.front());
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const auto byte = [&](std::size_t k) { return k < line.size() ? static_cast<unsigned char>(line[k]) : 0; };
        if (line.starts_with('T')) {
            std::vector<std::string>& texts = d.tabs[byte(1) % 4].texts;
            texts[byte(2) % texts.size()] = std::string(line.substr(std::min<std::size_t>(line.size(), 3)));
        } else if (line.starts_with('B')) {
            d.tabs[1 + byte(1) % 3].boxes = fuzz::boxesOf(line.substr(std::min<std::size_t>(line.size(), 2)));
        } else if (line.starts_with('R') && d.records.size() < kMaxRecords) {
            d.records.push_back(recordOf(line.substr(1), d.records.size() + 1));
        }
    }
    return d;
}

bool isNumber(const std::string& text, std::string_view sep) { return calc::textToNumber(text, sep).has_value(); }
float valueOf(const std::string& text, std::string_view sep) { return *calc::textToNumber(text, sep); }

// Whether the record's numbers, and K, are readable as the check needs them.
bool readable(const calc::PileRecord& r, const calc::PileDocument& d)
{
    const std::string& sep = d.decimalSeparator;
    for (const std::string* t : {&r.hammer, &r.drop, &r.depth})
        if (!t->empty() && !isNumber(*t, sep)) return false;
    for (const std::string& b : r.blows)
        if (!isNumber(b, sep) || std::floor(valueOf(b, sep)) != valueOf(b, sep)) return false;
    for (const std::string& s : r.sets)
        if (!isNumber(s, sep)) return false;
    const std::optional<float> k = calc::textToNumber(d.acceptance.setsRequired, sep);
    return k && *k >= 1 && std::floor(*k) == *k;
}

// The number of a result line: between its last two double blanks.
std::string numberOfLine(const std::string& line)
{
    const std::size_t last = line.rfind("  ");
    const std::size_t before = last == std::string::npos || last == 0 ? std::string::npos : line.rfind("  ", last - 1);
    return before == std::string::npos ? std::string() : line.substr(before + 2, last - before - 2);
}

// One acceptance tab calculated with the record's hammer and drop.
struct TabCriterion {
    Formula formula = Formula::EngineeringNews;
    std::string W, S, set10, blows30;
    std::optional<float> blows;  // blows30 as shown, when in plain notation
};

// The tabs whose calculation with the record's hammer and drop ends without a
// message, by calculateTab; with `withChart`, each also as the one-row
// driving chart the check uses, which must agree.
std::vector<TabCriterion> tabCriteria(const calc::PileRecord& r, const calc::PileDocument& d, bool withChart,
                                      const fuzz::Context& context)
{
    std::vector<TabCriterion> out;
    for (const calc::FormulaInfo& info : calc::formulas()) {
        if (d.acceptance.formula != calc::kStrictest && d.acceptance.formula != info.name) continue;
        const calc::TabInputs tab = d.inputs(info.formula);
        const auto h = static_cast<std::size_t>(*calc::fieldIndex(info, "h"));
        const auto w = static_cast<std::size_t>(*calc::fieldIndex(info, "W"));
        calc::TabInputs typed = tab;
        if (!r.drop.empty()) typed.texts[h] = r.drop;
        if (!r.hammer.empty()) typed.texts[w] = r.hammer;
        const calc::TabOutcome outcome = calc::calculateTab(typed);
        const bool ok = outcome.kind == calc::OutcomeKind::Ok;
        TabCriterion c{info.formula, typed.texts[w], {}, {}, {}, {}};
        if (ok) {
            const std::vector<std::string>& lines = *outcome.results;
            const std::size_t n = lines.size();
            FUZZ_REQUIRE(n >= 3, "too few result lines for " + context());
            c.S = numberOfLine(lines[n - 3]);
            c.set10 = numberOfLine(lines[n - 2]);
            c.blows30 = numberOfLine(lines[n - 1]);
            const bool negative = c.blows30.starts_with('-');
            c.blows = calc::textToNumber(std::string_view(c.blows30).substr(negative ? 1 : 0), d.decimalSeparator);
            if (c.blows && negative) c.blows = -*c.blows;
            out.push_back(c);
        }
        if (!withChart) continue;
        calc::ChartRequest request{{tab}, {typed.texts[h]}, {}};
        if (!r.hammer.empty()) request.hammers = {r.hammer};
        const calc::DrivingChart chart = calc::buildDrivingChart(request);
        const calc::ChartRow& row = chart.rows.front();
        FUZZ_REQUIRE(row.governing.has_value() == ok,
                     std::string("the chart and the calculation disagree on ") + info.name + " for " + context());
        if (!ok) continue;
        const calc::ChartCell& cell = row.cells[*row.governing];
        FUZZ_REQUIRE(cell.S == c.S && cell.set10 == c.set10 && cell.blows30 == c.blows30 && cell.W == c.W,
                     "chart cell " + cell.set10 + " / " + cell.blows30 + " not the calculation's " + c.set10 + " / "
                         + c.blows30 + " for " + context());
    }
    return out;
}

void checkRecord(const calc::PileRecord& r, const calc::RecordCheck& c, const calc::PileDocument& d, bool withChart,
                 const fuzz::Context& context)
{
    const std::string& sep = d.decimalSeparator;
    const std::vector<std::string> cells = calc::recordCells(r, c);
    FUZZ_REQUIRE(cells.size() == calc::kRecordColumnCount, context());
    for (const std::size_t i : {calc::kCriterionSetColumn, calc::kCriterionBlowsColumn, calc::kSafeLoadColumn,
                                calc::kStatusColumn, calc::kFlagsColumn})
        requireText(cells[i], "cell " + std::to_string(i), context);
    for (const std::optional<std::string>* t : {&c.message, &c.capacityMessage})
        if (*t) requireText(**t, "message", context);
    if (c.capacity)
        for (const std::string* t : {&c.capacity->S, &c.capacity->Qu, &c.capacity->safeLoad, &c.capacity->required,
                                     &c.capacity->verdict, &c.capacity->shownS})
            requireText(*t, "capacity", context);

    if (!readable(r, d)) {
        FUZZ_REQUIRE(c.status == RecordStatus::BadInput && c.message && !c.criterion && c.flags.empty()
                         && !c.capacity,
                     "unreadable numbers given a verdict: " + std::string(calc::statusName(c.status)) + " for "
                         + context());
        return;
    }
    const std::vector<TabCriterion> tabs = tabCriteria(r, d, withChart, context);
    if (tabs.empty()) {
        FUZZ_REQUIRE(c.status == RecordStatus::NoCriterion && c.message && !c.criterion,
                     std::string(calc::statusName(c.status)) + " without a criterion for " + context());
        return;
    }
    FUZZ_REQUIRE(c.criterion, std::string(calc::statusName(c.status)) + " without a criterion for " + context());
    const calc::RecordCriterion& k = *c.criterion;
    // The governing tab: the most blows per 30 cm as shown, the first on a
    // tie; when one is written in the E form, the one the check names.
    const TabCriterion* e = nullptr;
    bool plain = true;
    for (const TabCriterion& t : tabs) plain = plain && t.blows;
    for (const TabCriterion& t : tabs)
        if (plain ? (!e || *t.blows > *e->blows) : t.formula == k.formula) e = &t;
    FUZZ_REQUIRE(e && k.formula == e->formula && k.set10 == e->set10 && k.blows30 == e->blows30 && k.S == e->S
                     && k.W == e->W,
                 "criterion " + k.set10 + " / " + k.blows30 + " not the calculation's for " + context());
    for (const std::string* t : {&k.S, &k.set10, &k.blows30}) requireText(*t, "criterion", context);
    const std::optional<float> shownSet = calc::textToNumber(k.set10, sep);
    FUZZ_REQUIRE(std::isfinite(k.set10Value) && std::isfinite(k.blows30Value)
                     && (!shownSet || k.set10Value == *shownSet) && (!e->blows || k.blows30Value == *e->blows),
                 "criterion values for " + context());
    const float set10 = k.set10Value;
    const float blows30 = k.blows30Value;

    const std::size_t K = static_cast<std::size_t>(
        std::min(valueOf(d.acceptance.setsRequired, sep), static_cast<float>(r.sets.size() + 1)));
    RecordStatus expected = RecordStatus::Incomplete;
    if (r.sets.size() >= K) {
        expected = RecordStatus::Meets;
        for (std::size_t i = r.sets.size() - K; i < r.sets.size(); ++i)
            if (!(valueOf(r.sets[i], sep) <= set10)) expected = RecordStatus::Fails;
    } else if (!r.blows.empty()) {
        expected = valueOf(r.blows.back(), sep) >= blows30 ? RecordStatus::Meets : RecordStatus::Fails;
    }
    FUZZ_REQUIRE(c.status == expected, std::string(calc::statusName(c.status)) + " instead of "
                                           + calc::statusName(expected) + " against " + k.set10 + " / " + k.blows30
                                           + " for " + context());

    const bool refusal = !r.sets.empty() && valueOf(r.sets.back(), sep) == 0;
    const bool overdriven = !r.blows.empty() && valueOf(r.blows.back(), sep) > 2 * blows30;
    std::vector<calc::RecordFlag> flags;
    if (refusal) flags.push_back(calc::RecordFlag::Refusal);
    if (overdriven) flags.push_back(calc::RecordFlag::Overdriven);
    FUZZ_REQUIRE(c.flags == flags, "flags for " + context());
    const bool proven = !r.sets.empty() && valueOf(r.sets.back(), sep) > 0;
    FUZZ_REQUIRE(proven == (c.capacity.has_value() || c.capacityMessage.has_value())
                     && !(c.capacity && c.capacityMessage),
                 "proven load for " + context());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const calc::PileDocument d = documentOf(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1), data[0]);
    const std::vector<calc::RecordCheck> checks = calc::checkRecords(d);
    FUZZ_REQUIRE(checks.size() == d.records.size(), "one check a record");
    for (std::size_t i = 0; i < checks.size(); ++i) {
        const fuzz::Context context = [&] {
            const calc::PileRecord& r = d.records[i];
            std::string s = "record " + std::to_string(i + 1) + " " + fuzz::quoted(r.hammer) + "|" + fuzz::quoted(r.drop)
                            + "|" + fuzz::quoted(r.depth) + " blows";
            for (const std::string& b : r.blows) s += " " + fuzz::quoted(b);
            s += " sets";
            for (const std::string& t : r.sets) s += " " + fuzz::quoted(t);
            return s + " K " + fuzz::quoted(d.acceptance.setsRequired) + " formula " + d.acceptance.formula;
        };
        checkRecord(d.records[i], checks[i], d, i == 0 && (data[0] & 16), context);
        if (i + 1 < checks.size() || !(data[0] & 32)) continue;
        // Remembered criteria decide as a fresh checker does (the last record,
        // which is the likeliest to have met its hammer and drop before).
        const calc::RecordCheck fresh = calc::RecordChecker(d).check(d.records[i]);
        FUZZ_REQUIRE(fresh.status == checks[i].status && fresh.criterion.has_value() == checks[i].criterion.has_value()
                         && (!fresh.criterion || fresh.criterion->set10 == checks[i].criterion->set10),
                     "a remembered criterion decides otherwise for " + context());
    }
    const calc::RecordCounts counts = calc::countRecords(checks, d.decimalSeparator);
    FUZZ_REQUIRE(counts.records == checks.size()
                     && counts.meets + counts.fails + counts.incomplete + counts.noCriterion + counts.badInput
                            == counts.records,
                 "counts that do not add up");
    for (const RecordStatus s : {RecordStatus::Meets, RecordStatus::Fails, RecordStatus::Incomplete,
                                 RecordStatus::NoCriterion, RecordStatus::BadInput}) {
        std::size_t n = 0;
        for (const calc::RecordCheck& c : checks) n += c.status == s;
        const std::size_t counted = s == RecordStatus::Meets        ? counts.meets
                                    : s == RecordStatus::Fails      ? counts.fails
                                    : s == RecordStatus::Incomplete ? counts.incomplete
                                    : s == RecordStatus::NoCriterion ? counts.noCriterion
                                                                     : counts.badInput;
        FUZZ_REQUIRE(n == counted, std::string("the count of ") + calc::statusName(s));
    }
    FUZZ_REQUIRE(!fuzz::mentionsInfOrNan(counts.totalDepth) && !counts.totalDepth.empty(),
                 "total depth " + fuzz::quoted(counts.totalDepth));
    return 0;
}
