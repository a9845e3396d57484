#include "calc/capacity.h"

#include <cmath>
#include <limits>
#include <utility>

#include "calc/danish.h"
#include "calc/engineering_news.h"
#include "calc/formula_names.h"
#include "calc/hiley.h"
#include "calc/janbu.h"
#include "calc/messages.h"
#include "calc/numbers.h"

namespace calc {

namespace {

constexpr float kUnset = std::numeric_limits<float>::quiet_NaN();

template <typename State>
CapacityBasis common(Formula formula, const State& s)
{
    CapacityBasis b;
    b.formula = formula;
    b.W = s.W;
    b.h = s.h;
    b.FS = s.FS;
    b.Qa = s.Qa;
    return b;
}

CapacityBasis basisOf(const EngineeringNewsState& s)
{
    CapacityBasis b = common(Formula::EngineeringNews, s);
    b.C = s.C;
    return b;
}

CapacityBasis basisOf(const HileyState& s)
{
    CapacityBasis b = common(Formula::Hiley, s);
    b.A = s.A;
    b.L = s.L;
    b.L2 = s.L2;
    b.Z = s.Z;
    b.e = s.e;
    return b;
}

CapacityBasis basisOf(const DanishState& s)
{
    CapacityBasis b = common(Formula::Danish, s);
    b.A = s.A;
    b.L = s.L;
    b.e = s.e;
    b.E = s.E;
    return b;
}

CapacityBasis basisOf(const JanbuState& s)
{
    CapacityBasis b = common(Formula::Janbu, s);
    b.A = s.A;
    b.L = s.L;
    b.E = s.E;
    b.Cd = s.Cd;
    return b;
}

bool finite(const CapacityBasis& b)
{
    for (double v : {b.W, b.h, b.FS, static_cast<double>(b.Qa), b.C, b.A, b.L, b.L2, b.Z, b.e, b.E, b.Cd})
        if (!std::isfinite(v)) return false;
    return true;
}

// The outcome kinds that end before the formula: the tab's own checks.
bool refusedByChecks(OutcomeKind kind)
{
    return kind == OutcomeKind::Incomplete || kind == OutcomeKind::NotANumber || kind == OutcomeKind::NotPositive
           || kind == OutcomeKind::DropTooHigh;
}

template <typename Inputs, typename State>
CapacityCheck tabCheck(const TabInputs& tab, Outcome<State> (*calculator)(const Inputs&, const State&), State start)
{
    // From `start`: a tab state whose derived values are not numbers, so
    // that a value the calculation did not store stays one.
    const Outcome<State> outcome = calculator(calculatorInputs<Inputs>(tab), start);
    CapacityCheck check;
    check.tab = tabOutcome(outcome);
    if (refusedByChecks(outcome.kind)) {
        check.message = outcome.message;
        check.tabRefused = true;
        return check;
    }
    if (const CapacityBasis basis = basisOf(outcome.state); finite(basis)) check.basis = basis;
    return check;
}

CapacityCheck tabCheck(const TabInputs& tab)
{
    switch (tab.formula) {
    case Formula::EngineeringNews: return tabCheck(tab, &CalculateEngineeringNews, EngineeringNewsState{});
    case Formula::Hiley: {
        HileyState start;
        start.A = start.e = kUnset;
        return tabCheck(tab, &CalculateHiley, start);
    }
    case Formula::Danish: {
        DanishState start;
        start.A = kUnset;
        return tabCheck(tab, &CalculateDanish, start);
    }
    case Formula::Janbu: {
        JanbuState start;
        start.A = start.Cd = kUnset;
        return tabCheck(tab, &CalculateJanbu, start);
    }
    }
    return {};
}

}  // namespace

std::optional<double> recordSet(RecordForm form, std::string_view value, std::string_view decimalSeparator)
{
    const std::optional<float> number = textToNumber(value, decimalSeparator);
    if (!number || *number <= 0) return std::nullopt;
    const double read = *number;
    return form == RecordForm::TenBlowSet ? read / 10 : 30 / read;
}

double ultimateLoad(const CapacityBasis& b, double S)
{
    switch (b.formula) {
    case Formula::EngineeringNews: return b.W * b.h / (S + 2.54 * b.C);
    case Formula::Hiley: {
        // C = k·Qu in Qu·(S + C/2) = Z·e·W·h. The root (√(S² + 2·k·Z·e·W·h) − S) / k
        // is written as 2·Z·e·W·h / (S + √(S² + 2·k·Z·e·W·h)), the same value
        // without the cancellation of two close numbers when k is small.
        const double k = (b.L2 / 100 * 1.8 + b.L * 0.72 + 3.6) / b.A;
        const double energy = b.Z * b.e * b.W * b.h;
        return 2 * energy / (S + std::sqrt(S * S + 2 * k * energy));
    }
    case Formula::Danish: {
        const double energy = b.e * b.W * b.h;
        return energy / (S + 10 * std::sqrt(energy * b.L / (2 * b.A * b.E)));
    }
    case Formula::Janbu: {
        const double Ld = b.W * b.h * (100 * b.L) / (b.A * b.E * S * S);
        const double Ku = b.Cd * (1 + std::sqrt(1 + Ld / b.Cd));
        return b.W * b.h / (Ku * S);
    }
    }
    return std::numeric_limits<double>::quiet_NaN();
}

std::optional<Capacity> capacityAt(const CapacityBasis& basis, double S)
{
    Capacity c;
    c.S = S;
    c.Qu = ultimateLoad(basis, S);
    c.safeLoad = c.Qu / basis.FS;
    c.required = basis.Qa;
    if (!std::isfinite(S) || !std::isfinite(c.Qu) || !std::isfinite(c.safeLoad)) return std::nullopt;
    // The rounded texts must be finite too: round(x, 2) scales x by 100.
    if (!std::isfinite(roundHalfEven(c.Qu, 2)) || !std::isfinite(roundHalfEven(c.safeLoad, 2))) return std::nullopt;
    c.meets = c.safeLoad >= static_cast<double>(basis.Qa);
    return c;
}

CapacityTexts capacityTexts(const Capacity& c, std::string_view sep)
{
    return {numberText(c.S, sep), numberText(roundHalfEven(c.Qu, 2), sep),
            numberText(roundHalfEven(c.safeLoad, 2), sep), numberText(c.required, sep), c.meets ? kMeets : kFails,
            numberText(roundHalfEven(c.S, 3), sep), c.meets};
}

std::vector<std::string> capacityLines(const CapacityTexts& t)
{
    auto line = [](const char* caption, const std::string& value, const char* unit) {
        return std::string(caption) + " = " + value + "  " + unit;
    };
    return {line(kRecordSetCaption, t.shownS, kCmUnit), line(kUltimateCaption, t.Qu, kTonUnit),
            line(kProvenSafeLoadCaption, t.safeLoad, kTonUnit), line(kRequiredLoadCaption, t.required, kTonUnit),
            t.verdict};
}

TabInputs withRecordHeight(TabInputs tab, const DrivingRecord& record)
{
    if (record.height) {
        const auto drop = static_cast<std::size_t>(*fieldIndex(formulaInfo(tab.formula), "h"));
        if (tab.texts.size() <= drop) tab.texts.resize(drop + 1);
        tab.texts[drop] = *record.height;
    }
    return tab;
}

CapacityCheck checkCapacity(TabInputs tab, const DrivingRecord& record)
{
    tab = withRecordHeight(std::move(tab), record);
    CapacityCheck check = tabCheck(tab);
    if (check.tabRefused) return check;

    const std::optional<double> S = recordSet(record.form, record.value, tab.decimalSeparator);
    if (!S) {
        check.message = kRecordNotPositive;
        return check;
    }
    if (check.basis) check.capacity = capacityAt(*check.basis, *S);
    if (!check.capacity) check.message = messages::kOutOfRange;
    return check;
}

std::vector<BearingPoint> bearingGraph(const CapacityBasis& basis, int from, int to)
{
    std::vector<BearingPoint> points;
    if (from < 1 || to < from) return points;
    points.reserve(static_cast<std::size_t>(to - from + 1));
    for (int blows = from; blows <= to; ++blows) {
        BearingPoint p{static_cast<double>(blows), std::nullopt};
        if (const std::optional<Capacity> c = capacityAt(basis, 30.0 / blows)) p.safeLoad = c->safeLoad;
        points.push_back(p);
    }
    return points;
}

}  // namespace calc
