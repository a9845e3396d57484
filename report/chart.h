#pragma once
// A chart as page data: a title, two axes with their titles (units
// included), and series of points drawn as lines or markers. A missing point
// breaks a line: the runs on either side are drawn apart, with no segment
// across the gap. Placed on a page by a rectangle in twips.
#include <optional>
#include <string>
#include <vector>

namespace report {

// A rectangle in twips from the top-left corner of the printable area.
struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool operator==(const Rect&) const = default;
};

struct ChartPoint {
    double x = 0;
    double y = 0;

    bool operator==(const ChartPoint&) const = default;
};

enum class SeriesStyle { SolidLine, DashedLine, Markers };

struct Series {
    std::string name;  // UTF-8, the legend's entry
    int colour = 0;    // index into the charts' palette; wraps around
    SeriesStyle style = SeriesStyle::SolidLine;
    std::vector<std::optional<ChartPoint>> points;  // nothing: a gap
    bool markPoints = true;  // false for a reference line (a required load): no dots on it

    bool operator==(const Series&) const = default;
};

// A span of the x axis drawn as a bar in a series' colour (the workable drop
// heights of a formula), each band in a lane of its own along the bottom of
// the plot, the first highest (the legend's order); the part outside the axis is cut. A light bar
// goes with a dashed series.
struct Band {
    double from = 0;
    double to = 0;
    int colour = 0;
    bool light = false;

    bool operator==(const Band&) const = default;
};

struct Axis {
    std::string title;          // with its unit, "ระยะยก (ซม.)"
    std::optional<double> min;  // nothing: from the points
    std::optional<double> max;
    bool reversed = false;  // the largest value at the start (a depth downwards)

    bool operator==(const Axis&) const = default;
};

struct Chart {
    Rect place;
    std::string title;
    Axis x;
    Axis y;
    std::vector<Series> series;
    std::vector<Band> bands;  // drawn beneath the series, without legend entries

    bool operator==(const Chart&) const = default;
};

// The runs of a series between its gaps, each with at least one point.
std::vector<std::vector<ChartPoint>> unbrokenRuns(const Series& series);

// The range an axis shows: its own bounds where given, otherwise the
// smallest and largest of the points' coordinates widened a little, and
// never empty. `horizontal` picks x or y.
struct AxisRange {
    double min = 0;
    double max = 1;
};
AxisRange axisRange(const Chart& chart, bool horizontal);

}  // namespace report
