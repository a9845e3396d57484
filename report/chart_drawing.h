#pragma once
// The one drawing of a chart: Qt Charts builds it from the page data, for a
// QChartView on the screen and for a page on paper or in a PDF, so that the
// printed picture is the one on the screen. Text is set in the report font
// at pixel sizes, which scale with the chart wherever it is drawn.
#include <QRectF>

#include "report/chart.h"

class QChart;
class QPainter;

namespace report {

// A new chart (the caller owns it), without animations. Each unbroken run of
// a series is a series of its own in the same colour and style, and only the
// first of them has an entry in the legend.
QChart* makeChart(const Chart& chart);

// The size in pixels at which a chart is laid out before it is scaled into
// its place on a page: the place at 96 dots per inch.
QSizeF layoutSize(const Chart& chart);

// Draws the chart into `target` (in the painter's coordinates). Needs a
// QApplication. False when nothing could be drawn.
bool paintChart(QPainter& painter, const Chart& chart, const QRectF& target);

// Makes paintChart the page painter's chart painter (report/page_painter.h),
// for a program that links the chart drawing.
void useChartDrawing();

}  // namespace report
