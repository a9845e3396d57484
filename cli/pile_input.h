#pragma once
// --file: the pile file's tab beneath what the command line gives.
#include <optional>
#include <string>
#include <string_view>

#include "calc/pile_file.h"
#include "cli/arguments.h"

namespace cli {

// Fields and boxes the request does not give are taken from the document's
// tab of the request's formula; a field the file lacks is empty.
void fillFromDocument(Request& request, const calc::PileDocument& document);

// The request filled from the pile file it names, read with the locale's
// separator; the reason, in English, when the file cannot be read.
std::optional<std::string> fillFromPileFile(Request& request, std::string_view decimalSeparator);

}  // namespace cli
