#include "report/records_summary_page.h"

#include <algorithm>
#include <array>

#include "report/record_page_parts.h"

namespace report {

namespace {

// Twips in the printable area of an A4 landscape page.
constexpr int kLeft = 300;
constexpr int kRight = 16100;
constexpr int kTitleY = 250;
constexpr int kTableTop = 1250;
constexpr int kPitch = 220;  // the row pitch: a line at kSummaryFontSize and room around it
constexpr int kHeaderHeight = 2 * kPitch + 60;
constexpr int kFooterY = 10950;
constexpr int kPad = 50;
constexpr int kEndHeight = 2 * 260 + 200 + kSignatureBoxHeight + 100;  // counts, depth, gap, boxes

struct Column {
    const char* top;
    const char* bottom;
    double weight;
};
constexpr std::array<Column, calc::kRecordColumnCount> kColumns{{
    {"หมายเลข", "เสาเข็ม", 1.1},
    {"ตำแหน่ง", "", 1.1},
    {"วันที่", "", 0.95},
    {"ลูกตุ้ม", "(ตัน)", 0.75},
    {"ระยะยก", "(ซม.)", 0.75},
    {"ความลึก", "(ม.)", 0.75},
    {"ทรุด 10 ครั้ง", "สุดท้าย (ซม.)", 1.0},
    {"เกณฑ์ 10 ครั้ง", "(ซม.)", 1.0},
    {"ครั้ง/30 ซม.", "สุดท้าย", 0.9},
    {"เกณฑ์", "ครั้ง/30 ซม.", 0.9},
    {"น้ำหนักปลอดภัย", "พิสูจน์ได้ (ตัน)", 1.1},
    {"ผล", "", 1.2},
    {"ข้อสังเกต", "", 1.5},
}};

std::array<int, calc::kRecordColumnCount + 1> columnEdges()
{
    double total = 0;
    for (const Column& c : kColumns) total += c.weight;
    std::array<int, calc::kRecordColumnCount + 1> edges{};
    double at = kLeft;
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        edges[c] = static_cast<int>(at);
        at += (kRight - kLeft) * kColumns[c].weight / total;
    }
    edges.back() = kRight;
    return edges;
}

// Letters a cell of `width` twips shows at kSummaryFontSize.
std::size_t lettersIn(int width) { return static_cast<std::size_t>(std::max(1, (width - 2 * kPad) / 75)); }

void pageHead(Page& page, const calc::PileDocument& document, const std::string& pileType)
{
    page.landscape = true;
    page.lines.push_back({kLeft, kTitleY, true, false, 14, kSummaryTitle});
    const std::string project = document.acceptance.project.empty() ? "-" : document.acceptance.project;
    page.lines.push_back(
        {kLeft, kTitleY + 420, false, false, 10, cutToLength("โครงการ: " + project, 120)});
    page.lines.push_back({kLeft, kTitleY + 680, false, false, 10,
                          cutToLength("ชนิดเสาเข็ม: " + pileType + "      เกณฑ์: "
                                          + acceptanceFormulaText(document.acceptance.formula)
                                          + "      จำนวนชุดสุดท้ายที่ต้องผ่านเกณฑ์: "
                                          + document.acceptance.setsRequired,
                                      150)});
}

// The table's header and `rows` (cells of each), from kTableTop; its bottom.
int placeTable(Page& page, const std::vector<std::vector<std::string>>& rows, const std::vector<bool>& bold)
{
    const auto edges = columnEdges();
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        page.lines.push_back({edges[c] + kPad, kTableTop + 30, true, false, kSummaryFontSize, kColumns[c].top});
        page.lines.push_back(
            {edges[c] + kPad, kTableTop + 30 + kPitch, true, false, kSummaryFontSize, kColumns[c].bottom});
    }
    const int headerBottom = kTableTop + kHeaderHeight;
    int y = headerBottom;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size() && c < kColumns.size(); ++c) {
            const std::string text = cutToLength(rows[r][c], lettersIn(edges[c + 1] - edges[c]));
            const bool verdict = c == calc::kStatusColumn && bold[r];
            page.lines.push_back({edges[c] + kPad, y, verdict, false, kSummaryFontSize, text});
        }
        y += kPitch;
        // A light rule under every row, a heavier one every fifth.
        page.rules.push_back({kLeft, y, kRight, y, (r + 1) % 5 == 0 ? 8 : 3});
    }
    page.rules.push_back({kLeft, kTableTop, kRight, kTableTop, 10});
    page.rules.push_back({kLeft, headerBottom, kRight, headerBottom, 10});
    page.rules.push_back({kLeft, y, kRight, y, 10});
    for (const int x : edges) page.rules.push_back({x, kTableTop, x, y, x == kLeft || x == kRight ? 10 : 5});
    return y;
}

}  // namespace

std::string countsLine(const calc::RecordCounts& c)
{
    return "เสาเข็ม " + std::to_string(c.records) + " ต้น      " + calc::statusText(calc::RecordStatus::Meets) + " "
           + std::to_string(c.meets) + "      " + calc::statusText(calc::RecordStatus::Fails) + " "
           + std::to_string(c.fails) + "      " + calc::statusText(calc::RecordStatus::Incomplete) + " "
           + std::to_string(c.incomplete) + "      " + calc::statusText(calc::RecordStatus::NoCriterion) + " "
           + std::to_string(c.noCriterion) + "      " + calc::statusText(calc::RecordStatus::BadInput) + " "
           + std::to_string(c.badInput);
}

std::vector<Page> recordsSummaryPages(const calc::PileDocument& document, const std::vector<calc::RecordCheck>& checks,
                                      const std::string& pileType)
{
    const std::size_t n = std::min(document.records.size(), checks.size());
    const int tableFloor = kFooterY - 150;
    const auto rowsFrom = [](int top) { return static_cast<std::size_t>((top - kTableTop - kHeaderHeight) / kPitch); };
    const std::size_t perPage = std::min<std::size_t>(kSummaryRowsPerPage, rowsFrom(tableFloor));
    const std::size_t onLast = rowsFrom(tableFloor - kEndHeight);
    // Full pages, then a last one with room for the counts and the boxes.
    const std::size_t full = n <= onLast ? 0 : (n - onLast + perPage - 1) / perPage;
    const std::size_t pageCount = full + 1;

    std::vector<Page> pages(pageCount);
    std::size_t next = 0;
    for (std::size_t p = 0; p < pageCount; ++p) {
        Page& page = pages[p];
        pageHead(page, document, pileType);
        const std::size_t count = std::min(n - next, p + 1 < pageCount ? perPage : onLast);
        std::vector<std::vector<std::string>> rows;
        std::vector<bool> bold;
        for (std::size_t i = next; i < next + count; ++i) {
            rows.push_back(calc::recordCells(document.records[i], checks[i]));
            bold.push_back(checks[i].status != calc::RecordStatus::Meets);
        }
        next += count;
        int y = placeTable(page, rows, bold);
        if (p + 1 == pageCount) {
            const calc::RecordCounts counts =
                calc::countRecords(std::vector<calc::RecordCheck>(checks.begin(), checks.begin() + n),
                                   document.decimalSeparator);
            page.lines.push_back({kLeft, y + 120, true, false, 10, countsLine(counts)});
            page.lines.push_back({kLeft, y + 380, true, false, 10, "ความลึกที่ตอกรวม " + counts.totalDepth + " ม."});
            const int boxTop = y + 380 + 260 + 200;
            const int width = 4200;
            const int gap = (kRight - kLeft - 3 * width) / 2;
            const std::array<const char*, 3> roles{"ผู้ควบคุมงาน", "วิศวกร", "ที่ปรึกษา"};
            for (std::size_t b = 0; b < roles.size(); ++b)
                addSignatureBox(page, kLeft + static_cast<int>(b) * (width + gap), boxTop, width, roles[b], 10);
        }
        page.lines.push_back({7700, kFooterY, false, false, 10,
                              "หน้า " + std::to_string(p + 1) + " / " + std::to_string(pageCount)});
    }
    return pages;
}

}  // namespace report
