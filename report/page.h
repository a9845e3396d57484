#pragma once
// A report page as data: the lines in printing order, each placed by its left
// edge X and the top of its line Y, in twips (1/1440 inch) from the top-left
// corner of the printable area. Every line is set in the report font at `size`
// points; only bold and underline change. A page may also hold rules (the
// lines of a table) and charts. A page is A4 portrait unless it says landscape.
#include <string>
#include <vector>

#include "report/chart.h"

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

// A straight rule from (x1, y1) to (x2, y2), `width` twips thick.
struct Rule {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    int width = 10;

    bool operator==(const Rule&) const = default;
};

struct Page {
    std::vector<Line> lines;
    std::vector<Rule> rules;
    std::vector<Chart> charts;
    bool landscape = false;  // A4 turned: the printable area wider than high
};

}  // namespace report
