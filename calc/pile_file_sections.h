#pragma once
// A tab's "section" in a pile file when it is a section object:
//   {"id": "I-26", "name": "ไอ 26×26", "size": "26×26", "area": "489"}
// texts, the area with the file's decimal separator. The file carries the
// area itself, so it opens with the same results whatever catalogue the
// reading program has.
#include <optional>
#include <string_view>

#include <nlohmann/json.hpp>

#include "calc/pile.h"

namespace calc {

// The section of a section object, or nothing when the object is bad: a name
// missing or empty, an area that is not a number greater than 0, a member
// that is not a text or holds a control character. A missing id is the name.
std::optional<PileSection> readSectionObject(const nlohmann::json& object, std::string_view fileSeparator);

// The section object of `section`, its area with `separator`.
nlohmann::ordered_json sectionObject(const PileSection& section, std::string_view separator);

}  // namespace calc
