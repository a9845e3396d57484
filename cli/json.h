#pragma once
// A JSON object written key by key, in the order the keys are added. Values
// are written as they are added, so the object is always valid JSON text.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "report/page_json.h"

namespace cli {

// A JSON string literal, quotes included (shared with the report's page JSON).
using report::jsonString;

// A float as a JSON number with 9 significant digits (enough to read the same
// float back); null when it is absent or not finite.
std::string jsonNumber(std::optional<float> value);

class JsonObject {
public:
    JsonObject& addRaw(std::string_view key, std::string json);
    JsonObject& addString(std::string_view key, const std::optional<std::string>& value);
    JsonObject& addStrings(std::string_view key, const std::optional<std::vector<std::string>>& values);
    JsonObject& addNumber(std::string_view key, std::optional<float> value);
    JsonObject& addBool(std::string_view key, bool value);

    std::string text() const;  // {"key":value,...}, one line

private:
    std::vector<std::pair<std::string, std::string>> members_;
};

}  // namespace cli
