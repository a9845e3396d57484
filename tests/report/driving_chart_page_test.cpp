// The driving chart's pages: up to 100 rows and the chart on the first page,
// inside its printable height and in a size of at least 7 points; more rows
// on further pages, every row once and in order, the chart on the first only.
#include <gtest/gtest.h>

#include <algorithm>

#include "calc/driving_chart.h"
#include "report/driving_chart_page.h"

namespace report {
namespace {

calc::ChartRequest request(const char* to, const char* step)
{
    calc::ChartRequest r;
    r.tabs = {
        {calc::Formula::EngineeringNews, {"30", "3", "100", "0.9", "4"}, {}, "."},
        {calc::Formula::Hiley, {"12", "40", "5", "100", "5", "0.25", "0.8", "4", "30"}, {true, false, true, false}, "."},
        {calc::Formula::Danish, {"30", "12", "", "3", "100", "0.8", "5", "200"}, {true, false, true, false}, "."},
    };
    r.heights = calc::heightRows("50", to, step, ".").texts;
    r.hammers = {"3"};
    return r;
}

// The first cell of every table row, in page order: the drop heights.
std::vector<std::string> heightsOnPages(const std::vector<Page>& pages, std::size_t& lowest)
{
    std::vector<std::string> found;
    lowest = 0;
    for (const Page& page : pages) {
        std::vector<const Line*> cells;
        for (const Line& line : page.lines)
            if (line.size == kChartTableFontSize && !line.bold) cells.push_back(&line);
        // Blocks side by side: the left block's rows first. The right block
        // starts half the table's width (10700 twips) and a gap in.
        const auto block = [](const Line* line) { return line->x >= 5700 ? 1 : 0; };
        std::stable_sort(cells.begin(), cells.end(), [&](const Line* a, const Line* b) {
            return block(a) != block(b) ? block(a) < block(b) : a->y < b->y;
        });
        int lastY = -1;
        int lastBlock = -1;
        for (const Line* cell : cells) {
            lowest = std::max<std::size_t>(lowest, static_cast<std::size_t>(cell->y + kChartTableRowPitch));
            if (cell->y == lastY && block(cell) == lastBlock) continue;  // a later cell of the same row
            if (cell->text.starts_with("10 ครั้ง =")) continue;           // the note below a block
            lastY = cell->y;
            lastBlock = block(cell);
            found.push_back(cell->text);
        }
    }
    return found;
}

// A section in use stands in the head line with its area, and D, not read, is left out.
TEST(DrivingChartPages, InputLinesNameASectionInsteadOfD)
{
    calc::TabInputs tab{calc::Formula::Danish, {"26×26", "12", "20", "3", "60", "0.8", "5", "200"},
                        {false, true, false, false, calc::PileSection{"I-26", "ไอ 26×26", "26×26", "489"}}, ","};
    EXPECT_EQ(inputLines(tab, false),
              (std::vector<std::string>{"Danish's Formular:  เสาเข็ม คอร.  ไอ 26×26  (พื้นที่ 489  ตร.ซม.)",
                                        "    L = 12,  Qa = 20,  W = 3,  e = 0.8,  FS = 5,  E = 200"}));
}

TEST(DrivingChartPages, HundredRowsAndTheChartOnOnePage)
{
    const calc::ChartRequest r = request("149", "1");
    ASSERT_EQ(r.heights.size(), 100u);
    const std::vector<Page> pages = drivingChartPages(r, calc::buildDrivingChart(r));
    ASSERT_EQ(pages.size(), 1u);
    ASSERT_EQ(pages[0].charts.size(), 1u);
    std::size_t lowest = 0;
    EXPECT_EQ(heightsOnPages(pages, lowest), r.heights);
    EXPECT_LE(lowest, 15900u);
    const Chart& chart = pages[0].charts[0];
    EXPECT_EQ(chart.series.size(), 2u);  // Danish has no columns
    EXPECT_EQ(chart.series[0].name, "Engineering News  W = 3 ตัน");
    EXPECT_EQ(chart.x.title, "ระยะยกลูกตุ้ม h (ซม.)");
    EXPECT_EQ(chart.y.title, "การทรุดตัว 10 ครั้ง (ซม.)");
    // The table starts below the chart.
    for (const Line& line : pages[0].lines)
        if (line.size == kChartTableFontSize) {
            EXPECT_GT(line.y, chart.place.y + chart.place.height);
        }
    // The first and last points inside the plot; a band over each formula's
    // workable heights, whose lines stand between the chart and the table.
    EXPECT_LT(*chart.x.min, 50.0);
    EXPECT_GT(*chart.x.max, 149.0);
    ASSERT_EQ(chart.bands.size(), 2u);
    EXPECT_EQ(chart.bands[0], (Band{91.5f, 240, chart.series[0].colour, false}));
    EXPECT_EQ(chart.bands[1], (Band{129.4f, 270, chart.series[1].colour, false}));
    const auto workable = std::ranges::find(pages[0].lines, "ระยะยกที่ใช้ได้ (Hiley, ลูกตุ้ม 3 ตัน): 129.4 – 270 ซม.",
                                            &Line::text);
    ASSERT_NE(workable, pages[0].lines.end());
    EXPECT_GT(workable->y, chart.place.y + chart.place.height);
    const bool toldDanish = std::ranges::any_of(pages[0].lines, [](const Line& line) {
        return line.text == "Danish's Formular: คุณป้อนข้อมูลไม่ครบ";
    });
    EXPECT_TRUE(toldDanish);
}

TEST(DrivingChartPages, MoreRowsGoOnMorePagesOnceEach)
{
    const calc::ChartRequest r = request("400", "1");
    ASSERT_EQ(r.heights.size(), 351u);
    const std::vector<Page> pages = drivingChartPages(r, calc::buildDrivingChart(r));
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0].charts.size(), 1u);
    EXPECT_TRUE(pages[1].charts.empty() && pages[2].charts.empty());
    std::size_t lowest = 0;
    EXPECT_EQ(heightsOnPages(pages, lowest), r.heights);
    EXPECT_LE(lowest, 15900u);
    for (const Page& page : pages)
        for (const Line& line : page.lines) {
            EXPECT_GE(line.size, 7);
            EXPECT_GE(line.x, 0);
            EXPECT_LT(line.x, 11000);
        }
}

}  // namespace
}  // namespace report
