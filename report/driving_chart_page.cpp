#include "report/driving_chart_page.h"

#include <algorithm>
#include <string>

#include "calc/formula_names.h"
#include "calc/numbers.h"
#include "report/page_builder.h"

namespace report {

namespace {

constexpr int kLeft = 300;
constexpr int kRight = 11000;
constexpr int kBottom = 15900;  // the lowest a line may end
constexpr int kTitleY = 300;
constexpr int kTitleSize = 16;
constexpr int kInputSize = 10;
constexpr int kInputPitch = 230;
constexpr int kChartHeight = 4700;
constexpr int kLeastChartHeight = 4200;  // the chart gives room to the workable heights' lines
constexpr double kXMargin = 0.03;        // of the drop heights' span, at each end
constexpr int kBlockGap = 250;
constexpr int kCellPad = 40;
constexpr int kHeaderPitch = 175;
constexpr int kRuleWidth = 8;

constexpr const char* kTitle = "ตารางเกณฑ์การตอกเสาเข็มตามระยะยกลูกตุ้ม";
constexpr const char* kChartTitle = "ค่าการทรุดตัว 10 ครั้งสุดท้ายที่ยอมให้ ตามระยะยกลูกตุ้ม";
constexpr const char* kXTitle = "ระยะยกลูกตุ้ม h (ซม.)";
// Short enough to stand whole beside the printed chart's plot.
constexpr const char* kYTitle = "การทรุดตัว 10 ครั้ง (ซม.)";
constexpr const char* kNote =
    "10 ครั้ง = ค่าการทรุดตัวรวม 10 ครั้งสุดท้ายที่ยอมให้ (ซม.)   ครั้ง/30 = จำนวนครั้งที่น้อยที่สุดต่อระยะ 30 ซม.   "
    "เกณฑ์ = ค่าที่มากที่สุดในแถว และสูตรที่ให้ค่านั้น";

const char* pageName(calc::Formula formula)
{
    return formula == calc::Formula::EngineeringNews ? "Eng. News" : calc::shortFormulaName(formula);
}

struct Column {
    std::string top;     // first header line
    std::string bottom;  // second header line
    double weight;
    bool groupStart;     // a rule to its left
};

class Table {
public:
    explicit Table(const calc::DrivingChart& chart)
    {
        columns_.push_back({"h", "(ซม.)", 1.0, false});
        if (!chart.hammers.empty()) columns_.push_back({"W", "(ตัน)", 1.0, true});
        for (const calc::ChartColumn& column : chart.columns) {
            if (!column.hasColumns) continue;
            columns_.push_back({pageName(column.formula), "10 ครั้ง", 1.05, true});
            columns_.push_back({"", "ครั้ง/30", 1.05, false});
        }
        columns_.push_back({"เกณฑ์", "ครั้ง/30", 1.05, true});
        columns_.push_back({"สูตร", "", 1.5, false});
        texts_ = calc::chartTableTexts(chart, chart.decimalSeparator).rows;
        for (std::size_t r = 0; r < texts_.size(); ++r) {
            const calc::ChartRow& row = chart.rows[r];
            std::vector<std::string>& cells = texts_[r];
            // A marker stands once across its formula's two columns.
            std::size_t at = chart.hammers.empty() ? 1 : 2;
            for (std::size_t c = 0; c < chart.columns.size(); ++c) {
                if (!chart.columns[c].hasColumns) continue;
                if (!row.cells[c].hasNumbers()) cells[at + 1].clear();
                at += 2;
            }
            if (row.governing) cells.back() = pageName(chart.columns[*row.governing].formula);
        }
    }

    std::size_t rowCount() const { return texts_.size(); }

    // Rows [first, first + count) as a block at (x, y), `width` wide; the
    // bottom of the block.
    int place(Page& page, std::size_t first, std::size_t count, int x, int y, int width) const
    {
        double total = 0;
        for (const Column& c : columns_) total += c.weight;
        std::vector<int> lefts;
        double at = x;
        for (const Column& c : columns_) {
            lefts.push_back(static_cast<int>(at));
            at += width * c.weight / total;
        }
        const int right = x + width;
        const int headerBottom = y + 2 * kHeaderPitch + 40;
        for (std::size_t c = 0; c < columns_.size(); ++c) {
            page.lines.push_back({lefts[c] + kCellPad, y + 10, true, false, kChartTableFontSize, columns_[c].top});
            page.lines.push_back(
                {lefts[c] + kCellPad, y + 10 + kHeaderPitch, true, false, kChartTableFontSize, columns_[c].bottom});
        }
        int rowY = headerBottom + 20;
        for (std::size_t r = first; r < first + count; ++r) {
            const std::vector<std::string>& cells = texts_[r];
            for (std::size_t c = 0; c < cells.size() && c < columns_.size(); ++c) {
                const bool governing = c + 2 >= cells.size();
                page.lines.push_back({lefts[c] + kCellPad, rowY, governing, false, kChartTableFontSize, cells[c]});
            }
            rowY += kChartTableRowPitch;
        }
        const int bottom = rowY + 20;
        page.rules.push_back({x, y, right, y, kRuleWidth});
        page.rules.push_back({x, headerBottom, right, headerBottom, kRuleWidth});
        page.rules.push_back({x, bottom, right, bottom, kRuleWidth});
        page.rules.push_back({x, y, x, bottom, kRuleWidth});
        page.rules.push_back({right, y, right, bottom, kRuleWidth});
        for (std::size_t c = 0; c < columns_.size(); ++c)
            if (columns_[c].groupStart) page.rules.push_back({lefts[c], y, lefts[c], bottom, kRuleWidth});
        return bottom;
    }

private:
    std::vector<Column> columns_;
    std::vector<std::vector<std::string>> texts_;
};

// Rows that fit a block from `top` with its header and the note below it.
std::size_t rowsFitting(int top)
{
    const int room = kBottom - top - 2 * kHeaderPitch - 80 - 2 * kInputPitch;
    return room > 0 ? static_cast<std::size_t>(room / kChartTableRowPitch) : 0;
}

// The rows from `first` in up to two blocks from `top`; the next row left.
std::size_t placeBlocks(Page& page, const Table& table, std::size_t first, int top, bool narrowFirst)
{
    const std::size_t perBlock = rowsFitting(top);
    const std::size_t left = table.rowCount() - first;
    int bottom = top;
    std::size_t placed = 0;
    if (left <= perBlock && !narrowFirst) {
        bottom = table.place(page, first, left, kLeft, top, kRight - kLeft);
        placed = left;
    } else {
        const int width = (kRight - kLeft - kBlockGap) / 2;
        const std::size_t firstBlock = std::min(perBlock, (left + 1) / 2 > perBlock ? perBlock : (left + 1) / 2);
        bottom = table.place(page, first, firstBlock, kLeft, top, width);
        placed = firstBlock;
        const std::size_t second = std::min(perBlock, left - firstBlock);
        if (second > 0) {
            bottom = std::max(bottom, table.place(page, first + firstBlock, second, kLeft + width + kBlockGap, top, width));
            placed += second;
        }
    }
    page.lines.push_back({kLeft, bottom + 60, false, false, kChartTableFontSize, kNote});
    return first + placed;
}

std::string boxesText(const calc::TabInputs& tab)
{
    const auto& boxes = calc::tabTexts(tab.formula).boxes;
    if (boxes.size() < 4) return "";
    std::string text;
    const auto add = [&](bool on, std::size_t i) {
        if (on) text += std::string(text.empty() ? "" : "  ") + boxes[i].text;
    };
    add(tab.boxes.reinforced, 0);
    add(tab.boxes.prestressed, 1);
    add(tab.boxes.square, 2);
    add(tab.boxes.round, 3);
    if (tab.boxes.section) text += std::string(text.empty() ? "" : "  ") + sectionNameAndArea(*tab.boxes.section, tab.decimalSeparator);
    return text;
}

}  // namespace

std::vector<std::string> inputLines(const calc::TabInputs& tab, bool hammersGiven)
{
    const calc::FormulaInfo& info = calc::formulaInfo(tab.formula);
    std::string fields;
    for (const calc::FieldSymbol& field : info.fields) {
        const std::string symbol = field.symbol;
        // D is not read while a section is in use: the head line names the section and its area.
        if (symbol == "h" || (hammersGiven && symbol == "W") || (symbol == "D" && tab.boxes.section)) continue;
        const std::size_t index = static_cast<std::size_t>(field.index);
        const std::string text = index < tab.texts.size() ? tab.texts[index] : "";
        fields += std::string(fields.empty() ? "" : ",  ") + symbol + " = " + (text.empty() ? "(ว่าง)" : text);
    }
    std::string head = std::string(calc::tabTexts(tab.formula).caption) + ":";
    if (info.hasPileBoxes) {
        const std::string boxes = boxesText(tab);
        head += "  " + (boxes.empty() ? std::string("(ไม่ได้เลือกชนิดเสาเข็ม)") : boxes);
    }
    return {head, "    " + fields};
}

Chart drivingChartPicture(const calc::DrivingChart& chart)
{
    Chart picture;
    picture.title = kChartTitle;
    picture.x.title = kXTitle;
    picture.y.title = kYTitle;
    std::vector<double> hs;
    for (const std::string& h : chart.heights) {
        const std::optional<float> value = calc::textToNumber(h, chart.decimalSeparator);
        hs.push_back(value ? *value : 0.0);
    }
    if (!hs.empty()) {
        // A margin keeps the first and last points whole inside the plot.
        const double span = hs.back() > hs.front() ? hs.back() - hs.front() : 1;
        picture.x.min = hs.front() - span * kXMargin;
        picture.x.max = hs.front() + span * (1 + kXMargin);
    }
    const std::size_t blocks = std::max<std::size_t>(1, chart.hammers.size());
    int colour = 0;
    for (std::size_t c = 0; c < chart.columns.size(); ++c) {
        if (!chart.columns[c].hasColumns) {
            ++colour;
            continue;
        }
        for (std::size_t b = 0; b < blocks; ++b) {
            Series series;
            series.name = calc::shortFormulaName(chart.columns[c].formula);
            if (!chart.hammers.empty()) series.name += "  W = " + chart.hammers[b] + " ตัน";
            // A formula keeps its colour; its hammers alternate solid and
            // dashed lines, then take further colours.
            series.colour = colour + 4 * static_cast<int>(b / 2);
            series.style = b % 2 == 0 ? SeriesStyle::SolidLine : SeriesStyle::DashedLine;
            for (std::size_t i = 0; i < hs.size(); ++i) {
                const calc::ChartCell& cell = chart.rows[b * hs.size() + i].cells[c];
                if (cell.hasNumbers()) series.points.push_back(ChartPoint{hs[i], cell.set10Value});
                else series.points.push_back(std::nullopt);
            }
            if (b < chart.columns[c].workable.size()) {
                const calc::WorkableRange& range = chart.columns[c].workable[b];
                const auto value = [&](const std::optional<std::string>& text) -> std::optional<double> {
                    if (!text) return std::nullopt;
                    const std::optional<float> number = calc::textToNumber(*text, chart.decimalSeparator);
                    return number ? std::optional<double>(*number) : std::nullopt;
                };
                const std::optional<double> from = value(range.from);
                if (from) picture.bands.push_back({*from, value(range.to).value_or(picture.x.max.value_or(*from)), series.colour,
                                         series.style == SeriesStyle::DashedLine});
            }
            picture.series.push_back(std::move(series));
        }
        ++colour;
    }
    return picture;
}

std::vector<Page> drivingChartPages(const calc::ChartRequest& request, const calc::DrivingChart& chart)
{
    std::vector<Page> pages(1);
    Page& first = pages.front();
    first.lines.push_back({kLeft, kTitleY, true, false, kTitleSize, kTitle});
    int y = kTitleY + 500;
    for (const calc::TabInputs& tab : request.tabs)
        for (const std::string& line : inputLines(tab, !request.hammers.empty())) {
            first.lines.push_back({kLeft, y, false, false, kInputSize, line});
            y += kInputPitch;
        }
    for (const std::string& line : calc::failureLines(chart)) {
        first.lines.push_back({kLeft, y, true, false, kInputSize, line});
        y += kInputPitch;
    }
    const Table table(chart);
    if (!chart.anyColumns()) return pages;

    const std::vector<std::string> workable = calc::workableLines(chart);
    const int chartHeight =
        std::max(kLeastChartHeight, kChartHeight - static_cast<int>(workable.size()) * kInputPitch);
    Chart picture = drivingChartPicture(chart);
    picture.place = {kLeft, y + 80, kRight - kLeft, chartHeight};
    first.charts.push_back(std::move(picture));
    y += 80 + chartHeight + 80;
    for (const std::string& line : workable) {
        first.lines.push_back({kLeft, y, false, false, kInputSize, line});
        y += kInputPitch;
    }
    y += workable.empty() ? 40 : 120;

    std::size_t next = placeBlocks(first, table, 0, y, false);
    while (next < table.rowCount()) {
        Page page;
        const int number = static_cast<int>(pages.size()) + 1;
        page.lines.push_back({kLeft, kTitleY, true, false, kInputSize,
                              std::string(kTitle) + "  (หน้า " + std::to_string(number) + ")"});
        next = placeBlocks(page, table, next, kTitleY + 400, true);
        pages.push_back(std::move(page));
    }
    return pages;
}

}  // namespace report
