#pragma once
// A report page as JSON: an array of the lines in printing order, each an
// object {"x", "y", "bold", "underline", "text"}, on one line of text.
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "report/page.h"

namespace report {

nlohmann::ordered_json pageJsonValue(const Page& page);
std::string pageJson(const Page& page);

// The text with each byte that is not part of a valid UTF-8 sequence replaced
// by U+FFFD; valid UTF-8 is kept as it is.
std::string validUtf8(std::string_view bytes);

// The text as a quoted JSON string: validUtf8(text), with quotes, backslashes
// and the control characters U+0000 to U+001F escaped.
std::string jsonString(std::string_view utf8);

// JSON text on one line, as the command line writes it.
std::string dumpJson(const nlohmann::ordered_json& json);

}  // namespace report
