#include "report/page_json.h"

#include <cstdint>

namespace report {

namespace {

// Length of the valid UTF-8 sequence at the start of `s`, or 0 if there is
// none (a stray continuation byte, a truncated, overlong or surrogate
// sequence, or a code point beyond U+10FFFF).
std::size_t utf8SequenceLength(std::string_view s)
{
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(s[i]); };
    const std::uint8_t lead = byte(0);
    std::size_t length = 0;
    std::uint32_t codePoint = 0;
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07u;
    } else {
        return 0;
    }
    if (s.size() < length) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0u) != 0x80u) return 0;
        codePoint = (codePoint << 6) | (byte(i) & 0x3Fu);
    }
    const std::uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (codePoint < smallest[length]) return 0;
    if (codePoint >= 0xD800 && codePoint <= 0xDFFF) return 0;
    if (codePoint > 0x10FFFF) return 0;
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
        if (length > 1) {
            out.append(utf8.substr(0, length));
            utf8.remove_prefix(length);
            continue;
        }
        const char c = utf8.front();
        utf8.remove_prefix(1);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
                out += "\\u00";
                out += hex[(c >> 4) & 0xF];
                out += hex[c & 0xF];
            } else {
                out += c;
            }
        }
    }
    out += '"';
    return out;
}

std::string pageJson(const Page& page)
{
    std::string out = "[";
    for (std::size_t i = 0; i < page.lines.size(); ++i) {
        const Line& line = page.lines[i];
        if (i > 0) out += ',';
        out += "{\"x\":" + std::to_string(line.x);
        out += ",\"y\":" + std::to_string(line.y);
        out += ",\"bold\":" + std::string(line.bold ? "true" : "false");
        out += ",\"underline\":" + std::string(line.underline ? "true" : "false");
        out += ",\"text\":" + jsonString(line.text) + "}";
    }
    out += ']';
    return out;
}

}  // namespace report
