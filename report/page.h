#pragma once
// A report page as data: the lines in printing order, each placed by its left
// edge X and the top of its line Y, in twips (1/1440 inch) from the top-left
// corner of the printable area. Every line is set in the report font at `size`
// points; only bold and underline change.
#include <string>
#include <vector>

namespace report {

struct Line {
    int x = 0;
    int y = 0;
    bool bold = false;
    bool underline = false;
    int size = 14;
    std::string text;  // UTF-8

    bool operator==(const Line&) const = default;
};

struct Page {
    std::vector<Line> lines;
};

}  // namespace report
