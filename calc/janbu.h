#pragma once
// Janbu's formula: Qu = W·h / (Ku·S), Ku = Cd·(1 + √(1 + Ld/Cd)),
// Ld = W·h·L / (A·E·S²), Cd = 0.75 + 0.15·P/W; solved for S in closed form.
//
// Fields (Text19): 0 D, 1 L, 2 Qa, 3 W, 4 h, 5 FS, 6 E.
#include <array>
#include <string>

#include "calc/outcome.h"
#include "calc/pile.h"

namespace calc {

struct JanbuState {
    float D = 0, L = 0, Qa = 0, W = 0, h = 0, FS = 0, E = 0;
    float A = 0, P = 0, Qu = 0, Cd = 0;
    float S = 0;  // rounded to 3 decimals
};

struct JanbuInputs {
    std::array<std::string, 7> texts;  // by field index
    PileBoxes boxes;                   // Check9 / Check10, Check11 / Check12
    std::string decimalSeparator = ".";
};

using JanbuOutcome = Outcome<JanbuState>;

std::optional<int> ReadJanbuInputs(const JanbuInputs& in, JanbuState& state);

// Result lines, top to bottom: Label87 ... Label97.
JanbuOutcome CalculateJanbu(const JanbuInputs& in, const JanbuState& previous);

}  // namespace calc
