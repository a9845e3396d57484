#pragma once
// One routine puts a report page on paper or into a PDF: each line in the
// report font, its left edge at X and the top of its line at Y, twips counted
// from the top-left corner of the printable area of an A4 page (portrait, or
// landscape where the page says so); the
// rules; and the charts, each drawn into its rectangle as the screen shows it.
// A report of several pages goes out as one document.
#include <cstddef>
#include <functional>
#include <vector>

#include <QString>

#include "report/page.h"

class QPainter;
class QPrinter;
class QRectF;

namespace report {

// Draws one chart of a page into `target`. The painter itself does not draw
// charts: Qt Charts is loaded only by the programs that show one. Those set
// report::paintChart (report/chart_drawing.h) here; the blowcount program
// sets it when it loads its chart module. Until it is set, a page with a
// chart is not drawn (paintPage gives false).
using ChartPainter = bool (*)(QPainter& painter, const Chart& chart, const QRectF& target);
void setChartPainter(ChartPainter painter);
ChartPainter chartPainter();

// Paints the page with a painter already active on its device (a printer or
// a PDF writer whose printable area is the page's frame). False when no
// installed font writes Thai, when the page has a chart and no chart painter
// is set, or when it has one and the program runs no QApplication (Qt Charts
// draws with Qt Widgets).
bool paintPage(QPainter& painter, const Page& page);

// Sets the printer to A4, each page turned as it says, with coordinates from the printable area,
// prints the page and ends the document. False, with nothing sent (the job is
// aborted where it was begun), when any step fails: an invalid printer, a
// page setting it refuses, a painter that cannot begin, no Thai font, or a
// printer error on the way.
bool printPage(const Page& page, QPrinter& printer);

// Told after each page painted how many are done; false stops the work, which
// then ends as a failure would (nothing sent, no file written).
using PageProgress = std::function<bool(std::size_t pagesDone)>;

// The pages, in order, as one print job; the same rules as printPage. False
// for no pages.
bool printPages(const std::vector<Page>& pages, QPrinter& printer, const PageProgress& progress = {});

// The page as a one-page A4 PDF (landscape where the page says so) whose printable area lies kPdfMargin
// points inside the paper's edges. False when it cannot be written; a file
// already at `path` is then left as it was.
bool writePdf(const Page& page, const QString& path);

// The pages as one A4 PDF, a page each, as writePdf.
bool writePdf(const std::vector<Page>& pages, const QString& path, const PageProgress& progress = {});

inline constexpr double kPdfMargin = 10;     // points
inline constexpr int kPdfResolution = 1200;  // dots per inch of the painter

}  // namespace report
