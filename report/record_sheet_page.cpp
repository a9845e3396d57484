#include "report/record_sheet_page.h"

#include <algorithm>
#include <cmath>

#include "calc/capacity.h"
#include "calc/formula_names.h"
#include "calc/numbers.h"
#include "calc/tab_texts.h"
#include "report/penetration_chart.h"
#include "report/record_page_parts.h"

namespace report {

namespace {

// Twips in the printable area of an A4 portrait page.
constexpr int kLeft = 300;
constexpr int kRight = 11100;
constexpr int kDataSize = 11;
constexpr int kDataPitch = 265;
constexpr int kBlocksTop = 3900;
constexpr int kBlocksBottom = 10300;
constexpr int kBlockWidth = 2350;
constexpr int kBlockGap = 120;
constexpr int kWidestPitch = 250;  // rows at 9 points
constexpr int kNarrowestPitch = 130;  // rows at 5 points
constexpr int kMostBlocks = 4;
constexpr int kPad = 60;

std::string orDash(const std::string& text) { return text.empty() ? "-" : text; }

// The tab that tells the pile's section and length: the governing one when it
// has them, else the first that does.
const calc::PileTab* sectionTab(const calc::PileDocument& document, const calc::RecordCheck& check,
                                calc::Formula& formula)
{
    std::vector<calc::Formula> order;
    if (check.criterion) order.push_back(check.criterion->formula);
    for (const calc::FormulaInfo& info : calc::formulas()) order.push_back(info.formula);
    for (const calc::Formula f : order) {
        if (!calc::formulaInfo(f).hasPileBoxes) continue;
        formula = f;
        return &document.tab(f);
    }
    return nullptr;
}

std::string fieldText(const calc::PileTab& tab, calc::Formula formula, const char* symbol)
{
    const std::optional<int> index = calc::fieldIndex(calc::formulaInfo(formula), symbol);
    if (!index || static_cast<std::size_t>(*index) >= tab.texts.size()) return "";
    return tab.texts[static_cast<std::size_t>(*index)];
}

std::pair<std::string, std::string> sectionAndLength(const calc::PileDocument& document, const calc::RecordCheck& check)
{
    calc::Formula formula = calc::Formula::Hiley;
    const calc::PileTab* tab = sectionTab(document, check, formula);
    if (!tab) return {"-", "-"};
    const auto& boxes = calc::tabTexts(formula).boxes;
    std::string section;
    const std::string D = fieldText(*tab, formula, "D");
    if (boxes.size() >= 4) {
        if (tab->boxes.reinforced) section += boxes[0].text;
        if (tab->boxes.prestressed) section += boxes[1].text;
        if (tab->boxes.square) section += std::string(section.empty() ? "" : "  ") + boxes[2].text;
        if (tab->boxes.round) section += std::string(section.empty() ? "" : "  ") + boxes[3].text;
    }
    if (!D.empty()) section += std::string(section.empty() ? "" : "  ") + "D = " + D + " ซม.";
    const std::string L = fieldText(*tab, formula, "L");
    return {orDash(section), L.empty() ? "-" : L + " ม."};
}

void pair(Page& page, int y, const std::string& left, const std::string& right)
{
    page.lines.push_back({kLeft, y, false, false, kDataSize, cutToLength(left, 56)});
    page.lines.push_back({5800, y, false, false, kDataSize, cutToLength(right, 56)});
}

// The blows per 30 cm by depth, in blocks side by side; the right edge of the
// last block.
int placeBlowTable(Page& page, const calc::PileRecord& record, std::string_view separator)
{
    const std::vector<calc::PenetrationStep> steps = calc::penetration(record, separator);
    std::vector<std::pair<std::string, std::string>> rows;
    if (!steps.empty()) {
        for (std::size_t i = 0; i < steps.size(); ++i)
            rows.emplace_back(calc::numberText(calc::roundHalfEven(steps[i].top, 2), separator) + " - "
                                  + calc::numberText(calc::roundHalfEven(steps[i].bottom, 2), separator),
                              record.blows[i]);
    } else {
        // Without a depth (or with counts that are no numbers) the counts in order.
        for (std::size_t i = 0; i < record.blows.size(); ++i)
            rows.emplace_back("ช่วงที่ " + std::to_string(i + 1), record.blows[i]);
    }
    const int header = 2 * 230 + 40;
    const int room = kBlocksBottom - kBlocksTop - header;
    // One block at full size, else two, with smaller rows as needed, else more blocks.
    const std::size_t n = std::max<std::size_t>(rows.size(), 1);
    int blocks = 0;
    int pitch = 0;
    std::size_t perBlock = 0;
    do {
        ++blocks;
        perBlock = (n + static_cast<std::size_t>(blocks) - 1) / static_cast<std::size_t>(blocks);
        pitch = std::min(kWidestPitch, room / static_cast<int>(perBlock));
    } while (pitch < (blocks == 1 ? kWidestPitch : kNarrowestPitch) && blocks < kMostBlocks);
    // Past four blocks (over 60 m of counts) the rows get smaller still.
    const int size = std::max(3, pitch / 26);
    for (int b = 0; b < blocks; ++b) {
        const int x = kLeft + b * (kBlockWidth + kBlockGap);
        const int split = x + kBlockWidth * 62 / 100;
        const std::size_t first = static_cast<std::size_t>(b) * perBlock;
        const std::size_t last = std::min(rows.size(), first + perBlock);
        page.lines.push_back({x + kPad, kBlocksTop + 20, true, false, 10, "ความลึก (ม.)"});
        page.lines.push_back({split + kPad, kBlocksTop + 20, true, false, 10, "ครั้ง/"});
        page.lines.push_back({split + kPad, kBlocksTop + 250, true, false, 10, "30 ซม."});
        int y = kBlocksTop + header;
        for (std::size_t r = first; r < last; ++r) {
            page.lines.push_back({x + kPad, y, false, false, size, cutToLength(rows[r].first, 18)});
            page.lines.push_back({split + kPad, y, r + 1 == rows.size(), false, size, cutToLength(rows[r].second, 7)});
            y += pitch;
        }
        const int bottom = std::max(y, kBlocksTop + header + pitch);
        for (const int ry : {kBlocksTop, kBlocksTop + header, bottom}) page.rules.push_back({x, ry, x + kBlockWidth, ry, 8});
        for (const int rx : {x, split, x + kBlockWidth}) page.rules.push_back({rx, kBlocksTop, rx, bottom, 8});
    }
    return kLeft + blocks * (kBlockWidth + kBlockGap);
}

}  // namespace

std::string setAgainstCriterion(const std::string& set, const calc::RecordCheck& check, std::string_view separator)
{
    const std::optional<float> value = calc::textToNumber(set, separator);
    if (!value || !check.criterion) return set;
    return set + (*value <= check.criterion->set10Value ? " ≤ " : " > ") + check.criterion->set10;
}

Page recordSheetPage(const calc::PileDocument& document, std::size_t index, const calc::RecordCheck& check,
                     const std::string& pileType)
{
    const calc::PileRecord& r = document.records.at(index);
    const std::string& sep = document.decimalSeparator;
    Page page;
    page.lines.push_back({kLeft, 250, true, false, 18, kSheetTitle});
    page.lines.push_back({kLeft, 800, false, false, kDataSize,
                          cutToLength("โครงการ: " + orDash(document.acceptance.project), 110)});
    page.lines.push_back({kLeft, 800 + kDataPitch, false, false, kDataSize, cutToLength("ชนิดเสาเข็ม: " + pileType, 110)});

    const auto [section, length] = sectionAndLength(document, check);
    const std::string W = !r.hammer.empty() ? r.hammer : check.criterion ? "(" + check.criterion->W + ")" : "-";
    const std::string h = !r.drop.empty() ? r.drop : check.criterion ? "(" + check.criterion->h + ")" : "-";
    int y = 1450;
    pair(page, y, "หมายเลขเสาเข็ม: " + r.mark, "ตำแหน่ง: " + orDash(r.location));
    pair(page, y += kDataPitch, "วันที่ตอก: " + orDash(r.date), "ผู้ควบคุม: " + orDash(r.inspector));
    pair(page, y += kDataPitch, "หน้าตัด: " + section, "ความยาวเสาเข็ม: " + length);
    const auto withUnit = [](const std::string& value, const char* unit) { return value == "-" ? value : value + unit; };
    pair(page, y += kDataPitch, "น้ำหนักลูกตุ้ม W = " + withUnit(W, " ตัน"), "ระยะยก h = " + withUnit(h, " ซม."));
    pair(page, y += kDataPitch, "ความลึกที่ตอก: " + (r.depth.empty() ? std::string("-") : r.depth + " ม."), "");

    y += kDataPitch + 120;
    page.rules.push_back({kLeft, y - 60, kRight, y - 60, 8});
    if (check.criterion) {
        const calc::RecordCriterion& c = *check.criterion;
        page.lines.push_back({kLeft, y, true, false, kDataSize,
                              "เกณฑ์ (" + std::string(calc::shortFormulaName(c.formula)) + ", W = " + c.W
                                  + " ตัน, h = " + c.h + " ซม.): ค่าการทรุดตัว 10 ครั้งสุดท้ายไม่เกิน " + c.set10
                                  + " ซม.  หรือไม่น้อยกว่า " + c.blows30 + " ครั้ง/30 ซม."});
    } else {
        page.lines.push_back({kLeft, y, true, false, kDataSize, "เกณฑ์: " + cutToLength(check.message.value_or("-"), 90)});
    }
    page.lines.push_back({kLeft, y + kDataPitch, false, false, kDataSize,
                          "สูตร: " + acceptanceFormulaText(document.acceptance.formula)
                              + "      จำนวนชุดสุดท้ายที่ต้องผ่านเกณฑ์: " + document.acceptance.setsRequired});

    // The table, and the graph in the room it leaves.
    const int tableRight = placeBlowTable(page, r, sep);
    const int graphLeft = std::max(tableRight + 100, 5400);
    if (kRight - graphLeft >= 3000)
        page.charts.push_back(penetrationChart(r, check, sep, Rect{graphLeft, kBlocksTop, kRight - graphLeft,
                                                                    kBlocksBottom - kBlocksTop}));

    // The sets against the criterion, six to a line.
    y = kBlocksBottom + 200;
    page.lines.push_back({kLeft, y, true, false, kDataSize, "ค่าการทรุดตัว 10 ครั้ง (ซม.) เทียบเกณฑ์:"});
    std::string line;
    std::size_t onLine = 0, lines = 0;
    for (std::size_t i = 0; i < r.sets.size(); ++i) {
        line += (line.empty() ? "" : "      ") + cutToLength(setAgainstCriterion(r.sets[i], check, sep), 24);
        if (++onLine == 6 || i + 1 == r.sets.size()) {
            if (lines < 2) page.lines.push_back({kLeft + 300, y += kDataPitch, false, false, kDataSize, line});
            ++lines;
            line.clear();
            onLine = 0;
        }
    }
    if (r.sets.empty()) page.lines.push_back({kLeft + 300, y += kDataPitch, false, false, kDataSize, "-"});
    if (lines > 2) page.lines.back().text += "  (ชุดก่อนหน้านี้ " + std::to_string((lines - 2) * 6) + "+ ชุดไม่แสดง)";

    y += kDataPitch + 120;
    std::string verdict = "ผลการตรวจสอบ: " + std::string(calc::statusText(check.status));
    for (const calc::RecordFlag flag : check.flags) verdict += "   " + std::string(calc::flagText(flag));
    page.lines.push_back({kLeft, y, true, false, 14, verdict});
    y += 330;
    if (check.message && check.criterion)
        page.lines.push_back({kLeft, y, false, false, kDataSize, cutToLength(*check.message, 100)}), y += kDataPitch;
    if (check.capacity) {
        page.lines.push_back({kLeft, y, true, false, kDataSize, "น้ำหนักบรรทุกที่พิสูจน์ได้ จากค่าการทรุดตัวชุดสุดท้าย:"});
        for (const std::string& line : calc::capacityLines(*check.capacity))
            page.lines.push_back({kLeft + 300, y += kDataPitch, false, false, kDataSize, cutToLength(line, 90)});
        y += kDataPitch;
    } else if (check.capacityMessage) {
        page.lines.push_back({kLeft, y, false, false, kDataSize,
                              cutToLength("น้ำหนักบรรทุกที่พิสูจน์ได้: " + *check.capacityMessage, 100)});
        y += kDataPitch;
    }
    y += 60;
    const std::vector<std::string> remarks = wrapText(r.remarks.empty() ? "-" : r.remarks, 90, 3);
    for (std::size_t i = 0; i < remarks.size(); ++i)
        page.lines.push_back({kLeft, y + kDataPitch * static_cast<int>(i), false, false, kDataSize,
                              (i == 0 ? "หมายเหตุ: " : "              ") + remarks[i]});

    const int boxTop = 15900 - kSignatureBoxHeight;
    const int width = 4600;
    addSignatureBox(page, kLeft, boxTop, width, "ผู้ควบคุมงาน", kDataSize);
    addSignatureBox(page, kRight - width, boxTop, width, "วิศวกร", kDataSize);
    return page;
}

}  // namespace report
