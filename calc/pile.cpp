#include "calc/pile.h"

#include "calc/numbers.h"

namespace calc {

double pileArea(float D, bool roundSection)
{
    const double d = D;
    if (roundSection) return roundHalfEven(d * d * 3.14159 / 4, 2);
    return roundHalfEven(d * d, 2);
}

double pileWeight(float A, float L, bool prestressed)
{
    const double unitWeight = prestressed ? 2.45 : 2.4;
    return roundHalfEven(static_cast<double>(A) * unitWeight * L / 10000, 3);
}

}  // namespace calc
