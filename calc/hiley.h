#pragma once
// Hiley's formula: Qu = e·W·h·Z / (S + C/2), e = (W + P·r²) / (W + P).
//
// Fields (Text16): 0 L, 1 Qa, 2 W, 3 h, 4 L2, 5 r, 6 Z, 7 FS, 8 D.
// The screen rows, top to bottom, hold 8, 0, 1, ..., 7.
#include <array>
#include <string>

#include "calc/outcome.h"
#include "calc/pile.h"

namespace calc {

struct HileyState {
    float L = 0, Qa = 0, W = 0, h = 0, D = 0, L2 = 0, r = 0, Z = 0, FS = 0;
    float A = 0, P = 0, Qu = 0, e = 0, C1 = 0, C2 = 0, C3 = 0, C = 0;
    float S = 0;
};

struct HileyInputs {
    std::array<std::string, 9> texts;  // by field index
    PileBoxes boxes;                   // Check8 / Check7, Check6 / Check5
    std::string decimalSeparator = ".";
};

using HileyOutcome = Outcome<HileyState>;

std::optional<int> ReadHileyInputs(const HileyInputs& in, HileyState& state);

// Result lines, top to bottom: Label20, Label22, Label18, Label17, Label19,
// Label21, Label23, Label24, Label25, Label27, Label28.
HileyOutcome CalculateHiley(const HileyInputs& in, const HileyState& previous);

}  // namespace calc
