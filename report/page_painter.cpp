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

bool failed(const QPrinter& printer)
{
    return printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted;
}

}  // namespace

bool paintPage(QPainter& painter, const Page& page)
{
    QPaintDevice* device = painter.device();
    std::optional<ReportFont> font = reportFont();
    if (!device || !font) return false;
    font->stretch = fittedStretch(*font, page, *device);

    const double dotsPerTwipX = device->logicalDpiX() / 1440.0;
    const double dotsPerTwipY = device->logicalDpiY() / 1440.0;
    for (const Line& line : page.lines) {
        const QFont lineFace = lineFont(*font, line, *device);
        const QFontMetricsF metrics(lineFace, device);
        painter.setFont(lineFace);
        painter.drawText(QPointF(line.x * dotsPerTwipX, line.y * dotsPerTwipY + metrics.ascent()),
                         QString::fromStdString(line.text));
    }
    return painter.isActive();
}

bool printPage(const Page& page, QPrinter& printer)
{
    if (!printer.isValid() || !reportFont()) return false;
    printer.setFullPage(false);
    if (!printer.setPageSize(QPageSize(QPageSize::A4))) return false;
    if (!printer.setPageOrientation(QPageLayout::Portrait)) return false;

    QPainter painter;
    if (!painter.begin(&printer)) return false;
    if (!paintPage(painter, page) || failed(printer)) {
        printer.abort();
        painter.end();
        return false;
    }
    return painter.end() && !failed(printer);
}

bool writePdf(const Page& page, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    bool painted = false;
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfResolution);
        writer.setCreator(QStringLiteral("Blow Count"));
        const QMarginsF margins(kPdfMargin, kPdfMargin, kPdfMargin, kPdfMargin);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, margins, QPageLayout::Point));
        QPainter painter;
        if (painter.begin(&writer)) {
            painted = paintPage(painter, page);
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
