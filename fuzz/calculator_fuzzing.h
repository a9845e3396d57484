#pragma once
// The body of the four calculator targets: a run of Calculate clicks on one
// tab (see calculation_script.h), each checked against the invariants of
// calculator_checks.h and repeated with the other decimal separator.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <type_traits>
#include <vector>

#include "calc/outcome.h"
#include "calculation_script.h"
#include "calculator_checks.h"
#include "tab_rules.h"

namespace fuzz {

inline constexpr std::size_t kMaxClicks = 12;

template <typename State>
std::vector<float> floatsOf(const State& state)
{
    static_assert(std::is_trivially_copyable_v<State> && sizeof(State) % sizeof(float) == 0);
    std::vector<float> floats(sizeof(State) / sizeof(float));
    std::memcpy(floats.data(), &state, sizeof(State));
    return floats;
}

template <typename State>
State stateOf(const std::vector<float>& floats)
{
    State state{};
    if (!floats.empty()) std::memcpy(&state, floats.data(), std::min(sizeof(State), floats.size() * sizeof(float)));
    return state;
}

template <typename Inputs, typename State>
struct Calculator {
    calc::Outcome<State> (*calculate)(const Inputs&, const State&);
    const float State::*area;  // nullptr on a tab without a pile area
};

template <typename Inputs, typename State>
calc::Outcome<State> click(const Calculator<Inputs, State>& calculator, const Click& c, const State& before,
                           ClickResult& result)
{
    Inputs in;
    for (std::size_t i = 0; i < in.texts.size(); ++i) in.texts[i] = c.texts[i];
    in.decimalSeparator = c.separator;
    if constexpr (requires { in.boxes; }) in.boxes = c.boxes;

    calc::Outcome<State> out = calculator.calculate(in, before);
    result.kind = out.kind;
    result.message = out.message;
    result.focus = out.focus;
    result.results = out.results;
    result.printable = out.printable;
    result.before = floatsOf(before);
    result.after = floatsOf(out.state);
    result.sBefore = before.S;
    result.sAfter = out.state.S;
    if (calculator.area) result.areaAfter = out.state.*calculator.area;
    return out;
}

template <typename Inputs, typename State>
int fuzzCalculator(calc::Formula formula, const Calculator<Inputs, State>& calculator, const std::uint8_t* data,
                   std::size_t size)
{
    const TabRules& rules = tabRules(formula);
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    State state{};
    for (const Click& c : readClicks(text, rules.fieldCount, kMaxClicks)) {
        if (c.stateBefore) state = stateOf<State>(*c.stateBefore);
        ClickResult result, other;
        const calc::Outcome<State> out = click(calculator, c, state, result);
        checkClick(rules, c, result);
        click(calculator, withOtherSeparator(c), state, other);
        checkSameDecision(c, result, other);
        state = out.state;
    }
    return 0;
}

}  // namespace fuzz
