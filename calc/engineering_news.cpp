#include "calc/engineering_news.h"

#include "calc/calculation.h"

namespace calc {

namespace {

using State = EngineeringNewsState;

constexpr std::array<detail::FieldSlot<State>, 5> kFields = {{
    {0, &State::Qa},
    {1, &State::W},
    {2, &State::h},
    {3, &State::C},
    {4, &State::FS},
}};
constexpr int kQa = 0, kW = 1, kH = 2, kFS = 4;

}  // namespace

std::optional<int> ReadEngineeringNewsInputs(const EngineeringNewsInputs& in, EngineeringNewsState& state)
{
    return detail::readFields(in.texts, in.decimalSeparator, kFields, state);
}

EngineeringNewsOutcome CalculateEngineeringNews(const EngineeringNewsInputs& in, const EngineeringNewsState& previous)
{
    const std::string_view sep = in.decimalSeparator;
    State s = previous;
    if (detail::anyEmpty(in.texts)) return detail::refuse(OutcomeKind::Incomplete, messages::kIncomplete, 0, s);
    if (const auto bad = ReadEngineeringNewsInputs(in, s))
        return detail::refuse(OutcomeKind::NotANumber, messages::kNotANumber, *bad, s);
    if (const auto zero = detail::firstZeroDivisor(kFields, {kQa, kW, kFS}, s))
        return detail::refuse(OutcomeKind::NotPositive, messages::kNotPositive, *zero, s);

    // A heavy hammer dropped from too high bursts the pile head.
    if (auto warning = detail::dropTooHigh(s.h, 72000.0 / (static_cast<double>(s.W) * 100), sep))
        return detail::refuse(OutcomeKind::DropTooHigh, std::move(*warning), kH, s);

    if (!detail::narrowInto(s.Qu, static_cast<double>(s.FS) * s.Qa)) return detail::outOfRange(s);
    // Not rounded: the report prints 10 × S from this value unrounded.
    const float S = static_cast<float>(static_cast<double>(s.h) * s.W / s.Qu - 2.54 * s.C);

    std::vector<std::string> lines = detail::resultLines(
        detail::line(texts::kHammerWeightPrefix, s.W, sep, texts::kTonSuffix),
        detail::line(texts::kDropHeightPrefix, s.h, sep, texts::kCmSuffix),
        detail::line(texts::kUltimatePrefix, s.Qu, sep, texts::kTonSuffix));
    return detail::concludeSet(s, S, std::move(lines), texts::kTenBlowsPrefixNarrow, kH, sep);
}

}  // namespace calc
