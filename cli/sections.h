#pragma once
// Pile sections on the command line: --section ID (a built-in section) or
// --area A (a section of that area for this run alone, "กำหนดเอง"), and the
// listing of the catalogue, blowcount-cli sections [--json].
#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "calc/pile.h"
#include "cli/arguments.h"

namespace cli {

// Sets request.section from --section or --area; the usage error of an
// unknown id or an area that is not a number greater than 0 (typed with the
// locale's separator).
std::optional<UsageError> resolveSection(Request& request, std::string_view decimalSeparator);

// {"id", "name", "size", "area"} of a section, or null.
nlohmann::ordered_json sectionJson(const std::optional<calc::PileSection>& section);

// The catalogue, one section a line (id, name, size, area, separated by tabs),
// or as JSON {"sections": [{..., "built_in": true}, ...]}.
std::string sectionsListing(bool json);

}  // namespace cli
