#pragma once
// Danish formula: Qu = e·W·h / (S + ½·√(e·W·h·L / (2·A·E))).
//
// Fields (Text15): 0 D, 1 L, 2 Qa, 3 W, 4 h, 5 e, 6 FS, 7 E.
#include <array>
#include <string>

#include "calc/outcome.h"
#include "calc/pile.h"

namespace calc {

struct DanishState {
    float D = 0, L = 0, Qa = 0, W = 0, h = 0, e = 0, FS = 0, E = 0;
    float A = 0, P = 0, Qu = 0;
    float S = 0;  // rounded to 3 decimals
};

struct DanishInputs {
    std::array<std::string, 8> texts;  // by field index
    PileBoxes boxes;                   // Check4 / Check3, Check2 / Check1
    std::string decimalSeparator = ".";
};

using DanishOutcome = Outcome<DanishState>;

std::optional<int> ReadDanishInputs(const DanishInputs& in, DanishState& state);

// Result lines, top to bottom: Label64 ... Label70.
DanishOutcome CalculateDanish(const DanishInputs& in, const DanishState& previous);

}  // namespace calc
