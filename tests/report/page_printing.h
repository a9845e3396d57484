#pragma once
// Readable failure output for page lines.
#include <ostream>

#include "report/page.h"

namespace report {

inline void PrintTo(const Line& line, std::ostream* out)
{
    *out << "{x " << line.x << ", y " << line.y << (line.bold ? ", bold" : "")
         << (line.underline ? ", underlined" : "") << ", " << line.size << " pt, \"" << line.text << "\"}";
}

}  // namespace report
