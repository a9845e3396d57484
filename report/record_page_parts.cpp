#include "report/record_page_parts.h"

#include "calc/formula_names.h"

namespace report {

namespace {

// The code point starting at `i`, and its length in bytes.
char32_t codePoint(std::string_view s, std::size_t i, std::size_t& length)
{
    const auto byte = static_cast<unsigned char>(s[i]);
    length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
    if (i + length > s.size()) length = 1;
    if (length == 1) return byte;
    char32_t c = byte & (0xFF >> (length + 1));
    for (std::size_t k = 1; k < length; ++k) c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    return c;
}

// Thai marks written above or below the letter before them.
bool takesNoRoom(char32_t c)
{
    return c == 0x0E31 || (c >= 0x0E34 && c <= 0x0E3A) || (c >= 0x0E47 && c <= 0x0E4E);
}

}  // namespace

void addSignatureBox(Page& page, int x, int y, int width, const std::string& role, int size)
{
    const int pitch = size * 22;
    const int bottom = y + kSignatureBoxHeight;
    page.rules.push_back({x, y, x + width, y, 8});
    page.rules.push_back({x, bottom, x + width, bottom, 8});
    page.rules.push_back({x, y, x, bottom, 8});
    page.rules.push_back({x + width, y, x + width, bottom, 8});
    page.lines.push_back({x + 120, y + 60, true, false, size, role});
    const int pad = 120;
    page.lines.push_back({x + pad, y + 60 + pitch + 120, false, false, size, "ลงชื่อ ........................................"});
    page.lines.push_back({x + pad, y + 60 + 2 * pitch + 140, false, false, size, "(........................................)"});
    page.lines.push_back({x + pad, y + 60 + 3 * pitch + 160, false, false, size, "วันที่ ......../......../........"});
}

std::size_t shownLength(std::string_view s)
{
    std::size_t letters = 0;
    for (std::size_t i = 0, length = 1; i < s.size(); i += length)
        if (!takesNoRoom(codePoint(s, i, length))) ++letters;
    return letters;
}

std::string cutToLength(const std::string& s, std::size_t letters)
{
    if (shownLength(s) <= letters) return s;
    if (letters == 0) return "";
    std::size_t kept = 0;
    std::size_t end = 0;
    for (std::size_t i = 0, length = 1; i < s.size(); i += length) {
        const bool room = !takesNoRoom(codePoint(s, i, length));
        if (room && kept == letters - 1) break;
        if (room) ++kept;
        end = i + length;
    }
    return s.substr(0, end) + "…";
}

std::vector<std::string> wrapText(const std::string& text, std::size_t letters, std::size_t maxLines)
{
    std::vector<std::string> lines;
    std::string line;
    std::size_t start = 0;
    bool left = false;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos) end = text.size();
        const std::string word = text.substr(start, end - start);
        start = end + 1;
        if (word.empty()) continue;
        const std::string joined = line.empty() ? word : line + " " + word;
        if (shownLength(joined) <= letters) {
            line = joined;
            continue;
        }
        if (!line.empty()) lines.push_back(line);
        line = shownLength(word) <= letters ? word : cutToLength(word, letters);
        if (lines.size() == maxLines) {
            left = true;
            break;
        }
    }
    if (!left && !line.empty()) {
        if (lines.size() < maxLines) lines.push_back(line);
        else left = true;
    }
    if (left && !lines.empty() && letters > 1) {
        const std::string cut = cutToLength(lines.back(), letters - 1);
        lines.back() = cut == lines.back() ? cut + "…" : cut;
    }
    return lines;
}

std::string acceptanceFormulaText(const std::string& formula)
{
    if (const calc::FormulaInfo* info = calc::findFormula(formula)) return calc::shortFormulaName(info->formula);
    return "สูตรที่ให้เกณฑ์เข้มที่สุด";
}

}  // namespace report
