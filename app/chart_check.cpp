// blowcount --check-charts (app/chart_loader.h): the chart module as the
// installed program finds it, each of its windows opened, and a chart drawn
// through the page painter as the printed pages draw theirs.
#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <cstdio>

#include "app/chart_loader.h"
#include "app/main_window.h"
#include "report/page_painter.h"

namespace app {

namespace {

void say(std::FILE* stream, const QString& text) { std::fprintf(stream, "%s\n", text.toUtf8().constData()); }

// A page with one line chart over most of a 96-dpi image: false when the
// painter refuses it or leaves the chart's place blank.
bool drawsAChart()
{
    report::Chart chart;
    chart.place = {0, 0, 7200, 4800};  // twips: 480 by 320 pixels
    chart.title = "check";
    chart.x.title = "x";
    chart.y.title = "y";
    chart.series.push_back({"line", 0, report::SeriesStyle::SolidLine, {report::ChartPoint{0, 0}, report::ChartPoint{1, 1}}});
    report::Page page;
    page.charts.push_back(chart);
    QImage image(480, 320, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const bool painted = report::paintPage(painter, page);
    painter.end();
    int marked = 0;
    for (int y = 0; y < image.height(); y += 4)
        for (int x = 0; x < image.width(); x += 4) marked += image.pixel(x, y) != QColor(Qt::white).rgb();
    return painted && marked > 100;
}

}  // namespace

int checkChartModule()
{
    QString problem;
    const ChartModule* module = chartModule(&problem);
    if (!module) {
        say(stderr, QString::fromUtf8(kChartFailure) + QLatin1Char('\n') + problem);
        return 1;
    }
    say(stdout, QStringLiteral("chart module: ") + chartModulePath());
    int failures = 0;
    MainWindow main;
    for (std::size_t i = 0; i < module->windowCount; ++i) {
        const ChartWindowOpener& opener = module->windows[i];
        QWidget* window = opener.open(main);
        QCoreApplication::processEvents();
        const bool shown = window && window->isVisible();
        failures += !shown;
        say(shown ? stdout : stderr, QString::fromUtf8(opener.name)
                                         + (shown ? QStringLiteral(": ") + window->objectName() + QStringLiteral(" shown")
                                                  : QStringLiteral(": not shown")));
    }
    const bool drawn = drawsAChart();
    failures += !drawn;
    say(drawn ? stdout : stderr, drawn ? QStringLiteral("chart drawn") : QStringLiteral("no chart drawn"));
    return failures ? 1 : 0;
}

}  // namespace app
