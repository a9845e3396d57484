#pragma once
// The input of the calculator targets: a run of Calculate clicks on one tab,
// written as lines so that seeds stay readable.
//
//   @ 1.5 0 12          optional: the tab state before the next click, its
//                       floats in declaration order (missing ones are 0,
//                       values that are not finite read as 0)
//   .1010               header: the decimal separator ("," or, for any other
//                       byte, "."), then the RC, prestressed, square and round
//                       boxes (an odd byte ticks the box, so "1" ticks, "0" not)
//   30                  the field texts by index, one a line; a missing line
//   3                   is an empty field
//   ...
//   ,0000               the next click, with the state the last one left
//
// A field text is any bytes but a line break.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/pile.h"

namespace fuzz {

struct Click {
    std::optional<std::vector<float>> stateBefore;
    std::string separator;
    calc::PileBoxes boxes;
    std::vector<std::string> texts;
};

std::vector<Click> readClicks(std::string_view data, std::size_t fieldCount, std::size_t maxClicks);

// Splits at line breaks; a final line break ends the last line.
std::vector<std::string_view> splitLines(std::string_view data);

// The header fields shared with the report target.
std::string separatorOf(char c);
calc::PileBoxes boxesOf(std::string_view flags);

}  // namespace fuzz
