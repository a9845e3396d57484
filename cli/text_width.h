#pragma once
// The columns a UTF-8 text takes on a terminal, for aligned tables.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// One column a character; Thai vowel and tone marks above and below take none.
std::size_t displayWidth(std::string_view text);

// The header and rows as lines of columns two blanks apart, each column as
// wide as its widest cell.
std::string alignedTable(const std::vector<std::string>& header, const std::vector<std::vector<std::string>>& rows);

}  // namespace cli
