#include "app/load_strip.h"

#include <QFontMetricsF>
#include <QPainter>

#include "app/twips.h"

namespace app {

namespace {

QPointF toPixels(QPointF twips) { return twips * pixelsPerTwip(); }

}  // namespace

LoadStrip::LoadStrip(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
}

QSizeF LoadStrip::sizeInTwips() const { return QSizeF(contentsRect().size()) / pixelsPerTwip(); }

void LoadStrip::clear()
{
    if (canvas_.size() != contentsRect().size()) canvas_ = QPixmap(contentsRect().size());
    canvas_.fill(palette().color(QPalette::Base));
    update();
}

void LoadStrip::fillBox(QPointF corner1, QPointF corner2, const QColor& colour)
{
    QPainter painter(&canvas_);
    painter.fillRect(QRectF(toPixels(corner1), toPixels(corner2)).normalized(), colour);
    update();
}

qreal LoadStrip::textWidth(const QString& text) const
{
    return QFontMetricsF(font()).horizontalAdvance(text) / pixelsPerTwip();
}

qreal LoadStrip::textHeight(const QString&) const { return QFontMetricsF(font()).height() / pixelsPerTwip(); }

void LoadStrip::print(QPointF position, const QString& text, const QColor& colour)
{
    QPainter painter(&canvas_);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font());
    painter.setPen(colour);
    const QPointF topLeft = toPixels(position);
    painter.drawText(QPointF(topLeft.x(), topLeft.y() + QFontMetricsF(font()).ascent()), text);
    update();
}

void LoadStrip::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    if (canvas_.isNull()) painter.fillRect(contentsRect(), palette().color(QPalette::Base));
    else painter.drawPixmap(contentsRect().topLeft(), canvas_);
}

}  // namespace app
