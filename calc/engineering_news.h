#pragma once
// Engineering News formula: Qu = W·h / (S + 2.54·C), Qu = Qa·F.S.
//
// Fields (Text2): 0 Qa, 1 W, 2 h, 3 C, 4 F.S.
#include <array>
#include <string>

#include "calc/outcome.h"

namespace calc {

struct EngineeringNewsState {
    float Qa = 0, W = 0, h = 0, C = 0, FS = 0;
    float Qu = 0;
    float S = 0;  // not rounded
};

struct EngineeringNewsInputs {
    std::array<std::string, 5> texts;  // by field index
    std::string decimalSeparator = ".";
};

using EngineeringNewsOutcome = Outcome<EngineeringNewsState>;

// Converts the five texts into the state in field order; on the first text that
// is not a number it stops and returns that field's index.
std::optional<int> ReadEngineeringNewsInputs(const EngineeringNewsInputs& in, EngineeringNewsState& state);

// One click on Calculate. Result lines, top to bottom: Label1, Label5, Label30,
// Label32, Label48, Label49.
EngineeringNewsOutcome CalculateEngineeringNews(const EngineeringNewsInputs& in, const EngineeringNewsState& previous);

}  // namespace calc
