#include "calc/hiley.h"

#include "calc/calculation.h"

namespace calc {

namespace {

using State = HileyState;

constexpr std::array<detail::FieldSlot<State>, 9> kFields = {{
    {0, &State::L},
    {1, &State::Qa},
    {2, &State::W},
    {3, &State::h},
    {4, &State::L2},
    {5, &State::r},
    {6, &State::Z},
    {7, &State::FS},
    {8, &State::D},
}};
constexpr int kQa = 1, kW = 2, kH = 3, kFS = 7, kD = 8;

}  // namespace

std::optional<int> ReadHileyInputs(const HileyInputs& in, HileyState& state)
{
    // While a section is in use the D field holds its size text, not a number.
    const std::optional<int> skip = in.boxes.section ? std::optional<int>(kD) : std::nullopt;
    return detail::readFields(in.texts, in.decimalSeparator, kFields, state, skip);
}

HileyOutcome CalculateHiley(const HileyInputs& in, const HileyState& previous)
{
    const std::string_view sep = in.decimalSeparator;
    State s = previous;
    // The cushioned head takes twice the drop of the Danish and Janbu tabs (factor 90).
    if (auto refused = detail::pileOpening(in, s, ReadHileyInputs, kFields, {kD, kH, {kQa, kW, kFS}, 90}))
        return std::move(*refused);

    const double r2 = static_cast<double>(s.r) * s.r;
    if (!detail::narrowInto(s.P, pileWeight(s.A, s.L, in.boxes.prestressed))
        || !detail::narrowInto(s.Qu, static_cast<double>(s.FS) * s.Qa)
        || !detail::narrowInto(s.e, roundHalfEven((r2 * s.P + s.W) / (static_cast<double>(s.P) + s.W), 3))
        // Temporary compressions of the cushion (L2 in cm), the pile and the soil.
        || !detail::narrowInto(s.C1, roundHalfEven(static_cast<double>(s.L2) / 100 * s.Qu / s.A * 1.8, 3))
        || !detail::narrowInto(s.C2, roundHalfEven(static_cast<double>(s.L) * s.Qu / s.A * 0.72, 3))
        || !detail::narrowInto(s.C3, roundHalfEven(static_cast<double>(s.Qu) / s.A * 3.6, 3))
        || !detail::narrowInto(s.C, (static_cast<double>(s.C2) + s.C1) + s.C3))
        return detail::outOfRange(s);

    // The difference is narrowed to float before it is rounded.
    const float difference = static_cast<float>(static_cast<double>(s.Z) * s.e * s.W * s.h / s.Qu
                                                - static_cast<double>(s.C) / 2);
    const float S = roundHalfEven(difference, 3);

    std::vector<std::string> lines = detail::resultLines(
        detail::line(texts::kAreaPrefix, s.A, sep, texts::kSquareCmSuffix),
        detail::line(texts::kPileWeightPrefix, s.P, sep, texts::kTonSuffix),
        detail::line(texts::kUltimatePrefix, s.Qu, sep, texts::kTonSuffix),
        detail::line(texts::kEfficiencyPrefix, s.e, sep),
        detail::line(texts::kCushionPrefix, s.C1, sep, texts::kCmSuffix),
        detail::line(texts::kPilePrefix, s.C2, sep, texts::kCmSuffix),
        detail::line(texts::kSoilPrefix, s.C3, sep, texts::kCmSuffix),
        detail::line(texts::kCompressionPrefix, s.C, sep, texts::kCmSuffix));
    return detail::concludeSet(s, S, std::move(lines), texts::kTenBlowsPrefixNarrow, kH, sep);
}

}  // namespace calc
