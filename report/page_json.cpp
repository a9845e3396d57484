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

std::string validUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    while (!bytes.empty()) {
        const std::size_t length = utf8SequenceLength(bytes);
        if (length == 0) {
            out += "\xEF\xBF\xBD";  // U+FFFD
            bytes.remove_prefix(1);
        } else {
            out.append(bytes.substr(0, length));
            bytes.remove_prefix(length);
        }
    }
    return out;
}

std::string dumpJson(const nlohmann::ordered_json& json)
{
    // The texts are valid UTF-8 already; the handler only guards the dump.
    return json.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

std::string jsonString(std::string_view utf8)
{
    return dumpJson(validUtf8(utf8));
}

nlohmann::ordered_json pageJsonValue(const Page& page)
{
    nlohmann::ordered_json lines = nlohmann::ordered_json::array();
    for (const Line& line : page.lines)
        lines.push_back({{"x", line.x},
                         {"y", line.y},
                         {"bold", line.bold},
                         {"underline", line.underline},
                         {"text", validUtf8(line.text)}});
    return lines;
}

std::string pageJson(const Page& page)
{
    return dumpJson(pageJsonValue(page));
}

}  // namespace report
