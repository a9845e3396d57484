#pragma once
// What the command line prints for a calculation.
#include <string>

#include "cli/calculation.h"
#include "cli/json.h"

namespace cli {

// The result lines, one a line, then the message, if any.
std::string plainText(const Calculation& c);

// outcome, message, focus, results, S, printable, section (the section object
// or null), and page: the lines of the
// report the print button would print now, in printing order (null when the
// calculation shows no print button).
JsonObject jsonObject(const Calculation& c);

// 0 when the calculation (and the capacity, with a record) ended without a
// message, 1 when either ended with one.
int exitStatus(const Calculation& c);

}  // namespace cli
