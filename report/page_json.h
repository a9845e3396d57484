#pragma once
// A report page as JSON: an array of the lines in printing order, each an
// object {"x", "y", "bold", "underline", "text"}, on one line of text.
#include <string>
#include <string_view>

#include "report/page.h"

namespace report {

std::string pageJson(const Page& page);

// The text as a quoted JSON string. Quotes, backslashes and control
// characters are escaped; valid UTF-8 is kept as it is, and each byte that is
// not part of a valid UTF-8 sequence becomes U+FFFD.
std::string jsonString(std::string_view utf8);

}  // namespace report
