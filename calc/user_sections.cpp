#include "calc/user_sections.h"

#include <algorithm>
#include <optional>

#include "calc/numbers.h"
#include "calc/pile_sections.h"

namespace calc {

namespace {

using Result = std::variant<PileSection, std::string>;

// The value of a size text: a number greater than 0, or nothing.
std::optional<double> positive(const std::string& text, std::string_view separator)
{
    const std::optional<float> value = textToNumber(text, separator);
    if (!value || !(*value > 0)) return std::nullopt;
    return *value;
}

bool nameTaken(const std::string& name, std::span<const std::string> taken)
{
    if (std::ranges::find(taken, name) != taken.end()) return true;
    for (const PileSection& s : builtInSections())
        if (s.id == name || s.name == name) return true;
    return false;
}

}  // namespace

Result sectionOf(const SectionRow& row, std::string_view separator, std::span<const std::string> taken)
{
    if (row.name.empty()) return std::string("กรุณาใส่ชื่อหน้าตัด");
    for (const std::string* text : {&row.name, &row.size})
        for (const char c : *text)
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return std::string("ชื่อหรือขนาดมีอักขระควบคุม");
    if (nameTaken(row.name, taken)) return std::string("มีหน้าตัดชื่อนี้อยู่แล้ว");

    const std::optional<double> first = positive(row.first, separator);
    const std::optional<double> second = positive(row.second, separator);
    PileSection section{row.name, row.name, row.size, {}};
    switch (row.shape) {
    case SectionShape::Area:
        if (!first) return std::string("พื้นที่หน้าตัดต้องเป็นตัวเลขที่มากกว่า 0");
        section.area = replaceAll(row.first, separator, ".");
        break;
    case SectionShape::HollowRound:
        if (!first) return std::string("เส้นผ่านศูนย์กลางต้องเป็นตัวเลขที่มากกว่า 0");
        if (!second) return std::string("ความหนาผนังต้องเป็นตัวเลขที่มากกว่า 0");
        if (!(2 * *second < *first)) return std::string("ผนังต้องหนาน้อยกว่าครึ่งหนึ่งของเส้นผ่านศูนย์กลาง");
        section.area = numberText(hollowRoundArea(*first, *second), ".");
        section.size = "Ø" + row.first + "/" + row.second;
        break;
    case SectionShape::HollowSquare:
        if (!first) return std::string("ขนาดด้านต้องเป็นตัวเลขที่มากกว่า 0");
        if (!second) return std::string("เส้นผ่านศูนย์กลางรูกลางต้องเป็นตัวเลขที่มากกว่า 0");
        if (!(*second < *first)) return std::string("รูกลางต้องเล็กกว่าขนาดด้าน");
        section.area = numberText(hollowSquareArea(*first, *second), ".");
        section.size = row.first + "/Ø" + row.second;
        break;
    }
    // A computed area can round to 0 or be too large for the tab's value.
    const std::optional<float> area = textToNumber(section.area, ".");
    if (!area || !(*area > 0)) return std::string("พื้นที่หน้าตัดที่ได้ไม่ถูกต้อง");
    return section;
}

}  // namespace calc
