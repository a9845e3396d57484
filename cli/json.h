#pragma once
// A JSON object written key by key, in the order the keys are added, on
// nlohmann::ordered_json. Texts are made valid UTF-8 first (each stray byte
// becomes U+FFFD), so the object is always valid JSON text.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "report/page_json.h"

namespace cli {

// A JSON string literal, quotes included (shared with the report's page JSON).
using report::jsonString;

// A float with 9 significant digits (enough to read the same float back): a
// whole number as an integer, others as the double nearest those digits, so
// that the JSON text shows those digits; null when absent or not finite.
nlohmann::ordered_json numberValue(std::optional<float> value);
std::string jsonNumber(std::optional<float> value);

class JsonObject {
public:
    JsonObject& add(std::string_view key, nlohmann::ordered_json value);
    JsonObject& addRaw(std::string_view key, const std::string& json);  // JSON text of a value
    JsonObject& addString(std::string_view key, const std::optional<std::string>& value);
    JsonObject& addStrings(std::string_view key, const std::optional<std::vector<std::string>>& values);
    JsonObject& addNumber(std::string_view key, std::optional<float> value);
    JsonObject& addBool(std::string_view key, bool value);

    const nlohmann::ordered_json& value() const { return json_; }
    std::string text() const;  // {"key":value,...}, one line

private:
    nlohmann::ordered_json json_ = nlohmann::ordered_json::object();
};

}  // namespace cli
