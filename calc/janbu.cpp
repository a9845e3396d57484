#include "calc/janbu.h"

#include <cmath>

#include "calc/calculation.h"

namespace calc {

namespace {

using State = JanbuState;

constexpr std::array<detail::FieldSlot<State>, 7> kFields = {{
    {1, &State::L},
    {2, &State::Qa},
    {3, &State::W},
    {4, &State::h},
    {5, &State::FS},
    {0, &State::D},
    {6, &State::E},
}};
constexpr int kD = 0, kQa = 2, kW = 3, kH = 4, kFS = 5, kE = 6;

}  // namespace

std::optional<int> ReadJanbuInputs(const JanbuInputs& in, JanbuState& state)
{
    // While a section is in use the D field holds its size text, not a number.
    const std::optional<int> skip = in.boxes.section ? std::optional<int>(kD) : std::nullopt;
    return detail::readFields(in.texts, in.decimalSeparator, kFields, state, skip);
}

JanbuOutcome CalculateJanbu(const JanbuInputs& in, const JanbuState& previous)
{
    const std::string_view sep = in.decimalSeparator;
    State s = previous;
    if (auto refused = detail::pileOpening(in, s, ReadJanbuInputs, kFields, {kD, kH, {kQa, kW, kFS, kE}, 45}))
        return std::move(*refused);

    if (!detail::narrowInto(s.P, pileWeight(s.A, s.L, in.boxes.prestressed))
        || !detail::narrowInto(s.Qu, static_cast<double>(s.FS) * s.Qa)
        || !detail::narrowInto(s.Cd, 0.15 * s.P / s.W + 0.75))
        return detail::outOfRange(s);

    // Qu = W·h / (Ku·S) solved for S in closed form: S = (λ² − R) / 2λ, with
    // L in cm inside R.
    const double W = s.W, h = s.h, L = s.L, A = s.A, E = s.E, Qu = s.Qu, Cd = s.Cd;
    const double lambda = (W * h) / (Cd * Qu);
    const double R = (W * h * L * 100) / (E * A * Cd);
    const double G = (2 * W * h) / (Qu * Cd);
    const float S = static_cast<float>(roundHalfEven((std::pow(lambda, 2) - R) / G, 3));

    std::vector<std::string> lines = detail::resultLines(
        detail::line(texts::kAreaPrefix, roundHalfEven(s.A, 3), sep, texts::kSquareCmSuffix),
        detail::line(texts::kPileWeightPrefix, roundHalfEven(s.P, 3), sep, texts::kTonSuffix),
        detail::line(texts::kUltimatePrefix, s.Qu, sep, texts::kTonSuffix),
        detail::line(texts::kModulusPrefix, s.E, sep),
        texts::kJanbuSetFormula,
        texts::kJanbuKuFormula,
        texts::kJanbuLdFormula,
        detail::line(texts::kJanbuCdPrefix, roundHalfEven(s.Cd, 4), sep));
    return detail::concludeSet(s, S, std::move(lines), texts::kTenBlowsPrefixWide, kH, sep);
}

}  // namespace calc
