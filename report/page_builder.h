#pragma once
// Builds the one-page calculation report of a tab from what the tab shows at
// the moment of printing (see snapshot.h).
//
// The page repeats the field captions with the fields' current texts, the
// current result labels and the fixed formula captions, and adds two
// conclusion lines worked out again from the stored S: 10 × S and 30 / S, each
// formed as a float; the first written unrounded, the second rounded to a
// whole number, an exact half going to the even neighbour.
#include <optional>
#include <string>
#include <string_view>

#include "report/page.h"
#include "report/snapshot.h"

namespace report {

// The page, or nothing when S gives no finite 10 × S or 30 / S (S is 0): such
// a report is refused whole, never printed in part.
std::optional<Page> buildPage(const TabSnapshot& tab);

// The pile type of a section in use, for every report: "เสาเข็ม ไอ 26×26 คสล.".
std::string sectionPileType(const calc::PileSection& section, bool prestressed);
// The section's name and area: "ไอ 26×26  (พื้นที่ 489  ตร.ซม.)", with `separator`.
std::string sectionNameAndArea(const calc::PileSection& section, std::string_view separator);

}  // namespace report
