#include "calc/danish.h"

#include <cmath>

#include "calc/calculation.h"

namespace calc {

namespace {

using State = DanishState;

constexpr std::array<detail::FieldSlot<State>, 8> kFields = {{
    {1, &State::L},
    {2, &State::Qa},
    {3, &State::W},
    {4, &State::h},
    {5, &State::e},
    {6, &State::FS},
    {0, &State::D},
    {7, &State::E},
}};
constexpr int kD = 0, kQa = 2, kW = 3, kH = 4, kFS = 6, kE = 7;

}  // namespace

std::optional<int> ReadDanishInputs(const DanishInputs& in, DanishState& state)
{
    // While a section is in use the D field holds its size text, not a number.
    const std::optional<int> skip = in.boxes.section ? std::optional<int>(kD) : std::nullopt;
    return detail::readFields(in.texts, in.decimalSeparator, kFields, state, skip);
}

DanishOutcome CalculateDanish(const DanishInputs& in, const DanishState& previous)
{
    const std::string_view sep = in.decimalSeparator;
    State s = previous;
    if (auto refused = detail::pileOpening(in, s, ReadDanishInputs, kFields, {kD, kH, {kQa, kW, kFS, kE}, 45}))
        return std::move(*refused);

    // P is shown and printed; the Danish formula itself does not use it.
    if (!detail::narrowInto(s.P, pileWeight(s.A, s.L, in.boxes.prestressed))
        || !detail::narrowInto(s.Qu, static_cast<double>(s.FS) * s.Qa))
        return detail::outOfRange(s);

    // Elastic compression of the pile: the 10 (√100) takes L from m to cm.
    const double energy = static_cast<double>(s.e) * s.W * s.h / s.Qu;
    const double compression = std::sqrt(static_cast<double>(s.W)) * std::sqrt(static_cast<double>(s.e))
                               * std::sqrt(static_cast<double>(s.h)) * 10 * std::sqrt(static_cast<double>(s.L))
                               / (std::sqrt(2.0) * std::sqrt(static_cast<double>(s.A)) * std::sqrt(static_cast<double>(s.E)));
    const float S = static_cast<float>(roundHalfEven(energy - compression, 3));

    std::vector<std::string> lines = detail::resultLines(
        detail::line(texts::kAreaPrefix, s.A, sep, texts::kSquareCmSuffix),
        detail::line(texts::kPileWeightPrefix, s.P, sep, texts::kTonSuffix),
        detail::line(texts::kUltimatePrefix, s.Qu, sep, texts::kTonSuffix),
        detail::line(texts::kModulusPrefix, s.E, sep));
    return detail::concludeSet(s, S, std::move(lines), texts::kTenBlowsPrefixWide, kH, sep);
}

}  // namespace calc
