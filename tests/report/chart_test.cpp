// Charts as page data and their one drawing: runs split at gaps, one legend
// entry per series, and a chart drawn into its place on a page of a
// several-page PDF at the scale of its rectangle.
#include <QApplication>
#include <QAreaSeries>
#include <QLineSeries>
#include <QChart>
#include <QFile>
#include <QGraphicsScene>
#include <QLegendMarker>
#include <QTemporaryDir>
#include <QValueAxis>
#include <QXYSeries>

#include <gtest/gtest.h>

#include <algorithm>

#include "report/chart_drawing.h"
#include "report/page_painter.h"
#include "tests/report/pdf_tools.h"

namespace report {
namespace {

Chart sampleChart()
{
    Chart chart;
    chart.place = {500, 700, 10000, 6000};
    chart.title = "Allowed set";
    chart.x = {"Drop height (cm)", 50.0, 150.0};
    chart.y = {"Tenblows set (cm)", std::nullopt, std::nullopt};
    Series first{"first", 0, SeriesStyle::SolidLine, {}};
    first.points = {ChartPoint{50, 1}, ChartPoint{60, 2}, std::nullopt, ChartPoint{80, 3}, std::nullopt, std::nullopt,
                    ChartPoint{110, 4}, ChartPoint{120, 5}};
    Series second{"second", 1, SeriesStyle::DashedLine, {std::nullopt, ChartPoint{60, 6}}};
    chart.series = {first, second};
    return chart;
}

TEST(Chart, RunsBreakAtEveryGap)
{
    const auto runs = unbrokenRuns(sampleChart().series[0]);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0], (std::vector<ChartPoint>{{50, 1}, {60, 2}}));
    EXPECT_EQ(runs[1], (std::vector<ChartPoint>{{80, 3}}));
    EXPECT_EQ(runs[2], (std::vector<ChartPoint>{{110, 4}, {120, 5}}));
    EXPECT_TRUE(unbrokenRuns(Series{"empty", 0, SeriesStyle::Markers, {std::nullopt}}).empty());
}

TEST(Chart, AxisRangeKeepsGivenBoundsAndNeverCollapses)
{
    const Chart chart = sampleChart();
    const AxisRange x = axisRange(chart, true);
    EXPECT_EQ(x.min, 50.0);
    EXPECT_EQ(x.max, 150.0);
    const AxisRange y = axisRange(chart, false);
    EXPECT_LE(y.min, 1.0);
    EXPECT_GE(y.max, 6.0);
    EXPECT_GE(y.min, 0.0);  // all values positive: the axis starts at 0 at the lowest

    Chart flat;
    flat.series = {Series{"one", 0, SeriesStyle::SolidLine, {ChartPoint{3, 3}}}};
    EXPECT_LT(axisRange(flat, false).min, axisRange(flat, false).max);
    EXPECT_LT(axisRange(Chart{}, true).min, axisRange(Chart{}, true).max);
}

TEST(Chart, OneQtSeriesPerRunAndOneLegendEntryPerSeries)
{
    QGraphicsScene scene;  // owns the chart; its items count as shown
    QChart* chart = makeChart(sampleChart());
    scene.addItem(chart);
    chart->setGeometry(QRectF(0, 0, 600, 400));
    EXPECT_EQ(chart->animationOptions(), QChart::NoAnimation);
    ASSERT_EQ(chart->series().size(), 4);
    int visible = 0;
    QStringList names;
    for (QLegendMarker* marker : chart->legend()->markers())
        if (marker->isVisible()) {
            ++visible;
            names << marker->label();
        }
    EXPECT_EQ(visible, 2);
    EXPECT_EQ(names, (QStringList{"first", "second"}));
    // The runs of a series share its colour.
    const auto* a = qobject_cast<QXYSeries*>(chart->series()[0]);
    const auto* b = qobject_cast<QXYSeries*>(chart->series()[2]);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->color(), b->color());
    EXPECT_EQ(qobject_cast<QXYSeries*>(chart->series()[3])->pen().style(), Qt::DashLine);
    const auto axes = chart->axes(Qt::Horizontal);
    ASSERT_EQ(axes.size(), 1);
    EXPECT_EQ(axes[0]->titleText(), QStringLiteral("Drop height (cm)"));
}

// A band: a bar cut to the x axis in a lane along the bottom of the plot,
// out of the legend; one wholly outside the axis is not drawn.
TEST(Chart, BandsCutToTheAxisWithoutLegendEntries)
{
    Chart data = sampleChart();
    data.bands = {{120, 400, 1}, {10, 40, 0}};
    QGraphicsScene scene;
    QChart* chart = makeChart(data);
    scene.addItem(chart);
    chart->setGeometry(QRectF(0, 0, 600, 400));
    ASSERT_EQ(chart->series().size(), 5);
    const auto* area = qobject_cast<QAreaSeries*>(chart->series()[0]);
    ASSERT_TRUE(area);
    const QList<QPointF> upper = area->upperSeries()->points();
    EXPECT_EQ(upper, (QList<QPointF>{{120, upper[0].y()}, {150, upper[0].y()}}));
    const auto* y = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).front());
    EXPECT_GT(area->lowerSeries()->points()[0].y(), y->min());
    EXPECT_LT(upper[0].y(), y->min() + (y->max() - y->min()) * 0.1);
    EXPECT_EQ(std::ranges::count_if(chart->legend()->markers(), &QLegendMarker::isVisible), 2);
}

// The painter draws charts only through the chart painter a program sets: a
// program that never loaded Qt Charts refuses a page with a chart instead of
// printing it without, and a file already there keeps its bytes.
TEST(Chart, PageWithAChartRefusedUntilTheChartPainterIsSet)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("chart.pdf");
    QFile existing(path);
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("earlier report");
    existing.close();
    Page page;
    page.charts.push_back(sampleChart());
    Page text;
    text.lines.push_back({900, 800, false, false, 14, "no chart"});

    setChartPainter(nullptr);
    EXPECT_FALSE(writePdf(page, path));
    existing.open(QIODevice::ReadOnly);
    EXPECT_EQ(existing.readAll(), QByteArray("earlier report"));
    existing.close();
    EXPECT_TRUE(writePdf(text, dir.filePath("text.pdf")));

    useChartDrawing();
    EXPECT_EQ(chartPainter(), &paintChart);
    EXPECT_TRUE(writePdf(page, path));
    EXPECT_EQ(pdf::pagesAndSize(path)->first, QStringLiteral("1"));
}

TEST(Chart, DrawnInsideItsPlaceOnTheFirstOfTwoPages)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("chart.pdf");
    Page first;
    first.charts.push_back(sampleChart());
    first.rules.push_back({500, 7000, 10500, 7000, 10});
    Page second;
    second.lines.push_back({900, 800, false, false, 14, "second page"});
    ASSERT_TRUE(writePdf(std::vector<Page>{first, second}, path));

    const auto info = pdf::pagesAndSize(path);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->first, QStringLiteral("2"));
    const auto words = pdf::words(path);
    ASSERT_TRUE(words);
    // Points on paper: the printable area starts kPdfMargin inside the edge.
    const Rect place = sampleChart().place;
    const double left = kPdfMargin + place.x / 20.0, top = kPdfMargin + place.y / 20.0;
    const double right = left + place.width / 20.0, bottom = top + place.height / 20.0;
    bool axisTitle = false;
    for (const pdf::Word& word : *words) {
        if (word.text != QStringLiteral("height")) continue;
        axisTitle = true;
        EXPECT_GT(word.xMin, left);
        EXPECT_LT(word.xMax, right);
        EXPECT_GT(word.yMin, top);
        EXPECT_LT(word.yMax, bottom);
        // A 13-pixel title on a chart laid out at 96 dpi: about 10 points.
        EXPECT_NEAR(word.yMax - word.yMin, 10.0, 5.0);
    }
    EXPECT_TRUE(axisTitle);
}

}  // namespace
}  // namespace report

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    report::useChartDrawing();
    return RUN_ALL_TESTS();
}
