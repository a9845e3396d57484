#pragma once
// The columns a UTF-8 text takes on a terminal, for aligned tables.
#include <cstddef>
#include <string_view>

namespace cli {

// One column a character; Thai vowel and tone marks above and below take none.
std::size_t displayWidth(std::string_view text);

}  // namespace cli
