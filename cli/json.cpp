#include "cli/json.h"

#include <charconv>
#include <cmath>

namespace cli {

using nlohmann::ordered_json;

ordered_json numberValue(std::optional<float> value)
{
    if (!value || !std::isfinite(*value)) return nullptr;
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, static_cast<double>(*value), std::chars_format::general, 9);
    // Read back by the parser: "4" is an integer, "0.603999972" the double
    // whose shortest form is those digits.
    return ordered_json::parse(std::string_view(buf, static_cast<std::size_t>(res.ptr - buf)));
}

std::string jsonNumber(std::optional<float> value)
{
    return report::dumpJson(numberValue(value));
}

JsonObject& JsonObject::add(std::string_view key, ordered_json value)
{
    json_[report::validUtf8(key)] = std::move(value);
    return *this;
}

JsonObject& JsonObject::addRaw(std::string_view key, const std::string& json)
{
    return add(key, ordered_json::parse(json));
}

JsonObject& JsonObject::addString(std::string_view key, const std::optional<std::string>& value)
{
    return add(key, value ? ordered_json(report::validUtf8(*value)) : ordered_json());
}

JsonObject& JsonObject::addStrings(std::string_view key, const std::optional<std::vector<std::string>>& values)
{
    if (!values) return add(key, nullptr);
    ordered_json array = ordered_json::array();
    for (const std::string& v : *values) array.push_back(report::validUtf8(v));
    return add(key, std::move(array));
}

JsonObject& JsonObject::addNumber(std::string_view key, std::optional<float> value)
{
    return add(key, numberValue(value));
}

JsonObject& JsonObject::addBool(std::string_view key, bool value)
{
    return add(key, value);
}

std::string JsonObject::text() const
{
    return report::dumpJson(json_);
}

}  // namespace cli
