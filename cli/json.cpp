#include "cli/json.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace cli {

namespace {

// Length of the valid UTF-8 sequence at the start of `s`, or 0 (RFC 3629:
// no overlong forms, no surrogates, nothing above U+10FFFF).
std::size_t utf8SequenceLength(std::string_view s)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char b0 = byte(0);
    if (b0 < 0x80) return 1;
    std::size_t length;
    unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (b0 >= 0xC2 && b0 <= 0xDF) length = 2;
    else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3;
        if (b0 == 0xE0) low = 0xA0;
        if (b0 == 0xED) high = 0x9F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4;
        if (b0 == 0xF0) low = 0x90;
        if (b0 == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (s.size() < length) return 0;
    if (byte(1) < low || byte(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
    return length;
}

}  // namespace

std::string jsonString(std::string_view utf8)
{
    static const char hex[] = "0123456789abcdef";
    std::string out = "\"";
    while (!utf8.empty()) {
        const std::size_t length = utf8SequenceLength(utf8);
        if (length == 0) {
            out += "\\ufffd";
            utf8.remove_prefix(1);
            continue;
        }
        const unsigned char c = static_cast<unsigned char>(utf8[0]);
        if (length > 1) {
            out.append(utf8.substr(0, length));
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\b') {
            out += "\\b";
        } else if (c == '\f') {
            out += "\\f";
        } else if (c < 0x20 || c == 0x7F) {
            out += "\\u00";
            out += hex[c >> 4];
            out += hex[c & 0xF];
        } else {
            out += static_cast<char>(c);
        }
        utf8.remove_prefix(length);
    }
    out += '"';
    return out;
}

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
