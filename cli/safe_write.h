#pragma once
// Writing a file so that a failure keeps the old one: the text goes to a
// temporary file in the same folder, is flushed to the disk, and only then
// takes the old file's name.
#include <optional>
#include <string>
#include <string_view>

namespace cli {

// Nothing when `path` now holds `text`; else why not (one line), the file
// already at `path`, if any, left as it was.
std::optional<std::string> writeFileSafely(const std::string& path, std::string_view text);

// The whole content of the file at `path`, or nothing when it cannot be read.
std::optional<std::string> readWholeFile(const std::string& path);

}  // namespace cli
