#pragma once
// The catalogue of pile sections built into the program: I-section piles and
// spun (hollow round) piles, with their areas as the makers publish them, and
// the areas of hollow piles, computed as a round pile's with the hole taken out.
#include <span>
#include <string_view>

#include "calc/pile.h"

namespace calc {

// The built-in rows, I-sections first, then spun piles by diameter.
std::span<const PileSection> builtInSections();
// The built-in row of that id, or nullptr.
const PileSection* findBuiltInSection(std::string_view id);

// Area in cm² of a hollow round pile of outside diameter D and wall t (cm):
// round((D² − d²) × 3.14159 / 4, 2) with d = D − 2t, in double.
double hollowRoundArea(double outsideDiameter, double wall);
// Area in cm² of a square pile of side D with a round core of diameter d (cm):
// round(D² − d² × 3.14159 / 4, 2), in double.
double hollowSquareArea(double side, double core);

// The name shown for a section given by its area alone ("กำหนดเอง").
inline constexpr const char* kCustomSectionName = "กำหนดเอง";

}  // namespace calc
