#include "report/chart_drawing.h"

#include <cmath>
#include <utility>

#include <QApplication>
#include <QAreaSeries>
#include <QBrush>
#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>

#include "report/page_painter.h"
#include "report/report_font.h"

namespace report {

namespace {

// Colours that stay apart on a screen and on a grey-scale printout.
constexpr QRgb kPalette[] = {0x1f5fbf, 0xc0392b, 0x218c3a, 0xe67e22, 0x7d3c98, 0x6e4b1f, 0x17a2b8, 0x555555};

constexpr int kTitlePixels = 15;
constexpr int kAxisTitlePixels = 13;
constexpr int kLabelPixels = 12;
constexpr std::size_t kMostMarkedPoints = 30;
constexpr std::size_t kMostEntriesBelow = 4;
constexpr double kBandPitch = 0.035;    // of the y axis's span, per band
constexpr double kBandsHeight = 0.16;   // the most all bands together take

QColor paletteColour(int index)
{
    constexpr int count = static_cast<int>(std::size(kPalette));
    return QColor(kPalette[((index % count) + count) % count]);
}

// The report's font at `pixels`; `report` is looked up once for a whole
// chart, the lookup asking the font database for family after family.
QFont chartFont(const std::optional<ReportFont>& report, int pixels, bool bold = false)
{
    QFont font = report ? QFont(report->family) : QFont();
    const double scale = report ? report->scale : 1.0;
    font.setPixelSize(std::max(1, static_cast<int>(pixels * scale + 0.5)));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// 1, 2 or 5 times a power of ten, the nearest at or above `step`.
double roundStep(double step)
{
    if (!(step > 0)) return 1;
    const double power = std::pow(10.0, std::floor(std::log10(step)));
    for (double factor : {1.0, 2.0, 5.0})
        if (factor * power >= step * 0.999) return factor * power;
    return 10 * power;
}

QXYSeries* makeRun(const Series& series, const std::vector<ChartPoint>& run)
{
    const QColor colour = paletteColour(series.colour);
    QXYSeries* xy = nullptr;
    if (series.style == SeriesStyle::Markers) {
        auto* scatter = new QScatterSeries;
        scatter->setMarkerSize(8);
        scatter->setBorderColor(colour);
        scatter->setBrush(colour);
        xy = scatter;
    } else {
        auto* line = new QLineSeries;
        QPen pen(colour, 2);
        pen.setStyle(series.style == SeriesStyle::DashedLine ? Qt::DashLine : Qt::SolidLine);
        line->setPen(pen);
        // Points stand out on a short run; on a long one they would hide the line.
        line->setPointsVisible(series.markPoints && run.size() <= kMostMarkedPoints);
        line->setMarkerSize(5);
        xy = line;
    }
    xy->setColor(colour);
    xy->setName(QString::fromStdString(series.name));
    for (const ChartPoint& point : run) xy->append(point.x, point.y);
    return xy;
}

// Band `index` of `count` as a bar in a lane of its own along the bottom of
// the plot, the first highest as in the legend, cut to the x axis; nothing when no part of it lies on the axis.
QAreaSeries* makeBand(const Band& band, std::size_t index, std::size_t count, const QValueAxis& x,
                      const QValueAxis& y)
{
    const double from = std::max(band.from, x.min());
    const double to = std::min(band.to, x.max());
    if (!(to > from)) return nullptr;
    const double span = y.max() - y.min();
    const double pitch = span * std::min(kBandPitch, kBandsHeight / static_cast<double>(count));
    const double bottom = y.min() + span * 0.01 + pitch * static_cast<double>(count - 1 - index);
    const double top = bottom + pitch * 0.7;
    // The area does not own its edges: they are its children, freed with it.
    auto* area = new QAreaSeries;
    auto* lower = new QLineSeries(area);
    auto* upper = new QLineSeries(area);
    lower->append(from, bottom);
    lower->append(to, bottom);
    upper->append(from, top);
    upper->append(to, top);
    area->setUpperSeries(upper);
    area->setLowerSeries(lower);
    QColor fill = paletteColour(band.colour);
    fill.setAlpha(band.light ? 90 : 170);
    area->setBrush(fill);
    area->setPen(Qt::NoPen);
    return area;
}

QValueAxis* makeAxis(const Axis& axis, AxisRange range, const std::optional<ReportFont>& font)
{
    auto* value = new QValueAxis;
    value->setTitleText(QString::fromStdString(axis.title));
    value->setTitleFont(chartFont(font, kAxisTitlePixels));
    value->setLabelsFont(chartFont(font, kLabelPixels));
    value->setRange(range.min, range.max);
    value->setReverse(axis.reversed);
    value->setLabelFormat(QStringLiteral("%.4g"));
    value->setGridLineColor(QColor(0xd0d0d0));
    value->setLabelsColor(Qt::black);
    value->setTitleBrush(QBrush(Qt::black));
    return value;
}

}  // namespace

QChart* makeChart(const Chart& chart)
{
    const std::optional<ReportFont> font = reportFont();
    auto* qchart = new QChart;
    qchart->setAnimationOptions(QChart::NoAnimation);
    qchart->setTheme(QChart::ChartThemeLight);
    qchart->setBackgroundRoundness(0);
    qchart->setDropShadowEnabled(false);
    qchart->setBackgroundBrush(Qt::white);
    qchart->setMargins(QMargins(4, 4, 4, 4));
    qchart->layout()->setContentsMargins(0, 0, 0, 0);
    qchart->setLocalizeNumbers(true);
    qchart->setTitle(QString::fromStdString(chart.title));
    qchart->setTitleFont(chartFont(font, kTitlePixels, true));
    qchart->setTitleBrush(QBrush(Qt::black));

    QLegend* legend = qchart->legend();
    // A few entries fit in a row below the plot; more stand in a column beside it.
    legend->setAlignment(chart.series.size() > kMostEntriesBelow ? Qt::AlignRight : Qt::AlignBottom);
    legend->setFont(chartFont(font, kLabelPixels));
    legend->setLabelColor(Qt::black);
    // Each entry drawn as its series is (solid or dashed line, or marker).
    legend->setMarkerShape(QLegend::MarkerShapeFromSeries);

    QValueAxis* x = makeAxis(chart.x, axisRange(chart, true), font);
    QValueAxis* y = makeAxis(chart.y, axisRange(chart, false), font);
    // An axis with given bounds keeps them, its ticks at round values inside;
    // one taken from the points is widened to round values.
    for (auto [axis, given] : {std::pair{x, chart.x.min || chart.x.max}, std::pair{y, chart.y.min || chart.y.max}}) {
        if (!given) {
            axis->applyNiceNumbers();
            continue;
        }
        axis->setTickType(QValueAxis::TicksDynamic);
        axis->setTickAnchor(0);
        axis->setTickInterval(roundStep((axis->max() - axis->min()) / 5));
    }
    qchart->addAxis(x, Qt::AlignBottom);
    qchart->addAxis(y, Qt::AlignLeft);

    for (std::size_t i = 0; i < chart.bands.size(); ++i) {
        QAreaSeries* area = makeBand(chart.bands[i], i, chart.bands.size(), *x, *y);
        if (!area) continue;
        qchart->addSeries(area);
        area->attachAxis(x);
        area->attachAxis(y);
        for (QLegendMarker* marker : legend->markers(area)) marker->setVisible(false);
    }

    for (const Series& series : chart.series) {
        const std::vector<std::vector<ChartPoint>> runs = unbrokenRuns(series);
        bool first = true;
        for (const std::vector<ChartPoint>& run : runs) {
            QXYSeries* xy = makeRun(series, run);
            qchart->addSeries(xy);
            xy->attachAxis(x);
            xy->attachAxis(y);
            if (!first)
                for (QLegendMarker* marker : legend->markers(xy)) marker->setVisible(false);
            first = false;
        }
        if (runs.empty()) {
            // A series without a point keeps its legend entry.
            QXYSeries* empty = makeRun(series, {});
            qchart->addSeries(empty);
            empty->attachAxis(x);
            empty->attachAxis(y);
        }
    }
    legend->setVisible(!chart.series.empty());
    return qchart;
}

QSizeF layoutSize(const Chart& chart)
{
    constexpr double kTwipsPerPixel = 1440.0 / 96.0;
    return {chart.place.width / kTwipsPerPixel, chart.place.height / kTwipsPerPixel};
}

bool paintChart(QPainter& painter, const Chart& chart, const QRectF& target)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()) || target.isEmpty()) return false;
    QGraphicsScene scene;
    QChart* qchart = makeChart(chart);
    scene.addItem(qchart);
    const QRectF source(QPointF(0, 0), layoutSize(chart));
    qchart->setGeometry(source);
    qchart->layout()->activate();
    scene.setSceneRect(source);
    scene.render(&painter, target, source, Qt::IgnoreAspectRatio);
    return painter.isActive();
}

void useChartDrawing() { setChartPainter(&paintChart); }

}  // namespace report
