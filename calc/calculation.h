#pragma once
// The steps that the four formula tabs take alike: the completeness check, the
// conversion of the field texts in a tab's own order, the zero-divisor check,
// the drop-height check, narrowing computed values into the tab state, and the
// three set lines that close every results frame with the sign test.
#include <array>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/messages.h"
#include "calc/numbers.h"
#include "calc/outcome.h"
#include "calc/pile.h"
#include "calc/result_texts.h"

namespace calc::detail {

// A field of a tab and the tab-state value its text converts into.
template <typename State>
struct FieldSlot {
    int index;
    float State::*value;
};

// Whether a text is empty, the field `skip` (if any) aside.
template <std::size_t N>
bool anyEmpty(const std::array<std::string, N>& texts, std::optional<int> skip = std::nullopt)
{
    for (std::size_t i = 0; i < N; ++i)
        if (texts[i].empty() && skip != static_cast<int>(i)) return true;
    return false;
}

// Converts the texts in the tab's conversion order; stops at the first text
// that is not a number, leaving the fields converted before it stored. The
// field `skip` (if any) is not read.
template <typename State, std::size_t N>
std::optional<int> readFields(const std::array<std::string, N>& texts, std::string_view separator,
                              const std::array<FieldSlot<State>, N>& order, State& state,
                              std::optional<int> skip = std::nullopt)
{
    for (const FieldSlot<State>& slot : order) {
        if (slot.index == skip) continue;
        const std::optional<float> value = textToNumber(texts[static_cast<std::size_t>(slot.index)], separator);
        if (!value) return slot.index;
        state.*slot.value = *value;
    }
    return std::nullopt;
}

// The first divisor field, in conversion order, whose value is 0.
template <typename State, std::size_t N>
std::optional<int> firstZeroDivisor(const std::array<FieldSlot<State>, N>& order, std::initializer_list<int> divisors,
                                    const State& state)
{
    for (const FieldSlot<State>& slot : order)
        for (int d : divisors)
            if (slot.index == d && state.*slot.value == 0) return slot.index;
    return std::nullopt;
}

// Narrows a value computed in double into the tab state. False, leaving the
// slot as it was, when the value does not fit a float.
bool narrowInto(float& slot, double value);

// The warning when the hammer drops from higher than hmax (computed in
// double): compared with hmax narrowed to float, never for a drop of 10 cm
// or less.
std::optional<std::string> dropTooHigh(float h, double hmax, std::string_view separator);

// "prefix" + number text of value + "suffix"
std::string line(std::string_view prefix, float value, std::string_view separator, std::string_view suffix = {});

// The result lines above the set lines, moved into a vector that has room
// for the three set lines `concludeSet` adds (a braced list would copy them).
template <typename... Line>
std::vector<std::string> resultLines(Line&&... line)
{
    std::vector<std::string> lines;
    lines.reserve(sizeof...(Line) + 3);
    (lines.emplace_back(std::forward<Line>(line)), ...);
    return lines;
}

template <typename State>
Outcome<State> refuse(OutcomeKind kind, std::string message, int focus, const State& state)
{
    Outcome<State> out;
    out.kind = kind;
    out.message = std::move(message);
    out.focus = focus;
    out.state = state;
    return out;
}

template <typename State>
Outcome<State> outOfRange(const State& state)
{
    return refuse(OutcomeKind::OutOfRange, messages::kOutOfRange, 0, state);
}

// Where a pile tab's fields are: the pile size D and the drop height h, the
// divisors that must not be 0 (in conversion order), and the factor of the
// drop-height limit Hmax = A × factor / (W × 100).
struct PileTabFields {
    int size;
    int drop;
    std::initializer_list<int> divisors;
    double headFactor;
};

// The steps every pile tab takes before its own formula: the completeness
// check, `read` (the tab's Read…Inputs), the zero divisors, the area and the
// drop-height check. The refusal, if one; otherwise nothing, and `s` holds
// the inputs and A.
template <typename State, std::size_t N, typename Inputs, typename Read>
std::optional<Outcome<State>> pileOpening(const Inputs& in, State& s, Read read,
                                          const std::array<FieldSlot<State>, N>& fields, const PileTabFields& tab)
{
    // While a section is in use, the D field holds its size text and is not read.
    const std::optional<int> size = in.boxes.section ? std::optional<int>(tab.size) : std::nullopt;
    if (anyEmpty(in.texts, size) || !in.boxes.complete())
        return refuse(OutcomeKind::Incomplete, messages::kIncomplete, 0, s);
    if (const auto bad = read(in, s)) return refuse(OutcomeKind::NotANumber, messages::kNotANumber, *bad, s);
    if (const auto zero = firstZeroDivisor(fields, tab.divisors, s))
        return refuse(OutcomeKind::NotPositive, messages::kNotPositive, *zero, s);

    if (in.boxes.section) {
        const std::optional<float> area = textToNumber(in.boxes.section->area, ".");
        if (!area) return refuse(OutcomeKind::NotANumber, messages::kNotANumber, tab.size, s);
        s.A = *area;
    } else if (!narrowInto(s.A, pileArea(s.D, in.boxes.round))) {
        return outOfRange(s);
    }
    if (s.A == 0) return refuse(OutcomeKind::NotPositive, messages::kNotPositive, tab.size, s);

    const double hmax = static_cast<double>(s.A) * tab.headFactor / (static_cast<double>(s.W) * 100);
    if (auto warning = dropTooHigh(s.h, hmax, in.decimalSeparator))
        return refuse(OutcomeKind::DropTooHigh, std::move(*warning), tab.drop, s);
    return std::nullopt;
}

// The set lines (S, ten blows, blows per 30 cm) and the sign test. `lines`
// holds the result lines above them. A set of exactly 0 leaves no blow count,
// and a set whose ten-blow or blow-count value overflows a float cannot be
// shown or printed: both are refused without writing a line or storing S.
template <typename State>
Outcome<State> concludeSet(State state, float S, std::vector<std::string> lines, const char* tenBlowsPrefix,
                           int dropField, std::string_view separator)
{
    if (!std::isfinite(S)) return outOfRange(state);
    if (S == 0) return refuse(OutcomeKind::ZeroSet, messages::kZeroSet, dropField, state);
    const float tenBlows = static_cast<float>(10.0 * S);
    const float perFoot = static_cast<float>(30.0 / S);
    if (!std::isfinite(tenBlows) || !std::isfinite(perFoot)) return outOfRange(state);

    lines.push_back(line(texts::kSetPrefix, roundHalfEven(S, 3), separator, texts::kCmSuffix));
    lines.push_back(line(tenBlowsPrefix, roundHalfEven(tenBlows, 2), separator, texts::kCmSuffix));
    lines.push_back(line(texts::kBlowsPrefix, roundHalfEven(perFoot, 0), separator, texts::kBlowsSuffix));
    state.S = S;

    Outcome<State> out;
    out.results = std::move(lines);
    out.state = state;
    if (S < 0) {
        out.kind = OutcomeKind::Negative;
        out.message = messages::kNegative;
        out.focus = dropField;
    } else {
        out.kind = OutcomeKind::Ok;
        out.printable = true;
    }
    return out;
}

}  // namespace calc::detail
