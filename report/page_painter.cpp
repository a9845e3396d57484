#include "report/page_painter.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

#include "report/report_font.h"

namespace report {

namespace {

ChartPainter installedChartPainter = nullptr;

QPageLayout::Orientation orientation(const Page& page)
{
    return page.landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

bool failed(const QPrinter& printer)
{
    return printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted;
}

}  // namespace

void setChartPainter(ChartPainter painter) { installedChartPainter = painter; }

ChartPainter chartPainter() { return installedChartPainter; }

bool paintPage(QPainter& painter, const Page& page)
{
    QPaintDevice* device = painter.device();
    if (!page.charts.empty() && !installedChartPainter) return false;
    std::optional<ReportFont> font = reportFont();
    if (!device || !font) return false;
    font->stretch = fittedStretch(*font, page, *device);

    const double dotsPerTwipX = device->logicalDpiX() / 1440.0;
    const double dotsPerTwipY = device->logicalDpiY() / 1440.0;
    bool drawn = true;
    for (const Chart& chart : page.charts) {
        const QRectF target(chart.place.x * dotsPerTwipX, chart.place.y * dotsPerTwipY,
                            chart.place.width * dotsPerTwipX, chart.place.height * dotsPerTwipY);
        drawn = installedChartPainter(painter, chart, target) && drawn;
    }
    painter.save();
    for (const Rule& rule : page.rules) {
        painter.setPen(QPen(Qt::black, rule.width * dotsPerTwipX, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(rule.x1 * dotsPerTwipX, rule.y1 * dotsPerTwipY),
                         QPointF(rule.x2 * dotsPerTwipX, rule.y2 * dotsPerTwipY));
    }
    painter.restore();
    for (const Line& line : page.lines) {
        const QFont lineFace = lineFont(*font, line, *device);
        const QFontMetricsF metrics(lineFace, device);
        painter.setFont(lineFace);
        painter.drawText(QPointF(line.x * dotsPerTwipX, line.y * dotsPerTwipY + metrics.ascent()),
                         QString::fromStdString(line.text));
    }
    return drawn && painter.isActive();
}

bool printPage(const Page& page, QPrinter& printer)
{
    return printPages({page}, printer);
}

bool printPages(const std::vector<Page>& pages, QPrinter& printer, const PageProgress& progress)
{
    if (pages.empty() || !printer.isValid() || !reportFont()) return false;
    printer.setFullPage(false);
    if (!printer.setPageSize(QPageSize(QPageSize::A4))) return false;
    if (!printer.setPageOrientation(orientation(pages.front()))) return false;

    QPainter painter;
    if (!painter.begin(&printer)) return false;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        // A turned page takes its orientation before it begins.
        const bool turned = i > 0 && pages[i].landscape != pages[i - 1].landscape;
        const bool next = i == 0 || ((!turned || printer.setPageOrientation(orientation(pages[i]))) && printer.newPage());
        if (!next || !paintPage(painter, pages[i]) || failed(printer) || (progress && !progress(i + 1))) {
            printer.abort();
            painter.end();
            return false;
        }
    }
    return painter.end() && !failed(printer);
}

bool writePdf(const Page& page, const QString& path)
{
    return writePdf(std::vector<Page>{page}, path);
}

bool writePdf(const std::vector<Page>& pages, const QString& path, const PageProgress& progress)
{
    if (pages.empty()) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    bool painted = false;
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfResolution);
        writer.setCreator(QStringLiteral("Blow Count"));
        const QMarginsF margins(kPdfMargin, kPdfMargin, kPdfMargin, kPdfMargin);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), orientation(pages.front()), margins, QPageLayout::Point));
        QPainter painter;
        if (painter.begin(&writer)) {
            painted = true;
            for (std::size_t i = 0; i < pages.size() && painted; ++i) {
                if (i > 0) painted = writer.setPageOrientation(orientation(pages[i])) && writer.newPage();
                painted = painted && paintPage(painter, pages[i]) && (!progress || progress(i + 1));
            }
            painted = painter.end() && painted;
        }
    }
    if (!painted) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace report
