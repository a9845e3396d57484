#pragma once
// The records and acceptance settings of a pile file: the hooks the pile
// file's reader, writer and reasons call.
#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "calc/pile_file.h"

namespace calc::records_file {

// The "records" and "acceptance" of `file` into `document`, number texts
// with `currentSeparator` in place of `fileSeparator`; the first problem.
std::optional<PileFileError> read(const nlohmann::json& file, std::string_view fileSeparator,
                                  std::string_view currentSeparator, PileDocument& document);

// "records" and "acceptance" added to `file` when the document has them.
void write(const PileDocument& document, nlohmann::ordered_json& file);

// The reasons of the record kinds; nothing for the other kinds.
std::optional<std::string> thaiReason(const PileFileError& error);
std::optional<std::string> englishReason(const PileFileError& error);

}  // namespace calc::records_file
