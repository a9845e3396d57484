#pragma once
// The worked examples of the four formula tabs as the window shows them right
// after the calculation: field texts, ticked boxes, result lines and S.
#include <string>

#include "report/snapshot.h"

namespace report::samples {

// Qa 30, W 3, h 100, C 0.9, F.S. 4: S about 0.21400006.
TabSnapshot engineeringNews();
// Square RC pile D 30, L 12, Qa 40, W 5, h 100, L2 5, r 0.25, Z 0.8, FS 4: S 0.604.
TabSnapshot hiley();
// Square RC pile D 30, L 12, Qa 40, W 3, h 135, e 0.8, FS 5, E 200: S 0.581.
TabSnapshot danish();
// Square RC pile D 30, L 15, Qa 30, W 4, h 70, FS 4, E 200: S 0.839.
TabSnapshot janbu();

TabSnapshot ofFormula(calc::Formula formula);

// Blanks, for the runs inside the texts: blanks(9) is nine blanks.
std::string blanks(int count);

}  // namespace report::samples
