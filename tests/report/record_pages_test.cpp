// The records' summary and record sheets as page data: every record once, in
// order, at least 40 rows to a landscape page, the page numbers, the counts
// equal to the check's, and every line and table inside its page, a long
// blow table included; letters cut and wrapped without parting a Thai mark
// from its letter.
#include <gtest/gtest.h>

#include <algorithm>

#include "calc/record_check.h"
#include "report/record_page_parts.h"
#include "report/record_sheet_page.h"
#include "report/records_summary_page.h"

namespace {

using Texts = std::vector<std::string>;

calc::PileDocument siteFile(std::size_t count, std::size_t longBlows = 0)
{
    calc::PileDocument d;
    d.tab(calc::Formula::EngineeringNews) = calc::PileTab{Texts{"30", "3", "100", "0.9", "4"}, {}};
    d.tab(calc::Formula::Hiley) = calc::PileTab{Texts{"12", "40", "5", "100", "5", "0.25", "0.8", "4", "30"}, {true, false, true, false}};
    d.tab(calc::Formula::Danish) = calc::PileTab{Texts{"30", "12", "40", "3", "100", "0.8", "5", "200"}, {false, true, false, true}};
    d.tab(calc::Formula::Janbu) = calc::PileTab{Texts{"30", "20", "30", "5", "80", "4", "200"}, {true, false, true, false}};
    d.acceptance.project = "อาคารเรียน 4 ชั้น";
    for (std::size_t i = 0; i < count; ++i) {
        calc::PileRecord r;
        r.mark = "P-" + std::to_string(1000 + i);
        r.depth = std::to_string(15 + i % 7);
        r.sets = {i % 3 == 0 ? "2.5" : "1.5"};
        r.blows = Texts(i == 0 ? longBlows : 4, std::to_string(20 + i % 50));
        if (i % 11 == 5) r.sets = {};
        if (i % 13 == 7) r.hammer = "x";
        d.records.push_back(r);
    }
    return d;
}

// Lines whose text is `text`, over all pages.
std::size_t linesWith(const std::vector<report::Page>& pages, const std::string& text)
{
    std::size_t n = 0;
    for (const report::Page& p : pages)
        n += static_cast<std::size_t>(std::ranges::count_if(p.lines, [&](const report::Line& l) { return l.text == text; }));
    return n;
}

TEST(RecordsSummary, EveryRecordOnceAtLeastFortyToAPageWithPageNumbersAndTheCheckCounts)
{
    for (const std::size_t count : {0u, 1u, 40u, 41u, 82u, 250u}) {
        const calc::PileDocument d = siteFile(count);
        const std::vector<calc::RecordCheck> checks = calc::checkRecords(d);
        const std::vector<report::Page> pages = report::recordsSummaryPages(d, checks, "เสาเข็ม I-22");
        ASSERT_FALSE(pages.empty());
        const std::string total = std::to_string(pages.size());
        int lastY = -1;
        for (std::size_t p = 0; p < pages.size(); ++p) {
            const report::Page& page = pages[p];
            EXPECT_TRUE(page.landscape);
            EXPECT_EQ(linesWith({page}, "หน้า " + std::to_string(p + 1) + " / " + total), 1u) << count << " page " << p;
            EXPECT_EQ(linesWith({page}, "โครงการ: อาคารเรียน 4 ชั้น"), 1u);
            std::size_t rows = 0;
            for (const report::Line& l : page.lines) {
                EXPECT_LE(l.y + l.size * 22, 11500) << l.text;  // inside the landscape printable area
                if (l.text.starts_with("P-")) ++rows;
            }
            if (p + 1 < pages.size()) {
                EXPECT_GE(rows, 40u) << count << " page " << p;
            }
        }
        // In order, each once.
        for (std::size_t i = 0; i < count; ++i) {
            const std::string& mark = d.records[i].mark;
            EXPECT_EQ(linesWith(pages, mark), 1u) << mark;
            for (std::size_t p = 0; p < pages.size(); ++p)
                for (const report::Line& l : pages[p].lines)
                    if (l.text == mark) {
                        const int at = static_cast<int>(p) * 100000 + l.y;
                        EXPECT_GT(at, lastY) << mark;
                        lastY = at;
                    }
        }
        // The counts are the check's, on the last page only, beside the three signature boxes.
        const calc::RecordCounts counts = calc::countRecords(checks, d.decimalSeparator);
        EXPECT_EQ(linesWith({pages.back()}, report::countsLine(counts)), 1u) << count;
        EXPECT_EQ(linesWith(pages, report::countsLine(counts)), 1u);
        EXPECT_EQ(linesWith({pages.back()}, "ความลึกที่ตอกรวม " + counts.totalDepth + " ม."), 1u);
        for (const char* role : {"ผู้ควบคุมงาน", "วิศวกร", "ที่ปรึกษา"}) EXPECT_EQ(linesWith(pages, role), 1u) << role;
    }
}

TEST(RecordsSummary, CountsLineNamesEachStatus)
{
    calc::RecordCounts c;
    c.records = 9;
    c.meets = 4;
    c.fails = 2;
    c.incomplete = 1;
    c.noCriterion = 1;
    c.badInput = 1;
    EXPECT_EQ(report::countsLine(c), "เสาเข็ม 9 ต้น      ผ่าน 4      ไม่ผ่าน ตอกต่อ 2      ข้อมูลไม่ครบ 1      "
                                     "ไม่มีเกณฑ์ 1      ข้อมูลไม่ถูกต้อง 1");
}

TEST(RecordSheet, ALongBlowTableKeepsEveryCountInsideThePageBesideTheGraph)
{
    for (const std::size_t blows : {0u, 4u, 23u, 24u, 46u, 47u, 90u, 180u, 300u}) {
        const calc::PileDocument d = siteFile(1, blows);
        const std::vector<calc::RecordCheck> checks = calc::checkRecords(d);
        const report::Page page = report::recordSheetPage(d, 0, checks[0], "I-22");
        EXPECT_FALSE(page.landscape);
        EXPECT_EQ(linesWith({page}, "หมายเลขเสาเข็ม: P-1000"), 1u);
        if (blows > 0) {
            EXPECT_EQ(linesWith({page}, d.records[0].blows[0]), blows);
        }
        const std::optional<report::Rect> graph =
            page.charts.empty() ? std::nullopt : std::optional<report::Rect>(page.charts.front().place);
        if (blows <= 90) {
            EXPECT_TRUE(graph) << blows;
        }
        for (const report::Line& l : page.lines) {
            if (blows <= 180) {
                EXPECT_GE(l.size, 5) << blows;
            }
            EXPECT_LE(l.y + l.size * 22, 16400) << blows << " " << l.text;
            if (graph && blows > 0 && l.text == d.records[0].blows[0]) {
                EXPECT_LT(l.x, graph->x) << blows << ": a count under the graph";
            }
        }
        for (const report::Rule& r : page.rules) EXPECT_LE(std::max(r.x1, r.x2), 11400) << blows;
        for (const char* role : {"ผู้ควบคุมงาน", "วิศวกร"}) EXPECT_EQ(linesWith({page}, role), 1u) << role;
    }
}

TEST(RecordSheet, EachSetAgainstTheCriterion)
{
    const calc::PileDocument d = siteFile(1);
    calc::RecordCheck check = calc::checkRecords(d)[0];
    ASSERT_TRUE(check.criterion);
    check.criterion->set10 = "1,91";
    check.criterion->set10Value = 1.91f;
    const struct {
        const char* set;
        const char* shown;
    } cases[] = {{"1,91", "1,91 ≤ 1,91"}, {"1,92", "1,92 > 1,91"}, {"0", "0 ≤ 1,91"}, {"x", "x"}, {"", ""}};
    for (const auto& c : cases) EXPECT_EQ(report::setAgainstCriterion(c.set, check, ","), c.shown) << c.set;
    check.criterion.reset();
    EXPECT_EQ(report::setAgainstCriterion("1,5", check, ","), "1,5");
}

TEST(RecordPageParts, ThaiMarksStayWithTheirLetters)
{
    const struct {
        const char* text;
        std::size_t letters;
        const char* cut;
    } cases[] = {{"ผ่าน", 3, "ผ่าน"},           {"ไม่ผ่าน ตอกต่อ", 14, "ไม่ผ่าน ตอกต่อ"}, {"ไม่ผ่าน ตอกต่อ", 4, "ไม่ผ่…"},
                 {"น้ำหนัก", 4, "น้ำห…"}, {"P-0001", 6, "P-0001"},               {"P-0001", 1, "…"}};
    for (const auto& c : cases) EXPECT_EQ(report::cutToLength(c.text, c.letters), c.cut) << c.text;
    EXPECT_EQ(report::shownLength("น้ำหนักปลอดภัย"), 11u);
    EXPECT_EQ(report::wrapText("หัวเสาแตก ต้องตัดหัวเสา และต่อเสาใหม่", 12, 3),
              (Texts{"หัวเสาแตก", "ต้องตัดหัวเสา", "และต่อเสาใหม่"}));
    EXPECT_EQ(report::wrapText("a b c d e f", 3, 2), (Texts{"a b", "c…"}));
}

}  // namespace
