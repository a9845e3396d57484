#include "cli/text_width.h"

#include <algorithm>

namespace cli {

std::size_t displayWidth(std::string_view text)
{
    std::size_t columns = 0;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const std::size_t length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        bool mark = false;
        if (length == 3 && i + 2 < text.size()) {
            const unsigned code = ((c & 0x0Fu) << 12) | ((static_cast<unsigned char>(text[i + 1]) & 0x3Fu) << 6)
                                  | (static_cast<unsigned char>(text[i + 2]) & 0x3Fu);
            mark = code == 0x0E31 || (code >= 0x0E34 && code <= 0x0E3A) || (code >= 0x0E47 && code <= 0x0E4E);
        }
        if ((c & 0xC0) != 0x80 && !mark) ++columns;
        i += length;
    }
    return columns;
}

std::string alignedTable(const std::vector<std::string>& header, const std::vector<std::vector<std::string>>& rows)
{
    std::vector<std::size_t> widths(header.size(), 0);
    const auto measure = [&](const std::vector<std::string>& cells) {
        for (std::size_t i = 0; i < cells.size() && i < widths.size(); ++i)
            widths[i] = std::max(widths[i], displayWidth(cells[i]));
    };
    measure(header);
    for (const auto& row : rows) measure(row);
    const auto line = [&](const std::vector<std::string>& cells) {
        std::string text;
        for (std::size_t i = 0; i < cells.size() && i < widths.size(); ++i) {
            if (i > 0) text += "  ";
            text += cells[i];
            if (i + 1 < cells.size()) text += std::string(widths[i] - displayWidth(cells[i]), ' ');
        }
        return text + "\n";
    };
    std::string out = line(header);
    for (const auto& row : rows) out += line(row);
    return out;
}

}  // namespace cli
