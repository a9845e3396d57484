#include "cli/json.h"

#include <charconv>
#include <cmath>

#include "report/page_json.h"

namespace cli {

std::string jsonNumber(std::optional<float> value)
{
    if (!value || !std::isfinite(*value)) return "null";
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, static_cast<double>(*value), std::chars_format::general, 9);
    return std::string(buf, res.ptr);
}

JsonObject& JsonObject::addRaw(std::string_view key, std::string json)
{
    members_.emplace_back(jsonString(key), std::move(json));
    return *this;
}

JsonObject& JsonObject::addString(std::string_view key, const std::optional<std::string>& value)
{
    return addRaw(key, value ? jsonString(*value) : "null");
}

JsonObject& JsonObject::addStrings(std::string_view key, const std::optional<std::vector<std::string>>& values)
{
    if (!values) return addRaw(key, "null");
    std::string json = "[";
    for (std::size_t i = 0; i < values->size(); ++i) {
        if (i) json += ',';
        json += jsonString((*values)[i]);
    }
    json += ']';
    return addRaw(key, std::move(json));
}

JsonObject& JsonObject::addNumber(std::string_view key, std::optional<float> value)
{
    return addRaw(key, jsonNumber(value));
}

JsonObject& JsonObject::addBool(std::string_view key, bool value)
{
    return addRaw(key, value ? "true" : "false");
}

std::string JsonObject::text() const
{
    std::string out = "{";
    for (std::size_t i = 0; i < members_.size(); ++i) {
        if (i) out += ',';
        out += members_[i].first;
        out += ':';
        out += members_[i].second;
    }
    out += '}';
    return out;
}

}  // namespace cli
