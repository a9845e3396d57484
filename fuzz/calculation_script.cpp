#include "calculation_script.h"

#include <cmath>
#include <cstdlib>

namespace fuzz {

std::vector<std::string_view> splitLines(std::string_view data)
{
    std::vector<std::string_view> lines;
    while (!data.empty()) {
        const std::size_t end = data.find('\n');
        lines.push_back(data.substr(0, end));
        if (end == std::string_view::npos) break;
        data.remove_prefix(end + 1);
    }
    return lines;
}

std::string separatorOf(char c)
{
    return c == ',' ? "," : ".";
}

calc::PileBoxes boxesOf(std::string_view flags)
{
    const auto ticked = [&](std::size_t i) { return i < flags.size() && (flags[i] & 1) != 0; };
    return {ticked(0), ticked(1), ticked(2), ticked(3)};
}

namespace {

std::vector<float> readState(std::string_view line)
{
    std::vector<float> values;
    const std::string text(line);
    const char* p = text.c_str();
    while (*p) {
        char* end = nullptr;
        const float v = std::strtof(p, &end);
        if (end == p) {
            ++p;  // not a number here: skip a byte
            continue;
        }
        values.push_back(std::isfinite(v) ? v : 0.0f);
        p = end;
    }
    return values;
}

}  // namespace

std::vector<Click> readClicks(std::string_view data, std::size_t fieldCount, std::size_t maxClicks)
{
    const std::vector<std::string_view> lines = splitLines(data);
    std::vector<Click> clicks;
    std::size_t i = 0;
    while (i < lines.size() && clicks.size() < maxClicks) {
        Click click;
        if (!lines[i].empty() && lines[i][0] == '@') {
            click.stateBefore = readState(lines[i].substr(1));
            if (++i == lines.size()) break;
        }
        const std::string_view header = lines[i++];
        click.separator = separatorOf(header.empty() ? '.' : header[0]);
        click.boxes = boxesOf(header.empty() ? header : header.substr(1));
        for (std::size_t f = 0; f < fieldCount; ++f, ++i)
            click.texts.emplace_back(i < lines.size() ? lines[i] : std::string_view());
        clicks.push_back(std::move(click));
    }
    return clicks;
}

}  // namespace fuzz
