#include "calc/pile_sections.h"

#include <algorithm>
#include <string>
#include <vector>

#include "calc/numbers.h"

namespace calc {

namespace {

// I-section piles. Source: a Thai maker's published I-pile table (area in
// cm²; the weight per metre given there is area × 2.4 t/m³ on every row).
// Two different I-22 shapes are sold, hence two rows.
const PileSection kISections[] = {
    {"I-18", "ไอ 18×18", "18×18", "207"},
    {"I-22/337", "ไอ 22×22 (337)", "22×22", "337"},
    {"I-22/386", "ไอ 22×22 (386)", "22×22", "386"},
    {"I-26", "ไอ 26×26", "26×26", "489"},
    {"I-30", "ไอ 30×30", "30×30", "700"},
    {"I-35", "ไอ 35×35", "35×35", "973"},
    {"I-35x40", "ไอ 35×40", "35×40", "1145"},
    {"I-40", "ไอ 40×40", "40×40", "1240"},
    {"I-40x50", "ไอ 40×50", "40×50", "1740"},
};

// Spun piles: outside diameter / wall in mm. Source: the sizes of the
// Malaysian standard series MS 1314-4 for spun concrete piles; the area is
// computed from them.
struct SpunSize {
    int diameter;  // mm
    int wall;      // mm
};
constexpr SpunSize kSpunSizes[] = {{250, 55}, {300, 60}, {350, 60}, {400, 65}, {450, 70}, {500, 80}, {600, 90}};

std::vector<PileSection> catalogue()
{
    std::vector<PileSection> rows(std::begin(kISections), std::end(kISections));
    for (const SpunSize& s : kSpunSizes) {
        const std::string d = std::to_string(s.diameter), t = std::to_string(s.wall);
        const double area = hollowRoundArea(s.diameter / 10.0, s.wall / 10.0);
        rows.push_back({"spun-" + d + "/" + t, "สปัน Ø" + d + " มม. ผนัง " + t + " มม.", "Ø" + d + "/" + t,
                        numberText(area, ".")});
    }
    return rows;
}

}  // namespace

std::span<const PileSection> builtInSections()
{
    static const std::vector<PileSection> rows = catalogue();
    return rows;
}

const PileSection* findBuiltInSection(std::string_view id)
{
    const auto rows = builtInSections();
    const auto it = std::ranges::find(rows, id, &PileSection::id);
    return it == rows.end() ? nullptr : &*it;
}

double hollowRoundArea(double outsideDiameter, double wall)
{
    const double inside = outsideDiameter - 2 * wall;
    return roundHalfEven((outsideDiameter * outsideDiameter - inside * inside) * 3.14159 / 4, 2);
}

double hollowSquareArea(double side, double core)
{
    return roundHalfEven(side * side - core * core * 3.14159 / 4, 2);
}

}  // namespace calc
