#pragma once
// The user's own pile sections: a row as typed in the section table, checked
// and turned into a section, or the Thai reason it cannot be stored.
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "calc/pile.h"

namespace calc {

enum class SectionShape {
    Area,          // any shape (an I-section, ...) with its area typed
    HollowRound,   // outside diameter and wall
    HollowSquare,  // side and the diameter of a round core
};

struct SectionRow {
    std::string name;                     // also the section's id
    SectionShape shape = SectionShape::Area;
    std::string size;                     // the size text of an Area row (may be empty)
    std::string first;                    // area cm² (Area), outside diameter or side cm
    std::string second;                   // wall or core cm; not read for an Area row

    bool operator==(const SectionRow&) const = default;
};

// The section a row makes, its numbers read with `separator`: the area
// typed, or computed by hollowRoundArea / hollowSquareArea. The row is refused
// (a Thai reason) when its name is empty, holds a control character or is
// already `taken` (another row's name or a built-in id or name), when a size
// is not a number greater than 0, a wall is not less than half the diameter,
// a core not smaller than the side, or the area is not a number above 0.
std::variant<PileSection, std::string> sectionOf(const SectionRow& row, std::string_view separator,
                                                 std::span<const std::string> taken);

}  // namespace calc
